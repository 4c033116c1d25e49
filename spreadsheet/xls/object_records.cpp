#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/drawing_records.h"

namespace spreadsheet::xls {

namespace {
constexpr unsigned kFtEnd = 0x0000, kFtMacro = 0x0004, kFtCmo = 0x0015;
constexpr unsigned kPtgNameX = 0x39;
constexpr unsigned kObjButton = 7;
}  // namespace

void writeObj(RecordWriter& out, const ButtonObj& obj) {
  out.record(kObj, 22 + (obj.macro ? 18 : 0) + 4, [&](ByteWriter& b) {
    b.u16(kFtCmo);
    b.u16(0x12);
    b.u16(obj.objectType);
    b.u16(obj.id);
    b.u16(0x0001);  // locked; not printed: buttons are screen controls
    b.zeros(12);
    if (obj.macro) {
      b.u16(kFtMacro);
      b.u16(14);  // formula size: 13 bytes and one pad byte
      b.u16(7);   // token bytes
      b.u32(0);
      b.u8(kPtgNameX);
      b.u16(obj.macro->first);
      b.u32(obj.macro->second);
      b.u8(0);
    }
    b.u16(kFtEnd);
    b.u16(0);
  });
}

ButtonObj readObj(ByteReader in) {
  ButtonObj obj;
  if (in.u16() != kFtCmo || in.u16() != 0x12) in.fail("an object without its common data");
  obj.objectType = in.u16();
  obj.id = in.u16();
  in.skip(14);
  if (obj.objectType != kObjButton) {  // other objects are not read: skip the rest
    in.skip(in.remaining());
    return obj;
  }
  while (!in.atEnd()) {
    unsigned ft = in.u16();
    std::size_t cb = in.u16();
    if (ft == kFtEnd) break;
    ByteReader sub(in.take(cb), in.recordId(), in.offset() - cb);
    if (ft != kFtMacro) continue;
    std::size_t size = sub.u16() & 0x7FFF;
    sub.skip(4);
    if (size != 7) sub.fail("a button macro that is not a single name");
    if ((sub.u8() & 0x1F) != (kPtgNameX & 0x1F)) sub.fail("a button macro that is not a name");
    std::uint16_t ixti = sub.u16();
    obj.macro = std::make_pair(ixti, sub.u32());
  }
  in.skip(in.remaining());  // padding after the end marker
  return obj;
}

void writeTxo(RecordWriter& out, const TextboxText& t) {
  std::u16string text = utf16Lenient(t.text);
  bool wide = !fitsLatin1(text);
  if (text.size() * (wide ? 2 : 1) + 1 > kMaxRecordBody)
    throw Error("A button's text is too long to be saved.");
  if (text.empty() && !t.runs.empty()) throw Error("A button without text cannot carry fonts.");
  std::size_t runBytes = text.empty() ? 0 : (t.runs.size() + 1) * 8;
  if (runBytes > kMaxRecordBody) throw Error("A button's text has too many fonts to be saved.");
  out.record(kTxo, 18, [&](ByteWriter& b) {
    b.u16(0x0224);  // centred both ways, text locked
    b.u16(0);       // no rotation
    b.zeros(6);
    b.u16(static_cast<unsigned>(text.size()));
    b.u16(static_cast<unsigned>(runBytes));
    b.zeros(4);
  });
  if (text.empty()) return;
  out.record(kContinue, kVariableSize, [&](ByteWriter& b) { writeStringBody(b, text); });
  out.record(kContinue, runBytes, [&](ByteWriter& b) {
    for (auto [index, font] : t.runs) {
      b.u16(index);
      b.u16(font);
      b.u32(0);
    }
    b.u16(static_cast<unsigned>(text.size()));  // the closing run marks the end of the text
    b.zeros(6);
  });
}

TextboxText readTxo(const RawRecord& txo, const std::vector<RawRecord>& continuations) {
  ByteReader in = txo.reader();
  in.skip(10);
  std::size_t length = in.u16();
  std::size_t runBytes = in.u16();
  in.skip(in.remaining());
  TextboxText t;
  if (length == 0) return t;
  std::size_t next = 0;
  std::u16string text;
  while (text.size() < length) {
    if (next >= continuations.size()) in.fail("a text box without its text");
    ByteReader part = continuations[next++].reader();
    bool wide = part.u8() & 1;
    while (!part.atEnd() && text.size() < length)
      text += wide ? static_cast<char16_t>(part.u16()) : part.u8();
  }
  t.text = utf8Lenient(text);
  if (next >= continuations.size() || runBytes < 16 || runBytes % 8)
    in.fail("a text box without its font runs");
  ByteReader runs = continuations[next].reader();
  for (std::size_t i = 0; i + 1 < runBytes / 8; ++i) {
    std::uint16_t index = runs.u16();
    std::uint16_t font = runs.u16();
    runs.skip(4);
    if (index >= length) runs.fail("a font run beyond the text");
    t.runs.push_back({index, font});
  }
  return t;
}

}  // namespace spreadsheet::xls
