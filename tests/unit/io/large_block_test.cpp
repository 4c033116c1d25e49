#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "spreadsheet/io/large_block.h"

namespace spreadsheet::io {
namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;

// Blocks of several sizes come zero-filled, writable to their last byte, and
// start on a 2 MiB boundary so that huge pages can back them from the start.
TEST(LargeBlock, ComesZeroedWritableAndAlignedForHugePages) {
  for (const std::size_t bytes : {std::size_t{1}, 4095 * std::size_t{1}, 2 * kMiB, 5 * kMiB + 3}) {
    auto* block = static_cast<unsigned char*>(allocateLargeBlock(bytes));
    ASSERT_NE(block, nullptr) << bytes;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % (2 * kMiB), 0u) << bytes;
    EXPECT_EQ(block[0], 0);
    EXPECT_EQ(block[bytes / 2], 0);
    EXPECT_EQ(block[bytes - 1], 0);
    std::memset(block, 0xAB, bytes);
    EXPECT_EQ(block[bytes - 1], 0xAB);
    releaseLargeBlock(block);
  }
}

// A size no machine can map gives nothing instead of a wrapped, too small
// block; giving back nothing is harmless.
TEST(LargeBlock, ImpossibleSizesGiveNothing) {
  EXPECT_EQ(allocateLargeBlock(SIZE_MAX), nullptr);
  EXPECT_EQ(allocateLargeBlock(SIZE_MAX - kMiB), nullptr);
  EXPECT_EQ(allocateLargeBlock(std::size_t{1} << 62), nullptr);
  releaseLargeBlock(nullptr);
}

// The program's mapped size in KiB.
long mappedKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmSize:", 0) == 0) return std::stol(line.substr(7));
  return -1;
}

// Each release returns the block's whole mapping, the alignment margin included.
TEST(LargeBlock, ReleasedBlocksReturnTheirWholeMapping) {
  const long before = mappedKiB();
  ASSERT_GT(before, 0);
  for (int i = 0; i < 50; ++i) releaseLargeBlock(allocateLargeBlock(100 * kMiB + i));
  EXPECT_LT(mappedKiB() - before, 8 * 1024);  // 50 leaks would be 5 GB
}

// The VmFlags line of the mapping that holds address, from /proc/self/smaps.
std::string mappingFlags(const void* address) {
  const auto at = reinterpret_cast<std::uintptr_t>(address);
  std::ifstream maps("/proc/self/smaps");
  bool inside = false;
  for (std::string line; std::getline(maps, line);) {
    std::uintptr_t from = 0, to = 0;
    if (std::sscanf(line.c_str(), "%lx-%lx ", &from, &to) == 2) inside = from <= at && at < to;
    if (inside && line.rfind("VmFlags:", 0) == 0) return line;
  }
  return {};
}

// A fresh program's huge pages made the first picture several times slower than small
// ones, so the block must not ask for them ("hg" is the kernel's mark of that advice).
TEST(LargeBlock, AsksForNoHugePages) {
  void* block = allocateLargeBlock(100 * kMiB);
  ASSERT_NE(block, nullptr);
  const std::string flags = mappingFlags(block);
  EXPECT_NE(flags.find(" rd"), std::string::npos) << "no mapping found";
  EXPECT_EQ((flags + " ").find(" hg "), std::string::npos) << flags;
  releaseLargeBlock(block);
}

}  // namespace
}  // namespace spreadsheet::io
