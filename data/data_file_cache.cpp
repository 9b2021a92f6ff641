#include "data/data_file_cache.h"

#include <sys/stat.h>

#include <algorithm>

namespace velorith {

DataFileCache::Stamp DataFileCache::StampOf(const std::filesystem::path& file) {
    // One status call: every cache hit pays it, and a year report asks once for each day.
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return {true, static_cast<std::uintmax_t>(st.st_size), st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

void DataFileCache::Revalidate() {
    for (Entry& e : entries_)
        e.checked = false;
}

std::shared_ptr<const IniFile> DataFileCache::Share(const std::filesystem::path& file) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&file](const Entry& e) { return e.path == file; });
    if (found != entries_.end() && found->checked) {
        entries_.splice(entries_.begin(), entries_, found);
        return entries_.front().file;
    }
    const Stamp stamp = StampOf(file);
    if (found != entries_.end()) {
        if (found->stamp == stamp) {
            found->checked = true;
            entries_.splice(entries_.begin(), entries_, found);
            return entries_.front().file;
        }
        entries_.erase(found);
    }

    // Room is made first, so that the file given back lends its memory to the one read.
    Trim(1);
    Entry entry{file, stamp, nullptr};
    entry.file = std::make_shared<const IniFile>(stamp.exists ? IniFile::Load(file) : IniFile{});
    if (stamp.exists) ++parseCount_;
    entries_.push_front(std::move(entry));
    return entries_.front().file;
}

void DataFileCache::SetCapacity(std::size_t capacity) {
    capacity_ = capacity;
    Trim();
}

void DataFileCache::Trim(std::size_t room) {
    while (!entries_.empty() && entries_.size() + room > std::max<std::size_t>(capacity_, 1))
        entries_.pop_back();
}

}  // namespace velorith
