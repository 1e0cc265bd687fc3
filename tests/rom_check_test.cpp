#include "rom_check.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

struct OrderCase {
    const char* what;
    std::string file;
    RomByteOrder expected;
};

class RomByteOrderCase : public testing::TestWithParam<OrderCase> {};

TEST_P(RomByteOrderCase, IsToldByTheFirstFourBytes)
{
    UniqueFile rom = stream_holding(GetParam().file);
    EXPECT_EQ(detect_rom_byte_order(rom.get()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Images, RomByteOrderCase,
    testing::Values(
        OrderCase{"big_endian", bytes({0x80, 0x37, 0x12, 0x40, 0x00, 0x00, 0x00, 0x0F}), ROM_BIG_ENDIAN},
        OrderCase{"big_endian_header_only", bytes({0x80, 0x37, 0x12, 0x40}), ROM_BIG_ENDIAN},
        OrderCase{"byte_swapped", bytes({0x37, 0x80, 0x40, 0x12, 0x0F, 0x00}), ROM_BYTE_SWAPPED},
        OrderCase{"little_endian", bytes({0x40, 0x12, 0x37, 0x80, 0x0F, 0x00}), ROM_LITTLE_ENDIAN},
        OrderCase{"other_file", "PK\x03\x04 not a rom", ROM_UNRECOGNISED},
        OrderCase{"zeros", std::string(64, '\0'), ROM_UNRECOGNISED},
        OrderCase{"big_endian_cut_to_three_bytes", bytes({0x80, 0x37, 0x12}), ROM_UNRECOGNISED},
        OrderCase{"byte_swapped_cut_to_three_bytes", bytes({0x37, 0x80, 0x40}), ROM_UNRECOGNISED},
        OrderCase{"empty", "", ROM_UNRECOGNISED}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(RomByteOrder, ReadsFromTheStartWhereverTheStreamStands)
{
    UniqueFile rom = stream_holding(bytes({0x80, 0x37, 0x12, 0x40, 0x37, 0x80, 0x40, 0x12}));
    std::fseek(rom.get(), 4, SEEK_SET);
    EXPECT_EQ(detect_rom_byte_order(rom.get()), ROM_BIG_ENDIAN);
    EXPECT_EQ(std::ftell(rom.get()), 4);
}

TEST(RomByteOrder, UnreadableStreamIsUnrecognised)
{
    // A stream open for writing only fails every read.
    ScratchDir dir;
    write_file(dir / "rom", bytes({0x80, 0x37, 0x12, 0x40}));
    UniqueFile rom(std::fopen((dir / "rom").string().c_str(), "ab"));
    ASSERT_TRUE(rom);
    EXPECT_EQ(detect_rom_byte_order(rom.get()), ROM_UNRECOGNISED);
}

} // namespace
