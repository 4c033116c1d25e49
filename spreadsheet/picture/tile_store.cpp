#include "spreadsheet/picture/tile_store.h"

#include <algorithm>

namespace spreadsheet::picture {

namespace {
// Blocks of memory kept for later drawings: a scroll step sets free about as
// much as it draws.
constexpr std::size_t kSpareBlocks = 2;

long long pixelsOf(const QImage& image) {
  return static_cast<long long>(image.width()) * image.height();
}
}  // namespace

TileDrawingPtr TileStore::find(QPoint index) {
  auto found =
      std::find_if(tiles_.begin(), tiles_.end(), [&](const Tile& t) { return t.index == index; });
  if (found == tiles_.end()) return nullptr;
  tiles_.splice(tiles_.begin(), tiles_, found);
  return tiles_.front().drawing;
}

void TileStore::keep(QPoint index, const TileDrawingPtr& drawing) {
  if (std::none_of(tiles_.begin(), tiles_.end(),
                   [&](const Tile& t) { return t.drawing == drawing; }))
    heldPixels_ += pixelsOf(drawing->pixels);
  auto old =
      std::find_if(tiles_.begin(), tiles_.end(), [&](const Tile& t) { return t.index == index; });
  if (old != tiles_.end()) {
    TileDrawingPtr replaced = std::move(old->drawing);
    tiles_.erase(old);
    release(std::move(replaced));
  }
  tiles_.push_front({index, drawing});
}

void TileStore::trim() {
  while (heldPixels_ > keptPixels_ && !tiles_.empty() &&
         tiles_.back().drawing != tiles_.front().drawing) {
    TileDrawingPtr dropped = std::move(tiles_.back().drawing);
    tiles_.pop_back();
    release(std::move(dropped));
  }
}

// A drawing no tile uses any more gives its memory to the spares, unless
// someone else still holds it.
void TileStore::release(TileDrawingPtr drawing) {
  if (std::any_of(tiles_.begin(), tiles_.end(),
                  [&](const Tile& t) { return t.drawing == drawing; }))
    return;
  heldPixels_ -= pixelsOf(drawing->pixels);
  if (drawing.use_count() != 1) return;
  QImage memory = drawing->memory;
  drawing.reset();  // `memory` is now the block's only owner
  spare_.push_back(std::move(memory));
  if (spare_.size() > kSpareBlocks) spare_.erase(spare_.begin());
}

TileDrawing TileStore::blank(QSize size) {
  const auto bytesPerLine = static_cast<qsizetype>(size.width()) * 4;
  const qsizetype bytes = bytesPerLine * size.height();
  // The smallest spare block that holds the drawing.
  auto best = spare_.end();
  for (auto it = spare_.begin(); it != spare_.end(); ++it)
    if (it->sizeInBytes() >= bytes &&
        (best == spare_.end() || it->sizeInBytes() < best->sizeInBytes()))
      best = it;
  TileDrawing drawing;
  if (best != spare_.end()) {
    drawing.memory = std::move(*best);
    spare_.erase(best);
  } else {
    drawing.memory = QImage(size, QImage::Format_RGB32);
    if (drawing.memory.isNull()) return {};
  }
  drawing.pixels = QImage(drawing.memory.bits(), size.width(), size.height(), bytesPerLine,
                          QImage::Format_RGB32);
  return drawing;
}

}  // namespace spreadsheet::picture
