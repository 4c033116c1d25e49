#include "spreadsheet/vba/vba_obfuscation.h"

#include <string>

#include "spreadsheet/model/bytes.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::vba {
namespace {

constexpr std::uint8_t kVersion = 2;

// The running state both directions share: each byte is masked with the sum
// of the next-to-last scrambled byte and the last plain byte.
struct Chain {
  std::uint8_t plain1;
  std::uint8_t scrambled1;
  std::uint8_t scrambled2;

  std::uint8_t scramble(std::uint8_t plain) {
    const auto out =
        static_cast<std::uint8_t>(plain ^ static_cast<std::uint8_t>(scrambled2 + plain1));
    advance(plain, out);
    return out;
  }
  std::uint8_t unscramble(std::uint8_t scrambled) {
    const auto out =
        static_cast<std::uint8_t>(scrambled ^ static_cast<std::uint8_t>(scrambled2 + plain1));
    advance(out, scrambled);
    return out;
  }
  void advance(std::uint8_t plain, std::uint8_t scrambled) {
    scrambled2 = scrambled1;
    scrambled1 = scrambled;
    plain1 = plain;
  }
};

}  // namespace

std::vector<std::uint8_t> obfuscate(std::span<const std::uint8_t> data, std::string_view projectId,
                                    std::uint8_t seed) {
  std::uint8_t key = 0;
  for (char c : projectId) key = static_cast<std::uint8_t>(key + static_cast<std::uint8_t>(c));
  const auto versionEnc = static_cast<std::uint8_t>(seed ^ kVersion);
  const auto keyEnc = static_cast<std::uint8_t>(seed ^ key);
  std::vector<std::uint8_t> out{seed, versionEnc, keyEnc};
  Chain chain{key, keyEnc, versionEnc};
  const int fillers = (seed & 6) / 2;
  for (int i = 0; i < fillers; ++i) out.push_back(chain.scramble(0));
  bytes::Writer length;
  length.u32(static_cast<std::uint32_t>(data.size()));
  for (std::uint8_t b : length.data()) out.push_back(chain.scramble(b));
  for (std::uint8_t b : data) out.push_back(chain.scramble(b));
  return out;
}

std::vector<std::uint8_t> deobfuscate(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 3) throw Error("Scrambled project value too short");
  const std::uint8_t seed = bytes[0];
  if ((seed ^ bytes[1]) != kVersion) throw Error("Scrambled project value of unknown version");
  const auto key = static_cast<std::uint8_t>(seed ^ bytes[2]);
  Chain chain{key, bytes[2], bytes[1]};
  const std::size_t fillers = (seed & 6) / 2;
  if (bytes.size() < 3 + fillers + 4) throw Error("Scrambled project value too short");
  std::size_t pos = 3;
  for (std::size_t i = 0; i < fillers; ++i) chain.unscramble(bytes[pos++]);
  std::uint8_t lengthBytes[4];
  for (std::uint8_t& b : lengthBytes) b = chain.unscramble(bytes[pos++]);
  const std::uint32_t length = bytes::Reader(lengthBytes).u32();
  if (bytes.size() - pos != length) throw Error("Scrambled project value of wrong length");
  std::vector<std::uint8_t> out;
  while (pos < bytes.size()) out.push_back(chain.unscramble(bytes[pos++]));
  return out;
}

std::string hexText(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 0x0F];
  }
  return text;
}

}  // namespace spreadsheet::vba
