// The six files that hold the report panes' documents while the program runs: made at start-up
// in the temporary folder, each created new (never an existing file) and readable by the user
// alone, named "~DA" with a unique suffix, and deleted at exit.
#pragma once

#include <QString>
#include <array>

namespace velorith {

inline constexpr int kTempFileCount = 6;

class TempFiles {
  public:
    // Creates the files in `folder` (the system's temporary folder when empty). A file that
    // cannot be made has an empty name; its pane then keeps its document in memory only.
    explicit TempFiles(const QString& folder = QString());
    ~TempFiles();  // deletes what is left
    TempFiles(const TempFiles&) = delete;
    TempFiles& operator=(const TempFiles&) = delete;

    const QString& Name(int i) const { return names_.at(static_cast<std::size_t>(i)); }

    // Deletes the files in order; a file that is gone or cannot be deleted is skipped.
    void RemoveAll();

  private:
    std::array<QString, kTempFileCount> names_;
};

// Creates one new empty file "~DA<unique>.TMP" in `folder`, mode 0600; empty on failure.
QString GetTempName(const QString& folder);

}  // namespace velorith
