#pragma once
#include <optional>

#include <QImage>

namespace platform {

// Clipboard format codes that hold a picture; 0 lets the fetch pick one.
inline constexpr int kAnyPictureFormat = 0;

// The picture on the program's private clipboard in the given format. Tries
// up to 1000 times, with no pause, while the fetch fails, and gives nothing
// when every attempt failed or the format holds no picture. Never throws.
std::optional<QImage> GetClipboardPicture(int format);

// Empties the private clipboard. Nobody outside the program can read it, so a
// picture taken from it need not stay there: a large sheet's picture is 100 MB.
void ClearClipboardPicture();

}  // namespace platform
