#include "data/file_bytes.h"

#include <fstream>
#include <system_error>

namespace velorith {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file,
                                         std::uintmax_t maxSize) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec) || ec) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || size > maxSize) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));  // the file may have shrunk meanwhile
    return bytes;
}

}  // namespace velorith
