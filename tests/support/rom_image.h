#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Writes an N64 image the way the game lays it out: the four byte-order bytes
// at offset 0 and `region` at the message region's offset. The file is
// `size` bytes long, written sparsely (the rest reads as zeros); a size that
// falls inside the region cuts `region` short there.
inline constexpr std::uint64_t FULL_IMAGE_SIZE = 16 * 1024 * 1024;
inline constexpr char BIG_ENDIAN_MAGIC[] = "\x80\x37\x12\x40";

void write_rom_image(const std::filesystem::path& path, const std::string& region,
                     std::uint64_t size = FULL_IMAGE_SIZE,
                     const std::string& magic = BIG_ENDIAN_MAGIC);
