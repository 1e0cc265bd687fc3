#pragma once

#include <cstdio>

// N64 images circulate in three byte orders, told apart by their first four
// bytes. Only the console's own big-endian order can be decoded.
enum RomByteOrder : signed char {
    ROM_UNRECOGNISED = -1,
    ROM_BIG_ENDIAN = 0,    // 80 37 12 40
    ROM_BYTE_SWAPPED = 1,  // 37 80 40 12: each 16-bit half-word swapped
    ROM_LITTLE_ENDIAN = 2, // 40 12 37 80: each 32-bit word reversed
};

// Classifies the image by its first four bytes. A file shorter than four
// bytes, or one that cannot be read, is ROM_UNRECOGNISED. Leaves the stream
// just behind the bytes it read.
RomByteOrder detect_rom_byte_order(std::FILE* rom);
