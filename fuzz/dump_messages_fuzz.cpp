// Fuzzes the message walk over an arbitrary table and an arbitrary image.
//
// Input: byte 0 sets where `end` lies against the image's end (a signed
// distance: short images, images that end exactly at `end`, images with bytes
// past it); byte 1 sets the table file's length (0 to 765 bytes: empty, odd,
// short, full, over-long); the table file's bytes follow, and the rest is the
// message region, stored at offset 3 of the image.
//
// Checked besides "no crash": the table is read only within its 256 entries
// (it lives in an allocation of its exact size, under AddressSanitizer), the
// text equals that of a plain transcription of the walk, the output holds at
// most 4 bytes per byte read, the walk reads at most one byte past `end`, and
// it reports success exactly when the image reaches `end`.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "char_table.h"
#include "message_decoder.h"

namespace {

void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// The walk written as plainly as possible, on an image held in memory.
std::string reference_text(const std::string& image, const CharTable& table, std::uint64_t start,
                           std::uint64_t end, bool& complete)
{
    std::string text;
    const auto byte_at = [&](std::uint64_t offset) {
        return offset < image.size() ? static_cast<unsigned char>(image[offset]) : -1;
    };
    int remaining = 0;
    complete = false;
    for (std::uint64_t pos = start; pos <= end; ++pos) {
        const int c = byte_at(pos);
        if (c < 0) return text;
        if (remaining == 0) {
            if (c == 0) continue;
            text += '\n';
            remaining = c;
            if (c == 1) {
                ++pos;
                const int low = byte_at(pos);
                if (low < 0 && pos <= end) return text;
                remaining = 256 + (low < 0 ? 0 : low);
            }
            continue;
        }
        if (--remaining == 0) {
            text += '\n';
            continue;
        }
        if (c == 0x00 || c == 0x0A || c == 0x0B) {
            text += '\n';
        } else if (c <= 0x0D || c == 0xFF) {
        } else if (c >= 0x11 && c <= 0x19) {
            text += "\x81\x48\x81\x48";
        } else {
            const CharTableEntry& entry = table[c];
            const int m = byte_at(pos + 1);
            if (m == 0x80 || m == 0x81) {
                text += static_cast<char>(entry[0]);
                text += static_cast<char>((entry[1] + (m == 0x80 ? 1 : 2)) & 0xFF);
                --remaining;
                ++pos;
            } else {
                if (entry[0] != 0) text += static_cast<char>(entry[0]);
                if (entry[0] != 0 && entry[1] != 0) text += static_cast<char>(entry[1]);
                if (m < 0 && pos < end) return text;
            }
        }
    }
    complete = true;
    return text;
}

// A read-only stream over `bytes`; /dev/null stands in for no bytes at all.
std::FILE* stream_over(const std::string& bytes)
{
    if (bytes.empty()) return std::fopen("/dev/null", "rb");
    return fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    const int distance = static_cast<std::int8_t>(data[0]);
    const std::size_t table_size = std::min<std::size_t>(data[1] * 3u, size - 2);
    const std::string table_file(reinterpret_cast<const char*>(data + 2), table_size);
    const std::string image = "\x80\x37\x12" + std::string(reinterpret_cast<const char*>(data + 2 + table_size),
                                                           size - 2 - table_size);

    const auto table = std::make_unique<CharTable>();
    std::FILE* table_stream = stream_over(table_file);
    load_char_table(table_stream, *table);
    std::fclose(table_stream);

    const std::uint32_t start = 3;
    const std::int64_t wanted_end = static_cast<std::int64_t>(image.size()) - 1 + distance;
    const std::uint32_t end = static_cast<std::uint32_t>(std::max<std::int64_t>(wanted_end, start));

    std::FILE* rom = stream_over(image);
    char* text = nullptr;
    std::size_t text_size = 0;
    std::FILE* out = open_memstream(&text, &text_size);
    const DumpResult result = dump_messages(rom, *table, start, end, out);
    const long stopped_at = std::ftell(rom);
    std::fclose(out);
    std::fclose(rom);

    bool reference_complete = false;
    const std::string expected = reference_text(image, *table, start, end, reference_complete);
    const std::uint64_t bytes_read = static_cast<std::uint64_t>(stopped_at) - start;

    check(std::string(text, text_size) == expected, "text differs from the plain walk");
    check(text_size <= 4 * bytes_read, "more than 4 output bytes per byte read");
    check(static_cast<std::uint64_t>(stopped_at) <= std::uint64_t{end} + 2, "read more than one byte past end");
    check((result == DUMP_COMPLETE) == (image.size() > end), "success does not match reaching end");
    check(result != DUMP_READ_ERROR, "read error on a memory stream");
    check(reference_complete == (result == DUMP_COMPLETE), "completion differs from the plain walk");
    std::free(text);
    return 0;
}
