#pragma once
#include <exception>
#include <string>
#include <string_view>

// The words every message gives for a failure of the system: one table for
// the command line, the windows and the engine, in the user's words rather
// than the C library's ("Out of memory", not "Cannot allocate memory"), so
// that a translation finds the same English text on every platform.
namespace spreadsheet::io {

// "File name too long", "Too many open files", "File too large", "Out of
// memory", "No space left on device", "Permission denied", "Read-only file
// system", "No such file or directory"; strerror's text for any other errno.
std::string systemReasonText(int errnoValue);

// The reason of a caught failure: "Out of memory" for std::bad_alloc, else
// what() up to its first line break.
std::string failureReasonText(const std::exception& failure);

// The one shape of a message about a file: `Cannot write "/a/b.xls": File too
// large.` The name's control characters are escaped, so it stays one line.
std::string fileFailureText(std::string_view action, std::string_view path,
                            std::string_view reason);
std::string fileFailureText(std::string_view action, std::string_view path, int errnoValue);

// A text for a one-line message: control characters as \n, \t, \xNN.
std::string oneLineText(std::string_view text);

// A value someone gave, as a message shows it: its first 80 characters with
// oneLineText, and the length of what is left out ("xxx... (1000000 bytes)").
std::string shownValueText(std::string_view text);

}  // namespace spreadsheet::io
