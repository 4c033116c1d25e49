#include "preview/picture_box.h"

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
  setOuterSize(picture_.width() * kTwipsPerPixel + 2 * border_,
               picture_.height() * kTwipsPerPixel + 2 * border_);
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
  picture_ = picture;
  drawing_ = QImage();
  stretch_.reset();
  if (autoSize_) fitToPicture();
  update();
  if (pictureAssigned_) pictureAssigned_();
}

void PictureBox::clearPicture() {
  picture_ = QImage();
  drawing_ = QImage();
  stretch_.reset();
  update();
}

QImage PictureBox::stretched() const {
  const QImage part = stretch_->from == stretch_->source.rect()
                          ? stretch_->source
                          : stretch_->source.copy(stretch_->from);
  QImage scaled =
      part.scaled(stretch_->target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (scaled.isNull()) throw std::runtime_error("Out of memory");
  return scaled;
}

void PictureBox::settleStretch() {
  if (!stretch_) return;
  drawing_ = stretched();
  stretch_.reset();
}

void PictureBox::paintPicture(const QImage& source, const QRect& destinationTwips,
                              const QRect& sourceTwips) {
  const QRect target = twipsToPixels(destinationTwips);
  const QRect from = twipsToPixels(sourceTwips).intersected(source.rect());
  if (target.isEmpty() || from.isEmpty()) return;
  const QSize inner(twipsToPixels(ScaleWidth()), twipsToPixels(ScaleHeight()));
  const bool wholeBox = drawing_.isNull() && !stretch_ && target == QRect(QPoint(0, 0), inner);
  if (wholeBox && from.size() != target.size()) {
    // Kept unscaled (the source is shared, not copied) and scaled as painted.
    stretch_ = Stretch{source, from, target};
    update();
    return;
  }
  settleStretch();
  // Smooth scaling averages the source pixels, so a small zoom stays legible.
  // The whole picture at its own size needs neither a copy nor a scaling.
  const QImage part = from == source.rect() ? source : source.copy(from);
  QImage scaled = part.size() == target.size()
                      ? part
                      : part.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (scaled.isNull()) throw std::runtime_error("Out of memory");
  if (wholeBox) {
    // A first drawing that covers the whole box becomes the drawing itself.
    drawing_ = std::move(scaled);
    update();
    return;
  }
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

}  // namespace

// Scales the source pixels behind the exposed part (widget pixels) of the
// stretch and draws them clipped to it.
void PictureBox::paintStretch(QPainter& painter, const QPoint& origin, const QRect& exposed) const {
  const Stretch& s = *stretch_;
  const QRect visible = exposed.translated(-origin).intersected(s.target);
  if (visible.isEmpty()) return;
  const Span x = spanFor(visible.left() - s.target.left(), visible.right() + 1 - s.target.left(),
                         s.target.width(), s.from.width());
  const Span y = spanFor(visible.top() - s.target.top(), visible.bottom() + 1 - s.target.top(),
                         s.target.height(), s.from.height());
  const QRect source(s.from.left() + x.sourceLo, s.from.top() + y.sourceLo, x.sourceHi - x.sourceLo,
                     y.sourceHi - y.sourceLo);
  const QImage part = s.source.copy(source).scaled(x.hi - x.lo, y.hi - y.lo, Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation);
  painter.save();
  painter.setClipRect(visible.translated(origin));
  painter.drawImage(origin + s.target.topLeft() + QPoint(x.lo, y.lo), part);
  painter.restore();
}

QImage PictureBox::shownImage() const {
  QImage shown(twipsToPixels(ScaleWidth()), twipsToPixels(ScaleHeight()), QImage::Format_RGB32);
  shown.fill(backColor_);
  QPainter painter(&shown);
  if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
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
  if (!picture_.isNull()) painter.drawImage(inner.topLeft(), picture_);
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
