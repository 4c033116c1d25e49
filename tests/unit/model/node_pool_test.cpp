#include "spreadsheet/model/node_pool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace spreadsheet {
namespace {

// Blocks of the pooled size stay apart across several chunks and are used
// again once handed back; a block of another size comes from the heap. Each
// block holds its own byte pattern, so overlapping blocks would show.
TEST(NodePool, BlocksStayApartAndAreReused) {
  NodePool pool;
  constexpr std::size_t kSize = 72;  // not a multiple of the alignment
  std::vector<unsigned char*> blocks;
  for (int i = 0; i < 300; ++i) {
    auto* b = static_cast<unsigned char*>(pool.allocate(kSize, 8));
    std::memset(b, i & 0xFF, kSize);
    blocks.push_back(b);
  }
  void* other = pool.allocate(1000, 8);
  std::memset(other, 0xEE, 1000);
  for (int i = 0; i < 300; ++i)
    for (std::size_t k = 0; k < kSize; ++k) ASSERT_EQ(blocks[i][k], i & 0xFF) << i;

  pool.deallocate(blocks[7], kSize, 8);
  EXPECT_EQ(pool.allocate(kSize, 8), blocks[7]);
  pool.deallocate(other, 1000, 8);
}

}  // namespace
}  // namespace spreadsheet
