#include "spreadsheet/picture/picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <span>

#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/picture/image_bytes.h"

namespace spreadsheet::picture {

void writePictureFile(const QImage& image, const std::string& path) {
  if (image.isNull()) throw Error("Cannot write \"" + path + "\": the picture is empty.");
  const QString name = QString::fromStdString(path);
  if (name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
    std::vector<std::uint8_t> png;
    try {
      png = pngBytes(image);
    } catch (const Error& e) {
      throw Error("Cannot write \"" + path + "\": " + e.what());
    }
    io::writeWholeFile(path, png);
    return;
  }
  if (const std::vector<std::uint8_t> bmp = bmpBytes(image); !bmp.empty()) {
    io::writeWholeFile(path, bmp);
    return;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "BMP"))
    throw Error("Cannot write \"" + path + "\": the picture cannot be encoded.");
  io::writeWholeFile(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                     static_cast<std::size_t>(bytes.size())));
}

bool savePicture(const QImage& image, const std::string& path) {
  try {
    writePictureFile(image, path);
    return true;
  } catch (const Error&) {
    return false;
  }
}

}  // namespace spreadsheet::picture
