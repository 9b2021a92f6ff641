#include "data/load_problems.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velorith {

std::optional<LoadProblemKind> CheckDataFile(const std::filesystem::path& file,
                                             std::uintmax_t maxSize) {
    // One status for a plain file; a link's target is asked for only when it is a link.
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0) return LoadProblemKind::Missing;
    if (S_ISLNK(st.st_mode) && ::stat(file.c_str(), &st) != 0) return LoadProblemKind::DanglingLink;
    if (!S_ISREG(st.st_mode)) return LoadProblemKind::NotRegularFile;
    if (st.st_size < 0) return LoadProblemKind::Unreadable;
    if (static_cast<std::uintmax_t>(st.st_size) > maxSize) return LoadProblemKind::TooLarge;
    // Readable by this process as the readers will open it (its effective ids).
    if (::faccessat(AT_FDCWD, file.c_str(), R_OK, AT_EACCESS) != 0)
        return LoadProblemKind::Unreadable;
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
