#include "spreadsheet/edit/borders.h"

#include <algorithm>
#include <vector>

#include "spreadsheet/edit/format.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::edit {

namespace {

// The cells whose `slot` changes for an edge, and the neighbour strip with
// the slot on the other side.
struct EdgeStrips {
  std::optional<CellRange> inside;
  int insideSlot = 0;
  std::optional<CellRange> outside;
  int outsideSlot = 0;
};

EdgeStrips stripsFor(const CellRange& a, int index) {
  EdgeStrips e;
  const int r1 = a.first.row, r2 = a.last.row, c1 = a.first.column, c2 = a.last.column;
  switch (index) {
    case xl::EdgeLeft:
      e = {CellRange::of(r1, c1, r2, c1), kLeft, std::nullopt, kRight};
      if (c1 > 1) e.outside = CellRange::of(r1, c1 - 1, r2, c1 - 1);
      break;
    case xl::EdgeRight:
      e = {CellRange::of(r1, c2, r2, c2), kRight, std::nullopt, kLeft};
      if (c2 < kMaxColumns) e.outside = CellRange::of(r1, c2 + 1, r2, c2 + 1);
      break;
    case xl::EdgeTop:
      e = {CellRange::of(r1, c1, r1, c2), kTop, std::nullopt, kBottom};
      if (r1 > 1) e.outside = CellRange::of(r1 - 1, c1, r1 - 1, c2);
      break;
    case xl::EdgeBottom:
      e = {CellRange::of(r2, c1, r2, c2), kBottom, std::nullopt, kTop};
      if (r2 < kMaxRows) e.outside = CellRange::of(r2 + 1, c1, r2 + 1, c2);
      break;
    case xl::InsideVertical:  // right side of all but the last column, left of all but the first
      if (c2 > c1)
        e = {CellRange::of(r1, c1, r2, c2 - 1), kRight, CellRange::of(r1, c1 + 1, r2, c2), kLeft};
      break;
    case xl::InsideHorizontal:
      if (r2 > r1)
        e = {CellRange::of(r1, c1, r2 - 1, c2), kBottom, CellRange::of(r1 + 1, c1, r2, c2), kTop};
      break;
    default:
      break;
  }
  return e;
}

void changeSlot(Worksheet& sheet, const CellRange& strip, int slot, const BorderChange& change) {
  applyFormat(sheet, strip, [&](Style& s) {
    s.borders[static_cast<std::size_t>(slot)] =
        changedBorder(s.borders[static_cast<std::size_t>(slot)], change);
  });
}

// Sets one border slot of single cells. A strip of cells mostly holds a few
// styles, so each (style, slot, line) is restyled and interned once.
class SlotWriter {
 public:
  explicit SlotWriter(Worksheet& sheet) : sheet_(sheet), pool_(sheet.workbook().styles()) {}

  Border slotOf(CellAddress at, int slot) const {
    return pool_.get(sheet_.styleAt(at)).borders[static_cast<std::size_t>(slot)];
  }
  void set(CellAddress at, int slot, const Border& border) {
    const StyleId from = sheet_.styleAt(at);
    if (pool_.get(from).borders[static_cast<std::size_t>(slot)] == border) return;
    const StyleId to = restyled(from, slot, border);
    sheet_.cell(at).style = to;
  }

 private:
  struct Done {
    StyleId from;
    int slot;
    Border border;
    StyleId to;
  };
  StyleId restyled(StyleId from, int slot, const Border& border) {
    for (const Done& d : done_)
      if (d.from == from && d.slot == slot && d.border == border) return d.to;
    // Only a shortcut: interning the same style again gives the same id, so
    // a strip of many distinct styles just starts the list over.
    if (done_.size() >= kRemembered) done_.clear();
    Style s = pool_.get(from);
    s.borders[static_cast<std::size_t>(slot)] = border;
    const StyleId to = pool_.intern(s);
    done_.push_back({from, slot, border, to});
    return to;
  }

  static constexpr std::size_t kRemembered = 32;
  Worksheet& sheet_;
  StylePool& pool_;
  std::vector<Done> done_;
};

// The application keeps one line per edge: changing it from either side
// leaves both cells describing the same line, the latest setting for both.
// The change starts from the line the edge shows (the cell's own, or the
// neighbour's when the cell has none), as Borders(index) reads it.
void shareEdges(Worksheet& sheet, const CellRange& inside, int insideSlot, const CellRange& outside,
                int outsideSlot, const BorderChange& change) {
  const int dr = outside.first.row - inside.first.row;
  const int dc = outside.first.column - inside.first.column;
  SlotWriter slots(sheet);
  for (int r = inside.first.row; r <= inside.last.row; ++r)
    for (int c = inside.first.column; c <= inside.last.column; ++c) {
      const CellAddress here{r, c}, there{r + dr, c + dc};
      Border shown = slots.slotOf(here, insideSlot);
      if (!shown.visible()) shown = slots.slotOf(there, outsideSlot);
      const Border result = changedBorder(shown, change);
      slots.set(here, insideSlot, result);
      slots.set(there, outsideSlot, result);
    }
}

int heaviness(const Border& b) {
  if (!b.visible()) return 0;
  if (b.lineStyle == xl::Double) return 5;
  switch (b.weight) {
    case xl::Hairline:
      return 1;
    case xl::Medium:
      return 3;
    case xl::Thick:
      return 4;
    default:
      return 2;
  }
}

int lightness(const Workbook& book, const Border& b) {
  if (b.colorIndex < 1 || b.colorIndex > 56) return 0;
  const Rgb c = book.color(b.colorIndex);
  return red(c) + green(c) + blue(c);
}

}  // namespace

const Border& shownBorder(const Workbook& book, const Border& first, const Border& second) {
  if (heaviness(first) != heaviness(second))
    return heaviness(first) > heaviness(second) ? first : second;
  return lightness(book, second) < lightness(book, first) ? second : first;
}

Border changedBorder(Border b, const BorderChange& change) {
  if (change.lineStyle) {
    if (*change.lineStyle == xl::LineNone) return Border{};
    b.lineStyle = *change.lineStyle;
  }
  if (change.weight) {
    b.weight = *change.weight;
    if (!b.visible()) b.lineStyle = xl::Continuous;
  }
  if (change.colorIndex) {
    b.colorIndex = *change.colorIndex;
    if (!b.visible()) b.lineStyle = xl::Continuous;
  }
  return b;
}

void applyBorder(Worksheet& sheet, const CellRange& area, int index, const BorderChange& change) {
  if (index < xl::DiagonalDown || index > xl::InsideHorizontal)
    throw Error("Unable to get the Item property of the Borders class");
  if (index == xl::DiagonalDown || index == xl::DiagonalUp) {
    changeSlot(sheet, area, borderSlot(index), change);
    return;
  }
  EdgeStrips e = stripsFor(area, index);
  if (!e.inside) return;
  if (!e.outside || e.inside->isWholeRows() || e.inside->isWholeColumns()) {
    // Whole rows or columns change line by line, both sides alike.
    changeSlot(sheet, *e.inside, e.insideSlot, change);
    if (e.outside) changeSlot(sheet, *e.outside, e.outsideSlot, change);
    return;
  }
  shareEdges(sheet, *e.inside, e.insideSlot, *e.outside, e.outsideSlot, change);
}

Border borderOf(const Worksheet& sheet, const CellRange& area, int index) {
  if (index < xl::DiagonalDown || index > xl::InsideHorizontal)
    throw Error("Unable to get the Item property of the Borders class");
  if (index == xl::DiagonalDown || index == xl::DiagonalUp)
    return sheet.effectiveStyle(area.first).borders[static_cast<std::size_t>(borderSlot(index))];
  EdgeStrips e = stripsFor(area, index);
  if (!e.inside) return Border{};
  Border own =
      sheet.effectiveStyle(e.inside->first).borders[static_cast<std::size_t>(e.insideSlot)];
  if (own.visible() || !e.outside) return own;
  // A line set from the other side shows on this edge too.
  return sheet.effectiveStyle(e.outside->first).borders[static_cast<std::size_t>(e.outsideSlot)];
}

}  // namespace spreadsheet::edit
