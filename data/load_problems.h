// What went wrong with the data folder's files when the calendar loaded them. The calendar reads
// a bad file as empty and goes on (the window stays quiet); callers that answer to someone, such
// as the companion in a nightly job, ask this list and say so.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace velorith {

enum class LoadProblemKind : std::uint8_t {
    Missing,         // no such file
    DanglingLink,    // a symbolic link to nothing
    NotRegularFile,  // a folder, a FIFO, a device: never read
    Unreadable,      // present but cannot be opened
    TooLarge,        // larger than the size limit: read as empty
};

struct LoadProblem {
    std::filesystem::path File;
    LoadProblemKind Kind = LoadProblemKind::Missing;
};

// The outcome of loading a data folder: the files that could not be read as they are, and how
// many of the calendar's files are there in any form.
struct DataLoadReport {
    std::vector<LoadProblem> Problems;
    int FilesPresent = 0;
    // Nothing of the calendar's data is there: not even a broken file.
    bool NoData() const { return FilesPresent == 0; }
};

// What keeps `file` from being read whole; none when it can be. Never blocks (a FIFO is not
// opened).
std::optional<LoadProblemKind> CheckDataFile(const std::filesystem::path& file,
                                             std::uintmax_t maxSize);

// The checks of several files at once.
DataLoadReport CheckDataFiles(const std::vector<std::filesystem::path>& files,
                              std::uintmax_t maxSize);

// "is missing", "is a link to nothing", ...: the words that follow a file's name in a message.
std::string_view LoadProblemText(LoadProblemKind kind);

}  // namespace velorith
