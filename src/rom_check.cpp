#include "rom_check.h"

#include <cstring>

RomByteOrder detect_rom_byte_order(std::FILE* rom)
{
    // Bytes that were not read stay zero; no pattern below has a zero byte,
    // so a short file matches none of them.
    unsigned char first[4] = {};
    if (std::fseek(rom, 0, SEEK_SET) == 0) {
        std::fread(first, 1, sizeof first, rom);
    }

    static constexpr struct {
        unsigned char bytes[4];
        RomByteOrder order;
    } known_orders[] = {
        {{0x80, 0x37, 0x12, 0x40}, ROM_BIG_ENDIAN},
        {{0x37, 0x80, 0x40, 0x12}, ROM_BYTE_SWAPPED},
        {{0x40, 0x12, 0x37, 0x80}, ROM_LITTLE_ENDIAN},
    };
    for (const auto& known : known_orders) {
        if (std::memcmp(first, known.bytes, sizeof first) == 0) {
            return known.order;
        }
    }
    return ROM_UNRECOGNISED;
}
