// Writes the benchmark workload into a folder: a full-size image whose message
// region is filled to its end, and the 512-byte table it is written for.
//
//   make_workload DIR   ->  DIR/workload.z64, DIR/tol.tbl

#include <cstdio>
#include <filesystem>

#include "message_decoder.h"
#include "rom_image.h"
#include "workload.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: make_workload DIR\n", stderr);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    write_rom_image(dir / "workload.z64",
                    make_message_region(MESSAGE_REGION_END - MESSAGE_REGION_START + 1));
    write_char_table_file(dir / "tol.tbl", make_workload_table());
    return 0;
}
