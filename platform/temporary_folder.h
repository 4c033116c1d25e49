#pragma once
#include <QString>
#include <string>

#include "spreadsheet/io/private_folder.h"

namespace platform {

// A new folder that only we can use (created exclusively, mode 700) inside the
// program's temporary folder (TEMP, else TMPDIR, else /tmp), removed with its
// contents when this object ends. Throws an error naming the temporary folder
// when the folder cannot be made there.
class OwnTemporaryFolder {
 public:
  QString filePath(const QString& name) const {
    return QString::fromStdString(folder_.path()) + QLatin1Char('/') + name;
  }
  // The path as the system takes it: bytes from TEMP kept as they are, UTF-8 or not.
  std::string pathOf(const std::string& name) const { return folder_.pathOf(name); }

 private:
  spreadsheet::io::PrivateFolder folder_;
};

}  // namespace platform
