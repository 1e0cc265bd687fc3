#include "char_table.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

// A table file of `size` bytes whose byte k is never zero and differs from
// its neighbours, so that a misplaced byte shows.
std::string patterned_file(std::size_t size)
{
    std::string file;
    for (std::size_t k = 0; k < size; ++k) file.push_back(static_cast<char>(k % 251 + 1));
    return file;
}

CharTable load(const std::string& file_content)
{
    CharTable table;
    for (CharTableEntry& entry : table) entry = {0xEE, 0xEE, 0xEE}; // stale data must go
    UniqueFile file = stream_holding(file_content);
    load_char_table(file.get(), table);
    return table;
}

struct SizeCase {
    std::size_t file_size;
    const char* what;
};

class CharTableFileSize : public testing::TestWithParam<SizeCase> {};

// Entry i holds file bytes 2i and 2i+1 where the file has them, zeros where it
// does not, and always ends in a zero.
TEST_P(CharTableFileSize, EntriesHoldTheFileBytesAndZerosBeyondIt)
{
    const std::string file = patterned_file(GetParam().file_size);
    const CharTable table = load(file);
    for (std::size_t code = 0; code < 256; ++code) {
        for (std::size_t k = 0; k < 2; ++k) {
            const std::size_t offset = 2 * code + k;
            const int expected = offset < file.size() ? static_cast<unsigned char>(file[offset]) : 0;
            ASSERT_EQ(table[code][k], expected) << "code " << code << " byte " << k;
        }
        ASSERT_EQ(table[code][2], 0) << "code " << code;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, CharTableFileSize,
                         testing::Values(SizeCase{512, "full"}, SizeCase{511, "odd"},
                                         SizeCase{300, "short"}, SizeCase{1, "one_byte"},
                                         SizeCase{0, "empty"}, SizeCase{600, "over_long"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(CharTable, KanaEntryReadsAsItsShiftJisBytes)
{
    std::string file(512, '\0');
    file[2 * 0x2A] = '\x82';
    file[2 * 0x2A + 1] = '\xA9';
    const CharTable table = load(file);
    EXPECT_EQ(table[0x2A], (CharTableEntry{0x82, 0xA9, 0x00}));
}

TEST(CharTable, StopsReadingAtEntry255)
{
    // A longer file keeps its excess: nothing past offset 512 is consumed.
    UniqueFile file = stream_holding(patterned_file(600));
    CharTable table{};
    load_char_table(file.get(), table);
    EXPECT_EQ(std::ftell(file.get()), 512);
}

} // namespace
