#pragma once

#include <cstddef>
#include <string>

#include "char_table.h"

// A message region of `size` bytes filled to its last byte with messages like
// the game's: mostly kana, some of them voiced or semi-voiced, line breaks,
// placeholders, the odd control code, short records and long ones, with a
// little filler between them. The same seed gives the same bytes.
std::string make_message_region(std::size_t size, unsigned seed = 1);

// The table the region above is written for: kana, a row of kanji and some
// punctuation, as a real table would hold.
CharTable make_workload_table();
