#pragma once
#include <cstddef>

namespace spreadsheet::io {

// Zero-filled memory for one large buffer (a picture of tens of megabytes), mapped on its
// own and backed by huge pages where the system allows: touching 100 MB in 4 KiB pages
// costs more in page faults than drawing into it. Returns nullptr when the memory is not
// available. Release with releaseLargeBlock.
void* allocateLargeBlock(std::size_t bytes);

// Gives back a block from allocateLargeBlock; nullptr is ignored.
void releaseLargeBlock(void* block);

}  // namespace spreadsheet::io
