#include "spreadsheet/io/large_block.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace spreadsheet::io {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Kept just before the block's first byte so that release needs only the pointer.
struct Mapping {
  void* base;
  std::size_t length;
};

}  // namespace

void* allocateLargeBlock(std::size_t bytes) {
  // One extra huge page: room for the header and for aligning the start, so that a system
  // that uses huge pages unasked can back the block with them from its first byte.
  if (bytes > SIZE_MAX - 2 * kHugePage) return nullptr;
  const std::size_t length = (bytes + 2 * kHugePage - 1) / kHugePage * kHugePage;
  void* base = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (base == MAP_FAILED) return nullptr;
  const auto address = reinterpret_cast<std::uintptr_t>(base);
  const std::uintptr_t start = (address + sizeof(Mapping) + kHugePage - 1) / kHugePage * kHugePage;
  auto* block = reinterpret_cast<unsigned char*>(start);
  new (block - sizeof(Mapping)) Mapping{base, length};
  return block;
}

void releaseLargeBlock(void* block) {
  if (!block) return;
  const auto* mapping =
      reinterpret_cast<const Mapping*>(static_cast<unsigned char*>(block) - sizeof(Mapping));
  munmap(mapping->base, mapping->length);
}

}  // namespace spreadsheet::io
