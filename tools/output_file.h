// Where the companion's --output goes: a regular file is replaced whole or not at all, through
// any symbolic link to the file it names, keeping that file's permissions; a device or a pipe is
// written in place (a FIFO that no program opens for reading within 5 seconds is a failure, not
// a wait for ever).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velorith {

// Writes `bytes` to `target`. Returns an empty string on success, else why it failed, as one
// line ("cannot write PATH: REASON").
//
// A SIGINT, SIGTERM or SIGHUP that arrives while the file is being written removes the
// temporary file, leaves the target as it was and ends the program by that signal.
std::string WriteOutputFile(const std::filesystem::path& target, std::string_view bytes);

// Writes all of `bytes` to the open descriptor, through interrupted and partial writes; false
// with errno set when a write fails.
bool WriteAll(int fd, std::string_view bytes);

}  // namespace velorith
