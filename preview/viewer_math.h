#pragma once
#include <cstdint>
#include <optional>

// The arithmetic of the preview's viewer, apart from any widget. All sizes and
// positions are in twips.
namespace preview {

// The drawn canvas must stay below these sizes.
inline constexpr int kDrawLimitWidth = 50000;
inline constexpr int kDrawLimitHeight = 90000;
inline constexpr float kMinZoom = 0.25F;
inline constexpr float kMaxZoom = 1.75F;
inline constexpr float kZoomStep = 0.25F;

// Nearest integer, ties to the even one.
double roundHalfEven(double value);

// The base size of a stored picture from its inner size: 2 less, rounded.
int baseSizeOf(int innerSize);

// The drawn size of a base size at a zoom: the fraction is cut off.
int drawnSize(int base, float zoom);
bool fitsDrawLimit(int width, int height);

// The zoom of the first drawing: 1.0 when the base size fits the limit,
// otherwise the largest smaller step that fits (1.0 again when none does).
float startingZoom(int baseWidth, int baseHeight);

// A scroll bar's range for a canvas against the viewport's outer size. When
// the canvas is no larger the bar is disabled, its step is 0 and its maximum
// stays as it was (no maximum here).
struct ScrollRange {
  bool enabled = false;
  std::int16_t step = 0;
  std::optional<int> maximum;
};
ScrollRange scrollRangeFor(int canvasOuter, int viewportOuter);

// The canvas position for a bar value. Formed in 32 bits: the same as a 16-bit
// product wherever that fits, and still right for extents past 32767 twips.
int canvasOffset(std::int16_t step, int value);

// A dragged position kept against the viewport's edges: never right of (or
// below) 0, never so far that the canvas's far edge leaves the inner edge.
double limitDrag(double position, int viewportInner, int canvasOuter);

// Where a dropped canvas lies within its scroll extent, in percent; nothing
// when the extent is zero (canvas and viewport of one outer size).
std::optional<std::int16_t> dropPercent(int canvasPosition, int canvasOuter, int viewportOuter);

// The bar value for a percentage of its maximum, kept within 0..maximum;
// nothing for a negative percentage.
std::optional<int> valueForPercent(std::int16_t percent, int maximum);

}  // namespace preview
