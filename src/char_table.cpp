#include "char_table.h"

void load_char_table(std::FILE* file, CharTable& table)
{
    for (CharTableEntry& entry : table) {
        entry = {};
        // Two one-byte elements, so that a lone last byte of an odd-length
        // file still lands in the entry's first byte.
        std::fread(entry.data(), 1, 2, file);
    }
}
