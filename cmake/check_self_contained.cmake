# Fails unless the executable EXE imports no DLL but the system's own: no
# libstdc++, libgcc or winpthread beside it.
#   cmake -DOBJDUMP=... -DEXE=... -P check_self_contained.cmake
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} could not read ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "no imports found in ${EXE}")
endif()
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll MATCHES "^(kernel32|msvcrt|ucrtbase|api-ms-win-.*)\\.dll$")
    message(FATAL_ERROR "${EXE} needs ${dll} beside it")
  endif()
  message(STATUS "imports ${dll}")
endforeach()
