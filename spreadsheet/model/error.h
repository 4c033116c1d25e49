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

// What the application says when a member is used through an object variable
// that holds no object (never set, or released).
inline constexpr const char* kObjectNotSet = "Object variable or With block variable not set";

// The object that `holder` (a std::optional or a pointer) holds; throws
// Error(kObjectNotSet) when it holds none.
template <typename Holder>
auto& require(Holder& holder) {
  if (!holder) throw Error(kObjectNotSet);
  return *holder;
}

}  // namespace spreadsheet
