// Writes the fuzzers' seed corpus: a few inputs of each kind that reach the
// interesting paths at once, so that fuzzing starts from there.
//
//   make_seeds DIR   ->  DIR/dump_messages/*, DIR/char_table/*, DIR/rom_check/*

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string result;
    for (int value : values) result.push_back(static_cast<char>(value));
    return result;
}

void write(const std::filesystem::path& path, const std::string& content)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// A table file whose codes 0x20-0x7F are kana-like two-byte characters.
std::string table_file(std::size_t size)
{
    std::string file(512, '\0');
    for (int code = 0x20; code < 0x80; ++code) {
        file[2 * code] = '\x82';
        file[2 * code + 1] = static_cast<char>(0x9F + code - 0x20);
    }
    file[2 * 0x7F + 1] = '\xFF'; // raised past 0xFF by a mark
    file.resize(size, 'x');
    return file;
}

// A dump_messages input: distance to `end`, table length / 3, table, region.
std::string walk_input(int distance, std::size_t table_size, const std::string& region)
{
    return std::string(1, static_cast<char>(distance)) + static_cast<char>(table_size / 3) +
           table_file(table_size) + region;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: make_seeds DIR\n", stderr);
        return 2;
    }
    const std::filesystem::path dir = argv[1];

    const std::string messages =
        bytes({0x00, 0x00, 0x05, 0x2A, 0x80, 0x0A, 0x30, 0xFF, 0x00, 0x04, 0x30, 0x81, 0x31, 0x00}) +
        bytes({0x06, 0x12, 0x80, 0x05, 0x7F, 0x81, 0x00}) + bytes({0x01, 0x02}) + std::string(257, '\x40') +
        bytes({0x03, 0x2A, 0x80});
    write(dir / "dump_messages" / "complete", walk_input(0, 510, messages));
    write(dir / "dump_messages" / "past_end", walk_input(-3, 510, messages + bytes({0x80, 0x01, 0x02})));
    write(dir / "dump_messages" / "short_image", walk_input(40, 510, messages));
    write(dir / "dump_messages" / "odd_table", walk_input(0, 255, messages));
    write(dir / "dump_messages" / "long_header_at_end", walk_input(0, 510, bytes({0x02, 0x31, 0x00, 0x01})));

    write(dir / "char_table" / "full", table_file(512));
    write(dir / "char_table" / "odd", table_file(511));
    write(dir / "char_table" / "over_long", table_file(600));

    write(dir / "rom_check" / "big_endian", bytes({0x80, 0x37, 0x12, 0x40, 0x0F}));
    write(dir / "rom_check" / "byte_swapped", bytes({0x37, 0x80, 0x40, 0x12}));
    write(dir / "rom_check" / "little_endian", bytes({0x40, 0x12, 0x37, 0x80}));
    write(dir / "rom_check" / "three_bytes", bytes({0x80, 0x37, 0x12}));
    return 0;
}
