#pragma once
#include <QImage>
#include <QRect>
#include <QSize>
#include <memory>

#include "spreadsheet/model/address.h"

namespace spreadsheet {
class Workbook;
class Worksheet;
}  // namespace spreadsheet

namespace spreadsheet::picture {

// A picture that draws any part of itself when asked, so that a viewer showing
// a window onto a large picture pays for the window only.
class PictureSource {
 public:
  virtual ~PictureSource() = default;
  virtual QSize size() const = 0;
  // The pixels of `part` (clipped to the picture) exactly as the whole picture
  // holds them; a null image when nothing of `part` lies inside.
  virtual QImage draw(const QRect& part) const = 0;
  // Says that the pixels of `part` will be asked for soon, in smaller parts:
  // a source that draws on demand may draw them together, at the cost of one.
  virtual void prepare(const QRect& part) const { (void)part; }
};

// A picture drawn already.
std::shared_ptr<const PictureSource> imageSource(QImage image);

// The side of the tiles a range source draws and keeps, in pixels.
inline constexpr int kTileSide = 256;

// `range` of `sheet` as renderRange draws it, drawn in tiles of `tileSide`
// pixels when asked (smaller tiles cut the sheet in more places); `book` (the sheet's
// workbook) is kept alive for that. Refuses as renderRange does (spreadsheet::Error); null when the
// range shows no pixels.
std::shared_ptr<const PictureSource> rangeSource(std::shared_ptr<const Workbook> book,
                                                 const Worksheet& sheet, const CellRange& range,
                                                 int tileSide = kTileSide);

}  // namespace spreadsheet::picture
