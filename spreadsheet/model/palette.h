#pragma once
#include <array>
#include <cstdint>

namespace spreadsheet {

// A colour as the application stores it: R + 256·G + 65536·B.
using Rgb = std::uint32_t;
inline constexpr Rgb rgb(int r, int g, int b) {
  return static_cast<Rgb>(r) | (static_cast<Rgb>(g) << 8) | (static_cast<Rgb>(b) << 16);
}
inline constexpr int red(Rgb c) { return c & 0xFF; }
inline constexpr int green(Rgb c) { return (c >> 8) & 0xFF; }
inline constexpr int blue(Rgb c) { return (c >> 16) & 0xFF; }

// The workbook's 56 colours; colour index n (1..56) is entry n - 1.
using Palette = std::array<Rgb, 56>;

// The application's palette of a new workbook.
const Palette& defaultPalette();

}  // namespace spreadsheet
