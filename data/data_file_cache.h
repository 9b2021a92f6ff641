// Parsed data files kept between reads. A file is parsed again when its size or modification
// time changes, so edits to the data show without a restart, while a report that visits every
// day of a year parses each month file once. A file's status is asked once per round of
// look-ups: Revalidate() begins a round (each report, each month shown), so a year's walk pays
// for no system call per day.
#pragma once

#include <cstdint>
#include <filesystem>
#include <list>
#include <memory>

#include "data/ini_file.h"

namespace velorith {

class DataFileCache {
  public:
    explicit DataFileCache(std::size_t capacity = 16) : capacity_(capacity) {}

    // The parsed file; an empty one when it is missing or unreadable. The reference stays valid
    // until the next call.
    const IniFile& Get(const std::filesystem::path& file) { return *Share(file); }
    // The same, held for as long as the caller keeps it.
    std::shared_ptr<const IniFile> Share(const std::filesystem::path& file);
    // The next Get of each file asks for its status again.
    void Revalidate();
    // Keeps at most `capacity` files (at least one), giving back those used longest ago.
    void SetCapacity(std::size_t capacity);

    // Parses done so far (for tests and benchmarks).
    std::uint64_t ParseCount() const { return parseCount_; }

  private:
    // What tells a file's versions apart: whether it is a regular file, its size and its
    // modification time.
    struct Stamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::int64_t mtimeSec = 0;
        std::int64_t mtimeNsec = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const std::filesystem::path& file);
    // Gives back the files used longest ago until `room` more fit.
    void Trim(std::size_t room = 0);

    struct Entry {
        std::filesystem::path path;
        Stamp stamp;
        std::shared_ptr<const IniFile> file;
        bool checked = true;  // its status was asked in this round
    };

    std::size_t capacity_;
    std::list<Entry> entries_;  // most recently used first
    std::uint64_t parseCount_ = 0;
};

}  // namespace velorith
