#pragma once

#include <cstdint>
#include <cstdio>

#include "char_table.h"

// Where the game keeps its messages: file offsets of the region's first and
// last byte (the last one belongs to the region).
inline constexpr std::uint32_t MESSAGE_REGION_START = 0xFB5C54;
inline constexpr std::uint32_t MESSAGE_REGION_END = 0xFC4932;

enum DumpResult {
    DUMP_COMPLETE,        // every byte from start to end was decoded
    DUMP_IMAGE_TOO_SHORT, // the image ends before `end`
    DUMP_READ_ERROR,      // a byte before `end` could not be read
};

// Decodes the messages stored in rom[start..end] (end inclusive) and writes
// their text to `out` as the table's Shift-JIS bytes, with LF line breaks.
// The walk may read one byte past `end`: a long header's second byte, or the
// byte after a text code, which may be its voicing mark. It stops at the first
// byte up to `end` that cannot be read; what was decoded before it has been
// written.
DumpResult dump_messages(std::FILE* rom, const CharTable& table, std::uint32_t start,
                         std::uint32_t end, std::FILE* out);
