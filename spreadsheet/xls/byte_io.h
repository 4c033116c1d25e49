#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::xls {

// Little-endian output into a growing byte vector.
class ByteWriter {
 public:
  void u8(unsigned v) { bytes_.push_back(static_cast<std::uint8_t>(v)); }
  void u16(unsigned v) { put<2>(v); }
  void u32(std::uint32_t v) { put<4>(v); }
  void f64(double v);
  void zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  void bytes(std::span<const std::uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
  void patchU16(std::size_t at, unsigned v);
  void patchU32(std::size_t at, std::uint32_t v);
  std::size_t size() const { return bytes_.size(); }
  void clear() { bytes_.clear(); }
  void reserve(std::size_t n) { bytes_.reserve(n); }
  const std::vector<std::uint8_t>& data() const { return bytes_; }
  std::vector<std::uint8_t>& data() { return bytes_; }

 private:
  // The low `N` bytes of `v`, least significant first. push_back inlines to
  // a store and a capacity check; resize would call out of line to grow.
  template <std::size_t N>
  void put(std::uint64_t v) {
    for (std::size_t i = 0; i < N; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  std::vector<std::uint8_t> bytes_;
};

// Bounds-checked little-endian input over one record body (or any span).
// Every overrun throws spreadsheet::Error naming the record id and the
// absolute stream offset where reading went wrong.
class ByteReader {
 public:
  ByteReader(std::span<const std::uint8_t> data, std::uint16_t recordId, std::size_t streamOffset)
      : data_(data), id_(recordId), base_(streamOffset) {}

  std::uint8_t u8();
  std::uint16_t u16();
  std::uint32_t u32();
  double f64();
  std::span<const std::uint8_t> take(std::size_t n);
  void skip(std::size_t n) { take(n); }
  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return data_.size() - pos_; }
  bool atEnd() const { return pos_ == data_.size(); }
  std::uint16_t recordId() const { return id_; }
  std::size_t offset() const { return base_ + pos_; }
  // Throws the reader's Error with `what` at the current position.
  [[noreturn]] void fail(std::string_view what) const;
  // Throws unless the whole body was consumed.
  void expectEnd() const;

 private:
  std::span<const std::uint8_t> data_;
  std::uint16_t id_;
  std::size_t base_;
  std::size_t pos_ = 0;
};

// "Malformed record 0x00FC at offset 1234: text" — the one wording of every read failure.
[[noreturn]] void throwRecordError(std::uint16_t id, std::size_t offset, std::string_view what);

// UTF-8 text as UTF-16 code units; malformed UTF-8 bytes become U+FFFD.
std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);
// True when every code unit fits one byte (the file's compressed form).
bool fitsLatin1(std::u16string_view s);

// The file's string forms: characters preceded by a flag byte (0 = one byte
// per character, 1 = UTF-16). The count prefix differs per form.
void writeStringBody(ByteWriter& out, std::u16string_view s);   // flag + characters
void writeShortString(ByteWriter& out, std::string_view utf8);  // 8-bit count
// The same; false, writing nothing, for text over 255 characters.
bool writeShortStringWithin(ByteWriter& out, std::string_view utf8);
void writeLongString(ByteWriter& out, std::string_view utf8);        // 16-bit count
std::string readStringBody(ByteReader& in, std::size_t characters);  // flag + characters
std::string readShortString(ByteReader& in);
std::string readLongString(ByteReader& in);

}  // namespace spreadsheet::xls
