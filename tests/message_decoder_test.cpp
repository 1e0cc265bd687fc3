#include "message_decoder.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

const std::string KA = "\x82\xA9", GA = "\x82\xAA";
const std::string HA = "\x82\xCD", PA = "\x82\xCF";
const std::string QQ = "\x81\x48\x81\x48"; // the placeholder's two full-width question marks

// 0x2A ka, 0x30 ha, 0x31 'A' (one byte), 0x41 a second byte of 0xFF, 0x42 a
// first byte of zero, 0x80 and 0x81 as plain characters, 0x40 empty.
const CharTable TABLE = table_with({{0x2A, KA},
                                    {0x30, HA},
                                    {0x31, "A"},
                                    {0x41, "\x82\xFF"},
                                    {0x42, std::string("\0\x43", 2)},
                                    {0x80, "\x82\xA0"},
                                    {0x81, "\x82\xA2"}});

// Bytes before the region, so that the walk has to seek to it.
const std::string LEAD = "\x80\x37\x12\x40\xEE";

struct Dump {
    std::string text;
    DumpResult result;
};

// Walks `region` placed at offset 5 of an image, with `end` at the region's
// last byte unless given; `after_end` follows the region in the image.
Dump dump(const std::string& region, const std::string& after_end = "",
          const CharTable& table = TABLE, std::uint32_t end = 0)
{
    const std::uint32_t start = static_cast<std::uint32_t>(LEAD.size());
    if (end == 0) end = start + static_cast<std::uint32_t>(region.size()) - 1;
    UniqueFile rom = stream_holding(LEAD + region + after_end);
    UniqueFile out = stream_holding("");
    const DumpResult result = dump_messages(rom.get(), table, start, end, out.get());
    return {contents_of(out.get()), result};
}

std::string dumped_text(const std::string& region) { return dump(region).text; }

TEST(MessageDecoder, WorkedExample)
{
    const Dump d = dump(bytes({0x00, 0x00, 0x05, 0x2A, 0x80, 0x0A, 0x30, 0xFF, 0x00, 0x04, 0x30,
                               0x81, 0x31, 0x00, 0x01, 0x02, 0x12}),
                        bytes({0x80, 0x31}));
    EXPECT_EQ(d.text, "\n" + GA + "\n" + HA + "\n" "\n" + PA + "A\n" "\n" + QQ);
    EXPECT_EQ(d.result, DUMP_COMPLETE);
}

// Every code in a body: 03 code 31 00 prints the header's line break, the
// code, entry 0x31 ("T2"), and the last byte's line break.
TEST(MessageDecoder, EveryCodeDecodesByItsClass)
{
    CharTable table{};
    for (int code = 0; code < 256; ++code) table[code] = {'T', static_cast<unsigned char>(code + 1), 0};
    table[0xFF][1] = 0; // code + 1 wrapped: the entry ends after its first byte

    struct ClassRange {
        int first, last;
        const char* kind;
    };
    const ClassRange classes[] = {
        {0x00, 0x00, "break"}, {0x01, 0x09, "silent"}, {0x0A, 0x0B, "break"},
        {0x0C, 0x0D, "silent"}, {0x0E, 0x10, "text"}, {0x11, 0x19, "placeholder"},
        {0x1A, 0xFE, "text"}, {0xFF, 0xFF, "silent"},
    };
    for (const ClassRange& range : classes) {
        for (int code = range.first; code <= range.last; ++code) {
            const std::string kind = range.kind;
            std::string printed;
            if (kind == "break") printed = "\n";
            if (kind == "placeholder") printed = QQ;
            if (kind == "text") printed = std::string("T") + static_cast<char>(code + 1);
            EXPECT_EQ(dump(bytes({0x03, code, 0x31, 0x00}), "", table).text,
                      "\n" + printed + "T2\n")
                << "code " << code;
        }
    }
}

struct Case {
    const char* what;
    std::string region;
    std::string printed;
};

class DecodesTo : public testing::TestWithParam<Case> {};

TEST_P(DecodesTo, ExactBytes)
{
    EXPECT_EQ(dumped_text(GetParam().region), GetParam().printed);
}

const std::string CODES_A255(255, '\x31'), A255(255, 'A');

INSTANTIATE_TEST_SUITE_P(
    VoicingMarks, DecodesTo,
    testing::Values(
        Case{"voiced_kana", bytes({0x03, 0x2A, 0x80, 0x00}), "\n" + GA + "\n"},
        Case{"semi_voiced_kana", bytes({0x03, 0x30, 0x81, 0x00}), "\n" + PA + "\n"},
        Case{"one_byte_entry_prints_both_bytes", bytes({0x03, 0x31, 0x80, 0x00}), "\nA\x01\n"},
        Case{"trail_ff_wraps_to_00", bytes({0x03, 0x41, 0x80, 0x00}), std::string("\n\x82\x00\n", 4)},
        Case{"trail_ff_wraps_to_01", bytes({0x03, 0x41, 0x81, 0x00}), "\n\x82\x01\n"},
        Case{"empty_entry_voiced", bytes({0x03, 0x40, 0x80, 0x00}), std::string("\n\0\x01\n", 4)},
        Case{"empty_entry_semi_voiced", bytes({0x03, 0x40, 0x81, 0x00}), std::string("\n\0\x02\n", 4)},
        Case{"empty_entry_plain", bytes({0x02, 0x40, 0x00}), "\n\n"},
        Case{"zero_lead_plain_prints_nothing", bytes({0x02, 0x42, 0x00}), "\n\n"},
        Case{"zero_lead_voiced_prints_both", bytes({0x03, 0x42, 0x80, 0x00}), std::string("\n\0\x44\n", 4)},
        Case{"mark_after_header_is_a_character", bytes({0x02, 0x80, 0x00}), "\n\x82\xA0\n"},
        Case{"mark_after_placeholder_is_a_character", bytes({0x04, 0x12, 0x80, 0x31, 0x00}),
             "\n" + QQ + "\x82\xA0" "A\n"},
        Case{"mark_after_control_code_is_a_character", bytes({0x04, 0x05, 0x81, 0x31, 0x00}),
             "\n\x82\xA2" "A\n"},
        Case{"mark_after_line_break_is_a_character", bytes({0x04, 0x0A, 0x80, 0x31, 0x00}),
             "\n\n\x82\xA0" "A\n"},
        Case{"mark_after_a_mark_is_a_character", bytes({0x04, 0x2A, 0x80, 0x80, 0x00}),
             "\n" + GA + "\x82\xA0\n"},
        Case{"mark_on_last_byte_ends_the_record_without_a_break",
             bytes({0x03, 0x31, 0x2A, 0x80, 0x02, 0x30, 0x00}), "\nA" + GA + "\n" + HA + "\n"}),
    [](const auto& info) { return std::string(info.param.what); });

INSTANTIATE_TEST_SUITE_P(
    Records, DecodesTo,
    testing::Values(
        Case{"gaps_print_nothing", bytes({0x00, 0x00, 0x00, 0x02, 0x31, 0x00, 0x00, 0x00}), "\nA\n"},
        Case{"plain_code_puts_the_next_byte_back", bytes({0x05, 0x2A, 0x30, 0x12, 0x31, 0x00}),
             "\n" + KA + HA + QQ + "A\n"},
        Case{"shortest_record", bytes({0x02, 0x2A, 0x00, 0x02, 0x30, 0x00}),
             "\n" + KA + "\n\n" + HA + "\n"},
        Case{"last_byte_text_code", bytes({0x02, 0x31, 0x2A, 0x02, 0x31, 0x00}), "\nA\n\nA\n"},
        Case{"last_byte_placeholder", bytes({0x02, 0x31, 0x12, 0x02, 0x31, 0x00}), "\nA\n\nA\n"},
        Case{"last_byte_0x01_is_no_header", bytes({0x02, 0x31, 0x01, 0x02, 0x31, 0x00}), "\nA\n\nA\n"},
        Case{"last_byte_after_control_code", bytes({0x02, 0x05, 0x2A, 0x02, 0x31, 0x00}), "\n\n\nA\n"},
        Case{"long_header_01_00_is_256_bytes", bytes({0x01, 0x00}) + CODES_A255 + bytes({0x00, 0x02, 0x2A, 0x00}),
             "\n" + A255 + "\n\n" + KA + "\n"},
        Case{"long_header_01_ff_is_511_bytes", bytes({0x01, 0xFF}) + CODES_A255 + CODES_A255 + bytes({0x00, 0x02, 0x2A, 0x00}),
             "\n" + A255 + A255 + "\n\n" + KA + "\n"}),
    [](const auto& info) { return std::string(info.param.what); });

// The iteration that starts at `end` may read one byte past it.
struct PastEndCase {
    const char* what;
    std::string region, after_end, printed;
};

class LooksPastEnd : public testing::TestWithParam<PastEndCase> {};

TEST_P(LooksPastEnd, AndStopsThere)
{
    const Dump d = dump(GetParam().region, GetParam().after_end);
    EXPECT_EQ(d.text, GetParam().printed);
    EXPECT_EQ(d.result, DUMP_COMPLETE);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LooksPastEnd,
    testing::Values(
        PastEndCase{"mark_taken", bytes({0x03, 0x2A}), bytes({0x80, 0x31}), "\n" + GA},
        PastEndCase{"other_byte_put_back", bytes({0x03, 0x2A}), bytes({0x30, 0x31}), "\n" + KA},
        PastEndCase{"image_ends_at_end_text_code", bytes({0x03, 0x2A}), "", "\n" + KA},
        PastEndCase{"long_header_at_end", bytes({0x02, 0x31, 0x00, 0x01}), bytes({0x05, 0x31}), "\nA\n\n"},
        PastEndCase{"image_ends_at_end_long_header", bytes({0x02, 0x31, 0x00, 0x01}), "", "\nA\n\n"},
        PastEndCase{"stops_inside_a_record", bytes({0x05, 0x31, 0x31}), bytes({0x31, 0x31, 0x00}), "\nAA"}),
    [](const auto& info) { return std::string(info.param.what); });

// An image that ends before `end`: the text up to the cut, then the report.
struct CutCase {
    const char* what;
    std::string image_region; // what the image holds of the region
    std::string printed;
};

class CutImage : public testing::TestWithParam<CutCase> {};

TEST_P(CutImage, PrintsWhatItHasAndReportsTheCut)
{
    const std::uint32_t end = static_cast<std::uint32_t>(LEAD.size() + 40);
    const Dump d = dump(GetParam().image_region, "", TABLE, end);
    EXPECT_EQ(d.text, GetParam().printed);
    EXPECT_EQ(d.result, DUMP_IMAGE_TOO_SHORT);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CutImage,
    testing::Values(
        CutCase{"at_the_region_start", "", ""},
        CutCase{"in_a_gap", bytes({0x02, 0x31, 0x00, 0x00}), "\nA\n"},
        CutCase{"inside_a_record", bytes({0x05, 0x31, 0x0A}), "\nA\n"},
        CutCase{"between_long_header_bytes", bytes({0x02, 0x31, 0x00, 0x01}), "\nA\n\n"},
        CutCase{"between_text_code_and_mark", bytes({0x05, 0x31, 0x2A}), "\nA" + KA}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(MessageDecoder, ImageEndingBeforeTheRegionPrintsNothing)
{
    UniqueFile rom = stream_holding(LEAD);
    UniqueFile out = stream_holding("");
    EXPECT_EQ(dump_messages(rom.get(), TABLE, 100, 200, out.get()), DUMP_IMAGE_TOO_SHORT);
    EXPECT_EQ(contents_of(out.get()), "");
}

TEST(MessageDecoder, UnreadableImageIsAReadError)
{
#ifdef _WIN32
    GTEST_SKIP() << "the Windows C runtime flags no error on reading a write-only stream";
#endif
    // A stream open for writing only fails every read.
    ScratchDir dir;
    write_file(dir / "rom", LEAD + bytes({0x02, 0x31, 0x00}));
    UniqueFile rom(std::fopen((dir / "rom").string().c_str(), "ab"));
    UniqueFile out = stream_holding("");
    EXPECT_EQ(dump_messages(rom.get(), TABLE, 5, 7, out.get()), DUMP_READ_ERROR);
    EXPECT_EQ(contents_of(out.get()), "");
}

} // namespace
