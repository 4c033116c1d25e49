#pragma once
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <optional>

#include "spreadsheet/picture/canvas.h"
#include "spreadsheet/picture/text_stamps.h"

namespace spreadsheet::picture {

// A canvas on an active QPainter: the picture's image.
class PainterCanvas final : public Canvas {
 public:
  // `image`, when given, is the painter's device: plain fills go to its pixels
  // directly. With `partAt` the image is part of a larger picture, its
  // top-left pixel the grid's pixel `partAt`: it gets what lies in it.
  explicit PainterCanvas(QPainter& painter, QImage* image = nullptr,
                         std::optional<QPoint> partAt = {})
      : painter_(painter), image_(image), origin_(partAt.value_or(QPoint())), part_(partAt) {
    if (image) stamps_.emplace(*image);
  }

  void fillRect(const QRect& rect, const QColor& color) override;
  void strokeLine(QPoint from, QPoint to, const QColor& color, int width, bool dashed) override;
  void beginText(const FontEntry& font, const QColor& color, const QRect* clip) override;
  void drawTextLine(const QString& line, QPointF topLeft) override;
  void endText() override;
  void drawLayout(const QTextLayout& layout, QPointF at, double scale, const QRect& clip) override;
  QPaintDevice* layoutDevice() override { return painter_.device(); }

 private:
  QPainter& painter_;
  QImage* image_;
  QPoint origin_;
  bool part_;
  enum class Clip { None, Own, Saved };
  const FontEntry* font_ = nullptr;
  QTransform base_;
  Clip clip_ = Clip::None;
  // The painter's pen colour and font as last set here; unknown after a restore.
  std::optional<QRgb> penColor_;
  QColor textColor_;
  QRect textClip_;
  std::optional<TextStamps> stamps_;
  const FontEntry* penFont_ = nullptr;
};

}  // namespace spreadsheet::picture
