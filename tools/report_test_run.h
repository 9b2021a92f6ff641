// Test helper: the built companion run as a child, its output caught in files (so that nothing
// blocks on a pipe) or sent to a pipe nobody reads.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data/base_files.h"
#include "data/test_folder.h"
#include "data/text_encoding.h"

extern char** environ;

namespace velorith::testing {

// A data file written as the calendar keeps it: the UTF-8 text in Windows-1251.
inline void WriteDataFile(const std::filesystem::path& folder, std::string_view name,
                          std::string_view utf8) {
    std::ofstream(folder / name, std::ios::binary) << Utf8ToCp1251(utf8).value();
}

// A whole data folder "Calendar" in `scratch`: every file the calendar reads, empty, so that
// the companion names none of them missing; the tests then give some of them text.
inline std::filesystem::path WholeDataFolder(const TempFolder& scratch) {
    const std::filesystem::path data = scratch.path() / "Calendar";
    std::filesystem::create_directories(data);
    for (const std::string_view name : kBaseFileNames)
        WriteDataFile(data, name, "");
    WriteDataFile(data, "Readings.DAT", "");
    return data;
}

struct Result {
    int status = -1;  // the exit status; -1 when a signal ended the program
    int signal = 0;   // that signal
    std::string out;
    std::string err;
};

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs `program` with `args`. `env`, when given, is its whole environment ("NAME=value"),
// else it inherits this one. With closedPipe its standard output is a pipe whose reading end
// is closed already.
inline Result RunProgram(const TempFolder& scratch, std::vector<std::string> args,
                         const std::string& program = VELORITH_REPORT_EXE,
                         const std::vector<std::string>* env = nullptr, bool closedPipe = false) {
    const auto out = scratch / "stdout.txt";
    const auto err = scratch / "stderr.txt";
    int ends[2] = {-1, -1};
    if (closedPipe && ::pipe(ends) == 0) ::close(ends[0]);
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> envText = env ? *env : std::vector<std::string>{};
    std::vector<char*> envp;
    for (auto& e : envText)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGPIPE, SIG_DFL);  // the runner may ignore it; the program decides
        const int o =
            closedPipe ? ends[1] : ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(o, 1);
        ::dup2(e, 2);
        ::execve(program.c_str(), argv.data(), env ? envp.data() : environ);
        ::_exit(127);
    }
    if (closedPipe) ::close(ends[1]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    Result r;
    if (WIFEXITED(status)) r.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) r.signal = WTERMSIG(status);
    if (!closedPipe) r.out = ReadFile(out);
    r.err = ReadFile(err);
    return r;
}

}  // namespace velorith::testing
