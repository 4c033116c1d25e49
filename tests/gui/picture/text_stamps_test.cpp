// Texts copied from their stamps must come out exactly as drawn by QPainter,
// wherever they land, clipped or not, and on any background.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include "spreadsheet/picture/painter_canvas.h"
#include "spreadsheet/picture/style_cache.h"

namespace picture_test {
namespace {

struct Placed {
  QString text;
  QPointF at;
  QRgb color;
  QRect clip;  // none when null
};

QImage background() {
  QImage image(320, 160, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.fillRect(QRect(150, 0, 1, 160), QColor(0xD4, 0xD4, 0xD4));    // a grid line
  painter.fillRect(QRect(200, 60, 100, 60), QColor(0xEC, 0xF5, 0xD7));  // a filled block
  return image;
}

TEST(TextStamps, CopiesComeOutAsDrawingWouldAnywhere) {
  QImage stamped = background(), drawn = background();
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(11);
  const spreadsheet::picture::FontEntry font(f, &stamped);
  const QRgb black = 0xFF000000, red = 0xFFFF0000;
  // Repeats at equal and at other fractions of a pixel, on white, on the
  // block, across the grid line, cut by a clip, and in another colour.
  const std::vector<Placed> texts = {
      {"8:30 AM", {10, 5}, black, {}},
      {"8:30 AM", {60, 5}, black, {}},
      {"8:30 AM", {10.5, 25.25}, black, {}},
      {"8:30 AM", {70.5, 25.25}, black, {}},
      {"8:30 AM", {130, 40}, black, {}},
      {"8:30 AM", {131, 40}, black, {}},
      {"8:30 AM", {210, 70}, black, {}},
      {"8:30 AM", {240, 90}, black, {}},
      {"8:30 AM", {10, 100}, black, {12, 100, 20, 14}},
      {"8:30 AM", {60, 100}, black, {62, 100, 20, 14}},
      {"8:30 AM", {10, 130}, red, {}},
      {"8:30 AM", {60, 130}, red, {}},
      {"Total", {300, 5}, black, {}},
      {"Total", {310, 5}, black, {}},
      {"", {5, 5}, black, {}},
      {"", {6, 5}, black, {}},
  };
  {
    QPainter painter(&stamped);
    spreadsheet::picture::PainterCanvas canvas(painter, &stamped);
    for (const Placed& t : texts) {
      canvas.beginText(font, QColor::fromRgb(t.color), t.clip.isNull() ? nullptr : &t.clip);
      canvas.drawTextLine(t.text, t.at);
      canvas.endText();
    }
  }
  {
    QPainter painter(&drawn);
    painter.setFont(f);
    for (const Placed& t : texts) {
      painter.save();
      if (!t.clip.isNull()) painter.setClipRect(t.clip);
      painter.setPen(QColor::fromRgb(t.color));
      painter.drawStaticText(t.at, font.staticText(t.text));
      painter.restore();
    }
  }
  EXPECT_EQ(stamped, drawn);
  // The texts did draw something.
  EXPECT_NE(drawn, background());
}

}  // namespace
}  // namespace picture_test
