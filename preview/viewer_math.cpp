#include "preview/viewer_math.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace preview {

double roundHalfEven(double value) {
  // nearbyint follows the current rounding mode, which is to-nearest-even.
  return std::nearbyint(value);
}

int baseSizeOf(int innerSize) {
  return static_cast<int>(roundHalfEven(innerSize - 2.0));
}

int drawnSize(int base, float zoom) {
  return static_cast<int>(std::floor(static_cast<double>(base) * static_cast<double>(zoom)));
}

bool fitsDrawLimit(int width, int height) {
  return width < kDrawLimitWidth && height < kDrawLimitHeight;
}

float startingZoom(int baseWidth, int baseHeight) {
  for (float zoom = 1.0F; zoom >= kMinZoom; zoom -= kZoomStep) {
    if (fitsDrawLimit(drawnSize(baseWidth, zoom), drawnSize(baseHeight, zoom))) return zoom;
  }
  return 1.0F;
}

ScrollRange scrollRangeFor(int canvasOuter, int viewportOuter) {
  ScrollRange range;
  if (canvasOuter <= viewportOuter) return range;
  const auto d = static_cast<float>(canvasOuter - viewportOuter);
  range.enabled = true;
  range.step = d <= 100 ? 1 : 10;
  const double maximum = roundHalfEven(static_cast<double>(d) / range.step);
  // A scroll bar's maximum is a 16-bit value.
  range.maximum = static_cast<int>(std::min<double>(maximum, std::numeric_limits<int16_t>::max()));
  return range;
}

int canvasOffset(std::int16_t step, int value) {
  return -(static_cast<int>(step) * value);
}

double limitDrag(double position, int viewportInner, int canvasOuter) {
  if (position > 0) return 0;
  const double farthest = viewportInner - canvasOuter;
  return farthest > position ? farthest : position;
}

std::optional<std::int16_t> dropPercent(int canvasPosition, int canvasOuter, int viewportOuter) {
  const int extent = canvasOuter - viewportOuter;
  if (extent == 0) return std::nullopt;
  const double percent =
      roundHalfEven(std::abs(static_cast<double>(canvasPosition)) / extent * 100.0);
  constexpr double low = std::numeric_limits<std::int16_t>::min();
  constexpr double high = std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(std::clamp(percent, low, high));
}

std::optional<int> valueForPercent(std::int16_t percent, int maximum) {
  if (percent < 0) return std::nullopt;
  const double value = roundHalfEven(percent / 100.0 * maximum);
  return static_cast<int>(std::clamp(value, 0.0, static_cast<double>(std::max(0, maximum))));
}

}  // namespace preview
