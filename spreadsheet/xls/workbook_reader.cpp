#include <algorithm>
#include <cctype>

#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/reader_context.h"
#include "spreadsheet/xls/sst_records.h"
#include "spreadsheet/xls/style_records.h"
#include "spreadsheet/xls/workbook_file.h"

namespace spreadsheet::xls {

namespace {

const std::string kMacroStorage = "_VBA_PROJECT_CUR/";

struct Located {
  XfRecord xf;
  RawRecord record;
};

class GlobalsReader {
 public:
  GlobalsReader(RecordCursor& cursor, ReaderContext& ctx) : cursor_(cursor), ctx_(ctx) {}
  std::vector<BoundSheet> read();

 private:
  void record(const RawRecord& r);
  void buildStyles();
  Font fontAt(unsigned index, const RawRecord& r) const;

  RecordCursor& cursor_;
  ReaderContext& ctx_;
  std::map<unsigned, std::string> formats_;
  std::vector<Located> xfs_;
  std::vector<BoundSheet> sheets_;
  bool sawSupBook_ = false;
};

std::vector<BoundSheet> GlobalsReader::read() {
  const RawRecord& bof = cursor_.next();
  if (bof.id != kBof || readBof(bof.reader()) != SubstreamType::Globals)
    throwRecordError(bof.id, bof.offset,
                     "the workbook stream does not start with a BIFF8 BOF record");
  for (;;) {
    const RawRecord& r = cursor_.next();
    if (r.id == kEof) break;
    record(r);
  }
  if (sheets_.empty()) throw Error("The workbook has no worksheets.");
  if (!ctx_.fonts.empty()) ctx_.book.setDefaultFont(ctx_.fonts[0]);
  buildStyles();
  for (const BoundSheet& s : sheets_) ctx_.sheetNames.push_back(s.name);
  return sheets_;
}

void GlobalsReader::record(const RawRecord& r) {
  switch (r.id) {
    case kFont:
      ctx_.fonts.push_back(readFont(r.reader()));
      break;
    case kFormat:
      formats_.insert(readFormat(r.reader()));
      break;
    case kXf:
      xfs_.push_back({readXf(r.reader()), r});
      break;
    case kPalette:
      ctx_.book.palette() = readPalette(r.reader());
      break;
    case kBoundSheet:
      sheets_.push_back(readBoundSheet(r.reader()));
      sheets_.back().recordOffset = r.offset;
      break;
    case kCodeName:
      ctx_.book.setCodeName(readCodeName(r.reader()));
      break;
    case kSupBook:
      if (sawSupBook_)
        throwRecordError(r.id, r.offset, "links to other workbooks are not supported");
      readSupBook(r.reader());
      sawSupBook_ = true;
      break;
    case kExternSheet:
      ctx_.xtis = readExternSheet(r.reader());
      break;
    case kName:
      ctx_.names.push_back(readName(r.reader()));
      break;
    case kSst: {
      std::vector<RawRecord> rest = cursor_.continuations();
      ctx_.strings = readSst(r, rest);
      break;
    }
    case kBof:
      throwRecordError(r.id, r.offset, "a substream starts inside the workbook globals");
    default:
      break;  // records that carry nothing the model keeps
  }
}

Font GlobalsReader::fontAt(unsigned index, const RawRecord& r) const {
  std::optional<Font> f = ctx_.fontOf(index);
  if (!f) throwRecordError(r.id, r.offset, "an XF refers to a FONT that does not exist");
  return *f;
}

void GlobalsReader::buildStyles() {
  for (const Located& l : xfs_) {
    if (l.xf.styleXf) {
      ctx_.xfStyles.push_back(0);
      continue;
    }
    Style s = l.xf.style;
    s.font = fontAt(l.xf.fontIndex, l.record);
    auto f = formats_.find(l.xf.formatIndex);
    s.numberFormat = f != formats_.end() ? f->second : builtInFormat(l.xf.formatIndex);
    ctx_.xfStyles.push_back(ctx_.book.styles().intern(s));
  }
}

std::optional<CellRange> areaOf(const FormulaNode& n) {
  if (n.kind != FormulaKind::Area && n.kind != FormulaKind::Cell) return std::nullopt;
  const FormulaRef& last = n.kind == FormulaKind::Area ? n.last : n.first;
  return CellRange::of(n.first.row, n.first.column, last.row, last.column);
}

// Defined names into the model; the print areas into their sheets.
void applyNames(ReaderContext& ctx) {
  TokenNames tn = ctx.tokenNames();
  for (const NameRecord& n : ctx.names) {
    ByteReader tokens(n.tokens, kName, n.tokensOffset);
    if (n.flags & 0x0008) continue;  // a macro procedure, reached through buttons
    if (n.sheet > ctx.book.sheetCount())
      throwRecordError(kName, n.tokensOffset, "a name local to a sheet that does not exist");
    FormulaNode formula = decompileFormula(tokens, n.tokens.size(), tn);
    if (n.flags & kNameBuiltIn) {
      std::optional<CellRange> area = areaOf(formula);
      if (n.text == std::string(1, kPrintAreaCode) && n.sheet > 0 && area)
        ctx.book.sheet(n.sheet - 1u).pageSetup().printArea = area;
      continue;
    }
    ctx.book.names().push_back({n.text, formula, n.sheet});
  }
}

std::string lowered(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

StyleId ReaderContext::styleOf(std::uint16_t xf, const ByteReader& at) const {
  if (xf >= xfStyles.size()) at.fail("a cell refers to an XF that does not exist");
  return xfStyles[xf];
}

std::optional<Font> ReaderContext::fontOf(unsigned index) const {
  // The file numbers fonts 0-3, then 5 on: index 4 does not exist.
  std::size_t slot = index < 4 ? index : index - 1;
  if (index == 4 || slot >= fonts.size()) return std::nullopt;
  return fonts[slot];
}

TokenNames ReaderContext::tokenNames() const {
  return {[this](std::uint32_t index) -> std::optional<std::string> {
            if (index == 0 || index > names.size()) return std::nullopt;
            const NameRecord& n = names[index - 1];
            return (n.flags & kNameBuiltIn) && n.text == std::string(1, kPrintAreaCode)
                       ? "Print_Area"
                       : n.text;
          },
          [this](std::uint16_t xti) -> std::optional<std::string> {
            if (xti >= xtis.size() || xtis[xti].supBook != 0) return std::nullopt;
            std::size_t sheet = xtis[xti].firstSheet;
            if (sheet >= sheetNames.size() || xtis[xti].lastSheet != sheet) return std::nullopt;
            return sheetNames[sheet];
          }};
}

std::optional<std::string> ReaderContext::macroName(std::uint16_t xti,
                                                    std::uint32_t nameIndex) const {
  if (xti >= xtis.size() || nameIndex == 0 || nameIndex > names.size()) return std::nullopt;
  const NameRecord& n = names[nameIndex - 1];
  if (!(n.flags & 0x0008)) return std::nullopt;
  return n.text;
}

std::unique_ptr<Workbook> readWorkbook(std::span<const std::uint8_t> bytes) {
  cfb::StreamMap streams = cfb::readCompoundFile(bytes);
  const std::vector<std::uint8_t>* stream = nullptr;
  for (const auto& [path, data] : streams) {
    if (lowered(path) == "workbook") stream = &data;
    if (lowered(path) == "book") throw Error("Workbooks older than Excel 97 cannot be opened.");
  }
  if (!stream) throw Error("The file holds no workbook stream.");
  std::vector<RawRecord> records = splitRecords(*stream);
  auto book = std::make_unique<Workbook>();
  ReaderContext ctx(*book);
  RecordCursor cursor(records);
  std::vector<BoundSheet> sheets = GlobalsReader(cursor, ctx).read();
  for (const BoundSheet& s : sheets) {
    try {
      book->addSheet(s.name);
    } catch (const Error& e) {  // a name the application refuses: say where it stands
      throwRecordError(kBoundSheet, s.recordOffset, e.what());
    }
  }
  applyNames(ctx);
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    cursor.seekOffset(sheets[i].offset, kBoundSheet, sheets[i].recordOffset);
    readSheet(cursor, ctx, book->sheet(i));
  }
  MacroProject project;
  for (const auto& [path, data] : streams)
    if (path.rfind(kMacroStorage, 0) == 0) project.streams[path] = data;
  if (!project.streams.empty()) book->macroProject() = std::move(project);
  return book;
}

}  // namespace spreadsheet::xls
