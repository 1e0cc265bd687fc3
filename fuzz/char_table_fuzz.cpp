// Fuzzes the table loader over arbitrary table files: entry i holds file
// bytes 2i and 2i+1 where they exist and zeros elsewhere, ends in a zero, and
// nothing past byte 512 is read.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "char_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = size == 0 ? std::fopen("/dev/null", "rb")
                                : fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    const auto table = std::make_unique<CharTable>();
    for (CharTableEntry& entry : *table) entry = {0xEE, 0xEE, 0xEE};
    load_char_table(file, *table);
    const long position = std::ftell(file);
    std::fclose(file);

    if (position > 512) std::abort();
    for (std::size_t code = 0; code < 256; ++code) {
        for (std::size_t k = 0; k < 2; ++k) {
            const std::size_t offset = 2 * code + k;
            if ((*table)[code][k] != (offset < size ? data[offset] : 0)) std::abort();
        }
        if ((*table)[code][2] != 0) std::abort();
    }
    return 0;
}
