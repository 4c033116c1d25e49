#include "spreadsheet/model/palette.h"

namespace spreadsheet {

namespace {
constexpr Rgb hex(std::uint32_t rrggbb) {
  return rgb((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}
}  // namespace

const Palette& defaultPalette() {
  static const Palette palette = {
      hex(0x000000), hex(0xFFFFFF), hex(0xFF0000), hex(0x00FF00), hex(0x0000FF), hex(0xFFFF00),
      hex(0xFF00FF), hex(0x00FFFF), hex(0x800000), hex(0x008000), hex(0x000080), hex(0x808000),
      hex(0x800080), hex(0x008080), hex(0xC0C0C0), hex(0x808080), hex(0x9999FF), hex(0x993366),
      hex(0xFFFFCC), hex(0xCCFFFF), hex(0x660066), hex(0xFF8080), hex(0x0066CC), hex(0xCCCCFF),
      hex(0x000080), hex(0xFF00FF), hex(0xFFFF00), hex(0x00FFFF), hex(0x800080), hex(0x800000),
      hex(0x008080), hex(0x0000FF), hex(0x00CCFF), hex(0xCCFFFF), hex(0xCCFFCC), hex(0xFFFF99),
      hex(0x99CCFF), hex(0xFF99CC), hex(0xCC99FF), hex(0xFFCC99), hex(0x3366FF), hex(0x33CCCC),
      hex(0x99CC00), hex(0xFFCC00), hex(0xFF9900), hex(0xFF6600), hex(0x666699), hex(0x969696),
      hex(0x003366), hex(0x339966), hex(0x003300), hex(0x333300), hex(0x993300), hex(0x993366),
      hex(0x333399), hex(0x333333)};
  return palette;
}

}  // namespace spreadsheet
