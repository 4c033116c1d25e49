#include "preview/picture_box.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

#include <QPaintEvent>
#include <QPainter>

namespace preview {

int twipsToPixels(double twips) {
  return spreadsheet::TwipsToPixels(twips);
}

QRect twipsToPixels(const QRect& twips) {
  return QRect(twipsToPixels(twips.left()), twipsToPixels(twips.top()),
               twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

PictureBox::PictureBox(QWidget* parent, int borderTwips) : QWidget(parent), border_(borderTwips) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::place() {
  setGeometry(twipsToPixels(left_), twipsToPixels(top_), twipsToPixels(width_),
              twipsToPixels(height_));
}

void PictureBox::setTwipGeometry(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  place();
}

void PictureBox::moveTo(int left, int top) {
  setTwipGeometry(left, top, width_, height_);
}

void PictureBox::setOuterSize(int width, int height) {
  setTwipGeometry(left_, top_, width, height);
}

void PictureBox::fitToPicture() {
  const QSize size = picture_ ? picture_->size() : QSize(0, 0);
  setOuterSize(size.width() * kTwipsPerPixel + 2 * border_,
               size.height() * kTwipsPerPixel + 2 * border_);
}

void PictureBox::setAutoSize(bool on) {
  autoSize_ = on;
  if (on) fitToPicture();
}

void PictureBox::setBackColor(const QColor& color) {
  backColor_ = color;
  update();
}

void PictureBox::setPicture(const QImage& picture) {
  setPicture(picture.isNull() ? nullptr : spreadsheet::picture::imageSource(picture));
}

void PictureBox::setPicture(PictureSourcePtr picture) {
  picture_ = std::move(picture);
  drawing_ = QImage();
  stretch_.reset();
  tiles_.clear();
  if (autoSize_) fitToPicture();
  update();
  if (pictureAssigned_) pictureAssigned_();
}

QImage PictureBox::picture() const {
  return picture_ ? picture_->draw(QRect(QPoint(0, 0), picture_->size())) : QImage();
}

void PictureBox::clearPicture() {
  picture_.reset();
  drawing_ = QImage();
  stretch_.reset();
  tiles_.clear();
  update();
}

namespace {

// Smooth scaling averages the source pixels, so a small zoom stays legible.
QImage scaledTo(const QImage& part, const QSize& size) {
  if (part.size() == size) return part;
  QImage scaled = part.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (scaled.isNull()) throw std::runtime_error("Out of memory");
  return scaled;
}

}  // namespace

QImage PictureBox::stretched() const {
  return scaledTo(stretch_->source->draw(stretch_->from), stretch_->target.size());
}

void PictureBox::settleStretch() {
  if (!stretch_) return;
  drawing_ = stretched();
  stretch_.reset();
  tiles_.clear();
}

void PictureBox::paintPicture(const QImage& source, const QRect& destinationTwips,
                              const QRect& sourceTwips) {
  if (!source.isNull())
    paintPicture(spreadsheet::picture::imageSource(source), destinationTwips, sourceTwips);
}

void PictureBox::paintPicture(const PictureSourcePtr& source, const QRect& destinationTwips,
                              const QRect& sourceTwips) {
  if (!source) return;
  const QRect target = twipsToPixels(destinationTwips);
  const QRect from = twipsToPixels(sourceTwips).intersected(QRect(QPoint(0, 0), source->size()));
  if (target.isEmpty() || from.isEmpty()) return;
  const QSize inner(twipsToPixels(ScaleWidth()), twipsToPixels(ScaleHeight()));
  if (drawing_.isNull() && !stretch_ && target == QRect(QPoint(0, 0), inner)) {
    // Kept as a source (shared, not drawn) and drawn as painted.
    stretch_ = Stretch{source, from, target};
    tiles_.clear();
    update();
    return;
  }
  settleStretch();
  const QImage scaled = scaledTo(source->draw(from), target.size());
  const QSize needed(std::max(drawing_.width(), inner.width()),
                     std::max(drawing_.height(), inner.height()));
  if (drawing_.size() != needed) {
    QImage grown(needed, QImage::Format_ARGB32_Premultiplied);
    if (grown.isNull()) throw std::runtime_error("Out of memory");
    grown.fill(Qt::transparent);
    if (!drawing_.isNull()) QPainter(&grown).drawImage(0, 0, drawing_);
    drawing_ = std::move(grown);
  }
  QPainter painter(&drawing_);
  painter.drawImage(target.topLeft(), scaled);
  update();
}

namespace {

// One axis of a stretch: a span of target pixels [lo, hi) and the source
// pixels behind it.
struct Span {
  int lo, hi, sourceLo, sourceHi;
};

// Widens the exposed target span [lo, hi) by a margin and, where the scale
// repeats every few pixels, to whole repeats, so that the part scales to the
// very pixels the whole would have.
Span spanFor(int lo, int hi, int targetSize, int sourceSize) {
  const int repeat = targetSize / std::gcd(sourceSize, targetSize);
  const int step = repeat <= 256 ? repeat : 1;
  lo = std::max(0, (lo / step - 1) * step);
  hi = std::min(targetSize, ((hi + step - 1) / step + 1) * step);
  const auto scaledDown = [&](long long t, long long roundUp) {
    return static_cast<int>((t * sourceSize + roundUp) / targetSize);
  };
  return {lo, hi, scaledDown(lo, 0), scaledDown(hi, targetSize - 1)};
}

constexpr int kTileSide = 256;          // target pixels
constexpr std::size_t kKeptTiles = 24;  // more than a window shows at once

}  // namespace

// The target pixels of tile `index` (widened), and the source pixels behind them.
std::pair<QRect, QRect> PictureBox::tileSpan(const QPoint& index) const {
  const Stretch& s = *stretch_;
  const QRect cell = QRect(index * kTileSide, QSize(kTileSide, kTileSide))
                         .intersected(QRect(QPoint(0, 0), s.target.size()));
  const Span x = spanFor(cell.left(), cell.right() + 1, s.target.width(), s.from.width());
  const Span y = spanFor(cell.top(), cell.bottom() + 1, s.target.height(), s.from.height());
  return {QRect(x.lo, y.lo, x.hi - x.lo, y.hi - y.lo),
          QRect(s.from.left() + x.sourceLo, s.from.top() + y.sourceLo, x.sourceHi - x.sourceLo,
                y.sourceHi - y.sourceLo)};
}

PictureBox::TileIter PictureBox::keptTile(const QPoint& index) const {
  return std::find_if(tiles_.begin(), tiles_.end(),
                      [&](const Tile& t) { return t.index == index; });
}

// The tile's target pixels, with the source pixels behind them drawn and scaled.
const PictureBox::Tile& PictureBox::tile(const QPoint& index) const {
  auto kept = keptTile(index);
  if (kept != tiles_.end()) {
    tiles_.splice(tiles_.begin(), tiles_, kept);
    return tiles_.front();
  }
  const auto [target, source] = tileSpan(index);
  tiles_.push_front(
      {index, target.topLeft(), scaledTo(stretch_->source->draw(source), target.size())});
  if (tiles_.size() > kKeptTiles) tiles_.pop_back();
  return tiles_.front();
}

// Draws the tiles under the exposed part (widget pixels) of the stretch,
// clipped to it.
void PictureBox::paintStretch(QPainter& painter, const QPoint& origin, const QRect& exposed) const {
  const Stretch& s = *stretch_;
  const QRect visible =
      exposed.translated(-origin).intersected(s.target).translated(-s.target.topLeft());
  if (visible.isEmpty()) return;
  const QPoint corner = origin + s.target.topLeft();
  // The source behind the tiles still to draw is asked for at once first: it
  // may draw it in one go rather than tile by tile.
  QRect missing;
  for (int ty = visible.top() / kTileSide; ty <= visible.bottom() / kTileSide; ++ty)
    for (int tx = visible.left() / kTileSide; tx <= visible.right() / kTileSide; ++tx)
      if (keptTile(QPoint(tx, ty)) == tiles_.end()) missing |= tileSpan(QPoint(tx, ty)).second;
  if (!missing.isEmpty()) s.source->prepare(missing);
  for (int ty = visible.top() / kTileSide; ty <= visible.bottom() / kTileSide; ++ty) {
    for (int tx = visible.left() / kTileSide; tx <= visible.right() / kTileSide; ++tx) {
      const QRect cell(QPoint(tx, ty) * kTileSide, QSize(kTileSide, kTileSide));
      const Tile& t = tile(QPoint(tx, ty));
      painter.save();
      painter.setClipRect(cell.intersected(visible).translated(corner));
      painter.drawImage(corner + t.at, t.image);
      painter.restore();
    }
  }
}

QImage PictureBox::shownImage() const {
  QImage shown(twipsToPixels(ScaleWidth()), twipsToPixels(ScaleHeight()), QImage::Format_RGB32);
  shown.fill(backColor_);
  QPainter painter(&shown);
  if (picture_) painter.drawImage(0, 0, picture());
  if (stretch_) painter.drawImage(stretch_->target.topLeft(), stretched());
  if (!drawing_.isNull()) painter.drawImage(0, 0, drawing_);
  return shown;
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const int border = twipsToPixels(border_);
  QRect inner = rect().adjusted(border, border, -border, -border);
  painter.fillRect(rect(), backColor_);
  painter.setClipRect(inner);
  if (picture_) {
    // Only the exposed part of the picture is drawn.
    const QRect part = event->rect().intersected(inner).translated(-inner.topLeft());
    const QImage pixels = picture_->draw(part);
    if (!pixels.isNull()) painter.drawImage(inner.topLeft() + part.topLeft(), pixels);
  }
  if (stretch_) paintStretch(painter, inner.topLeft(), event->rect().intersected(inner));
  if (!drawing_.isNull()) painter.drawImage(inner.topLeft(), drawing_);
  painter.setClipping(false);
  if (border > 0) {
    // A sunken frame of two lines, darker outside.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

}  // namespace preview
