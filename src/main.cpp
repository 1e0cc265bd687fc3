// tolmsg: prints the message text of the N64 game Tolvane from a ROM image.
//
//   tolmsg IMAGE
//
// The char table "tol.tbl" is read from the working directory. Everything the
// tool has to say goes to standard output; the exit status is 0 after the
// usage text or a complete dump, and 1 otherwise.

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "char_table.h"
#include "message_decoder.h"
#include "rom_check.h"

namespace {

constexpr const char* TOOL_VERSION = "1.0";

// "...is not an N64 ROM, or is in an unsupported format.", in Shift-JIS.
constexpr const char* NOT_A_BIG_ENDIAN_ROM =
    "\x82\xCD\x4E\x36\x34\x83\x8D\x83\x80\x82\xC5\x82\xCD\x82\xC8\x82\xA2\x82\xA9\x81\x41"
    "\x96\xA2\x91\xCE\x89\x9E\x82\xCC\x83\x74\x83\x48\x81\x5B\x83\x7D\x83\x62\x83\x67"
    "\x82\xC5\x82\xB7\x81\x42\n";

// The region is about 60 KB and its text about as much, so one buffer each
// way holds nearly all of it: a run makes a handful of reads and writes.
char rom_buffer[64 * 1024];
char output_buffer[64 * 1024];
CharTable char_table;

// Opens a file for binary reading with the given buffer, or returns null.
std::FILE* open_input(const char* path, char* buffer, std::size_t buffer_size)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file != nullptr && buffer != nullptr) std::setvbuf(file, buffer, _IOFBF, buffer_size);
    return file;
}

// Every run ends here. Output that could not be written turns any status into
// a failure, reported on standard error since standard output is what failed.
int finish(int status)
{
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    const int error = errno;
    if (error != 0) {
        std::fprintf(stderr, "tolmsg: write error: %s\n", std::strerror(error));
    } else {
        std::fputs("tolmsg: write error\n", stderr);
    }
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    std::setvbuf(stdout, output_buffer, _IOFBF, sizeof output_buffer);

    std::printf("-- N64 Tolvane Message Converter V%s --\n", TOOL_VERSION);
    std::fputs("   prints the game's messages as Shift-JIS text\n", stdout);
    if (argc < 2) {
        std::fputs(" usage:tolmsg tolvane.n64\n", stdout);
        return finish(0);
    }

    const char* rom_path = argv[1];
    // The image's first bytes tell its byte order, and whether it can be read
    // at all: some C libraries open a directory for reading, and the first
    // read then fails. (A directory named tol.tbl fails the same way while the
    // table loads.)
    std::FILE* rom = open_input(rom_path, rom_buffer, sizeof rom_buffer);
    const RomByteOrder byte_order = rom != nullptr ? detect_rom_byte_order(rom) : ROM_UNRECOGNISED;
    if (rom == nullptr || std::ferror(rom)) {
        std::printf("file %s not found.\n", rom_path);
        return finish(1);
    }

    // Looked up in the working directory, not beside the image or the tool.
    std::FILE* table_file = open_input(CHAR_TABLE_FILE_NAME, nullptr, 0);
    if (table_file != nullptr) load_char_table(table_file, char_table);
    if (table_file == nullptr || std::ferror(table_file)) {
        std::fputs("table data not found.\n", stdout);
        return finish(1);
    }

    if (byte_order != ROM_BIG_ENDIAN) {
        std::printf("%s%s", rom_path, NOT_A_BIG_ENDIAN_ROM);
        return finish(1);
    }

    std::putc('\n', stdout);
    switch (dump_messages(rom, char_table, MESSAGE_REGION_START, MESSAGE_REGION_END, stdout)) {
    case DUMP_COMPLETE:
        return finish(0);
    case DUMP_IMAGE_TOO_SHORT:
        std::printf("\nfile %s ends before the end of the message region.\n", rom_path);
        return finish(1);
    case DUMP_READ_ERROR:
        std::printf("\nfile %s could not be read.\n", rom_path);
        return finish(1);
    }
    return finish(1);
}
