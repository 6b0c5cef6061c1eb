// Where the editor finds the files shipped beside it (catalogs, manual).
#pragma once

#include <QString>
#include <QStringList>

namespace app {

// In search order: the current folder, the program's folder, its data/
// subfolder (a build tree), ../share/montegura (an install), and the
// configured install folder.
QStringList DataFolders();

// The first existing file called `name` in DataFolders(), or empty.
QString FindDataFile(const QString& name);

}  // namespace app
