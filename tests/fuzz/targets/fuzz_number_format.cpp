// libFuzzer entry: a number-format code shown with a value. Any code must give
// a text or an Error, never a crash, a hang or unbounded output.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "spreadsheet/format/number_format.h"
#include "spreadsheet/model/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 9) return 0;
  // First byte: the kind of value; next eight: a number (any bit pattern,
  // NaN and infinities included); the rest: the format code.
  double number = 0;
  std::memcpy(&number, data + 1, sizeof number);
  const std::string_view code(reinterpret_cast<const char*>(data + 9), size - 9);
  spreadsheet::CellValue value;
  switch (data[0] % 4) {
    case 0:
      value = number;
      break;
    case 1:
      value = std::string(code.substr(0, code.size() / 2));
      break;
    case 2:
      value = (data[1] & 1) != 0;
      break;
    default:
      break;  // empty
  }
  try {
    spreadsheet::format::displayText(value, code);
  } catch (const spreadsheet::Error&) {
  }
  return 0;
}
