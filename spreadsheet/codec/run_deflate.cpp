#include "spreadsheet/codec/run_deflate.h"

#include <zlib.h>

#include <array>
#include <cstring>

namespace spreadsheet::codec {

namespace {

constexpr std::uint32_t kAdlerBase = 65521;
constexpr std::size_t kMaxRun = 258;

// A Huffman code as it goes into the stream: bit-reversed, since deflate
// packs codes from their first bit while the stream fills bytes from bit 0.
struct Code {
  std::uint32_t bits = 0;
  int length = 0;
};

constexpr std::uint32_t reversed(std::uint32_t code, int length) {
  std::uint32_t r = 0;
  for (int i = 0; i < length; ++i) r |= ((code >> i) & 1u) << (length - 1 - i);
  return r;
}

// The fixed literal/length code of RFC 1951, 3.2.6.
constexpr Code fixedCode(int symbol) {
  if (symbol < 144) return {reversed(0x30 + symbol, 8), 8};
  if (symbol < 256) return {reversed(0x190 + symbol - 144, 9), 9};
  if (symbol < 280) return {reversed(symbol - 256, 7), 7};
  return {reversed(0xc0 + symbol - 280, 8), 8};
}

constexpr std::array<Code, 256> kLiterals = [] {
  std::array<Code, 256> table{};
  for (int b = 0; b < 256; ++b) table[static_cast<std::size_t>(b)] = fixedCode(b);
  return table;
}();

// A whole match of `length` bytes at distance 1: length symbol, its extra
// bits, then distance code 0 (five zero bits).
constexpr std::array<Code, kMaxRun + 1> kRuns = [] {
  constexpr int base[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                          31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  constexpr int extra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  std::array<Code, kMaxRun + 1> table{};
  for (int length = 3; length <= static_cast<int>(kMaxRun); ++length) {
    int i = 28;
    while (base[i] > length) --i;
    const Code symbol = fixedCode(257 + i);
    const auto extraValue = static_cast<std::uint32_t>(length - base[i]);
    table[static_cast<std::size_t>(length)] = {symbol.bits | (extraValue << symbol.length),
                                               symbol.length + extra[i] + 5};
  }
  return table;
}();

constexpr Code kEndOfBlock = {0, 7};

std::size_t sameBytes(const std::uint8_t* data, std::size_t size, std::uint8_t byte) {
  const std::uint64_t pattern = 0x0101010101010101ull * byte;
  std::size_t n = 0;
  for (std::uint64_t word; n + 8 <= size; n += 8) {
    std::memcpy(&word, data + n, 8);
    if (word != pattern) break;
  }
  while (n < size && data[n] == byte) ++n;
  return n;
}

}  // namespace

RunDeflater::RunDeflater(std::vector<std::uint8_t>& out) : out_(out) {
  out_.push_back(0x78);  // deflate, 32 KiB window
  out_.push_back(0x01);  // no dictionary, header checksum
  bits(1, 1);            // the only block, so the last
  bits(1, 2);            // fixed Huffman codes
}

inline void RunDeflater::bits(std::uint32_t value, int count) {
  pending_ |= static_cast<std::uint64_t>(value) << pendingCount_;
  pendingCount_ += count;
  if (pendingCount_ < 32) return;
  // Whole words gather in a small buffer that goes to the output in one piece:
  // growing the output four bytes at a time cost more than the coding.
  for (int i = 0; i < 4; ++i)
    staged_[stagedSize_++] = static_cast<std::uint8_t>(pending_ >> (8 * i));
  pending_ >>= 32;
  pendingCount_ -= 32;
  if (stagedSize_ == staged_.size()) flushStaged();
}

void RunDeflater::flushStaged() {
  out_.insert(out_.end(), staged_.begin(),
              staged_.begin() + static_cast<std::ptrdiff_t>(stagedSize_));
  stagedSize_ = 0;
}

inline void RunDeflater::literal(std::uint8_t byte) {
  const Code& c = kLiterals[byte];
  bits(c.bits, c.length);
  last_ = byte;
  empty_ = false;
}

void RunDeflater::run(std::size_t count) {
  for (; count >= 3; count -= std::min(count, kMaxRun)) {
    const Code& c = kRuns[std::min(count, kMaxRun)];
    bits(c.bits, c.length);
  }
  for (; count > 0; --count) literal(last_);
}

void RunDeflater::adler(const std::uint8_t* data, std::size_t size) {
  const uLong sum = adler32_z((adlerB_ << 16) | adlerA_, data, size);
  adlerA_ = static_cast<std::uint32_t>(sum & 0xffff);
  adlerB_ = static_cast<std::uint32_t>(sum >> 16);
}

void RunDeflater::add(const std::uint8_t* data, std::size_t size) {
  adler(data, size);
  for (std::size_t i = 0; i < size;) {
    const std::uint8_t byte = data[i++];
    literal(byte);
    if (i == size || data[i] != byte) continue;  // most bytes of a text row start no run
    const std::size_t same = sameBytes(data + i, size - i, byte);
    run(same);
    i += same;
  }
}

void RunDeflater::addZeros(std::size_t count) {
  if (count == 0) return;
  // Zeros leave the first sum as it is and add it `count` times to the second.
  adlerB_ = static_cast<std::uint32_t>((adlerB_ + (count % kAdlerBase) * adlerA_) % kAdlerBase);
  if (empty_ || last_ != 0) {
    literal(0);
    --count;
  }
  run(count);
}

void RunDeflater::finish() {
  bits(kEndOfBlock.bits, kEndOfBlock.length);
  flushStaged();
  while (pendingCount_ > 0) {
    out_.push_back(static_cast<std::uint8_t>(pending_));
    pending_ >>= 8;
    pendingCount_ -= 8;
  }
  pendingCount_ = 0;
  const std::uint32_t sum = (adlerB_ << 16) | adlerA_;
  for (int shift = 24; shift >= 0; shift -= 8)
    out_.push_back(static_cast<std::uint8_t>(sum >> shift));
}

}  // namespace spreadsheet::codec
