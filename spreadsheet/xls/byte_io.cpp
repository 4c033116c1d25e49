#include "spreadsheet/xls/byte_io.h"

#include <cstdio>
#include <cstring>

#include "spreadsheet/model/error.h"

namespace spreadsheet::xls {

void ByteWriter::f64(double v) {
  std::uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  put<8>(bits);
}

void ByteWriter::patchU16(std::size_t at, unsigned v) {
  bytes_.at(at) = static_cast<std::uint8_t>(v & 0xFF);
  bytes_.at(at + 1) = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

void ByteWriter::patchU32(std::size_t at, std::uint32_t v) {
  patchU16(at, v & 0xFFFF);
  patchU16(at + 2, v >> 16);
}

void throwRecordError(std::uint16_t id, std::size_t offset, std::string_view what) {
  char head[64];
  std::snprintf(head, sizeof head, "Malformed record 0x%04X at offset %zu: ", id, offset);
  throw Error(std::string(head) + std::string(what));
}

void ByteReader::fail(std::string_view what) const {
  throwRecordError(id_, offset(), what);
}

void ByteReader::expectEnd() const {
  if (!atEnd()) fail("unexpected bytes at the end of the record");
}

std::span<const std::uint8_t> ByteReader::take(std::size_t n) {
  if (n > remaining()) fail("the record is shorter than its fields");
  auto s = data_.subspan(pos_, n);
  pos_ += n;
  return s;
}

std::uint8_t ByteReader::u8() {
  return take(1)[0];
}

std::uint16_t ByteReader::u16() {
  auto b = take(2);
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t ByteReader::u32() {
  std::uint32_t lo = u16();
  std::uint32_t hi = u16();
  return lo | (hi << 16);
}

double ByteReader::f64() {
  std::uint64_t lo = u32();
  std::uint64_t hi = u32();
  std::uint64_t bits = lo | (hi << 32);
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

namespace {

bool isAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Length of the UTF-8 sequence that starts with `lead`, 0 when it cannot lead.
int sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::u16string toUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    auto lead = static_cast<unsigned char>(s[i]);
    int n = sequenceLength(lead);
    char32_t c = 0xFFFD;
    bool ok = n > 0 && i + static_cast<std::size_t>(n) <= s.size();
    if (ok && n > 1) {
      c = lead & (0xFF >> (n + 1));
      for (int k = 1; k < n && ok; ++k) {
        auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        ok = (b & 0xC0) == 0x80;
        c = (c << 6) | (b & 0x3F);
      }
      ok = ok && !(n == 3 && c < 0x800) && !(n == 4 && (c < 0x10000 || c > 0x10FFFF)) &&
           !(c >= 0xD800 && c <= 0xDFFF);
    } else if (ok) {
      c = lead;
    }
    if (!ok) {
      c = 0xFFFD;
      n = 1;
    }
    i += static_cast<std::size_t>(n);
    if (c >= 0x10000) {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

std::string toUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    appendUtf8(out, c);
  }
  return out;
}

bool fitsLatin1(std::u16string_view s) {
  for (char16_t c : s)
    if (c > 0xFF) return false;
  return true;
}

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
  std::u16string s = toUtf16(utf8);
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
    return toUtf8(s);
  }
  std::span<const std::uint8_t> bytes = in.take(characters);
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (isAscii(text)) return std::string(text);  // already UTF-8
  s.assign(bytes.begin(), bytes.end());
  return toUtf8(s);
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
