#include "preview/sheet_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "preview/scaled_part.h"
#include "preview/viewer_math.h"

namespace preview {

namespace {

constexpr int kTileSide = 256;          // device pixels
constexpr std::size_t kKeptTiles = 64;  // 16 MB: more than a large screen shows
constexpr int kLineStep = 20;           // pixels per arrow key or wheel line
constexpr int kWheelNotch = 120;        // angle delta of one notch
constexpr int kLinesPerNotch = 3;

}  // namespace

SheetView::SheetView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::StyledPanel);
  QPalette white = viewport()->palette();
  white.setColor(QPalette::Window, Qt::white);
  viewport()->setPalette(white);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setCursor(Qt::OpenHandCursor);
  // Bars always there, as in the window's first layout: the view keeps its
  // size whatever the zoom, so a fitted sheet stays fitted.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  horizontalScrollBar()->setSingleStep(kLineStep);
  verticalScrollBar()->setSingleStep(kLineStep);
  updateScrollBars();
}

void SheetView::setPicture(PictureSourcePtr picture) {
  picture_ = std::move(picture);
  tiles_.clear();
  zoom_ = 1.0;
  fitted_ = false;
  updateScrollBars();
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  viewport()->update();
  if (zoomChanged_) zoomChanged_();
}

QSize SheetView::drawnSize() const {
  return picture_ ? preview::drawnSize(picture_->size(), zoom_) : QSize(0, 0);
}

void SheetView::setZoom(double zoom, QPoint anchor) {
  fitted_ = false;
  applyZoom(std::clamp(zoom, kMinZoom, kMaxZoom), anchor);
}

void SheetView::setZoomStep(bool in, QPoint anchor) {
  setZoom(in ? zoomInStep(zoom_) : zoomOutStep(zoom_), anchor);
}

void SheetView::zoomToFit() {
  if (!picture_) return;
  fitted_ = true;
  applyZoom(fitZoom(picture_->size(), viewport()->size()), viewport()->rect().center());
}

void SheetView::applyZoom(double zoom, QPoint anchor) {
  const QSize before = drawnSize();
  const QPointF onPicture(anchor - pictureOrigin());
  zoom_ = zoom;
  updateScrollBars();
  const QPointF scroll = anchoredScroll(onPicture, anchor, before, drawnSize());
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(scroll.x())));
  verticalScrollBar()->setValue(static_cast<int>(std::lround(scroll.y())));
  viewport()->update();
  if (zoomChanged_) zoomChanged_();
}

void SheetView::updateScrollBars() {
  const QSize drawn = drawnSize();
  const QSize room = viewport()->size();
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  h->setRange(0, std::max(0, drawn.width() - room.width()));
  v->setRange(0, std::max(0, drawn.height() - room.height()));
  // A click in the track pages by a view, less a line kept for orientation.
  h->setPageStep(std::max(kLineStep, room.width() - kLineStep));
  v->setPageStep(std::max(kLineStep, room.height() - kLineStep));
}

QPoint SheetView::pictureOrigin() const {
  const QSize drawn = drawnSize();
  const QSize room = viewport()->size();
  const int x = drawn.width() < room.width() ? (room.width() - drawn.width()) / 2
                                             : -horizontalScrollBar()->value();
  const int y = drawn.height() < room.height() ? (room.height() - drawn.height()) / 2
                                               : -verticalScrollBar()->value();
  return {x, y};
}

const QImage& SheetView::tile(QPoint index, QSize whole) const {
  const auto kept = std::find_if(tiles_.begin(), tiles_.end(), [&](const Tile& t) {
    return t.index == index && t.whole == whole;
  });
  if (kept != tiles_.end()) {
    tiles_.splice(tiles_.begin(), tiles_, kept);
    return tiles_.front().image;
  }
  const QRect part(index * kTileSide, QSize(kTileSide, kTileSide));
  tiles_.push_front({index, whole, scaledPart(*picture_, whole, part)});
  if (tiles_.size() > kKeptTiles) tiles_.pop_back();
  return tiles_.front().image;
}

void SheetView::paintView(QPainter& painter, const QRect& exposed, double scale) const {
  painter.fillRect(exposed, Qt::white);
  if (!picture_) return;
  // Device pixels throughout: the tiles are copied one to one.
  painter.save();
  painter.scale(1.0 / scale, 1.0 / scale);
  const QSize whole = preview::drawnSize(picture_->size(), zoom_, scale);
  const QPoint origin(static_cast<int>(std::lround(pictureOrigin().x() * scale)),
                      static_cast<int>(std::lround(pictureOrigin().y() * scale)));
  const QRect deviceExposed(
      QPoint(static_cast<int>(std::floor(exposed.left() * scale)),
             static_cast<int>(std::floor(exposed.top() * scale))),
      QPoint(static_cast<int>(std::ceil((exposed.right() + 1) * scale)) - 1,
             static_cast<int>(std::ceil((exposed.bottom() + 1) * scale)) - 1));
  const QRect seen = deviceExposed.translated(-origin).intersected(QRect(QPoint(0, 0), whole));
  if (!seen.isEmpty()) {
    painter.setClipRect(seen.translated(origin));
    for (int ty = seen.top() / kTileSide; ty <= seen.bottom() / kTileSide; ++ty)
      for (int tx = seen.left() / kTileSide; tx <= seen.right() / kTileSide; ++tx)
        painter.drawImage(origin + QPoint(tx, ty) * kTileSide, tile(QPoint(tx, ty), whole));
  }
  painter.restore();
}

void SheetView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  paintView(painter, event->rect(), viewport()->devicePixelRatioF());
}

void SheetView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (fitted_) {
    zoomToFit();
  } else {
    updateScrollBars();
  }
}

void SheetView::scrollContentsBy(int, int) {
  viewport()->update();
}

void SheetView::wheelEvent(QWheelEvent* event) {
  const QPoint angle = event->angleDelta();
  if (event->modifiers() & Qt::ControlModifier) {
    const int notches = angle.y() / kWheelNotch;
    for (int i = 0; i < std::abs(notches); ++i)
      setZoomStep(notches > 0, event->position().toPoint());
    event->accept();
    return;
  }
  // A wheel that turns sideways, or any wheel with Shift, scrolls sideways.
  const bool sideways = (event->modifiers() & Qt::ShiftModifier) || angle.y() == 0;
  const QPoint pixels = event->pixelDelta();
  int delta = 0;
  if (!pixels.isNull()) {
    delta = sideways ? (pixels.x() ? pixels.x() : pixels.y()) : pixels.y();
  } else {
    const int turned = sideways ? (angle.x() ? angle.x() : angle.y()) : angle.y();
    delta = turned * kLinesPerNotch * kLineStep / kWheelNotch;
  }
  QScrollBar* bar = sideways ? horizontalScrollBar() : verticalScrollBar();
  bar->setValue(bar->value() - delta);
  event->accept();
}

void SheetView::keyPressEvent(QKeyEvent* event) {
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  switch (event->key()) {
    case Qt::Key_Up:
      v->triggerAction(QAbstractSlider::SliderSingleStepSub);
      break;
    case Qt::Key_Down:
      v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      break;
    case Qt::Key_Left:
      h->triggerAction(QAbstractSlider::SliderSingleStepSub);
      break;
    case Qt::Key_Right:
      h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      break;
    case Qt::Key_PageUp:
      v->triggerAction(QAbstractSlider::SliderPageStepSub);
      break;
    case Qt::Key_PageDown:
      v->triggerAction(QAbstractSlider::SliderPageStepAdd);
      break;
    case Qt::Key_Home:
      h->setValue(0);
      v->setValue(0);
      break;
    case Qt::Key_End:
      h->setValue(0);
      v->setValue(v->maximum());
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  event->accept();
}

void SheetView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  dragging_ = true;
  dragFrom_ = event->position().toPoint();
  viewport()->setCursor(Qt::ClosedHandCursor);
}

void SheetView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return QAbstractScrollArea::mouseMoveEvent(event);
  const QPoint at = event->position().toPoint();
  const QPoint moved = at - dragFrom_;
  dragFrom_ = at;
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
  verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
}

void SheetView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
  dragging_ = false;
  viewport()->setCursor(Qt::OpenHandCursor);
}

}  // namespace preview
