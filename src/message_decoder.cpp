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
constexpr int NO_BYTE = -2; // distinct from EOF

enum CodeKind : unsigned char { TEXT, LINE_BREAK, CONTROL, PLACEHOLDER };

constexpr auto CODE_KINDS = [] {
    std::array<CodeKind, 256> kinds{};
    for (int code = 0; code < 256; ++code) {
        if (code == 0x00 || code == 0x0A || code == 0x0B) kinds[code] = LINE_BREAK;
        else if (code <= 0x0D || code == 0xFF) kinds[code] = CONTROL;
        else if (code >= 0x11 && code <= 0x19) kinds[code] = PLACEHOLDER;
        else kinds[code] = TEXT;
    }
    return kinds;
}();

// The next byte through the stream's buffer, or EOF. The tool runs a single
// thread, so this is the C library's getc that skips the stream's lock: the
// locking call costs more than decoding the byte does.
inline int read_byte(std::FILE* rom)
{
#ifdef _WIN32
    return _getc_nolock(rom);
#else
    return getc_unlocked(rom);
#endif
}

DumpResult missing_byte(std::FILE* rom)
{
    return std::ferror(rom) ? DUMP_READ_ERROR : DUMP_IMAGE_TOO_SHORT;
}

} // namespace

DumpResult dump_messages(std::FILE* rom, const CharTable& table, std::uint32_t start,
                         std::uint32_t end, std::FILE* out)
{
    // Output is gathered here and handed to the stream a block at a time: a
    // call into the C library for every byte would cost more than decoding it.
    // One code prints at most 4 bytes, so the block is emptied when it has
    // less room than that left, once per code. (The count is a local of its
    // own, so that it can live in a register.)
    unsigned char block[4096];
    std::size_t used = 0;
    const auto put = [&](unsigned char byte) { block[used++] = byte; };

    const DumpResult result = [&] {
        if (std::fseek(rom, static_cast<long>(start), SEEK_SET) != 0) return missing_byte(rom);

        // Bytes of the current record still to come; 0 between records.
        int remaining = 0;
        // The byte after a plain text code: read to look for a voicing mark,
        // and decoded in the next round when it is none.
        int read_ahead = NO_BYTE;
        // Offset of the next byte to decode. 64 bits wide, so that stepping
        // past an `end` at the top of the 32-bit range still ends the walk.
        for (std::uint64_t pos = start; pos <= end; ++pos) {
            const int code = read_ahead != NO_BYTE ? read_ahead : read_byte(rom);
            read_ahead = NO_BYTE;
            if (code == EOF) return missing_byte(rom);
            if (used > sizeof block - 4) {
                std::fwrite(block, 1, used, out);
                used = 0;
            }

            if (remaining > 1) { // a code inside a body
                --remaining;
                const CodeKind kind = CODE_KINDS[static_cast<unsigned char>(code)];
                if (kind == TEXT) {
                    const CharTableEntry& entry = table[static_cast<unsigned char>(code)];
                    const int next = read_byte(rom);
                    if (next == VOICED_MARK || next == SEMI_VOICED_MARK) {
                        // Both bytes, always, the second raised (wrapping at 256).
                        put(entry[0]);
                        put(static_cast<unsigned char>(entry[1] + (next == VOICED_MARK ? 1 : 2)));
                        --remaining;
                        ++pos;
                        continue;
                    }
                    // Plain: the entry as a string, its bytes up to the first zero.
                    if (entry[0] != 0) {
                        put(entry[0]);
                        if (entry[1] != 0) put(entry[1]);
                    }
                    // A byte missing past `end` is simply no mark; one missing
                    // inside the region means the image is cut short.
                    if (next == EOF && pos < end) return missing_byte(rom);
                    read_ahead = next;
                } else if (kind == LINE_BREAK) {
                    put('\n');
                } else if (kind == PLACEHOLDER) { // two full-width question marks
                    for (unsigned char byte : {0x81, 0x48, 0x81, 0x48}) put(byte);
                }
            } else if (remaining == 1) { // the record's last byte: its value does not matter
                remaining = 0;
                put('\n');
            } else if (code != 0x00) { // a header; 0x00 is filler between records
                put('\n');
                remaining = code;
                if (code == 0x01) {
                    // Long header: the length's low byte follows. It may lie
                    // just past `end`, where an image may stop.
                    const int low = read_byte(rom);
                    ++pos;
                    if (low == EOF && pos <= end) return missing_byte(rom);
                    remaining = 256 + (low == EOF ? 0 : low);
                }
            }
        }
        return DUMP_COMPLETE;
    }();

    std::fwrite(block, 1, used, out);
    return result;
}
