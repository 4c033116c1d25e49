#pragma once
#include <cstddef>
#include <vector>

// The polymorphic allocators of the standard library; a library that has them
// only as std::experimental (the web build's) gives those.
#if __has_include(<memory_resource>)
#include <map>
#include <memory_resource>
namespace spreadsheet::pmr {
using std::pmr::map;
using std::pmr::memory_resource;
}  // namespace spreadsheet::pmr
#else
#include <experimental/map>
#include <experimental/memory_resource>
namespace spreadsheet::pmr {
using std::experimental::pmr::map;
using std::experimental::pmr::memory_resource;
}  // namespace spreadsheet::pmr
#endif

namespace spreadsheet {

// Memory for many blocks of one size, such as the nodes of a sheet's cells:
// a free list over chunks taken from the heap, handed back all at once when
// the pool goes. The first block asked for sets the size; blocks of another
// size (or alignment) come from the heap as usual.
class NodePool final : public pmr::memory_resource {
 public:
  NodePool() = default;
  NodePool(const NodePool&) = delete;
  NodePool& operator=(const NodePool&) = delete;
  ~NodePool() override;

 private:
  struct Free {
    Free* next;
  };

  void* do_allocate(std::size_t bytes, std::size_t alignment) override;
  void do_deallocate(void* p, std::size_t bytes, std::size_t alignment) override;
  bool do_is_equal(const pmr::memory_resource& other) const noexcept override {
    return this == &other;
  }
  bool pooled(std::size_t bytes, std::size_t alignment) const {
    return bytes == asked_ && alignment <= alignof(std::max_align_t);
  }
  void grow();

  std::size_t asked_ = 0;       // the pooled size as asked for
  std::size_t block_ = 0;       // that size rounded up to keep blocks aligned
  std::size_t nextChunk_ = 32;  // blocks in the next chunk
  Free* free_ = nullptr;
  std::vector<void*> chunks_;
};

}  // namespace spreadsheet
