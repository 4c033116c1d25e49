#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

// Little-endian numbers in byte buffers: the one reader and writer of every
// binary format here (compound file, BIFF records, VBA streams, cursor files).
// Plain C++: no Qt, so it builds wherever the engine does.
namespace spreadsheet::bytes {

// Throws the failure of a read that went wrong at `offset`; `label` is the
// caller's own tag (a record id, for instance). Must not return.
using Failure = void (*)(std::uint32_t label, std::size_t offset, std::string_view what);

// "Malformed data at offset 12: what" as spreadsheet::Error, the default failure.
[[noreturn]] void throwMalformed(std::uint32_t label, std::size_t offset, std::string_view what);

// Bounds-checked input over a span. Offsets in failures are absolute: the
// span's own start in its stream (`base`) plus the position inside it.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> data, std::size_t base = 0,
                  Failure failure = &throwMalformed, std::uint32_t label = 0)
      : data_(data), base_(base), failure_(failure), label_(label) {}

  std::uint8_t u8() { return take(1)[0]; }
  std::uint16_t u16() { return static_cast<std::uint16_t>(number(2)); }
  std::uint32_t u32() { return static_cast<std::uint32_t>(number(4)); }
  std::uint64_t u64() { return number(8); }
  double f64() {
    const std::uint64_t bits = u64();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
  }
  std::span<const std::uint8_t> take(std::size_t n) {
    if (n > remaining()) fail("the data is shorter than its fields");
    auto s = data_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  void skip(std::size_t n) { take(n); }

  // Reads at `at` from the span's start without moving.
  std::uint8_t u8At(std::size_t at) const { return static_cast<std::uint8_t>(numberAt(at, 1)); }
  std::uint16_t u16At(std::size_t at) const { return static_cast<std::uint16_t>(numberAt(at, 2)); }
  std::uint32_t u32At(std::size_t at) const { return static_cast<std::uint32_t>(numberAt(at, 4)); }
  // True when `n` bytes start at `at` inside the span.
  bool has(std::size_t at, std::size_t n) const {
    return at <= data_.size() && n <= data_.size() - at;
  }

  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return data_.size() - pos_; }
  bool atEnd() const { return pos_ == data_.size(); }
  std::size_t size() const { return data_.size(); }
  std::size_t offset() const { return base_ + pos_; }
  std::uint32_t label() const { return label_; }
  std::span<const std::uint8_t> data() const { return data_; }
  // Throws the reader's failure with `what` at the current position.
  [[noreturn]] void fail(std::string_view what) const { failAt(pos_, what); }
  [[noreturn]] void failAt(std::size_t at, std::string_view what) const;

 private:
  std::uint64_t number(std::size_t n) {
    const std::uint64_t v = numberAt(pos_, n);
    pos_ += n;
    return v;
  }
  std::uint64_t numberAt(std::size_t at, std::size_t n) const {
    if (!has(at, n)) failAt(at, "the data is shorter than its fields");
    std::uint64_t v = 0;
    for (std::size_t i = n; i-- > 0;) v = v << 8 | data_[at + i];
    return v;
  }

  std::span<const std::uint8_t> data_;
  std::size_t base_;
  Failure failure_;
  std::uint32_t label_;
  std::size_t pos_ = 0;
};

// Little-endian output appended to a growing byte vector.
class Writer {
 public:
  void u8(unsigned v) { bytes_.push_back(static_cast<std::uint8_t>(v)); }
  void u16(unsigned v) { put<2>(v); }
  void u32(std::uint32_t v) { put<4>(v); }
  void u64(std::uint64_t v) { put<8>(v); }
  void f64(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    put<8>(bits);
  }
  void zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  void bytes(std::span<const std::uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
  void text(std::string_view s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
  // Overwrites bytes already written; std::out_of_range past the end.
  void patchU16(std::size_t at, unsigned v);
  void patchU32(std::size_t at, std::uint32_t v);
  std::size_t size() const { return bytes_.size(); }
  void clear() { bytes_.clear(); }
  void reserve(std::size_t n) { bytes_.reserve(n); }
  const std::vector<std::uint8_t>& data() const { return bytes_; }
  std::vector<std::uint8_t>& data() { return bytes_; }
  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  // The low `N` bytes of `v`, least significant first. push_back inlines to
  // a store and a capacity check; resize would call out of line to grow.
  template <std::size_t N>
  void put(std::uint64_t v) {
    for (std::size_t i = 0; i < N; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  std::vector<std::uint8_t> bytes_;
};

// Stores into a buffer of fixed size (a header, a directory entry) at `at`;
// std::out_of_range when the field does not fit.
void storeU16(std::span<std::uint8_t> out, std::size_t at, std::uint16_t v);
void storeU32(std::span<std::uint8_t> out, std::size_t at, std::uint32_t v);

}  // namespace spreadsheet::bytes
