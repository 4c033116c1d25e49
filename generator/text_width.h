#pragma once
#include <string_view>

// How wide a text is in Arial, without a font at hand: the layout decides
// font sizes that must come out the same on every machine, and the sheet is
// drawn in Arial or in the metric-compatible Liberation Sans.
namespace generator {

// Width of the widest line of `text` (UTF-8, lines split at line feeds) in
// points at `points` size.
double ArialTextWidth(std::string_view text, double points, bool bold);

}  // namespace generator
