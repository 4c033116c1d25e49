#include "resources/app_icon.h"

#include <QDir>

QIcon ApplicationIcon() {
  QIcon icon;
  const QDir folder(QStringLiteral(":/icons"));
  for (const QString& name : folder.entryList(QDir::Files)) icon.addFile(folder.filePath(name));
  return icon;
}
