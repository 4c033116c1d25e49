// libFuzzer entry: text typed into a cell. Any text is a value (number, date,
// time, truth, error or text) and, where shown, a display text; never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "spreadsheet/format/number_format.h"
#include "spreadsheet/format/typed_input.h"
#include "spreadsheet/model/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const auto typed = spreadsheet::format::recognizeTypedInput(text);
    // The format the input assigns must also show the value it came with.
    if (typed.numberFormat) spreadsheet::format::displayText(typed.value, *typed.numberFormat);
  } catch (const spreadsheet::Error&) {
  }
  return 0;
}
