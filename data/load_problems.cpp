#include "data/load_problems.h"

#include <fcntl.h>
#include <unistd.h>

#include <system_error>

namespace velorith {

std::optional<LoadProblemKind> CheckDataFile(const std::filesystem::path& file,
                                             std::uintmax_t maxSize) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status link = fs::symlink_status(file, ec);
    if (!fs::exists(link)) return LoadProblemKind::Missing;
    const fs::file_status target = fs::status(file, ec);
    if (!fs::exists(target)) return LoadProblemKind::DanglingLink;
    if (!fs::is_regular_file(target)) return LoadProblemKind::NotRegularFile;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) return LoadProblemKind::Unreadable;
    if (size > maxSize) return LoadProblemKind::TooLarge;
    // Opened as the readers open it; O_NONBLOCK in case it became a FIFO meanwhile.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return LoadProblemKind::Unreadable;
    ::close(fd);
    return std::nullopt;
}

DataLoadReport CheckDataFiles(const std::vector<std::filesystem::path>& files,
                              std::uintmax_t maxSize) {
    DataLoadReport report;
    for (const auto& file : files) {
        const auto problem = CheckDataFile(file, maxSize);
        if (problem != LoadProblemKind::Missing) ++report.FilesPresent;
        if (problem) report.Problems.push_back({file, *problem});
    }
    return report;
}

std::string_view LoadProblemText(LoadProblemKind kind) {
    switch (kind) {
        case LoadProblemKind::Missing:
            return "is missing";
        case LoadProblemKind::DanglingLink:
            return "is a link to nothing";
        case LoadProblemKind::NotRegularFile:
            return "is not a regular file";
        case LoadProblemKind::Unreadable:
            return "cannot be read";
        case LoadProblemKind::TooLarge:
            return "is too large";
    }
    return "cannot be read";
}

}  // namespace velorith
