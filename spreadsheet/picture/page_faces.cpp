#include "spreadsheet/picture/page_faces.h"

#include <QFile>
#include <map>
#include <mutex>

#include "spreadsheet/model/error.h"
#include "spreadsheet/pdf/font_files.h"

namespace spreadsheet::picture {

namespace {

// The file of a Liberation face: "LiberationSans-BoldItalic.ttf".
std::optional<std::string> liberationFile(const QString& family, bool bold, bool italic) {
  static const char* const kFamilies[][2] = {{"Liberation Sans", "LiberationSans"},
                                             {"Liberation Serif", "LiberationSerif"},
                                             {"Liberation Mono", "LiberationMono"}};
  for (const auto& [name, stem] : kFamilies)
    if (family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
      const char* style = bold && italic ? "BoldItalic"
                          : bold         ? "Bold"
                          : italic       ? "Italic"
                                         : "Regular";
      return std::string(stem) + '-' + style + ".ttf";
    }
  return std::nullopt;
}

std::shared_ptr<const pdf::ShapingFace> readFace(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  try {
    return std::make_shared<const pdf::ShapingFace>(file.readAll());
  } catch (const Error& e) {
    throw Error("The font file " + path + " cannot be used. " + e.what());
  }
}

}  // namespace

std::shared_ptr<const pdf::ShapingFace> ownFace(const QString& family, bool bold, bool italic) {
  const auto name = liberationFile(family, bold, italic);
  if (!name) return nullptr;
  const auto path = pdf::findFontFile(*name);
  if (!path) return nullptr;
  static std::mutex guard;
  static std::map<std::string, std::shared_ptr<const pdf::ShapingFace>> read;
  const std::lock_guard lock(guard);
  auto& face = read[*path];
  if (!face) face = readFace(*path);
  return face;
}

}  // namespace spreadsheet::picture
