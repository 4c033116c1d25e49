#pragma once
#include <algorithm>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <utility>

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include "spreadsheet/model/units.h"
#include "spreadsheet/picture/picture_source.h"

namespace preview {

// The window's layout unit: 1/1440 inch, 15 to a screen pixel; the model's
// single rule (spreadsheet::TwipsToPixels) converts.
inline constexpr int kTwipsPerPixel = spreadsheet::kTwipsPerPixel;
int twipsToPixels(double twips);
QRect twipsToPixels(const QRect& twips);

using PictureSourcePtr = std::shared_ptr<const spreadsheet::picture::PictureSource>;

// A picture box laid out in twips: an outer size that includes its border, an
// inner (scale) size inside it, an assigned picture shown at its top left and
// a kept drawing on top that stretched copies paint into. Positions and sizes
// are stored in twips; the widget's pixel geometry follows from them.
class PictureBox : public QWidget {
 public:
  // borderTwips: the border's width on each side.
  explicit PictureBox(QWidget* parent, int borderTwips = 0);

  void setTwipGeometry(int left, int top, int width, int height);
  // The control's own property names, so they never hide QWidget's pixel sizes.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int ScaleWidth() const { return std::max(0, width_ - 2 * border_); }
  int ScaleHeight() const { return std::max(0, height_ - 2 * border_); }
  void moveTo(int left, int top);
  // Negative sizes become 0.
  void setOuterSize(int width, int height);

  // With auto size the box takes its picture's natural size plus its border,
  // now and whenever a picture is assigned later.
  void setAutoSize(bool on);
  bool autoSize() const { return autoSize_; }
  void setAutoRedraw(bool on) { autoRedraw_ = on; }
  bool autoRedraw() const { return autoRedraw_; }
  void setBackColor(const QColor& color);
  QColor backColor() const { return backColor_; }

  // Assigning a picture replaces what was drawn before. A picture source is
  // drawn only where it is seen; a null image or source assigns no picture.
  void setPicture(const QImage& picture);
  void setPicture(PictureSourcePtr picture);
  const PictureSourcePtr& pictureSource() const { return picture_; }
  // The whole assigned picture drawn at once (tests); null without one.
  QImage picture() const;
  // Removes the picture and the drawing: the box shows its background only.
  void clearPicture();
  // Runs after every setPicture (the preview uses it to notice a new snapshot).
  void setPictureAssignedHook(std::function<void()> hook) { pictureAssigned_ = std::move(hook); }

  // Draws the source rectangle of `source` (twips of its natural size) into
  // the destination rectangle of the inner area (twips), smoothly scaled.
  // Throws std::runtime_error when the scaled copy cannot be made.
  void paintPicture(const QImage& source, const QRect& destinationTwips, const QRect& sourceTwips);
  void paintPicture(const PictureSourcePtr& source, const QRect& destinationTwips,
                    const QRect& sourceTwips);
  // What the box shows in its inner area, at its pixel size (tests).
  QImage shownImage() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // A source stretched over the whole inner area: drawn and scaled only where
  // and when it is painted, a tile at a time, so a zoom step or a scroll step
  // costs what the window shows.
  struct Stretch {
    PictureSourcePtr source;
    QRect from;    // source pixels
    QRect target;  // inner-area pixels
  };
  struct Tile {
    QPoint index;  // in tiles from the target's top left
    QPoint at;     // target pixel of the image's top left
    QImage image;
  };
  void place();
  void fitToPicture();
  QImage stretched() const;  // every pixel of the pending stretch
  void settleStretch();      // the pending stretch becomes the drawing
  void paintStretch(QPainter& painter, const QPoint& origin, const QRect& exposed) const;
  using TileIter = std::list<Tile>::iterator;
  std::pair<QRect, QRect> tileSpan(const QPoint& index) const;
  TileIter keptTile(const QPoint& index) const;
  const Tile& tile(const QPoint& index) const;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  int border_;
  bool autoSize_ = false;
  bool autoRedraw_ = false;
  QColor backColor_{Qt::white};
  PictureSourcePtr picture_;
  QImage drawing_;                  // transparent where nothing was drawn
  std::optional<Stretch> stretch_;  // drawn before drawing_, which is then empty
  mutable std::list<Tile> tiles_;   // of the stretch, the most recently used first
  std::function<void()> pictureAssigned_;
};

}  // namespace preview
