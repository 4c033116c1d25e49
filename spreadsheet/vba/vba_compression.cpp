#include "spreadsheet/vba/vba_compression.h"

#include <algorithm>
#include <array>
#include <string>

#include "spreadsheet/model/bytes.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::vba {
namespace {

constexpr std::uint8_t kSignature = 0x01;
constexpr std::size_t kChunkSize = 4096;
constexpr std::uint16_t kChunkSignatureBits = 0x3000;  // 0b011 in bits 12..14
constexpr std::uint16_t kCompressedFlag = 0x8000;
constexpr std::size_t kMinMatch = 3;

// Bits of a copy token that hold the offset grow with the position inside
// the chunk: at least 4, enough to reach back to the chunk's first byte.
int offsetBits(std::size_t positionInChunk) {
  int bits = 4;
  while ((std::size_t{1} << bits) < positionInChunk) ++bits;
  return bits;
}

std::size_t maxMatchLength(std::size_t positionInChunk) {
  return (0xFFFFu >> offsetBits(positionInChunk)) + kMinMatch;
}

std::uint16_t copyToken(std::size_t positionInChunk, std::size_t offset, std::size_t length) {
  const int bits = offsetBits(positionInChunk);
  return static_cast<std::uint16_t>(((offset - 1) << (16 - bits)) | (length - kMinMatch));
}

// Finds earlier occurrences of three-byte prefixes through hash chains, so a
// chunk compresses in near-linear time even for highly repetitive text.
class MatchFinder {
 public:
  explicit MatchFinder(std::span<const std::uint8_t> chunk) : chunk_(chunk), prev_(chunk.size()) {
    head_.fill(kNone);
  }

  // Longest match for `pos` (nearest wins ties); length 0 when none of at least 3.
  std::pair<std::size_t, std::size_t> longest(std::size_t pos) const {
    if (pos + kMinMatch > chunk_.size()) return {0, 0};
    const std::size_t limit = std::min(maxMatchLength(pos), chunk_.size() - pos);
    std::size_t bestLength = 0;
    std::size_t bestOffset = 0;
    for (std::size_t cand = head_[hash(pos)]; cand != kNone; cand = prev_[cand]) {
      std::size_t length = 0;
      while (length < limit && chunk_[cand + length] == chunk_[pos + length]) ++length;
      if (length > bestLength) {
        bestLength = length;
        bestOffset = pos - cand;
        if (length == limit) break;
      }
    }
    if (bestLength < kMinMatch) return {0, 0};
    return {bestOffset, bestLength};
  }

  void insert(std::size_t pos) {
    if (pos + kMinMatch > chunk_.size()) return;
    const std::size_t h = hash(pos);
    prev_[pos] = head_[h];
    head_[h] = pos;
  }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t hash(std::size_t pos) const {
    const std::size_t v =
        (std::size_t{chunk_[pos]} << 16) | (std::size_t{chunk_[pos + 1]} << 8) | chunk_[pos + 2];
    return (v * 2654435761u >> 12) & (head_.size() - 1);
  }

  std::span<const std::uint8_t> chunk_;
  std::array<std::size_t, 4096> head_;
  std::vector<std::size_t> prev_;
};

// Token sequences of one chunk: a flag byte (bit set = copy token, least
// significant bit first) ahead of up to eight literal bytes or copy tokens.
std::vector<std::uint8_t> encodeTokens(std::span<const std::uint8_t> chunk) {
  bytes::Writer out;
  MatchFinder finder(chunk);
  std::size_t pos = 0;
  while (pos < chunk.size()) {
    const std::size_t flagAt = out.size();
    out.u8(0);
    for (int bit = 0; bit < 8 && pos < chunk.size(); ++bit) {
      auto [offset, length] = finder.longest(pos);
      if (length == 0) {
        out.u8(chunk[pos]);
        finder.insert(pos);
        ++pos;
        continue;
      }
      out.u16(copyToken(pos, offset, length));
      out.data()[flagAt] = static_cast<std::uint8_t>(out.data()[flagAt] | (1u << bit));
      for (std::size_t i = 0; i < length; ++i) finder.insert(pos + i);
      pos += length;
    }
  }
  return out.take();
}

void appendHeader(bytes::Writer& out, std::size_t dataSize, bool compressed) {
  // The size field counts the whole chunk, header included, minus 3.
  const auto header = static_cast<std::uint16_t>((compressed ? kCompressedFlag : 0) |
                                                 kChunkSignatureBits | (dataSize + 2 - 3));
  out.u16(header);
}

void appendChunk(bytes::Writer& out, std::span<const std::uint8_t> chunk) {
  std::vector<std::uint8_t> tokens = encodeTokens(chunk);
  if (tokens.size() <= kChunkSize) {
    appendHeader(out, tokens.size(), true);
    out.bytes(tokens);
  } else if (chunk.size() == kChunkSize) {
    appendHeader(out, kChunkSize, false);
    out.bytes(chunk);
  } else {
    // A short final chunk that does not shrink: a raw chunk would have to be
    // padded to 4096 bytes, which would add bytes on decompression, so it is
    // written as two compressed chunks, each small enough to fit.
    const std::size_t half = chunk.size() / 2;
    appendChunk(out, chunk.first(half));
    appendChunk(out, chunk.subspan(half));
  }
}

[[noreturn]] void malformed(std::string_view what, std::size_t offset) {
  throw Error("Malformed compressed container: " + std::string(what) + " at offset " +
              std::to_string(offset));
}

[[noreturn]] void containerFailure(std::uint32_t, std::size_t offset, std::string_view what) {
  malformed(what, offset);
}

void decodeTokens(const bytes::Reader& in, std::size_t pos, std::size_t end,
                  std::vector<std::uint8_t>& out) {
  const std::size_t chunkStart = out.size();
  while (pos < end) {
    const std::uint8_t flags = in.data()[pos++];
    for (int bit = 0; bit < 8 && pos < end; ++bit) {
      if ((flags & (1u << bit)) == 0) {
        out.push_back(in.data()[pos++]);
      } else {
        if (pos + 2 > end) malformed("truncated copy token", pos);
        const std::uint16_t token = in.u16At(pos);
        const std::size_t position = out.size() - chunkStart;
        const int bits = offsetBits(position);
        const std::size_t length = (token & (0xFFFFu >> bits)) + kMinMatch;
        const std::size_t offset = (token >> (16 - bits)) + 1;
        if (offset > position) malformed("copy token reaching before its chunk", pos);
        if (position + length > kChunkSize) malformed("chunk longer than 4096 bytes", pos);
        for (std::size_t i = 0; i < length; ++i) out.push_back(out[out.size() - offset]);
        pos += 2;
      }
      if (out.size() - chunkStart > kChunkSize) malformed("chunk longer than 4096 bytes", pos);
    }
  }
}

}  // namespace

std::vector<std::uint8_t> compressContainer(std::span<const std::uint8_t> data) {
  bytes::Writer out;
  out.u8(kSignature);
  for (std::size_t start = 0; start < data.size(); start += kChunkSize)
    appendChunk(out, data.subspan(start, std::min(kChunkSize, data.size() - start)));
  return out.take();
}

std::vector<std::uint8_t> decompressContainer(std::span<const std::uint8_t> data) {
  const bytes::Reader in(data, 0, &containerFailure);
  if (data.empty() || data[0] != kSignature) malformed("missing signature byte", 0);
  std::vector<std::uint8_t> out;
  std::size_t pos = 1;
  while (pos < in.size()) {
    if (pos + 2 > in.size()) malformed("truncated chunk header", pos);
    const std::uint16_t header = in.u16At(pos);
    if ((header & 0x7000) != kChunkSignatureBits) malformed("bad chunk signature", pos);
    const std::size_t end = pos + (header & 0x0FFF) + 3;
    if (end > in.size()) malformed("chunk running past the end", pos);
    if (header & kCompressedFlag) {
      decodeTokens(in, pos + 2, end, out);
    } else {
      if (end - pos - 2 != kChunkSize) malformed("raw chunk not of 4096 bytes", pos);
      out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(pos + 2),
                 data.begin() + static_cast<std::ptrdiff_t>(end));
    }
    pos = end;
  }
  return out;
}

}  // namespace spreadsheet::vba
