// libFuzzer entry: the compound file reader. Any input reads or throws Error,
// never a crash or a hang; what reads, writes again (unless a name cannot be
// stored) and reads back to the same streams.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/model/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace spreadsheet;
  cfb::StreamMap streams;
  std::vector<std::uint8_t> again;
  try {
    streams = cfb::readCompoundFile(std::span<const std::uint8_t>(data, size));
    again = cfb::writeCompoundFile(streams);
  } catch (const Error&) {
    return 0;
  }
  try {
    if (cfb::readCompoundFile(again) != streams) std::abort();
  } catch (const Error&) {
    std::abort();  // our own file must always read back
  }
  return 0;
}
