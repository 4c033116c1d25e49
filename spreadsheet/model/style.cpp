#include "spreadsheet/model/style.h"

#include <functional>

namespace spreadsheet {

namespace {
void mix(std::size_t& seed, std::size_t v) { seed ^= v + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2); }
}  // namespace

std::size_t StyleHash::operator()(const Style& s) const {
  std::size_t h = std::hash<std::string>{}(s.font.name);
  mix(h, std::hash<double>{}(s.font.size));
  mix(h, (s.font.bold ? 1 : 0) | (s.font.italic ? 2 : 0) | (s.wrapText ? 4 : 0) | (s.locked ? 8 : 0));
  mix(h, static_cast<std::size_t>(s.font.underline));
  mix(h, static_cast<std::size_t>(s.font.colorIndex));
  mix(h, static_cast<std::size_t>(s.fillColorIndex));
  for (const Border& b : s.borders) {
    mix(h, static_cast<std::size_t>(b.lineStyle));
    mix(h, static_cast<std::size_t>(b.weight));
    mix(h, static_cast<std::size_t>(b.colorIndex));
  }
  mix(h, static_cast<std::size_t>(s.horizontalAlignment));
  mix(h, static_cast<std::size_t>(s.verticalAlignment));
  mix(h, std::hash<std::string>{}(s.numberFormat));
  return h;
}

StylePool::StylePool(const Font& defaultFont) {
  Style base;
  base.font = defaultFont;
  styles_.push_back(base);
  ids_.emplace(base, 0);
}

StyleId StylePool::intern(const Style& s) {
  auto it = ids_.find(s);
  if (it != ids_.end()) return it->second;
  StyleId id = static_cast<StyleId>(styles_.size());
  styles_.push_back(s);
  ids_.emplace(s, id);
  return id;
}

void StylePool::setDefaultFont(const Font& f) {
  ids_.erase(styles_[0]);
  styles_[0].font = f;
  ids_[styles_[0]] = 0;
}

}  // namespace spreadsheet
