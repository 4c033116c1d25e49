#include "platform/clipboard_picture.h"

#include "spreadsheet/picture/clipboard.h"

namespace platform {

namespace {

constexpr int kAttempts = 1000;

// Bitmap, metafile picture, device-independent bitmap, enhanced metafile and
// the version-5 bitmap: the codes a picture can be asked for by.
bool holdsPicture(int format) {
  switch (format) {
    case kAnyPictureFormat:
    case 2:
    case 3:
    case 8:
    case 14:
    case 17:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::optional<QImage> GetClipboardPicture(int format) {
  if (!holdsPicture(format)) return std::nullopt;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    try {
      std::optional<QImage> picture = spreadsheet::picture::clipboardPicture();
      if (picture && !picture->isNull()) return picture;
    } catch (...) {
      // A busy clipboard is tried again.
    }
  }
  return std::nullopt;
}

void ClearClipboardPicture() {
  spreadsheet::picture::clearClipboard();
}

}  // namespace platform
