# Installs the build into a fresh prefix and checks that the tool and its
# manual page land where a user looks for them, and that the tool runs.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(installed bin/tolmsg share/man/man1/tolmsg.1)
  if(NOT EXISTS ${PREFIX}/${installed})
    message(FATAL_ERROR "${installed} was not installed")
  endif()
endforeach()
execute_process(COMMAND ${PREFIX}/bin/tolmsg OUTPUT_VARIABLE usage RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT usage MATCHES " usage:tolmsg tolvane.n64\n$")
  message(FATAL_ERROR "the installed tool did not print its usage: ${status} ${usage}")
endif()
