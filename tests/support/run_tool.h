#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Where the tool's standard output goes in a run.
enum class Stdout { FILE, FULL_DEVICE, CLOSED };

struct RunResult {
    int status = -1;         // exit status; -1 if the tool did not exit normally
    std::string out;         // standard output, exact bytes
    std::string err;         // standard error, exact bytes
};

// Runs the built tool with `args` in the working directory `dir`.
RunResult run_tolmsg(const std::filesystem::path& dir, const std::vector<std::string>& args,
                     Stdout stdout_to = Stdout::FILE);

// What the console stream makes of text: on Windows every LF is written as
// CR LF, elsewhere bytes pass unchanged.
std::string console_text(const std::string& text);
