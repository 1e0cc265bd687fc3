// Writes the sample image and table for the demo from two readable files:
//
//   make_sample_rom LISTING SCRIPT DIR  ->  DIR/tol.tbl, DIR/sample.z64
//
// LISTING (tol.tbl.txt) gives each code's bytes and character. SCRIPT holds
// the messages, in UTF-8, one empty line between them. Each message becomes a
// record of the image's message region the way the game stores its text:
// kana with a voicing mark written as the plain kana and the mark, "？？" as
// the placeholder for the hero's name, a line break code for each line end,
// and a control code (which prints nothing) at the start of each message.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "char_table.h"
#include "rom_image.h"

namespace {

constexpr int LINE_BREAK = 0x0A;
constexpr int NAME_PLACEHOLDER = 0x11;
constexpr int TEXT_SPEED = 0x05; // a control code
constexpr int VOICED_MARK = 0x80, SEMI_VOICED_MARK = 0x81;
constexpr int LAST_BYTE = 0xFF;

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::u32string utf32(const std::string& utf8)
{
    std::u32string result;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) point = point << 6 | (utf8.at(i + k) & 0x3F);
        result += point;
        i += length;
    }
    return result;
}

struct Listing {
    CharTable table{};
    std::map<char32_t, int> code_of;
};

// Lines "CODE  BYTES  CHARACTER" in hex, e.g. "2A  82A9  か"; '#' starts a comment.
Listing read_listing(const std::filesystem::path& path)
{
    Listing listing;
    std::istringstream lines(read_file(path));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string code_hex, bytes_hex, character;
        fields >> code_hex >> bytes_hex >> character;
        const int code = std::stoi(code_hex, nullptr, 16);
        listing.table.at(code)[0] = static_cast<unsigned char>(std::stoi(bytes_hex.substr(0, 2), nullptr, 16));
        if (bytes_hex.size() == 4) {
            listing.table.at(code)[1] = static_cast<unsigned char>(std::stoi(bytes_hex.substr(2), nullptr, 16));
        }
        listing.code_of[character == "(space)" ? U' ' : utf32(character).at(0)] = code;
    }
    return listing;
}

const std::u32string VOICED = U"がぎぐげござじずぜぞだぢづでどばびぶべぼガギグゲゴザジズゼゾダヂヅデドバビブベボ";
const std::u32string SEMI_VOICED = U"ぱぴぷぺぽパピプペポ";

std::string encode_message(const std::u32string& message, const Listing& listing)
{
    std::string body(1, static_cast<char>(TEXT_SPEED));
    const auto code_of = [&](char32_t point) {
        const auto found = listing.code_of.find(point);
        if (found == listing.code_of.end()) {
            throw std::runtime_error("no code for U+" + std::to_string(static_cast<unsigned long>(point)));
        }
        return static_cast<char>(found->second);
    };
    for (std::size_t i = 0; i < message.size(); ++i) {
        const char32_t point = message[i];
        if (point == U'\n') {
            body += static_cast<char>(LINE_BREAK);
        } else if (message.compare(i, 2, U"？？") == 0) {
            body += static_cast<char>(NAME_PLACEHOLDER);
            ++i;
        } else if (VOICED.find(point) != std::u32string::npos) {
            body += code_of(point - 1);
            body += static_cast<char>(VOICED_MARK);
        } else if (SEMI_VOICED.find(point) != std::u32string::npos) {
            body += code_of(point - 2);
            body += static_cast<char>(SEMI_VOICED_MARK);
        } else {
            body += code_of(point);
        }
    }
    body += static_cast<char>(LAST_BYTE);

    if (body.size() > 511) throw std::runtime_error("a message is too long for one record");
    return record_header(body.size()) + body;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: make_sample_rom LISTING SCRIPT DIR\n", stderr);
        return 2;
    }
    try {
        const Listing listing = read_listing(argv[1]);
        std::string script = read_file(argv[2]);
        while (!script.empty() && script.back() == '\n') script.pop_back();

        std::string region;
        std::size_t from = 0;
        while (from <= script.size()) {
            std::size_t to = script.find("\n\n", from);
            if (to == std::string::npos) to = script.size();
            region += encode_message(utf32(script.substr(from, to - from)), listing);
            region += std::string(2, '\0'); // filler between records
            from = to + 2;
        }

        const std::filesystem::path dir = argv[3];
        std::filesystem::create_directories(dir);
        write_rom_image(dir / "sample.z64", region);
        write_char_table_file(dir / "tol.tbl", listing.table);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_sample_rom: %s\n", error.what());
        return 1;
    }
}
