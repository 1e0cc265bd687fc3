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
