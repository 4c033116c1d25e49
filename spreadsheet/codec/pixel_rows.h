#pragma once
#include <cstddef>
#include <cstdint>

namespace spreadsheet::codec {

// The pixels an encoder reads: rows of native 32-bit words 0xAARRGGBB, the
// top row first, `stride` bytes apart. They stay the caller's.
struct PixelRows {
  const std::uint8_t* top = nullptr;
  std::ptrdiff_t stride = 0;
  int width = 0;
  int height = 0;
  bool alpha = false;  // the alpha byte counts (not premultiplied); else it is ignored
  int dotsPerMeterX = 0, dotsPerMeterY = 0;  // the resolution a BMP file records

  const std::uint32_t* row(int y) const {
    return reinterpret_cast<const std::uint32_t*>(top + static_cast<std::ptrdiff_t>(y) * stride);
  }
};

inline std::uint8_t redOf(std::uint32_t p) {
  return static_cast<std::uint8_t>(p >> 16);
}
inline std::uint8_t greenOf(std::uint32_t p) {
  return static_cast<std::uint8_t>(p >> 8);
}
inline std::uint8_t blueOf(std::uint32_t p) {
  return static_cast<std::uint8_t>(p);
}
inline std::uint8_t alphaOf(std::uint32_t p) {
  return static_cast<std::uint8_t>(p >> 24);
}

}  // namespace spreadsheet::codec
