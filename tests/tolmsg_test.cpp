// Runs the built tool in a fresh working directory and checks its exact
// output bytes and exit status.

#include <functional>

#include <gtest/gtest.h>

#include "message_decoder.h"
#include "rom_image.h"
#include "run_tool.h"
#include "test_support.h"

namespace {

const std::string BANNER = "-- N64 Tolvane Message Converter V1.0 --\n"
                           "   prints the game's messages as Shift-JIS text\n";
const std::string NOT_A_ROM = "\x82\xCD\x4E\x36\x34\x83\x8D\x83\x80\x82\xC5\x82\xCD\x82\xC8\x82\xA2"
                              "\x82\xA9\x81\x41\x96\xA2\x91\xCE\x89\x9E\x82\xCC\x83\x74\x83\x48\x81"
                              "\x5B\x83\x7D\x83\x62\x83\x67\x82\xC5\x82\xB7\x81\x42\x0A";

const std::string KA = "\x82\xA9", GA = "\x82\xAA";

// 0x43 raised by the voiced mark, 0x44 and 0x45 plain put 0x0A, 0x0D and 0x1A
// bytes into the text: a console stream writes every 0x0A as a line end, and
// the others unchanged.
const CharTable TABLE = table_with({{0x2A, KA}, {0x31, "A"}, {0x43, "\x82\x09"}, {0x44, "\x0D\x1A"}, {0x45, "\x0A"}});

constexpr std::size_t REGION_SIZE = MESSAGE_REGION_END - MESSAGE_REGION_START + 1;

void table_file(const ScratchDir& dir) { write_file(dir / "tol.tbl", table_file_bytes(TABLE)); }

void expect_run(const RunResult& run, int status, const std::string& out)
{
    EXPECT_EQ(run.status, status);
    EXPECT_EQ(run.out, console_text(out));
    EXPECT_EQ(run.err, "");
}

class Tolmsg : public testing::Test {
protected:
    void with_table() { table_file(dir); }
    RunResult run(const std::vector<std::string>& args, Stdout to = Stdout::FILE)
    {
        return run_tolmsg(dir.path(), args, to);
    }
    ScratchDir dir;
};

TEST_F(Tolmsg, NoArgumentPrintsUsage)
{
    expect_run(run({}), 0, BANNER + " usage:tolmsg tolvane.n64\n");
}

// Runs that stop before the dump: status 1, the banner and one message.
struct Refusal {
    const char* what;
    std::function<void(const ScratchDir&)> setup;
    std::string path;
    std::string message;
};

void big_endian_image(const ScratchDir& dir) { write_rom_image(dir / "game.z64", bytes({0x02, 0x31, 0x00})); }

class RefusedRun : public Tolmsg, public testing::WithParamInterface<Refusal> {};

TEST_P(RefusedRun, PrintsTheMessageAndFails)
{
    GetParam().setup(dir);
    expect_run(run({GetParam().path}), 1, BANNER + GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedRun,
    testing::Values(
        Refusal{"missing_image", table_file, "absent.z64", "file absent.z64 not found.\n"},
        Refusal{"path_is_printed_not_interpreted", table_file, "%s%n.z64", "file %s%n.z64 not found.\n"},
        Refusal{"image_path_is_a_directory",
                [](const ScratchDir& d) { table_file(d); std::filesystem::create_directory(d / "roms"); },
                "roms", "file roms not found.\n"},
        Refusal{"missing_image_reported_before_missing_table", [](const ScratchDir&) {}, "absent.z64",
                "file absent.z64 not found.\n"},
        Refusal{"missing_table", big_endian_image, "game.z64", "table data not found.\n"},
        Refusal{"table_is_a_directory",
                [](const ScratchDir& d) { big_endian_image(d); std::filesystem::create_directory(d / "tol.tbl"); },
                "game.z64", "table data not found.\n"},
        Refusal{"table_beside_the_image_is_not_used",
                [](const ScratchDir& d) {
                    std::filesystem::create_directory(d / "sub");
                    write_rom_image(d / "sub" / "game.z64", "");
                    write_file(d / "sub" / "tol.tbl", table_file_bytes(TABLE));
                },
                "sub/game.z64", "table data not found.\n"},
        Refusal{"missing_table_reported_before_a_refused_image",
                [](const ScratchDir& d) { write_rom_image(d / "game.v64", "", 64, "\x37\x80\x40\x12"); },
                "game.v64", "table data not found.\n"},
        Refusal{"byte_swapped_image",
                [](const ScratchDir& d) { table_file(d); write_rom_image(d / "game.v64", "", 64, "\x37\x80\x40\x12"); },
                "game.v64", "game.v64" + NOT_A_ROM},
        Refusal{"little_endian_image",
                [](const ScratchDir& d) { table_file(d); write_rom_image(d / "game.n64", "", 64, "\x40\x12\x37\x80"); },
                "game.n64", "game.n64" + NOT_A_ROM},
        Refusal{"three_byte_file",
                [](const ScratchDir& d) { table_file(d); write_file(d / "cut.z64", "\x80\x37\x12"); },
                "cut.z64", "cut.z64" + NOT_A_ROM},
        Refusal{"empty_file",
                [](const ScratchDir& d) { table_file(d); write_file(d / "empty.z64", ""); },
                "empty.z64", "empty.z64" + NOT_A_ROM}),
    [](const auto& info) { return std::string(info.param.what); });

// A full-size image, written sparsely: a record at the start of the region,
// one whose last byte is the region's last byte, and bytes past the region
// that must not show.
std::string full_region()
{
    std::string region(REGION_SIZE, '\0');
    const std::string first = bytes({0x05, 0x31, 0x2A, 0x80, 0x31, 0x00, 0x00, 0x02, 0x12, 0x00});
    const std::string last = bytes({0x05, 0x43, 0x80, 0x44, 0x45, 0x00});
    region.replace(0, first.size(), first);
    region.replace(REGION_SIZE - last.size(), last.size(), last);
    return region + bytes({0x05, 0x31, 0x31, 0x31});
}
const std::string FULL_TEXT = "\n" "\nA" + GA + "A\n" "\n\x81\x48\x81\x48\n" "\n\x82\x0A\x0D\x1A\x0A\n";

TEST_F(Tolmsg, DumpsTheWholeRegion)
{
    with_table();
    write_rom_image(dir / "game.z64", full_region());
    expect_run(run({"game.z64"}), 0, BANNER + FULL_TEXT);
}

TEST_F(Tolmsg, IgnoresArgumentsAfterTheFirst)
{
    with_table();
    write_rom_image(dir / "game.z64", full_region());
    expect_run(run({"game.z64", "other.z64", "--help"}), 0, BANNER + FULL_TEXT);
}

// A table file with no bytes leaves every code empty: only line breaks,
// placeholders and the marks' raised second bytes show.
class EmptyTable : public Tolmsg, public testing::WithParamInterface<const char*> {};

TEST_P(EmptyTable, StillDumpsTheRegion)
{
    const std::string kind = GetParam();
    if (kind == "empty_file") {
        write_file(dir / "tol.tbl", "");
    } else {
#ifdef _WIN32
        GTEST_SKIP() << "no /dev/null here";
#else
        std::filesystem::create_symlink("/dev/null", dir / "tol.tbl");
#endif
    }
    write_rom_image(dir / "game.z64", full_region());
    const std::string marked = std::string("\0\x01", 2);
    expect_run(run({"game.z64"}), 0,
               BANNER + "\n" "\n" + marked + "\n" "\n\x81\x48\x81\x48\n" "\n" + marked + "\n");
}

INSTANTIATE_TEST_SUITE_P(Files, EmptyTable, testing::Values("empty_file", "dev_null"),
                         [](const auto& info) { return std::string(info.param); });

// An image that ends before the region does: what was decoded, then a report
// and status 1; an image that ends with the region's last byte is complete.
struct Cut {
    const char* what;
    std::uint64_t image_size;
    std::string printed;
};

std::string cut_region()
{
    std::string region(REGION_SIZE, '\0');
    const std::string first = bytes({0x05, 0x31, 0x2A, 0x80, 0x31, 0x00, 0x01, 0x00}) +
                              std::string(255, '\x31') + bytes({0x00});
    const std::string last = bytes({0x04, 0x31, 0x31, 0x00});
    region.replace(0, first.size(), first);
    region.replace(REGION_SIZE - last.size(), last.size(), last);
    return region;
}
const std::string CUT_TEXT_FIRST = "\nA" + GA + "A\n";
const std::string CUT_TEXT_LONG = "\n" + std::string(255, 'A') + "\n";
const std::string CUT_REPORT = "\nfile game.z64 ends before the end of the message region.\n";

class CutImageRun : public Tolmsg, public testing::WithParamInterface<Cut> {};

TEST_P(CutImageRun, PrintsWhatItReadAndReportsTheCut)
{
    with_table();
    write_rom_image(dir / "game.z64", cut_region(), GetParam().image_size);
    const bool complete = GetParam().image_size > MESSAGE_REGION_END;
    expect_run(run({"game.z64"}), complete ? 0 : 1,
               BANNER + "\n" + GetParam().printed + (complete ? "" : CUT_REPORT));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CutImageRun,
    testing::Values(
        Cut{"before_the_region", MESSAGE_REGION_START - 100, ""},
        Cut{"at_the_region_start", MESSAGE_REGION_START, ""},
        Cut{"inside_a_record", MESSAGE_REGION_START + 2, "\nA"},
        Cut{"between_text_code_and_mark", MESSAGE_REGION_START + 3, "\nA" + KA},
        Cut{"between_long_header_bytes", MESSAGE_REGION_START + 7, CUT_TEXT_FIRST + "\n"},
        Cut{"one_byte_before_end", MESSAGE_REGION_END, CUT_TEXT_FIRST + CUT_TEXT_LONG + "\nAA"},
        Cut{"exactly_at_end", MESSAGE_REGION_END + 1, CUT_TEXT_FIRST + CUT_TEXT_LONG + "\nAA\n"}),
    [](const auto& info) { return std::string(info.param.what); });

// Output that cannot be written fails the run, whatever it would have been,
// with the one line the tool ever writes to standard error.
struct Unwritable {
    const char* what;
    Stdout to;
    bool dump;
    std::string err;
};

class UnwritableOutput : public Tolmsg, public testing::WithParamInterface<Unwritable> {};

TEST_P(UnwritableOutput, FailsTheRun)
{
#ifdef _WIN32
    GTEST_SKIP() << "no full device or closed descriptor to test with here";
#endif
    with_table();
    write_rom_image(dir / "game.z64", full_region());
    const RunResult result = GetParam().dump ? run({"game.z64"}, GetParam().to) : run({}, GetParam().to);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnwritableOutput,
    testing::Values(
        Unwritable{"full_device_usage", Stdout::FULL_DEVICE, false, "tolmsg: write error: No space left on device\n"},
        Unwritable{"full_device_dump", Stdout::FULL_DEVICE, true, "tolmsg: write error: No space left on device\n"},
        Unwritable{"closed_usage", Stdout::CLOSED, false, "tolmsg: write error: Bad file descriptor\n"},
        Unwritable{"closed_dump", Stdout::CLOSED, true, "tolmsg: write error: Bad file descriptor\n"}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
