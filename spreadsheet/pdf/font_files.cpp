#include "spreadsheet/pdf/font_files.h"

#include <QByteArray>
#include <QFile>

namespace spreadsheet::pdf {

namespace {

std::vector<std::string> split(const QByteArray& list) {
  std::vector<std::string> parts;
  for (const QByteArray& part : list.split(':'))
    if (!part.isEmpty()) parts.push_back(part.toStdString());
  return parts;
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

}  // namespace spreadsheet::pdf
