#pragma once
#include <cstddef>

namespace spreadsheet::io {

// Zero-filled memory for one large buffer (a picture of tens of megabytes), mapped on its
// own so that releasing it gives the memory back at once. It does not ask for huge pages:
// they make a repeated picture faster, but a fresh program's first touch of 100 MB in huge
// pages can wait for the kernel to piece them together (or for a virtual machine's host to
// back them), which made the user's first click several times slower. Whether huge pages
// back the block is left to the system's policy. Returns nullptr when the memory is not
// available. Release with releaseLargeBlock.
void* allocateLargeBlock(std::size_t bytes);

// Gives back a block from allocateLargeBlock; nullptr is ignored.
void releaseLargeBlock(void* block);

}  // namespace spreadsheet::io
