#include "spreadsheet/picture/picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <filesystem>
#include <optional>
#include <span>

#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/picture/bmp_encoder.h"
#include "spreadsheet/picture/png_encoder.h"

namespace spreadsheet::picture {

namespace {

// The picture last written, kept (shared, not copied) until it is read back.
struct Written {
  std::string path;
  QImage image;
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified;
};

std::optional<Written>& lastWritten() {
  static std::optional<Written> written;
  return written;
}

bool stillTheSame(const Written& w) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(w.path, error);
  if (error) return false;
  const auto modified = std::filesystem::last_write_time(w.path, error);
  return !error && size == w.size && modified == w.modified;
}

// Only opaque pictures: a BMP file keeps no alpha, so a picture with one reads
// back otherwise.
void remember(const QImage& image, const std::string& path) {
  if (image.hasAlphaChannel()) return lastWritten().reset();
  std::error_code error;
  Written w{path, image, std::filesystem::file_size(path, error), {}};
  if (!error) w.modified = std::filesystem::last_write_time(path, error);
  if (error)
    lastWritten().reset();
  else
    lastWritten() = std::move(w);
}

}  // namespace

void writePictureFile(const QImage& image, const std::string& path) {
  if (image.isNull()) throw Error("Cannot write \"" + path + "\": the picture is empty.");
  const QString name = QString::fromStdString(path);
  if (name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
    std::vector<std::uint8_t> png;
    try {
      png = encodePng(image);
    } catch (const Error& e) {
      throw Error("Cannot write \"" + path + "\": " + e.what());
    }
    io::writeWholeFile(path, png);
    return remember(image, path);
  }
  if (const std::vector<std::uint8_t> bmp = encodeBmp(image); !bmp.empty()) {
    io::writeWholeFile(path, bmp);
    return remember(image, path);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "BMP"))
    throw Error("Cannot write \"" + path + "\": the picture cannot be encoded.");
  io::writeWholeFile(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                     static_cast<std::size_t>(bytes.size())));
  remember(image, path);
}

QImage readPictureFile(const std::string& path) {
  std::optional<Written>& written = lastWritten();
  if (written && written->path == path && stillTheSame(*written)) {
    QImage image = std::move(written->image);
    written.reset();
    return image;
  }
  return QImage(QString::fromStdString(path));
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
