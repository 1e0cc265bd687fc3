#include "rom_image.h"

#include <fstream>
#include <stdexcept>

#include "message_decoder.h"

void write_rom_image(const std::filesystem::path& path, const std::string& region,
                     std::uint64_t size, const std::string& magic)
{
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(magic.data(), static_cast<std::streamsize>(magic.size()));
        file.seekp(MESSAGE_REGION_START);
        file.write(region.data(), static_cast<std::streamsize>(region.size()));
        if (!file) throw std::runtime_error("cannot write " + path.string());
    }
    std::filesystem::resize_file(path, size);
}

std::string record_header(std::size_t length)
{
    if (length < 256) return std::string(1, static_cast<char>(length));
    return std::string{'\x01', static_cast<char>(length - 256)};
}

std::string table_file_bytes(const CharTable& table)
{
    std::string file;
    for (const CharTableEntry& entry : table) {
        file.push_back(static_cast<char>(entry[0]));
        file.push_back(static_cast<char>(entry[1]));
    }
    return file;
}

void write_char_table_file(const std::filesystem::path& path, const CharTable& table)
{
    const std::string bytes = table_file_bytes(table);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}
