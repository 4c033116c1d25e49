#pragma once
#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>
#include <functional>
#include <list>
#include <memory>

#include "spreadsheet/picture/picture_source.h"

namespace preview {

using PictureSourcePtr = std::shared_ptr<const spreadsheet::picture::PictureSource>;

// The sheet's picture in a scrolled view: zoomed from 10 % to 400 %, drawn in
// device pixels (crisp at any scaling) a tile at a time where it is seen.
// The scroll bars follow the drawn size; the wheel scrolls (Shift sideways,
// Ctrl zooms at the pointer), the keys scroll and page, and the mouse drags
// the picture. A picture smaller than the view stands in its middle.
class SheetView : public QAbstractScrollArea {
 public:
  explicit SheetView(QWidget* parent = nullptr);

  // A new picture, at 100 % from its top left (the sheet itself; the lists
  // the sheet draws on lie further right and down).
  void setPicture(PictureSourcePtr picture);
  const PictureSourcePtr& picture() const { return picture_; }

  double zoom() const { return zoom_; }
  // Zooms keeping the picture's point under `anchor` (view pixels) in place.
  void setZoom(double zoom, QPoint anchor);
  void setZoom(double zoom) { setZoom(zoom, viewport()->rect().center()); }
  void zoomIn() { setZoomStep(true, viewport()->rect().center()); }
  void zoomOut() { setZoomStep(false, viewport()->rect().center()); }
  // The whole sheet in the view; it stays fitted while the view is resized,
  // until the next zoom.
  void zoomToFit();
  bool fitted() const { return fitted_; }
  // Runs after every change of the zoom (the window shows the level).
  void setZoomChanged(std::function<void()> changed) { zoomChanged_ = std::move(changed); }

  // The picture's size at the current zoom, in logical pixels.
  QSize drawnSize() const;
  // Paints what the view shows, at `scale` device pixels per logical pixel,
  // into `painter` whose coordinates are the view's (tests paint at any scale).
  void paintView(QPainter& painter, const QRect& exposed, double scale) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  struct Tile {
    QPoint index;
    QSize whole;  // device pixels of the whole drawn picture it belongs to
    QImage image;
  };
  void setZoomStep(bool in, QPoint anchor);
  void applyZoom(double zoom, QPoint anchor);
  void updateScrollBars();
  QPoint pictureOrigin() const;  // the picture's top left in the view, logical
  const QImage& tile(QPoint index, QSize whole) const;

  PictureSourcePtr picture_;
  double zoom_ = 1.0;
  bool fitted_ = false;
  QPoint dragFrom_;
  bool dragging_ = false;
  std::function<void()> zoomChanged_;
  mutable std::list<Tile> tiles_;  // the most recently used first
};

}  // namespace preview
