#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "char_table.h"

// Writes an N64 image the way the game lays it out: the four byte-order bytes
// at offset 0 and `region` at the message region's offset. The file is
// `size` bytes long, written sparsely (the rest reads as zeros); a size that
// falls inside the region cuts `region` short there.
inline constexpr std::uint64_t FULL_IMAGE_SIZE = 16 * 1024 * 1024;
inline constexpr char BIG_ENDIAN_MAGIC[] = "\x80\x37\x12\x40";

void write_rom_image(const std::filesystem::path& path, const std::string& region,
                     std::uint64_t size = FULL_IMAGE_SIZE,
                     const std::string& magic = BIG_ENDIAN_MAGIC);

// A message record's header: the length as one byte up to 255, longer ones
// as 0x01 and the length less 256.
std::string record_header(std::size_t length);

// The 512 bytes of a table file holding `table`, and such a file written out.
std::string table_file_bytes(const CharTable& table);
void write_char_table_file(const std::filesystem::path& path, const CharTable& table);
