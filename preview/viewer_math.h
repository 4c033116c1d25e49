#pragma once
#include <QPointF>
#include <QSize>

// The arithmetic of the preview's viewer, apart from any widget. Zoom levels
// are factors (1.0 is the sheet's own pixels); sizes are logical pixels.
namespace preview {

inline constexpr double kMinZoom = 0.10;
inline constexpr double kMaxZoom = 4.00;
// Fit goes lower when it must: the largest sheet is 6920 pixels high.
inline constexpr double kMinFitZoom = 0.02;

// The next level of the usual steps above (or below) `zoom`; `zoom` itself
// when it is already at that end (or below it, after Fit). A level between
// steps goes to the nearest step in the asked direction.
double zoomInStep(double zoom);
double zoomOutStep(double zoom);

// The largest level, within kMinFitZoom..kMaxZoom, at which a picture of
// `picture` pixels fits whole into `room`.
double fitZoom(QSize picture, QSize room);

// The size of `picture` drawn at `zoom` times `scale` (the device pixel ratio
// for device pixels), rounded, at least one pixel each way for a picture.
QSize drawnSize(QSize picture, double zoom, double scale = 1.0);

// The scroll position that keeps a point of the drawn picture under `anchor`
// (in the view) when the picture goes from `before` to `after` wide and high;
// `onPicture` is where the anchor lies on the picture before. Not yet kept
// within the bars' range.
QPointF anchoredScroll(QPointF onPicture, QPointF anchor, QSize before, QSize after);

}  // namespace preview
