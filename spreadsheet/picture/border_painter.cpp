#include "spreadsheet/picture/border_painter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <tuple>

#include "spreadsheet/picture/style_cache.h"

namespace spreadsheet::picture {

namespace {

int thickness(const Border& b) {
  if (b.lineStyle == xl::Double) return 3;
  if (b.weight == xl::Thick) return 3;
  if (b.weight == xl::Medium) return 2;
  return 1;
}

// Heavier lines are drawn later so they cover lighter ones at joints.
int rank(const Border& b) {
  if (b.lineStyle == xl::Double) return 5;
  if (b.weight == xl::Hairline) return 0;
  const bool continuous = b.lineStyle == xl::Continuous;
  return thickness(b) * 2 - (continuous ? 0 : 1);
}

// Alternating on/off run lengths in pixels; empty for a solid line.
std::vector<int> dashPattern(const Border& b) {
  const bool heavy = b.weight == xl::Medium || b.weight == xl::Thick;
  switch (b.lineStyle) {
    case xl::Dash:
      return heavy ? std::vector<int>{9, 3} : std::vector<int>{3, 1};
    case xl::Dot:
      return {2, 2};
    case xl::DashDot:
      return {9, 3, 3, 3};
    case xl::DashDotDot:
      return {9, 3, 3, 3, 3, 3};
    case xl::SlantDashDot:
      return {11, 1, 5, 1};
    case xl::Double:
      return {};
    default:
      return b.weight == xl::Hairline ? std::vector<int>{1, 1} : std::vector<int>{};
  }
}

// Offsets across the line from its grid-line pixel.
std::vector<int> strands(const Border& b) {
  if (b.lineStyle == xl::Double) return {-1, 1};
  switch (thickness(b)) {
    case 3:
      return {-1, 0, 1};
    case 2:
      return {-1, 0};
    default:
      return {0};
  }
}

void fillRun(Canvas& canvas, bool horizontal, int at, int from, int to, QRgb color) {
  if (to < from) return;
  const QColor c = QColor::fromRgb(color);
  if (horizontal)
    canvas.fillRect(QRect(from, at, to - from + 1, 1), c);
  else
    canvas.fillRect(QRect(at, from, 1, to - from + 1), c);
}

void drawLine(Canvas& canvas, const BorderLine& line, QRgb color) {
  const std::vector<int> pattern = dashPattern(line.border);
  const int extra = thickness(line.border) > 1 ? 1 : 0;  // close the corners of heavy lines
  const int from = line.from - extra, to = line.to + extra;
  if (line.border.lineStyle == xl::Double)
    fillRun(canvas, line.horizontal, line.at, from, to, 0xFFFFFFFF);
  for (int offset : strands(line.border)) {
    const int at = line.at + offset;
    if (pattern.empty()) {
      fillRun(canvas, line.horizontal, at, from, to, color);
      continue;
    }
    std::size_t part = 0;
    for (int pos = from; pos <= to; ++part) {
      const int len = pattern[part % pattern.size()];
      if (part % 2 == 0)
        fillRun(canvas, line.horizontal, at, pos, std::min(to, pos + len - 1), color);
      pos += len;
    }
  }
}

// Sorts by key, keeping the order of equal keys: a radix sort over 11-bit
// digits that skips the digits all keys share. A picture has tens of
// thousands of edges, where a comparison sort costs several times as much.
void sortByKey(std::vector<std::pair<std::uint64_t, std::uint32_t>>& items) {
  constexpr int kDigit = 11;
  constexpr std::uint64_t kMask = (1u << kDigit) - 1;
  std::uint64_t differ = 0;
  for (const auto& item : items) differ |= item.first ^ items.front().first;
  std::vector<std::pair<std::uint64_t, std::uint32_t>> other(items.size());
  for (int shift = 0; shift < 64; shift += kDigit) {
    if ((differ >> shift & kMask) == 0) continue;
    std::array<std::size_t, kMask + 2> start{};
    for (const auto& item : items) ++start[(item.first >> shift & kMask) + 1];
    for (std::size_t d = 1; d < start.size(); ++d) start[d] += start[d - 1];
    for (const auto& item : items) other[start[item.first >> shift & kMask]++] = item;
    items.swap(other);
  }
}

}  // namespace

void addCellEdges(const Style& style, const QRect& cell, const bool skip[6],
                  std::vector<BorderLine>& out) {
  const int left = std::max(cell.left() - 1, 0), top = std::max(cell.top() - 1, 0);
  const int right = cell.left() + cell.width() - 1, bottom = cell.top() + cell.height() - 1;
  auto add = [&](int slot, bool horizontal, int at, int from, int to) {
    const Border& b = style.borders[static_cast<std::size_t>(slot)];
    if (b.visible() && !skip[slot]) out.push_back({horizontal, at, from, to, b, 0});
  };
  add(kTop, true, top, left, right);
  add(kBottom, true, bottom, left, right);
  add(kLeft, false, left, top, bottom);
  add(kRight, false, right, top, bottom);
}

void drawBorderLines(Canvas& canvas, std::vector<BorderLine>& lines, const Workbook& book) {
  if (lines.empty()) return;
  // Where two cells still describe one edge differently, the heavier line
  // wins and, of two equally heavy ones, the darker colour: it is drawn last.
  // Lines come in a few colours: each palette index is looked up once.
  std::array<QRgb, 57> palette{};
  std::array<bool, 57> known{};
  for (BorderLine& line : lines) {
    const int index = line.border.colorIndex;
    const auto slot = static_cast<std::size_t>(index >= 1 && index <= 56 ? index : 0);
    if (!known[slot]) {
      palette[slot] = paletteColor(book, index, Qt::black).rgb();
      known[slot] = true;
    }
    line.color = palette[slot];
    line.order = rank(line.border) * 1024 +
                 (765 - qRed(line.color) - qGreen(line.color) - qBlue(line.color));
  }
  // One number per line holds the drawing order, ties kept in the order the
  // lines came (order < 2^13; positions, shifted past the negative ones of
  // areas that begin before the range, in 20 bits: beyond any picture's side).
  std::vector<std::pair<std::uint64_t, std::uint32_t>> keys;
  keys.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const BorderLine& l = lines[i];
    const auto field = [](int v) {
      return static_cast<std::uint64_t>(std::clamp(v + 0x80000, 0, 0xFFFFF));
    };
    keys.emplace_back(field(l.order) << 41 | std::uint64_t{l.horizontal} << 40 | field(l.at) << 20 |
                          field(l.from),
                      static_cast<std::uint32_t>(i));
  }
  sortByKey(keys);
  // Edges of neighbouring cells that continue one another become one line.
  std::vector<BorderLine> joined;
  for (const auto& key : keys) {
    const BorderLine& line = lines[key.second];
    BorderLine* last = joined.empty() ? nullptr : &joined.back();
    if (last && last->horizontal == line.horizontal && last->at == line.at &&
        last->border == line.border && line.from <= last->to + 1)
      last->to = std::max(last->to, line.to);
    else
      joined.push_back(line);
  }
  for (const BorderLine& line : joined) drawLine(canvas, line, line.color);
}

void drawDiagonals(Canvas& canvas, const Style& style, const QRect& cell, const Workbook& book) {
  const QPoint tl(cell.left(), cell.top()),
      br(cell.left() + cell.width() - 1, cell.top() + cell.height() - 1);
  const QPoint bl(tl.x(), br.y()), tr(br.x(), tl.y());
  for (int slot : {int(kDiagonalDown), int(kDiagonalUp)}) {
    const Border& b = style.borders[static_cast<std::size_t>(slot)];
    if (!b.visible()) continue;
    const QColor color = paletteColor(book, b.colorIndex, Qt::black);
    const bool dashed = !dashPattern(b).empty();
    if (slot == kDiagonalDown)
      canvas.strokeLine(tl, br, color, thickness(b), dashed);
    else
      canvas.strokeLine(bl, tr, color, thickness(b), dashed);
  }
}

}  // namespace spreadsheet::picture
