#pragma once
#include <optional>

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace platform {

// The first image of a Windows cursor file and its hot spot.
struct CursorImage {
  QImage image;  // ARGB32, transparent where the cursor's mask is
  QPoint hotspot;
};

// Reads cursor (.CUR) bytes: an icon directory of type 2, the hot spot in the
// directory entry, the image as a bitmap (colour bits plus a 1-bit mask) or
// as PNG. Anything malformed gives nothing.
std::optional<CursorImage> parseCursor(const QByteArray& bytes);

// The cursor in a .CUR file; nothing when the file is missing or bad.
std::optional<QCursor> loadCursorFile(const QString& path);

}  // namespace platform
