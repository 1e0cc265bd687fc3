// Cost per byte of the decoding loop as the region grows: the same kind of
// messages as the run benchmark, 1, 16 and 64 MiB of them, written to a null
// device.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "message_decoder.h"
#include "workload.h"

namespace {

void BM_dump_messages(benchmark::State& state)
{
    const auto size = static_cast<std::size_t>(state.range(0)) << 20;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tolmsg_bench_" + std::to_string(state.range(0)));
    {
        const std::string region = make_message_region(size);
        std::ofstream(path, std::ios::binary).write(region.data(), static_cast<std::streamsize>(size));
    }
    const CharTable table = make_workload_table();
    std::FILE* rom = std::fopen(path.string().c_str(), "rb");
    std::FILE* sink = std::fopen("/dev/null", "wb");
    for (auto _ : state) {
        const DumpResult result = dump_messages(rom, table, 0, static_cast<std::uint32_t>(size - 1), sink);
        if (result != DUMP_COMPLETE) state.SkipWithError("the walk did not complete");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(size));
    std::fclose(sink);
    std::fclose(rom);
    std::filesystem::remove(path);
}

BENCHMARK(BM_dump_messages)->Arg(1)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond);

} // namespace
