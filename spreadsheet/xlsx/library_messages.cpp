#include "spreadsheet/xlsx/library_messages.h"

#include <cstdlib>

namespace spreadsheet::xlsx {

// The library prints through the C library's `stderr` stream, which is a
// variable: pointing it at a memory stream catches its lines and nothing else
// (our own messages, the sanitizers and Qt write elsewhere or after).
LibraryMessages::LibraryMessages() : before_(stderr) {
  kept_ = open_memstream(&text_, &size_);
  if (kept_) stderr = kept_;
}

LibraryMessages::~LibraryMessages() {
  stderr = before_;
  if (kept_) std::fclose(kept_);
  std::free(text_);
}

std::string LibraryMessages::systemError() {
  if (!kept_ || std::fflush(kept_) != 0 || !text_) return "";
  const std::string text(text_, size_);
  const std::string marker = "System error = ";
  const std::size_t at = text.find(marker);
  if (at == std::string::npos) return "";
  const std::size_t start = at + marker.size();
  return text.substr(start, text.find_first_of("\r\n", start) - start);
}

}  // namespace spreadsheet::xlsx
