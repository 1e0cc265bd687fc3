// Fuzzes the byte-order check over arbitrary files: the answer follows the
// first four bytes alone, and the stream stands just behind what was read.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "rom_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* rom = size == 0 ? std::fopen("/dev/null", "rb")
                               : fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    std::fseek(rom, static_cast<long>(size / 2), SEEK_SET); // wherever the stream stands
    const RomByteOrder order = detect_rom_byte_order(rom);
    const long position = std::ftell(rom);
    std::fclose(rom);

    RomByteOrder expected = ROM_UNRECOGNISED;
    if (size >= 4) {
        if (std::memcmp(data, "\x80\x37\x12\x40", 4) == 0) expected = ROM_BIG_ENDIAN;
        if (std::memcmp(data, "\x37\x80\x40\x12", 4) == 0) expected = ROM_BYTE_SWAPPED;
        if (std::memcmp(data, "\x40\x12\x37\x80", 4) == 0) expected = ROM_LITTLE_ENDIAN;
    }
    if (order != expected) std::abort();
    if (position != static_cast<long>(size < 4 ? size : 4)) std::abort();
    return 0;
}
