#include "test_support.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifndef TOLMSG_SCRATCH_ROOT
#error "TOLMSG_SCRATCH_ROOT must name a folder for the tests' files"
#endif

std::string bytes(std::initializer_list<int> values)
{
    std::string result;
    for (int value : values) result.push_back(static_cast<char>(value));
    return result;
}

UniqueFile stream_holding(const std::string& content)
{
    UniqueFile file(std::tmpfile());
    if (!file) throw std::runtime_error("cannot create a temporary file");
    std::fwrite(content.data(), 1, content.size(), file.get());
    std::rewind(file.get());
    return file;
}

std::string contents_of(std::FILE* file)
{
    std::fflush(file);
    std::rewind(file);
    std::string result;
    char chunk[4096];
    std::size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) result.append(chunk, count);
    return result;
}

std::string contents_of(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void write_file(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

CharTable table_with(std::initializer_list<std::pair<int, std::string>> entries)
{
    CharTable table{};
    for (const auto& [code, text] : entries) {
        table.at(code)[0] = static_cast<unsigned char>(text.at(0));
        table.at(code)[1] = static_cast<unsigned char>(text.size() > 1 ? text[1] : 0);
    }
    return table;
}

ScratchDir::ScratchDir()
{
    static std::atomic<int> counter{0};
    const std::filesystem::path root = TOLMSG_SCRATCH_ROOT;
    std::filesystem::create_directories(root);
    // Unique across test processes that ctest may run side by side.
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    do {
        path_ = root / ("t" + std::to_string(stamp) + "-" + std::to_string(counter++));
    } while (!std::filesystem::create_directory(path_));
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
