// Writes the benchmark workload into a folder: a full-size image whose message
// region is filled to its end, and the 512-byte table it is written for.
//
//   make_workload DIR   ->  DIR/workload.z64, DIR/tol.tbl

#include <cstdio>
#include <filesystem>
#include <fstream>

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

    std::ofstream table(dir / "tol.tbl", std::ios::binary | std::ios::trunc);
    for (const CharTableEntry& entry : make_workload_table()) {
        table.put(static_cast<char>(entry[0])).put(static_cast<char>(entry[1]));
    }
    return table ? 0 : 1;
}
