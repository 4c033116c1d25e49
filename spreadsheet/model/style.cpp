#include "spreadsheet/model/style.h"

#include <functional>

namespace spreadsheet {

namespace {
// FNV-1a: font names and format codes are a few characters long, where this
// is cheaper than the library's string hash.
std::size_t textHash(const std::string& s) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (unsigned char c : s) h = (h ^ c) * 0x100000001b3ULL;
  return static_cast<std::size_t>(h);
}
}  // namespace

std::size_t StyleHash::operator()(const Style& s) const {
  // A multiply-add per field: styles are hashed at every intern, and the
  // fields are small integers that spread well this way.
  std::uint64_t h = textHash(s.font.name);
  auto add = [&h](std::int64_t v) { h = (h ^ static_cast<std::uint64_t>(v)) * 0x100000001b3ULL; };
  add(static_cast<std::int64_t>(std::hash<double>{}(s.font.size)));
  add((s.font.bold ? 1 : 0) | (s.font.italic ? 2 : 0) | (s.wrapText ? 4 : 0) | (s.locked ? 8 : 0) |
      (s.hidden ? 16 : 0));
  add(s.font.underline);
  add(s.font.colorIndex);
  add(s.fillColorIndex);
  for (const Border& b : s.borders)
    add((std::int64_t{b.lineStyle} << 32) ^ (b.weight << 12) ^ b.colorIndex);
  add((std::int64_t{s.horizontalAlignment} << 32) ^ s.verticalAlignment);
  add(static_cast<std::int64_t>(textHash(s.numberFormat)));
  return static_cast<std::size_t>(h ^ (h >> 29));
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
