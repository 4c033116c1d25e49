#include "spreadsheet/vba/vba_obfuscation.h"

#include <gtest/gtest.h>

#include <string>

#include "spreadsheet/model/error.h"

namespace spreadsheet::vba {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes fromHex(const std::string& hex) {
  Bytes b;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    b.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return b;
}

// Values of a published PROJECT stream for the unprotected, visible project
// whose ID is below.
constexpr const char* kExampleId = "{917DED54-440B-4FD1-A5C1-74ACF261E600}";

TEST(VbaObfuscation, ReadsPublishedUnprotectedValues) {
  EXPECT_EQ(deobfuscate(fromHex("0705D8E3D8EDDBF1DBF1DBF1DBF1")), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(deobfuscate(fromHex("0E0CD1ECDFF4E7F5E7F5E7")), Bytes{0x00});
  EXPECT_EQ(deobfuscate(fromHex("1517CAF1D6F9D7F9D706")), Bytes{0xFF});
}

TEST(VbaObfuscation, KeyAndHeaderMatchThePublishedValues) {
  // Same seed, same project id: the three leading bytes must agree; the
  // filler bytes after them are free.
  const Bytes ours = obfuscate(Bytes{0, 0, 0, 0}, kExampleId, 0x07);
  const Bytes theirs = fromHex("0705D8E3D8EDDBF1DBF1DBF1DBF1");
  ASSERT_EQ(ours.size(), theirs.size());
  EXPECT_EQ(Bytes(ours.begin(), ours.begin() + 3), Bytes(theirs.begin(), theirs.begin() + 3));
}

TEST(VbaObfuscation, RoundTripsForEverySeed) {
  const Bytes data{0x00, 0x01, 0x7F, 0x80, 0xFF, 0x29, 0x00};
  for (int seed = 0; seed < 256; ++seed) {
    const Bytes out =
        obfuscate(data, "{5B3C9E40-7A21-4D86-9F1C-2E8B6A0D4C17}", static_cast<std::uint8_t>(seed));
    EXPECT_EQ(out.size(), 3 + (seed & 6) / 2 + 4 + data.size());
    EXPECT_EQ(deobfuscate(out), data) << seed;
  }
  EXPECT_TRUE(deobfuscate(obfuscate({}, "{X}", 0)).empty());
}

TEST(VbaObfuscation, RefusesDamagedValues) {
  Bytes good = fromHex("0705D8E3D8EDDBF1DBF1DBF1DBF1");
  EXPECT_THROW(deobfuscate(Bytes(good.begin(), good.end() - 1)), Error);  // data cut short
  EXPECT_THROW(deobfuscate(Bytes{0x07, 0x05}), Error);
  good[1] ^= 0x01;  // version 3
  EXPECT_THROW(deobfuscate(good), Error);
  EXPECT_EQ(hexText(Bytes{0x00, 0xAB, 0x0F}), "00AB0F");
}

}  // namespace
}  // namespace spreadsheet::vba
