#include "spreadsheet/xls/byte_io.h"

#include <cstdio>

#include "spreadsheet/model/error.h"

namespace spreadsheet::xls {

void throwRecordError(std::uint32_t id, std::size_t offset, std::string_view what) {
  char head[64];
  std::snprintf(head, sizeof head, "Malformed record 0x%04X at offset %zu: ",
                static_cast<unsigned>(id), offset);
  throw Error(std::string(head) + std::string(what));
}

void ByteReader::expectEnd() const {
  if (!atEnd()) fail("unexpected bytes at the end of the record");
}

namespace {

bool isAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

void writeStringBody(ByteWriter& out, std::u16string_view s) {
  bool wide = !fitsLatin1(s);
  out.u8(wide ? 1 : 0);
  for (char16_t c : s) wide ? out.u16(c) : out.u8(c);
}

namespace {

// Count, flag and characters of `utf8`; false, writing nothing, when it has
// more than `limit` characters. ASCII text, the usual case, is copied as it is.
bool writeCountedString(ByteWriter& out, std::string_view utf8, std::size_t limit, bool wideCount) {
  if (isAscii(utf8)) {
    if (utf8.size() > limit) return false;
    wideCount ? out.u16(static_cast<unsigned>(utf8.size()))
              : out.u8(static_cast<unsigned>(utf8.size()));
    out.u8(0);
    out.bytes({reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size()});
    return true;
  }
  std::u16string s = utf16Lenient(utf8);
  if (s.size() > limit) return false;
  wideCount ? out.u16(static_cast<unsigned>(s.size())) : out.u8(static_cast<unsigned>(s.size()));
  writeStringBody(out, s);
  return true;
}

}  // namespace

bool writeShortStringWithin(ByteWriter& out, std::string_view utf8) {
  return writeCountedString(out, utf8, 255, false);
}

void writeShortString(ByteWriter& out, std::string_view utf8) {
  if (!writeShortStringWithin(out, utf8))
    throw Error("The text \"" + std::string(utf8) + "\" is too long to be saved.");
}

void writeLongString(ByteWriter& out, std::string_view utf8) {
  if (!writeCountedString(out, utf8, 0xFFFF, true)) throw Error("A text is too long to be saved.");
}

std::string readStringBody(ByteReader& in, std::size_t characters) {
  std::uint8_t flags = in.u8();
  if (flags & 0xFE) in.fail("unsupported string flags");
  std::u16string s;
  if (flags & 1) {
    s.reserve(characters);
    for (std::size_t i = 0; i < characters; ++i) s += static_cast<char16_t>(in.u16());
    return utf8Lenient(s);
  }
  std::span<const std::uint8_t> bytes = in.take(characters);
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (isAscii(text)) return std::string(text);  // already UTF-8
  s.assign(bytes.begin(), bytes.end());
  return utf8Lenient(s);
}

std::string readShortString(ByteReader& in) {
  std::size_t n = in.u8();
  return readStringBody(in, n);
}

std::string readLongString(ByteReader& in) {
  std::size_t n = in.u16();
  return readStringBody(in, n);
}

}  // namespace spreadsheet::xls
