#include "preview/viewer_math.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace preview {

namespace {

// Percent, as picture viewers and office programs offer them.
constexpr std::array<int, 18> kSteps{10,  15,  20,  25,  33,  50,  67,  75,  90,
                                     100, 110, 125, 150, 175, 200, 250, 300, 400};
// Levels closer than this to a step count as that step (a fitted 0.74999...).
constexpr double kSameLevel = 0.001;

}  // namespace

double zoomInStep(double zoom) {
  for (const int step : kSteps)
    if (step / 100.0 > zoom + kSameLevel) return step / 100.0;
  return kMaxZoom;
}

double zoomOutStep(double zoom) {
  for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
    if (*it / 100.0 < zoom - kSameLevel) return *it / 100.0;
  return std::min(zoom, kMinZoom);
}

double fitZoom(QSize picture, QSize room) {
  if (picture.isEmpty() || room.isEmpty()) return 1.0;
  const double zoom =
      std::min(double(room.width()) / picture.width(), double(room.height()) / picture.height());
  return std::clamp(zoom, kMinFitZoom, kMaxZoom);
}

QSize drawnSize(QSize picture, double zoom, double scale) {
  if (picture.isEmpty()) return {0, 0};
  const auto side = [&](int pixels) {
    return std::max(1, static_cast<int>(std::lround(pixels * zoom * scale)));
  };
  return {side(picture.width()), side(picture.height())};
}

QPointF anchoredScroll(QPointF onPicture, QPointF anchor, QSize before, QSize after) {
  if (before.isEmpty()) return onPicture - anchor;
  const double x = onPicture.x() * after.width() / before.width();
  const double y = onPicture.y() * after.height() / before.height();
  return {x - anchor.x(), y - anchor.y()};
}

}  // namespace preview
