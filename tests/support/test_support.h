#pragma once

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "char_table.h"
#include "rom_image.h"

// Bytes written as numbers: bytes({0x80, 0x37}).
std::string bytes(std::initializer_list<int> values);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// A temporary binary file holding `content`, open for reading and writing at
// offset 0.
UniqueFile stream_holding(const std::string& content);
// Everything in the file, from its start.
std::string contents_of(std::FILE* file);
std::string contents_of(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& content);

// A table whose listed codes hold the given two bytes; all others are 00 00.
CharTable table_with(std::initializer_list<std::pair<int, std::string>> entries);

// A fresh empty folder inside the build tree, removed with this object.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};
