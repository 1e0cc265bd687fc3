#pragma once

#include <array>
#include <cstdio>

// The game's text is a one-byte code of its own. Each of the 256 codes maps to
// the Shift-JIS character printed for it: a lead and a trail byte, or a
// one-byte character followed by 0x00. A third byte, always 0x00, ends the
// entry so it can be treated as a string of at most two bytes.
using CharTableEntry = std::array<unsigned char, 3>;
using CharTable = std::array<CharTableEntry, 256>;

inline constexpr const char* CHAR_TABLE_FILE_NAME = "tol.tbl";

// Fills `table` from the 512-byte table file: entry i from file offsets 2i and
// 2i+1. A short file leaves the entries it does not cover zero (an odd last
// byte becomes a first byte alone); bytes from offset 512 on are not read.
// Read failures are left for the caller to see through std::ferror(file).
void load_char_table(std::FILE* file, CharTable& table);
