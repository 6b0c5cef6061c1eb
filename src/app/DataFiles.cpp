#include "app/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef MONTEGURA_DATA_INSTALL_DIR
#define MONTEGURA_DATA_INSTALL_DIR ""
#endif

namespace app {

QStringList DataFolders() {
  QStringList folders{QDir::currentPath()};
  const QString exeDir = QCoreApplication::applicationDirPath();
  if (!exeDir.isEmpty()) {
    folders << exeDir << QDir(exeDir).filePath(QStringLiteral("data"))
            << QDir::cleanPath(QDir(exeDir).filePath(QStringLiteral("../share/montegura")));
  }
  const QString installed = QString::fromUtf8(MONTEGURA_DATA_INSTALL_DIR);
  if (!installed.isEmpty()) folders << installed;
  folders.removeDuplicates();
  return folders;
}

QString FindDataFile(const QString& name) {
  for (const QString& folder : DataFolders()) {
    QFileInfo info(QDir(folder), name);
    if (info.exists()) return info.filePath();
  }
  return {};
}

}  // namespace app
