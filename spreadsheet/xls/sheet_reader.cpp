#include "spreadsheet/model/error.h"
#include "spreadsheet/model/units.h"
#include "spreadsheet/xls/button_layout.h"
#include "spreadsheet/xls/cell_records.h"
#include "spreadsheet/xls/drawing_records.h"
#include "spreadsheet/xls/protection_records.h"
#include "spreadsheet/xls/reader_context.h"
#include "spreadsheet/xls/sheet_records.h"
#include "spreadsheet/xls/validation_records.h"

namespace spreadsheet::xls {

namespace {

constexpr std::uint16_t kHostControl = 201;
constexpr std::uint16_t kObjButton = 7;

// A shape as its records arrive: drawing data, then OBJ, then TXO.
struct PendingShape {
  std::uint16_t type = 0;
  std::string name;
  std::optional<ClientAnchor> anchor;
  std::optional<ButtonObj> obj;
  TextboxText text;
};

class SheetReader {
 public:
  SheetReader(RecordCursor& cursor, const ReaderContext& ctx, Worksheet& sheet)
      : cursor_(cursor), ctx_(ctx), sheet_(sheet), names_(ctx.tokenNames()) {}
  void read();

 private:
  void record(const RawRecord& r);
  bool pageRecord(const RawRecord& r);
  bool cellRecord(const RawRecord& r);
  void formula(const RawRecord& r);
  void put(const CellHeader& h, const ByteReader& at, CellValue v, SharedFormula f = {});
  void row(const RawRecord& r);
  void columns(const RawRecord& r);
  void drawing(const RawRecord& r);
  void skipSubstream();
  void finishButtons();

  RecordCursor& cursor_;
  const ReaderContext& ctx_;
  Worksheet& sheet_;
  TokenNames names_;
  bool fitToPage_ = false;
  std::vector<PendingShape> shapes_;
};

void SheetReader::read() {
  const RawRecord& bof = cursor_.next();
  if (bof.id != kBof || readBof(bof.reader()) != SubstreamType::Worksheet)
    throwRecordError(bof.id, bof.offset, "a sheet does not start with a worksheet BOF record");
  for (;;) {
    const RawRecord& r = cursor_.next();
    if (r.id == kEof) break;
    record(r);
  }
  if (fitToPage_) sheet_.pageSetup().zoom.reset();
  finishButtons();
}

void SheetReader::record(const RawRecord& r) {
  if (pageRecord(r) || cellRecord(r)) return;
  switch (r.id) {
    case kMergedCells: {
      auto areas = readMergedCells(r.reader());
      sheet_.mergedAreas().insert(sheet_.mergedAreas().end(), areas.begin(), areas.end());
      break;
    }
    case kDv:
      sheet_.validations().push_back(readDv(r.reader(), names_));
      break;
    case kCodeName:
      sheet_.setCodeName(readCodeName(r.reader()));
      break;
    case kProtect:
      sheet_.setProtected(readProtectFlag(r.reader()));
      break;
    case kScenProtect:
    case kObjProtect:
      readProtectFlag(r.reader());  // written again with the contents' protection
      break;
    case kPassword:
      readPassword(r.reader());
      break;
    case kMsoDrawing:
    case kObj:
    case kTxo:
      drawing(r);
      break;
    case kBof:
      skipSubstream();
      break;
    default:
      break;  // records that carry nothing the model keeps
  }
}

bool SheetReader::pageRecord(const RawRecord& r) {
  PageSetup& p = sheet_.pageSetup();
  switch (r.id) {
    case kDefaultRowHeight:
      sheet_.setDefaultRowHeight(readDefaultRowHeight(r.reader()));
      return true;
    case kWsBool:
      fitToPage_ = readWsBool(r.reader());
      return true;
    case kLeftMargin:
      p.leftMargin = readMargin(r.reader());
      return true;
    case kRightMargin:
      p.rightMargin = readMargin(r.reader());
      return true;
    case kTopMargin:
      p.topMargin = readMargin(r.reader());
      return true;
    case kBottomMargin:
      p.bottomMargin = readMargin(r.reader());
      return true;
    case kSetup:
      readSetup(r.reader(), p);
      return true;
    case kDefColWidth:
      sheet_.setDefaultColumnWidth(readDefColWidth(r.reader()));
      return true;
    case kColInfo:
      columns(r);
      return true;
    case kRow:
      row(r);
      return true;
    default:
      return false;
  }
}

void SheetReader::put(const CellHeader& h, const ByteReader& at, CellValue v, SharedFormula f) {
  Cell& c = sheet_.cells()[CellAddress{h.row, h.column}];
  c.value = std::move(v);
  c.formula = std::move(f);
  c.style = ctx_.styleOf(h.xf, at);
}

bool SheetReader::cellRecord(const RawRecord& r) {
  ByteReader in = r.reader();
  switch (r.id) {
    case kLabelSst: {
      CellHeader h = readCellHeader(in);
      std::uint32_t index = in.u32();
      if (index >= ctx_.strings.size())
        in.fail("a cell refers to a shared string that does not exist");
      put(h, in, ctx_.strings[index]);
      return true;
    }
    case kLabel: {
      CellHeader h = readCellHeader(in);
      put(h, in, readLongString(in));
      return true;
    }
    case kNumber: {
      CellHeader h = readCellHeader(in);
      put(h, in, in.f64());
      return true;
    }
    case kRk: {
      CellHeader h = readCellHeader(in);
      put(h, in, decodeRk(in.u32()));
      return true;
    }
    case kMulRk:
      for (const auto& [h, v] : readMulRk(in)) put(h, in, v);
      return true;
    case kBoolErr: {
      CellHeader h = readCellHeader(in);
      put(h, in, readBoolErr(in));
      return true;
    }
    case kBlank:
      put(readCellHeader(in), in, CellValue());
      return true;
    case kMulBlank:
      for (const CellHeader& h : readMulBlank(in)) put(h, in, CellValue());
      return true;
    case kFormula:
      formula(r);
      return true;
    default:
      return false;
  }
}

void SheetReader::formula(const RawRecord& r) {
  ByteReader in = r.reader();
  FormulaRecord f = readFormula(in);
  FormulaNode tree = decompileFormula(in, f.tokenSize, names_);
  if (f.stringFollows) {
    if (cursor_.atEnd() || cursor_.peek().id != kString)
      in.fail("a text formula result without its STRING record");
    f.cached = readString(cursor_.next().reader());
  }
  if (tree.kind == FormulaKind::Missing) in.fail("a formula without tokens");
  put(f.at, in, std::move(f.cached), std::move(tree));
}

void SheetReader::row(const RawRecord& r) {
  ByteReader in = r.reader();
  RowRecord rec = readRow(r.reader());
  LineInfo info;
  if (rec.customHeight) info.size = TwipsToPoints(rec.height);
  info.hidden = rec.hidden;
  if (rec.xf) info.style = ctx_.styleOf(*rec.xf, in);
  if (!info.isDefault()) sheet_.line(Axis::Rows, rec.row) = info;
}

void SheetReader::columns(const RawRecord& r) {
  ByteReader in = r.reader();
  ColumnSpan span = readColInfo(r.reader());
  StyleId style = ctx_.styleOf(span.xf, in);
  for (int c = span.first; c <= span.last; ++c) {
    LineInfo info;
    if (span.customWidth) info.size = ColumnWidthFromStored(span.width);
    info.hidden = span.hidden;
    if (style != 0) info.style = style;
    if (!info.isDefault()) sheet_.line(Axis::Columns, c) = info;
  }
}

void SheetReader::drawing(const RawRecord& r) {
  if (r.id == kMsoDrawing) {
    for (const DrawingFind& f : readDrawing(r.reader())) {
      if (f.kind == DrawingFind::Shape) shapes_.push_back({f.shapeType, {}, {}, {}, {}});
      if (shapes_.empty()) continue;
      if (f.kind == DrawingFind::Anchor) shapes_.back().anchor = f.anchor;
      if (f.kind == DrawingFind::Name) shapes_.back().name = f.name;
    }
  } else if (r.id == kObj) {
    ButtonObj obj = readObj(r.reader());
    if (!shapes_.empty()) shapes_.back().obj = obj;
  } else {
    TextboxText t = readTxo(r, cursor_.continuations());
    if (!shapes_.empty()) shapes_.back().text = std::move(t);
  }
}

void SheetReader::skipSubstream() {
  // An embedded chart or other substream: nothing in it is kept.
  for (int depth = 1; depth > 0;) {
    const RawRecord& r = cursor_.next();
    if (r.id == kBof) ++depth;
    if (r.id == kEof) --depth;
  }
}

void SheetReader::finishButtons() {
  for (const PendingShape& s : shapes_) {
    if (s.type != kHostControl || !s.obj || s.obj->objectType != kObjButton || !s.anchor) continue;
    Button b;
    b.id = s.obj->id;
    b.name = s.name;
    ShapeBox box = boxOf(sheet_, *s.anchor);
    b.left = box.left;
    b.top = box.top;
    b.width = box.width;
    b.height = box.height;
    b.text = s.text.text;
    for (auto [start, fontIndex] : s.text.runs) {
      Font f = ctx_.fontOf(fontIndex).value_or(ctx_.book.defaultFont());
      b.runs.push_back({start, f.name, f.size, f.bold, f.italic, f.colorIndex});
    }
    if (s.obj->macro)
      b.onAction = ctx_.macroName(s.obj->macro->first, s.obj->macro->second).value_or("");
    sheet_.buttons().push_back(std::move(b));
  }
}

}  // namespace

void readSheet(RecordCursor& cursor, const ReaderContext& ctx, Worksheet& sheet) {
  SheetReader(cursor, ctx, sheet).read();
}

}  // namespace spreadsheet::xls
