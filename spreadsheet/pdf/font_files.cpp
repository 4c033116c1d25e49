#include "spreadsheet/pdf/font_files.h"

#include <QFile>
#include <QtEndian>
#include <map>
#include <memory>

#include "spreadsheet/model/error.h"

namespace spreadsheet::pdf {

namespace {

constexpr qsizetype kDirectoryStart = 12;  // after the version and four counts
constexpr qsizetype kDirectoryEntry = 16;

std::vector<std::string> split(const QByteArray& list) {
  std::vector<std::string> parts;
  for (const QByteArray& part : list.split(':'))
    if (!part.isEmpty()) parts.push_back(part.toStdString());
  return parts;
}

quint32 bigEndian32(const QByteArray& data, qsizetype at) {
  return qFromBigEndian<quint32>(data.constData() + at);
}

}  // namespace

std::vector<std::string> fontFolders() {
  const QByteArray own = qgetenv("TALLYLOOM_FONT_DIR");
  if (!own.isEmpty()) return {own.toStdString()};
  std::vector<std::string> data;
  const QByteArray home = qgetenv("XDG_DATA_HOME");
  if (!home.isEmpty())
    data.push_back(home.toStdString());
  else if (!qgetenv("HOME").isEmpty())
    data.push_back(qgetenv("HOME").toStdString() + "/.local/share");
  const QByteArray dirs = qgetenv("XDG_DATA_DIRS");
  for (const std::string& dir : split(dirs.isEmpty() ? "/usr/local/share:/usr/share" : dirs))
    data.push_back(dir);
  // Debian's fonts-liberation2 installs into liberation2; older packages and
  // hand installs use liberation or the folder itself.
  std::vector<std::string> folders;
  for (const std::string& base : data)
    for (const char* sub : {"/fonts/truetype/liberation2", "/fonts/truetype/liberation",
                            "/fonts/liberation2", "/fonts/liberation", "/fonts"})
      folders.push_back(base + sub);
  return folders;
}

std::optional<std::string> findFontFile(const std::string& fileName) {
  for (const std::string& folder : fontFolders()) {
    const std::string path = folder + '/' + fileName;
    if (QFile::exists(QString::fromStdString(path))) return path;
  }
  return std::nullopt;
}

FontTables sfntTables(const QByteArray& file) {
  const auto damaged = [] { throw Error("The font's table directory is damaged."); };
  if (file.size() < kDirectoryStart) damaged();
  const quint32 version = bigEndian32(file, 0);
  if (version != 0x00010000 && version != 0x74727565) damaged();  // TrueType outlines only
  const int count = qFromBigEndian<quint16>(file.constData() + 4);
  if (kDirectoryStart + count * kDirectoryEntry > file.size()) damaged();
  auto tables = std::make_shared<std::map<std::string, QByteArray>>();
  for (int i = 0; i < count; ++i) {
    const qsizetype entry = kDirectoryStart + i * kDirectoryEntry;
    const quint32 offset = bigEndian32(file, entry + 8), length = bigEndian32(file, entry + 12);
    if (offset > static_cast<quint64>(file.size()) || length > file.size() - offset) damaged();
    (*tables)[std::string(file.constData() + entry, 4)] =
        file.mid(static_cast<qsizetype>(offset), static_cast<qsizetype>(length));
  }
  return [tables](const char* tag) {
    const auto found = tables->find(tag);
    return found == tables->end() ? QByteArray() : found->second;
  };
}

}  // namespace spreadsheet::pdf
