#include "message_decoder.h"

// The region is a run of records, with 0x00 filler between them:
//
//   header  one byte L (0x02-0xFF), or 0x01 followed by B for L = 256 + B
//   body    L bytes: codes, then a last byte that only ends the message
//
// Inside a body the byte's value alone decides what it is: a text code looked
// up in the table, a line break, a placeholder for text the game fills in at
// run time, or a control code that prints nothing. A text code followed by a
// voicing mark takes the mark with it: the game writes voiced kana (ga) as the
// plain kana (ka) plus 0x80 and semi-voiced kana (pa) as the plain one (ha)
// plus 0x81; in Shift-JIS those are the plain kana's trail byte plus one or two.

namespace {

constexpr int VOICED_MARK = 0x80;
constexpr int SEMI_VOICED_MARK = 0x81;
constexpr char PLACEHOLDER[] = "\x81\x48\x81\x48"; // ？？ in Shift-JIS

enum CodeKind { LINE_BREAK, CONTROL, PLACEHOLDER_CODE, TEXT };

CodeKind kind_of(int code)
{
    if (code == 0x00 || code == 0x0A || code == 0x0B) return LINE_BREAK;
    if (code <= 0x0D || code == 0xFF) return CONTROL;
    if (code >= 0x11 && code <= 0x19) return PLACEHOLDER_CODE;
    return TEXT;
}

// The entry as a string: its bytes up to the first zero.
void put_plain(const CharTableEntry& entry, std::FILE* out)
{
    if (entry[0] == 0) return;
    std::putc(entry[0], out);
    if (entry[1] != 0) std::putc(entry[1], out);
}

// Both bytes, always, the second raised by the mark (wrapping at 256).
void put_voiced(const CharTableEntry& entry, int mark, std::FILE* out)
{
    const int raise = mark == VOICED_MARK ? 1 : 2;
    std::putc(entry[0], out);
    std::putc((entry[1] + raise) & 0xFF, out);
}

DumpResult missing_byte(std::FILE* rom)
{
    return std::ferror(rom) ? DUMP_READ_ERROR : DUMP_IMAGE_TOO_SHORT;
}

} // namespace

DumpResult dump_messages(std::FILE* rom, const CharTable& table, std::uint32_t start,
                         std::uint32_t end, std::FILE* out)
{
    if (std::fseek(rom, static_cast<long>(start), SEEK_SET) != 0) return missing_byte(rom);

    // Bytes of the current record still to come; 0 between records.
    int remaining = 0;
    // Offset of the next byte read. 64 bits wide, so that stepping past an
    // `end` at the top of the 32-bit range still ends the walk.
    for (std::uint64_t pos = start; pos <= end; ++pos) {
        const int code = std::getc(rom);
        if (code == EOF) return missing_byte(rom);

        if (remaining == 0) {
            if (code == 0x00) continue; // filler between records
            bool header_cut = false;
            if (code == 0x01) {
                // Long header: the length's low byte follows. It may lie just
                // past `end`; an image that stops there leaves it 0.
                const int low = std::getc(rom);
                ++pos;
                header_cut = low == EOF && pos <= end;
                remaining = 256 + (low == EOF ? 0 : low);
            } else {
                remaining = code;
            }
            std::putc('\n', out);
            if (header_cut) return missing_byte(rom);
            continue;
        }

        if (--remaining == 0) { // the record's last byte: its value does not matter
            std::putc('\n', out);
            continue;
        }

        switch (kind_of(code)) {
        case LINE_BREAK:
            std::putc('\n', out);
            break;
        case CONTROL:
            break;
        case PLACEHOLDER_CODE:
            std::fputs(PLACEHOLDER, out);
            break;
        case TEXT: {
            const CharTableEntry& entry = table[static_cast<unsigned char>(code)];
            const int next = std::getc(rom);
            if (next == VOICED_MARK || next == SEMI_VOICED_MARK) {
                put_voiced(entry, next, out);
                --remaining;
                ++pos;
                break;
            }
            put_plain(entry, out);
            // Anything else is a code of its own: put it back for the next
            // round. A byte missing past `end` is simply no mark; one missing
            // inside the region means the image is cut short.
            if (next != EOF) {
                std::ungetc(next, rom);
            } else if (pos < end) {
                return missing_byte(rom);
            }
            break;
        }
        }
    }
    return DUMP_COMPLETE;
}
