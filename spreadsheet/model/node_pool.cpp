#include "spreadsheet/model/node_pool.h"

#include <algorithm>
#include <new>

namespace spreadsheet {

NodePool::~NodePool() {
  for (void* chunk : chunks_) ::operator delete(chunk);
}

void* NodePool::do_allocate(std::size_t bytes, std::size_t alignment) {
  if (asked_ == 0 && bytes > 0 && alignment <= alignof(std::max_align_t)) {
    asked_ = bytes;
    const std::size_t unit = alignof(std::max_align_t);
    block_ = (std::max(bytes, sizeof(Free)) + unit - 1) / unit * unit;
  }
  if (!pooled(bytes, alignment)) return ::operator new(bytes, std::align_val_t(alignment));
  if (!free_) grow();
  Free* block = free_;
  free_ = block->next;
  return block;
}

void NodePool::do_deallocate(void* p, std::size_t bytes, std::size_t alignment) {
  if (!pooled(bytes, alignment)) {
    ::operator delete(p, std::align_val_t(alignment));
    return;
  }
  free_ = new (p) Free{free_};
}

// Chunks double up to a few thousand blocks: a small sheet takes little, a
// large one few chunks.
void NodePool::grow() {
  char* chunk = static_cast<char*>(::operator new(nextChunk_* block_));
  chunks_.push_back(chunk);
  for (std::size_t i = nextChunk_; i-- > 0;) free_ = new (chunk + i * block_) Free{free_};
  if (nextChunk_ < 4096) nextChunk_ *= 2;
}

}  // namespace spreadsheet
