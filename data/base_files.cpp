#include "data/base_files.h"

namespace velorith {

BaseFileList MakeBaseFiles(const std::filesystem::path& folder) {
    BaseFileList files;
    for (int i = 0; i < kBaseFileCount; ++i)
        files[i] = folder / kBaseFileNames[i];
    return files;
}

int MonthFileIndex(int month, int yearDays) {
    if (month < 1 || month > 12) return -1;
    if (month == 2) return yearDays == 366 ? kFebruary29File : kFebruary28File;
    return month - 1;
}

}  // namespace velorith
