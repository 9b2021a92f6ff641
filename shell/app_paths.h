// Where the program finds its folders: beside the executable, as in the build tree, or in
// ../share/velorith/ relative to it, as installed.
#pragma once

#include <QString>
#include <QStringList>

namespace velorith {

// The "Calendar" data folder.
QString DataFolder();
// The folders where the splash picture may lie, in the order to try.
QStringList ProgramFolders();

}  // namespace velorith
