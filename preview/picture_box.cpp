#include "preview/picture_box.h"

#include <cmath>
#include <stdexcept>

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
  if (autoSize_) fitToPicture();
  update();
  if (pictureAssigned_) pictureAssigned_();
}

void PictureBox::clearPicture() {
  picture_ = QImage();
  drawing_ = QImage();
  update();
}

void PictureBox::paintPicture(const QImage& source, const QRect& destinationTwips,
                              const QRect& sourceTwips) {
  const QRect target = twipsToPixels(destinationTwips);
  const QRect from = twipsToPixels(sourceTwips).intersected(source.rect());
  if (target.isEmpty() || from.isEmpty()) return;
  // Smooth scaling averages the source pixels, so a small zoom stays legible.
  // The whole picture at its own size needs neither a copy nor a scaling.
  const QImage part = from == source.rect() ? source : source.copy(from);
  QImage scaled = part.size() == target.size()
                      ? part
                      : part.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (scaled.isNull()) throw std::runtime_error("Out of memory");
  const QSize inner(twipsToPixels(ScaleWidth()), twipsToPixels(ScaleHeight()));
  if (drawing_.isNull() && target == QRect(QPoint(0, 0), inner)) {
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

QImage PictureBox::shownImage() const {
  QImage shown(twipsToPixels(ScaleWidth()), twipsToPixels(ScaleHeight()), QImage::Format_RGB32);
  shown.fill(backColor_);
  QPainter painter(&shown);
  if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
  if (!drawing_.isNull()) painter.drawImage(0, 0, drawing_);
  return shown;
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int border = twipsToPixels(border_);
  QRect inner = rect().adjusted(border, border, -border, -border);
  painter.fillRect(rect(), backColor_);
  painter.setClipRect(inner);
  if (!picture_.isNull()) painter.drawImage(inner.topLeft(), picture_);
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
