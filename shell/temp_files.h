// The six files that hold the report panes' documents while the program runs, named "~DA" with
// a unique suffix. They live in a folder of their own that only the user may enter (0700), made
// at start-up in the user's runtime folder or the system's temporary folder; each file is created
// new (never an existing file or a link), kept open for the run and written through that handle,
// so that no name in a shared folder is ever followed. The folder goes at exit, and a later start
// removes the folders that runs which have ended without their exit left behind.
#pragma once

#include <QString>
#include <array>
#include <string_view>

namespace velorith {

inline constexpr int kTempFileCount = 6;

class TempFiles {
  public:
    // Makes the folder in `base` (when empty: $XDG_RUNTIME_DIR if it is the user's own private
    // folder, else the system's temporary folder), after removing those of ended runs there. A
    // file that cannot be made has an empty name; its pane then keeps its document in memory.
    explicit TempFiles(const QString& base = QString());
    ~TempFiles();  // deletes what is left
    TempFiles(const TempFiles&) = delete;
    TempFiles& operator=(const TempFiles&) = delete;

    const QString& Name(int i) const { return names_.at(static_cast<std::size_t>(i)); }
    const QString& Folder() const { return folder_; }

    // Replaces the content of file i. A file that has gone (someone removed it) is made anew,
    // exclusively; false when nothing could be written.
    bool Write(int i, std::string_view bytes);

    // Deletes the files and the folder; a file that is gone or cannot be deleted is skipped.
    void RemoveAll();

    // Removes from `base` the folders of this user's runs that no longer run, with the files
    // in them; returns how many went. A run is known by the process number in its folder name.
    static int RemoveLeftovers(const QString& base);

  private:
    QString folder_;
    std::array<QString, kTempFileCount> names_;
    std::array<int, kTempFileCount> fds_;
};

}  // namespace velorith
