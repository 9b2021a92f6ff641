// Reading a data file's bytes whole, guarded as every reader of the data folder needs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace velorith {

// The bytes of `file`; none when it is missing, larger than maxSize, unreadable, or not a
// regular file (a pipe or device could block for ever, a folder cannot be read).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::uintmax_t maxSize);

}  // namespace velorith
