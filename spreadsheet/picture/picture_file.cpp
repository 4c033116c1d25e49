#include "spreadsheet/picture/picture_file.h"

#include <QSaveFile>
#include <QString>

namespace spreadsheet::picture {

bool savePicture(const QImage& image, const std::string& path) {
  if (image.isNull() || path.empty()) return false;
  const QString name = QString::fromStdString(path);
  const char* format = name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
  // QSaveFile writes beside the target and renames only on commit, so a
  // failure half-way leaves the old file (or none) in place.
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!image.save(&file, format)) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace spreadsheet::picture
