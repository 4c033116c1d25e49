#include "spreadsheet/io/system_reason.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

namespace spreadsheet::io {

namespace {

struct Reason {
  int errnoValue;
  const char* words;
};

// The words translations key on: change them only together with the .ts files.
constexpr Reason kReasons[] = {
    {ENAMETOOLONG, "File name too long"},
    {EMFILE, "Too many open files"},
    {ENFILE, "Too many open files"},
    {EFBIG, "File too large"},
    {ENOMEM, "Out of memory"},
    {ENOSPC, "No space left on device"},
    {EDQUOT, "No space left on device"},
    {EACCES, "Permission denied"},
    {EPERM, "Permission denied"},
    {EROFS, "Read-only file system"},
    {ENOENT, "No such file or directory"},
};

}  // namespace

std::string systemReasonText(int errnoValue) {
  for (const Reason& r : kReasons)
    if (r.errnoValue == errnoValue) return r.words;
  return std::strerror(errnoValue);
}

std::string failureReasonText(const std::exception& failure) {
  if (dynamic_cast<const std::bad_alloc*>(&failure)) return systemReasonText(ENOMEM);
  const std::string_view what = failure.what();
  return std::string(what.substr(0, what.find_first_of("\r\n")));
}

std::string oneLineText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '\n') {
      out += "\\n";
    } else if (ch == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    } else {
      out += ch;
    }
  }
  return out;
}

std::string shownValueText(std::string_view text) {
  constexpr std::size_t kShownCharacters = 80;
  std::size_t end = 0;
  for (std::size_t n = 0; end < text.size() && n < kShownCharacters; ++n) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  std::string shown = oneLineText(text.substr(0, end));
  if (end < text.size()) shown += "... (" + std::to_string(text.size()) + " bytes)";
  return shown;
}

std::string fileFailureText(std::string_view action, std::string_view path,
                            std::string_view reason) {
  return std::string(action) + " \"" + oneLineText(path) + "\": " + std::string(reason) + ".";
}

std::string fileFailureText(std::string_view action, std::string_view path, int errnoValue) {
  return fileFailureText(action, path, systemReasonText(errnoValue));
}

}  // namespace spreadsheet::io
