#include "preview/replace_file.h"

#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace preview {

void ReplaceWithCopy(const QString& source, const QString& destination) {
  QFile in(source);
  if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly))
    throw std::runtime_error("File not found");
  const QFileInfo target(destination);
  if (!target.absoluteDir().exists()) throw std::runtime_error("Path not found");
  if (target.isDir()) throw std::runtime_error("Permission denied");

  QSaveFile out(destination);
  // Never write into the destination directly: a failure must leave it whole.
  out.setDirectWriteFallback(false);
  if (!out.open(QIODevice::WriteOnly)) throw std::runtime_error("Permission denied");
  constexpr qint64 kChunk = 1 << 16;
  while (!in.atEnd()) {
    const QByteArray bytes = in.read(kChunk);
    if (bytes.isEmpty() && in.error() != QFileDevice::NoError) {
      out.cancelWriting();
      throw std::runtime_error("Device I/O error");
    }
    if (out.write(bytes) != bytes.size()) {
      out.cancelWriting();
      throw std::runtime_error("Device I/O error");
    }
  }
  if (!out.commit()) throw std::runtime_error("Permission denied");
}

}  // namespace preview
