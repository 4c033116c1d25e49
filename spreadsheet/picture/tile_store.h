#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>
#include <list>
#include <memory>
#include <vector>

namespace spreadsheet::picture {

// Pixels drawn in one pass of the painter, shared by the tiles they cover.
struct TileDrawing {
  QImage pixels;  // in `memory`, which it does not own
  QImage memory;  // the block behind `pixels`, handed on to a later drawing
  QPoint origin;  // the picture's pixel at the top-left of `pixels`
};
using TileDrawingPtr = std::shared_ptr<const TileDrawing>;

// The tiles a picture keeps, the most recently used first, within a budget of
// pixels. The memory of drawings no tile uses any more is kept for the next
// drawing: touching fresh memory costs more than drawing into used memory.
class TileStore {
 public:
  explicit TileStore(long long keptPixels) : keptPixels_(keptPixels) {}

  // The drawing of tile `index`, null when it is not kept; a found tile
  // becomes the most recently used.
  TileDrawingPtr find(QPoint index);
  void keep(QPoint index, const TileDrawingPtr& drawing);
  // Drops the least recently used tiles beyond the budget; the drawing used
  // most recently stays whatever its size.
  void trim();

  // An image of `size` for a new drawing, in memory set free before when some
  // is large enough; null when memory runs out.
  TileDrawing blank(QSize size);

 private:
  struct Tile {
    QPoint index;
    TileDrawingPtr drawing;
  };
  void release(TileDrawingPtr drawing);

  long long keptPixels_;
  long long heldPixels_ = 0;  // of the distinct drawings the tiles use
  std::list<Tile> tiles_;
  std::vector<QImage> spare_;  // memory of drawings no tile uses
};

}  // namespace spreadsheet::picture
