#include "spreadsheet/xls/drawing_records.h"

#include <algorithm>

#include "spreadsheet/model/error.h"

namespace spreadsheet::xls {

namespace {

// Escher record types.
constexpr unsigned kDggContainer = 0xF000, kDgContainer = 0xF002, kSpgrContainer = 0xF003;
constexpr unsigned kSpContainer = 0xF004, kFdgg = 0xF006, kFdg = 0xF008, kFspgr = 0xF009;
constexpr unsigned kFsp = 0xF00A, kFopt = 0xF00B, kClientTextbox = 0xF00D, kClientAnchor = 0xF010;
constexpr unsigned kClientData = 0xF011;
constexpr unsigned kContainerVersion = 0xF;
constexpr unsigned kHostControl = 201;
constexpr std::uint32_t kShapesPerDrawing = 1024;

void escher(ByteWriter& b, unsigned version, unsigned instance, unsigned type, std::size_t length) {
  b.u16(version | (instance << 4));
  b.u16(type);
  b.u32(static_cast<std::uint32_t>(length));
}

// Property table of a button: (id, value) sorted by id, the name as complex data.
std::vector<std::pair<unsigned, std::uint32_t>> buttonProperties(const std::u16string& name) {
  std::vector<std::pair<unsigned, std::uint32_t>> p = {
      {0x007F, 0x01000100},  // lock against grouping
      {0x0080, 0},           // text id
      {0x0085, 1},           // wrap text
      {0x00BF, 0x001A0008},  // fit text to shape
      {0x01BF, 0x00100000},  // no fill hit test
      {0x01FF, 0x00080000},  // no line dash
  };
  if (!name.empty()) p.push_back({0x8380, static_cast<std::uint32_t>((name.size() + 1) * 2)});
  // Group shape flags: fPrint cleared and marked as set (fUsefPrint), so the
  // button stays on the screen and off the page; fUsefIsButton as before.
  p.push_back({0x03BF, 0x00090000});
  return p;
}

std::size_t optSize(const ButtonShape& s) {
  std::u16string name = utf16Lenient(s.name);
  return 8 + buttonProperties(name).size() * 6 + (name.empty() ? 0 : (name.size() + 1) * 2);
}

// Bytes of a button's shape container, the text box in the later record included.
std::size_t spContainerBody(const ButtonShape& s) {
  return 16 + optSize(s) + 26 + 8 + 8;
}

void writeShape(ByteWriter& b, const ButtonShape& s) {
  escher(b, kContainerVersion, 0, kSpContainer, spContainerBody(s));
  escher(b, 2, kHostControl, kFsp, 8);
  b.u32(s.shapeId);
  b.u32(0x0A00);  // has anchor, has shape type
  std::u16string name = utf16Lenient(s.name);
  auto props = buttonProperties(name);
  escher(b, 3, static_cast<unsigned>(props.size()), kFopt, optSize(s) - 8);
  for (auto [id, value] : props) {
    b.u16(id);
    b.u32(value);
  }
  if (!name.empty()) {
    for (char16_t c : name) b.u16(c);
    b.u16(0);
  }
  escher(b, 0, 0, kClientAnchor, 18);
  const ClientAnchor& a = s.anchor;
  b.u16(0x0002);  // moves with cells, keeps its size
  for (unsigned v : {a.col1, a.dx1, a.row1, a.dy1, a.col2, a.dx2, a.row2, a.dy2}) b.u16(v);
  escher(b, 0, 0, kClientData, 0);
}

// The shape name among a property table's complex data, if present.
std::optional<std::string> readShapeName(ByteReader& atom, std::size_t count) {
  std::vector<std::pair<unsigned, std::uint32_t>> props;
  for (std::size_t i = 0; i < count; ++i) {
    unsigned id = atom.u16();
    props.push_back({id, atom.u32()});
  }
  std::optional<std::string> name;
  for (auto [id, size] : props) {
    if (!(id & 0x8000)) continue;
    const std::size_t at = atom.offset();
    ByteReader data(atom.take(size), atom.recordId(), at);
    if ((id & 0x3FFF) != 0x0380 || size % 2) continue;
    std::u16string text;
    while (!data.atEnd()) text += static_cast<char16_t>(data.u16());
    while (!text.empty() && text.back() == 0) text.pop_back();
    name = utf8Lenient(text);
  }
  return name;
}

}  // namespace

void writeMsoDrawingGroup(RecordWriter& out, const std::vector<DrawingCount>& drawings) {
  std::uint32_t shapes = 0, maxId = 0;
  for (const DrawingCount& d : drawings) {
    shapes += d.shapes + 1;
    maxId = std::max(maxId, d.drawingId * kShapesPerDrawing + d.shapes + 1);
  }
  std::size_t fdgg = 16 + 8 * drawings.size();
  out.record(kMsoDrawingGroup, 8 + 8 + fdgg, [&](ByteWriter& b) {
    escher(b, kContainerVersion, 0, kDggContainer, 8 + fdgg);
    escher(b, 0, 0, kFdgg, fdgg);
    b.u32(maxId);
    b.u32(static_cast<std::uint32_t>(drawings.size() + 1));
    b.u32(shapes);
    b.u32(static_cast<std::uint32_t>(drawings.size()));
    for (const DrawingCount& d : drawings) {
      b.u32(d.drawingId);
      b.u32(d.shapes + 1);
    }
  });
}

void writeFirstDrawing(RecordWriter& out, std::uint32_t drawingId,
                       const std::vector<ButtonShape>& buttons) {
  if (buttons.empty() || buttons.size() >= kShapesPerDrawing)
    throw Error("A sheet holds too many buttons to be saved.");
  std::size_t group = 8 + 40;  // the group shape's container
  for (const ButtonShape& s : buttons) group += 8 + spContainerBody(s);
  std::size_t drawing = 16 + 8 + group;
  out.record(kMsoDrawing, 8 + 16 + 8 + 48 + 8 + spContainerBody(buttons[0]) - 8,
             [&](ByteWriter& b) {
               escher(b, kContainerVersion, 0, kDgContainer, drawing);
               escher(b, 0, drawingId, kFdg, 8);
               b.u32(static_cast<std::uint32_t>(buttons.size() + 1));
               b.u32(buttons.back().shapeId);
               escher(b, kContainerVersion, 0, kSpgrContainer, group);
               escher(b, kContainerVersion, 0, kSpContainer, 40);
               escher(b, 1, 0, kFspgr, 16);
               b.zeros(16);
               escher(b, 2, 0, kFsp, 8);
               b.u32(drawingId * kShapesPerDrawing);
               b.u32(0x0005);  // group shape, patriarch
               writeShape(b, buttons[0]);
             });
}

void writeButtonDrawing(RecordWriter& out, const ButtonShape& button) {
  out.record(kMsoDrawing, 8 + spContainerBody(button) - 8,
             [&](ByteWriter& b) { writeShape(b, button); });
}

void writeTextboxDrawing(RecordWriter& out) {
  out.record(kMsoDrawing, 8, [](ByteWriter& b) { escher(b, 0, 0, kClientTextbox, 0); });
}

std::vector<DrawingFind> readDrawing(ByteReader in) {
  std::vector<DrawingFind> finds;
  while (!in.atEnd()) {
    unsigned head = in.u16();
    unsigned type = in.u16();
    std::size_t length = in.u32();
    if ((head & 0x0F) == kContainerVersion) continue;  // containers may span records: step inside
    if (length > in.remaining()) in.fail("a drawing record runs past the end of the record");
    ByteReader atom(in.take(length), in.recordId(), in.offset() - length);
    if (type == kFsp) {
      finds.push_back({DrawingFind::Shape, static_cast<std::uint16_t>(head >> 4), {}, {}});
    } else if (type == kClientAnchor && length >= 18) {
      ClientAnchor a;
      atom.skip(2);
      for (std::uint16_t* f : {&a.col1, &a.dx1, &a.row1, &a.dy1, &a.col2, &a.dx2, &a.row2, &a.dy2})
        *f = atom.u16();
      finds.push_back({DrawingFind::Anchor, 0, a, {}});
    } else if (type == kFopt) {
      if (auto name = readShapeName(atom, head >> 4))
        finds.push_back({DrawingFind::Name, 0, {}, *name});
    }
  }
  return finds;
}

}  // namespace spreadsheet::xls
