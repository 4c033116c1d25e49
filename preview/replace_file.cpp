#include "preview/replace_file.h"

#include <QFile>
#include <QFileInfo>
#include <span>
#include <stdexcept>

#include "spreadsheet/io/whole_file.h"

namespace preview {

void ReplaceWithCopy(const QString& source, const QString& destination) {
  QFile in(source);
  if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly))
    throw std::runtime_error("File not found");
  const QByteArray bytes = in.readAll();
  if (in.error() != QFileDevice::NoError) throw std::runtime_error("Device I/O error");
  spreadsheet::io::writeWholeFile(
      QFile::encodeName(destination).toStdString(),
      std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                static_cast<std::size_t>(bytes.size())));
}

}  // namespace preview
