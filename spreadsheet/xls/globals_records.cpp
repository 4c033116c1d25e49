#include "spreadsheet/xls/globals_records.h"

#include "spreadsheet/model/error.h"

namespace spreadsheet::xls {

namespace {
constexpr unsigned kBiff8 = 0x0600;
constexpr unsigned kSelfMarker = 0x0401;
}  // namespace

void writeBof(RecordWriter& out, SubstreamType type) {
  out.record(kBof, 16, [&](ByteWriter& b) {
    b.u16(kBiff8);
    b.u16(static_cast<unsigned>(type));
    b.u16(0x0DBB);  // build
    b.u16(0x07CC);  // year
    b.u32(0);       // file history
    b.u32(0x0006);  // lowest version that can read all records
  });
}

SubstreamType readBof(ByteReader in) {
  if (in.u16() != kBiff8) in.fail("only Excel 97-2003 (BIFF8) workbooks can be read");
  unsigned type = in.u16();
  if (type != static_cast<unsigned>(SubstreamType::Globals) &&
      type != static_cast<unsigned>(SubstreamType::Worksheet))
    in.fail("only worksheets can be read (charts and macro sheets are not supported)");
  in.skip(in.remaining());
  return static_cast<SubstreamType>(type);
}

void writeEof(RecordWriter& out) {
  out.record(kEof, 0, [](ByteWriter&) {});
}

void writeCodePage(RecordWriter& out) {
  out.record(kCodePage, 2, [](ByteWriter& b) { b.u16(1200); });
}

void writeWindow1(RecordWriter& out) {
  out.record(kWindow1, 18, [](ByteWriter& b) {
    b.u16(0x0168);  // window position and size in twips
    b.u16(0x001E);
    b.u16(0x4380);
    b.u16(0x2250);
    b.u16(0x0038);  // horizontal and vertical scroll bars, sheet tabs
    b.u16(0);       // active sheet
    b.u16(0);       // first visible tab
    b.u16(1);       // selected sheets
    b.u16(600);     // tab bar width ratio
  });
}

void writeDateMode(RecordWriter& out) {
  out.record(kDateMode, 2, [](ByteWriter& b) { b.u16(0); });
}

std::size_t writeBoundSheet(RecordWriter& out, const std::string& name) {
  std::size_t at = out.position() + 4;
  out.record(kBoundSheet, kVariableSize, [&](ByteWriter& b) {
    b.u32(0);  // patched with the substream's position
    b.u8(0);   // visible
    b.u8(0);   // worksheet
    writeShortString(b, name);
  });
  return at;
}

BoundSheet readBoundSheet(ByteReader in) {
  BoundSheet s;
  s.offset = in.u32();
  in.skip(1);
  if (in.u8() != 0)
    in.fail("only worksheets can be read (charts and macro sheets are not supported)");
  s.name = readShortString(in);
  in.expectEnd();
  return s;
}

void writeSelfSupBook(RecordWriter& out, unsigned sheetCount) {
  out.record(kSupBook, 4, [&](ByteWriter& b) {
    b.u16(sheetCount);
    b.u16(kSelfMarker);
  });
}

void readSupBook(ByteReader in) {
  in.u16();
  if (in.u16() != kSelfMarker) in.fail("links to other workbooks are not supported");
  in.expectEnd();
}

void writeExternSheet(RecordWriter& out, const std::vector<Xti>& entries) {
  out.record(kExternSheet, 2 + 6 * entries.size(), [&](ByteWriter& b) {
    b.u16(static_cast<unsigned>(entries.size()));
    for (const Xti& x : entries) {
      b.u16(x.supBook);
      b.u16(x.firstSheet);
      b.u16(x.lastSheet);
    }
  });
}

std::vector<Xti> readExternSheet(ByteReader in) {
  std::size_t n = in.u16();
  std::vector<Xti> entries;
  for (std::size_t i = 0; i < n; ++i) {
    Xti x;
    x.supBook = in.u16();
    x.firstSheet = in.u16();
    x.lastSheet = in.u16();
    entries.push_back(x);
  }
  in.expectEnd();
  return entries;
}

void writeName(RecordWriter& out, const NameRecord& name) {
  std::u16string text = utf16Lenient(name.text);
  if (text.empty() || text.size() > 255)
    throw Error("The name \"" + name.text + "\" cannot be saved.");
  if (name.tokens.size() > 0xFFFF)
    throw Error("The formula of the name \"" + name.text + "\" is too long.");
  out.record(kName, kVariableSize, [&](ByteWriter& b) {
    b.u16(name.flags);
    b.u8(0);  // no keyboard shortcut
    b.u8(static_cast<unsigned>(text.size()));
    b.u16(static_cast<unsigned>(name.tokens.size()));
    b.u16(0);
    b.u16(name.sheet);
    b.zeros(4);  // no menu, description, help or status texts
    writeStringBody(b, text);
    b.bytes(name.tokens);
  });
}

NameRecord readName(ByteReader in) {
  NameRecord n;
  n.flags = in.u16();
  in.skip(1);
  std::size_t length = in.u8();
  std::size_t size = in.u16();
  in.skip(2);
  n.sheet = in.u16();
  auto extras = in.take(4);
  n.text = readStringBody(in, length);
  if (n.text.empty()) in.fail("a name without text");
  n.tokensOffset = in.offset();
  auto tokens = in.take(size);
  n.tokens.assign(tokens.begin(), tokens.end());
  if (extras[0] || extras[1] || extras[2] || extras[3])
    in.skip(in.remaining());  // menu and help texts: ignored
  in.expectEnd();
  return n;
}

void writeCodeName(RecordWriter& out, const std::string& name) {
  out.record(kCodeName, kVariableSize, [&](ByteWriter& b) { writeLongString(b, name); });
}

std::string readCodeName(ByteReader in) {
  std::string name = readLongString(in);
  in.expectEnd();
  return name;
}

void writeObjProj(RecordWriter& out) {
  out.record(kObjProj, 0, [](ByteWriter&) {});
}

}  // namespace spreadsheet::xls
