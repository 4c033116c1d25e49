#include "spreadsheet/vba/vba_compression.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "spreadsheet/model/error.h"

namespace spreadsheet::vba {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const std::string& s) {
  return Bytes(s.begin(), s.end());
}

std::uint16_t headerAt(const Bytes& c, std::size_t pos) {
  return static_cast<std::uint16_t>(c[pos] | (c[pos + 1] << 8));
}

// Sizes of each chunk's decompressed data, found by walking the headers.
std::vector<std::size_t> chunkPayloads(const Bytes& container) {
  std::vector<std::size_t> sizes;
  for (std::size_t pos = 1; pos < container.size();) {
    const std::size_t end = pos + (headerAt(container, pos) & 0x0FFF) + 3;
    Bytes one{0x01};
    one.insert(one.end(), container.begin() + static_cast<long>(pos),
               container.begin() + static_cast<long>(end));
    sizes.push_back(decompressContainer(one).size());
    pos = end;
  }
  return sizes;
}

Bytes randomBytes(std::size_t n, unsigned seed) {
  std::mt19937 gen(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(gen());
  return b;
}

// Text from a small alphabet: matches of every length and distance occur,
// so copy tokens cross each change of the offset/length split in a chunk.
Bytes repetitiveText(std::size_t n, unsigned seed) {
  std::mt19937 gen(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>("abcd \r\n"[gen() % 7]);
  return b;
}

TEST(VbaCompression, ReproducesThePublishedExamples) {
  // Literal-only example: 23 bytes, three token sequences without copy tokens.
  const Bytes plain = bytesOf("abcdefghijklmnopqrstuv.");
  const Bytes literal{0x01, 0x19, 0xB0, 0x00, 'a', 'b', 'c', 'd', 'e', 'f',
                      'g',  'h',  0x00, 'i',  'j', 'k', 'l', 'm', 'n', 'o',
                      'p',  0x00, 'q',  'r',  's', 't', 'u', 'v', '.'};
  EXPECT_EQ(compressContainer(plain), literal);
  EXPECT_EQ(decompressContainer(literal), plain);

  // Example with copy tokens, including overlapping ones.
  const Bytes text = bytesOf("#aaabcdefaaaaghijaaaaaklaaamnopqaaaaaaaaaaaarstuvwxyzaaa");
  const Bytes packed{0x01, 0x2F, 0xB0, 0x00, 0x23, 0x61, 0x61, 0x61, 0x62, 0x63, 0x64, 0x65, 0x82,
                     0x66, 0x00, 0x70, 0x61, 0x67, 0x68, 0x69, 0x6A, 0x01, 0x38, 0x08, 0x61, 0x6B,
                     0x6C, 0x00, 0x20, 0x6D, 0x6E, 0x6F, 0x70, 0x06, 0x71, 0x02, 0x70, 0x04, 0x00,
                     0x72, 0x73, 0x74, 0x75, 0x76, 0x10, 0x77, 0x78, 0x79, 0x7A, 0x00, 0x2C};
  EXPECT_EQ(decompressContainer(packed), text);
  EXPECT_EQ(compressContainer(text), packed);
}

TEST(VbaCompression, EmptyInputIsTheSignatureAlone) {
  EXPECT_EQ(compressContainer({}), Bytes{0x01});
  EXPECT_TRUE(decompressContainer(Bytes{0x01}).empty());
}

TEST(VbaCompression, FullChunkOfTextIsCompressedWithBackReferences) {
  const Bytes data = repetitiveText(4096, 1);
  const Bytes c = compressContainer(data);
  EXPECT_EQ(headerAt(c, 1) & 0xF000, 0xB000);  // one compressed chunk
  EXPECT_EQ(chunkPayloads(c), std::vector<std::size_t>{4096});
  EXPECT_LT(c.size(), data.size() * 3 / 4);
  EXPECT_EQ(decompressContainer(c), data);
}

TEST(VbaCompression, RoundTripsAcrossChunkBoundaries) {
  for (std::size_t n : {1u, 2u, 3u, 17u, 4095u, 4096u, 4097u, 8192u, 12289u, 20000u}) {
    const Bytes data = repetitiveText(n, static_cast<unsigned>(n));
    const Bytes c = compressContainer(data);
    EXPECT_EQ(decompressContainer(c), data) << n;
    for (std::size_t size : chunkPayloads(c)) EXPECT_LE(size, 4096u) << n;
  }
  const Bytes same(10000, 'a');
  EXPECT_EQ(decompressContainer(compressContainer(same)), same);
  EXPECT_LT(compressContainer(same).size(), 40u);
}

TEST(VbaCompression, IncompressibleFullChunksAreStoredRaw) {
  const Bytes data = randomBytes(2 * 4096 + 100, 7);
  const Bytes c = compressContainer(data);
  EXPECT_EQ(headerAt(c, 1), 0x3FFF);
  EXPECT_EQ(headerAt(c, 1 + 4098), 0x3FFF);
  EXPECT_EQ(headerAt(c, 1 + 2 * 4098) & 0xF000, 0xB000);
  EXPECT_EQ(decompressContainer(c), data);
}

TEST(VbaCompression, IncompressibleShortTailKeepsItsExactLength) {
  // 4000 random bytes do not fit a compressed chunk, and a raw chunk would
  // be padded to 4096; the round trip must still give back 4000 bytes.
  for (std::size_t n : {3700u, 4000u, 4095u, 4096u + 4000u}) {
    const Bytes data = randomBytes(n, static_cast<unsigned>(n));
    EXPECT_EQ(decompressContainer(compressContainer(data)), data) << n;
  }
}

TEST(VbaCompression, RefusesMalformedContainers) {
  const Bytes cases[] = {
      {},                                         // nothing at all
      {0x00, 0x00, 0xB0, 0x00, 'a'},              // wrong signature byte
      {0x01, 0x00},                               // header cut off
      {0x01, 0x02, 0x90, 0x00, 'a'},              // chunk signature bits not 0b011
      {0x01, 0x10, 0xB0, 0x00, 'a'},              // chunk longer than the container
      {0x01, 0x02, 0x30, 0x00, 'a'},              // raw chunk that is not 4096 bytes
      {0x01, 0x02, 0xB0, 0x01, 0x00, 0x10},       // copy token before any data
      {0x01, 0x02, 0xB0, 0x02, 'a', 0x00},        // copy token cut off
      {0x01, 0x03, 0xB0, 0x02, 'a', 0xFF, 0x0F},  // copy running past 4096 bytes
  };
  for (const Bytes& bad : cases) EXPECT_THROW(decompressContainer(bad), Error);
}

}  // namespace
}  // namespace spreadsheet::vba
