// libFuzzer entry: the hand cursor file (.CUR). Any bytes give a cursor image
// or nothing; an image given is never empty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/cursor_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto cursor = platform::parseCursor(bytes);
  if (cursor && cursor->image.isNull()) std::abort();
  return 0;
}
