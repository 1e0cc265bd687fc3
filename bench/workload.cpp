#include "workload.h"

#include <algorithm>
#include <cstdint>

#include "rom_image.h"

namespace {

// Codes of the workload table (see make_workload_table).
constexpr int FIRST_KANA = 0x20, KANA_COUNT = 83;  // hiragana, 0x20-0x72
constexpr int FIRST_KANJI = 0x73, KANJI_COUNT = 60;
constexpr int LINE_BREAK = 0x0A, PLACEHOLDER = 0x12, CONTROL = 0x05;

// Park-Miller: small, fixed and the same on every platform.
class Random {
public:
    explicit Random(unsigned seed) : state_(seed % 2147483646u + 1) {}
    unsigned below(unsigned bound) { return next() % bound; }

private:
    std::uint32_t next()
    {
        state_ = static_cast<std::uint32_t>(state_ * std::uint64_t{48271} % 2147483647u);
        return state_;
    }
    std::uint32_t state_;
};

// The codes of one record's body, `length` bytes including its last byte.
void append_body(std::string& region, unsigned length, Random& random)
{
    unsigned left = length;
    while (left > 1) {
        const unsigned pick = random.below(100);
        if (pick < 70 || left == 2) {
            const int kana = FIRST_KANA + static_cast<int>(random.below(KANA_COUNT));
            region.push_back(static_cast<char>(kana));
            --left;
            const unsigned mark = random.below(10);
            if (left > 1 && mark < 2) { // voiced or semi-voiced
                region.push_back(static_cast<char>(mark == 0 ? 0x80 : 0x81));
                --left;
            }
        } else if (pick < 85) {
            region.push_back(static_cast<char>(FIRST_KANJI + random.below(KANJI_COUNT)));
            --left;
        } else if (pick < 93) {
            region.push_back(static_cast<char>(LINE_BREAK));
            --left;
        } else if (pick < 97) {
            region.push_back(static_cast<char>(PLACEHOLDER + random.below(8)));
            --left;
        } else {
            region.push_back(static_cast<char>(CONTROL));
            --left;
        }
    }
    region.push_back('\xFF'); // the record's last byte
}

} // namespace

std::string make_message_region(std::size_t size, unsigned seed)
{
    Random random(seed);
    std::string region;
    region.reserve(size);
    while (size - region.size() >= 3) {
        std::size_t gap = random.below(4);
        std::size_t length = random.below(20) == 0 ? 256 + random.below(256) : 8 + random.below(120);
        const std::size_t room = size - region.size();
        if (gap + (length >= 256 ? 2 : 1) + length > room) {
            // Near the end: records that end on the region's last byte.
            gap = 0;
            if (room <= 256) length = room - 1;
            else if (room == 257) length = 128;
            else length = std::min<std::size_t>(room - 2, 511);
        }
        region.append(gap, '\0');
        region += record_header(length);
        append_body(region, static_cast<unsigned>(length), random);
    }
    region.resize(size, '\0');
    return region;
}

CharTable make_workload_table()
{
    CharTable table{};
    const auto set = [&](int code, int lead, int trail) {
        table[code] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(trail), 0};
    };
    for (int i = 0; i < KANA_COUNT; ++i) set(FIRST_KANA + i, 0x82, 0x9F + i);
    for (int i = 0; i < KANJI_COUNT; ++i) set(FIRST_KANJI + i, 0x88, 0x9F + i);
    set(0x0E, 0x81, 0x42); // full stop
    set(0x0F, 0x81, 0x41); // comma
    set(0x10, 0x81, 0x49); // exclamation mark
    for (int code = 0xB0; code <= 0xFE; ++code) set(code, 'A' + (code - 0xB0) % 26, 0);
    return table;
}
