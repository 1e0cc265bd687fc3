// The cost floor for one run of the tool: open the image, seek to the message
// region, read it and write the same bytes out through stdio, decoding
// nothing.

#include <cstdio>

#include "message_decoder.h"

namespace {
char region[MESSAGE_REGION_END - MESSAGE_REGION_START + 1];
}

int main(int argc, char* argv[])
{
    if (argc < 2) return 2;
    std::FILE* rom = std::fopen(argv[1], "rb");
    if (rom == nullptr || std::fseek(rom, MESSAGE_REGION_START, SEEK_SET) != 0) return 1;
    const std::size_t count = std::fread(region, 1, sizeof region, rom);
    std::fwrite(region, 1, count, stdout);
    return std::fflush(stdout) == 0 && count == sizeof region ? 0 : 1;
}
