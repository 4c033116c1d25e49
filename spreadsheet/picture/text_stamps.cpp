#include "spreadsheet/picture/text_stamps.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace spreadsheet::picture {

namespace {

constexpr std::size_t kMostStamps = 4096;  // beyond this, texts are drawn as usual
constexpr int kSightsBeforeStamp = 2;  // a text seen once is drawn; a stamp pays from the second

// The text drawn onto `background` at `at`, as the picture's painter draws it.
QImage drawnOn(const FontEntry& font, const QString& text, const QColor& color, QRgb background,
               QSize size, QPointF at, const QImage& like) {
  QImage image(size, QImage::Format_RGB32);
  image.setDotsPerMeterX(like.dotsPerMeterX());
  image.setDotsPerMeterY(like.dotsPerMeterY());
  image.fill(background);
  QPainter painter(&image);
  painter.setFont(font.font);
  painter.setPen(color);
  painter.drawStaticText(at, font.staticText(text));
  return image;
}

// Each channel as far from `color` as it goes: any coverage at all changes it.
QRgb farFrom(const QColor& color) {
  return qRgb(color.red() < 128 ? 255 : 0, color.green() < 128 ? 255 : 0,
              color.blue() < 128 ? 255 : 0);
}

// Whether every pixel of `r` equals `plain`'s, a row of one colour at least as wide.
bool allPixels(const QImage& image, const QRect& r, const std::vector<QRgb>& plain) {
  const uchar* bits = image.constBits();
  const qsizetype stride = image.bytesPerLine();
  const std::size_t bytes = static_cast<std::size_t>(r.width()) * sizeof(QRgb);
  for (int y = r.top(); y <= r.bottom(); ++y)
    if (std::memcmp(reinterpret_cast<const QRgb*>(bits + y * stride) + r.left(), plain.data(),
                    bytes) != 0)
      return false;
  return true;
}

}  // namespace

TextStamps::Stamp TextStamps::make(const FontEntry& font, const QString& text, const QColor& color,
                                   QRgb background, QPointF fraction) const {
  Stamp stamp;
  stamp.margin = static_cast<int>(std::ceil(font.height())) + 2;
  const QSize size(static_cast<int>(std::ceil(font.advance(text))) + 2 * stamp.margin + 1,
                   static_cast<int>(std::ceil(font.height())) + 2 * stamp.margin + 1);
  const QPointF at = QPointF(stamp.margin, stamp.margin) + fraction;
  stamp.pixels = drawnOn(font, text, color, background, size, at, image_);
  // Where the text touches a pixel at all: on a background far from its
  // colour even the faintest edge shows.
  const QRgb far = farFrom(color);
  const QImage probe = drawnOn(font, text, color, far, size, at, image_);
  int left = size.width(), top = size.height(), right = -1, bottom = -1;
  for (int y = 0; y < size.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(stamp.pixels.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(probe.constScanLine(y));
    for (int x = 0; x < size.width(); ++x)
      if (a[x] != background || b[x] != far) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  }
  stamp.ink = right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
  stamp.plain.assign(static_cast<std::size_t>(std::max(0, stamp.ink.width())), background);
  // Ink on the stamp's edge may have been cut off: such a text is not stamped.
  if (!stamp.ink.isNull() &&
      (left == 0 || top == 0 || right == size.width() - 1 || bottom == size.height() - 1))
    stamp.pixels = QImage();
  return stamp;
}

bool TextStamps::draw(const FontEntry& font, const QString& text, const QColor& color,
                      QPointF topLeft, const QRect* clip) {
  if (font.scale != 1 || image_.format() != QImage::Format_RGB32) return false;
  const double fx = std::floor(topLeft.x()), fy = std::floor(topLeft.y());
  const QPoint whole(static_cast<int>(fx), static_cast<int>(fy));
  // The background under the middle of the text; the check below makes sure
  // it is the only colour there.
  const QPoint middle =
      whole + QPoint(static_cast<int>(font.advance(text) / 2), static_cast<int>(font.height() / 2));
  if (!image_.rect().contains(middle)) return false;
  const QRgb background = image_.pixel(middle);
  const Key key{&font, text, color.rgba(), background, topLeft.x() - fx, topLeft.y() - fy};
  auto found = stamps_.find(key);
  if (found == stamps_.end()) {
    if (static_cast<std::size_t>(stamps_.size()) >= kMostStamps) return false;
    found = stamps_.insert(key, Stamp{});
  }
  Stamp& stamp = *found;
  if (++stamp.seen < kSightsBeforeStamp) return false;
  if (stamp.seen == kSightsBeforeStamp) {
    stamp = make(font, text, color, background, topLeft - QPointF(fx, fy));
    stamp.seen = kSightsBeforeStamp;
  }
  if (stamp.pixels.isNull()) return false;
  if (stamp.ink.isNull()) return true;  // nothing that shows

  const QPoint origin = whole - QPoint(stamp.margin, stamp.margin);
  QRect target = stamp.ink.translated(origin);
  if (clip) target &= *clip;
  if (!image_.rect().contains(target) && !target.isEmpty()) return false;
  if (target.isEmpty()) return true;
  if (!allPixels(image_, target, stamp.plain)) return false;
  const std::size_t bytes = static_cast<std::size_t>(target.width()) * sizeof(QRgb);
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  const uchar* from = stamp.pixels.constBits();
  const qsizetype fromStride = stamp.pixels.bytesPerLine();
  for (int y = target.top(); y <= target.bottom(); ++y)
    std::memcpy(reinterpret_cast<QRgb*>(bits + y * stride) + target.left(),
                reinterpret_cast<const QRgb*>(from + (y - origin.y()) * fromStride) +
                    (target.left() - origin.x()),
                bytes);
  return true;
}

}  // namespace spreadsheet::picture
