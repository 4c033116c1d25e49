// libFuzzer entry: the run-length container of macro projects. Any input
// decompresses or throws Error; what decompresses compresses and decompresses
// back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "spreadsheet/model/error.h"
#include "spreadsheet/vba/vba_compression.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace spreadsheet;
  std::vector<std::uint8_t> plain;
  try {
    plain = vba::decompressContainer(std::span<const std::uint8_t>(data, size));
  } catch (const Error&) {
    return 0;
  }
  try {
    if (vba::decompressContainer(vba::compressContainer(plain)) != plain) std::abort();
  } catch (const Error&) {
    std::abort();  // our own container must always read back
  }
  return 0;
}
