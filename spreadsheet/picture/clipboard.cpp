#include "spreadsheet/picture/clipboard.h"

#include <mutex>

namespace spreadsheet::picture {

namespace {
struct PrivateClipboard {
  std::mutex mutex;
  std::optional<QImage> picture;
};

PrivateClipboard& clipboard() {
  static PrivateClipboard board;
  return board;
}
}  // namespace

void putPicture(QImage image) {
  PrivateClipboard& board = clipboard();
  std::lock_guard lock(board.mutex);
  board.picture = std::move(image);
}

std::optional<QImage> clipboardPicture() {
  PrivateClipboard& board = clipboard();
  std::lock_guard lock(board.mutex);
  return board.picture;
}

void clearClipboard() {
  PrivateClipboard& board = clipboard();
  std::lock_guard lock(board.mutex);
  board.picture.reset();
}

}  // namespace spreadsheet::picture
