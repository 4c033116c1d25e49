#pragma once
#include <stdexcept>
#include <string>

namespace spreadsheet {

// A refused operation, a bad address, a malformed file or an I/O failure.
// The message is written in the spreadsheet application's own words.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace spreadsheet
