#include "data/data_file_cache.h"

#include <algorithm>
#include <system_error>

namespace velorith {

const IniFile& DataFileCache::Get(const std::filesystem::path& file) {
    std::error_code ec;
    const bool exists = std::filesystem::is_regular_file(file, ec) && !ec;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type mtime{};
    if (exists) {
        size = std::filesystem::file_size(file, ec);
        if (ec) size = 0;
        mtime = std::filesystem::last_write_time(file, ec);
        if (ec) mtime = {};
    }

    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->path != file) continue;
        if (it->exists == exists && it->size == size && it->mtime == mtime) {
            entries_.splice(entries_.begin(), entries_, it);
            return *entries_.front().file;
        }
        entries_.erase(it);
        break;
    }

    Entry entry{file, exists, size, mtime, nullptr};
    entry.file = std::make_shared<const IniFile>(exists ? IniFile::Load(file) : IniFile{});
    if (exists) ++parseCount_;
    entries_.push_front(std::move(entry));
    while (entries_.size() > std::max<std::size_t>(capacity_, 1))
        entries_.pop_back();
    return *entries_.front().file;
}

}  // namespace velorith
