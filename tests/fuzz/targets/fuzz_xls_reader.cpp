// libFuzzer entry: the reader must answer any input with a workbook or an
// Error, never a crash or a hang. An input starting with byte 0 is taken as a
// Workbook stream and wrapped in a compound file, so the fuzzer reaches the
// record parsers quickly; any other input is read as a whole file.
#include <cstddef>
#include <cstdint>
#include <span>

#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/workbook_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace spreadsheet;
  try {
    std::span<const std::uint8_t> input(data, size);
    if (size > 0 && data[0] == 0) {
      auto stream = input.subspan(1);
      cfb::StreamMap streams{{"Workbook", {stream.begin(), stream.end()}}};
      auto book = xls::readWorkbook(cfb::writeCompoundFile(streams));
      xls::writeWorkbook(*book);  // whatever was read must also write
    } else {
      xls::readWorkbook(input);
    }
  } catch (const Error&) {
  }
  return 0;
}
