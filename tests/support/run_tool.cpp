#include "run_tool.h"

#include <stdexcept>

#include "test_support.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#ifndef TOLMSG_EXE
#error "TOLMSG_EXE must name the built tool"
#endif

std::string console_text(const std::string& text)
{
#ifdef _WIN32
    std::string converted;
    for (char c : text) {
        if (c == '\n') converted.push_back('\r');
        converted.push_back(c);
    }
    return converted;
#else
    return text;
#endif
}

namespace {

#ifdef _WIN32

// The C runtime joins spawn arguments with spaces and no quoting.
std::string quoted(const std::string& arg) { return "\"" + arg + "\""; }

int spawn(const std::filesystem::path& dir, const std::vector<std::string>& args,
          const std::filesystem::path& out_path, const std::filesystem::path& err_path,
          Stdout stdout_to)
{
    if (stdout_to != Stdout::FILE) throw std::logic_error("no such stdout on Windows");
    std::vector<std::string> quoted_args{quoted(TOLMSG_EXE)};
    for (const std::string& arg : args) quoted_args.push_back(quoted(arg));
    std::vector<const char*> argv;
    for (const std::string& arg : quoted_args) argv.push_back(arg.c_str());
    argv.push_back(nullptr);

    // The child inherits this process's working directory and descriptors 1
    // and 2, so point them at the files for the time of the run.
    std::fflush(stdout);
    std::fflush(stderr);
    const int saved_out = _dup(1);
    const int saved_err = _dup(2);
    const int out = _open(out_path.string().c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_TEXT, 0644);
    const int err = _open(err_path.string().c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_TEXT, 0644);
    _dup2(out, 1);
    _dup2(err, 2);
    _close(out);
    _close(err);
    const std::filesystem::path saved_dir = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    const intptr_t status = _spawnv(_P_WAIT, TOLMSG_EXE, argv.data());
    std::filesystem::current_path(saved_dir);
    _dup2(saved_out, 1);
    _dup2(saved_err, 2);
    _close(saved_out);
    _close(saved_err);
    return static_cast<int>(status);
}

#else

int spawn(const std::filesystem::path& dir, const std::vector<std::string>& args,
          const std::filesystem::path& out_path, const std::filesystem::path& err_path,
          Stdout stdout_to)
{
    std::vector<const char*> argv{TOLMSG_EXE};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        if (chdir(dir.c_str()) != 0) _exit(127);
        const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err < 0 || dup2(err, 2) < 0) _exit(127);
        close(err);
        if (stdout_to == Stdout::CLOSED) {
            close(1);
        } else {
            const char* target = stdout_to == Stdout::FULL_DEVICE ? "/dev/full" : out_path.c_str();
            const int out = open(target, O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (out < 0 || dup2(out, 1) < 0) _exit(127);
            close(out);
        }
        execv(TOLMSG_EXE, const_cast<char* const*>(argv.data()));
        _exit(127);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) throw std::runtime_error("waitpid failed");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

} // namespace

RunResult run_tolmsg(const std::filesystem::path& dir, const std::vector<std::string>& args,
                     Stdout stdout_to)
{
    // The captured streams live beside the run's folder, not in it, so that
    // they never show up in what the tool sees.
    ScratchDir capture;
    RunResult result;
    result.status = spawn(dir, args, capture / "stdout", capture / "stderr", stdout_to);
    if (stdout_to == Stdout::FILE) result.out = contents_of(capture / "stdout");
    result.err = contents_of(capture / "stderr");
    return result;
}
