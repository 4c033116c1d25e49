#include "spreadsheet/model/interned_text.h"

#include <mutex>
#include <unordered_set>

namespace spreadsheet {
namespace {

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const noexcept {
    return std::hash<std::string_view>()(s);
  }
};

// Every text ever interned, for the life of the process. Nothing is removed:
// formulas hold function names, operators, sheet and defined names and short
// literals, a small set even over many workbooks, and dropping none means a
// handle can be read without a lock. The set's elements never move, so the
// pointers handed out stay valid; the mutex guards lookup and insertion, so
// formulas may be parsed on any thread.
struct InternTable {
  std::mutex mutex;
  std::unordered_set<std::string, TextHash, std::equal_to<>> texts;
};

InternTable& table() {
  static InternTable t;
  return t;
}

}  // namespace

const std::string* InternedText::intern(std::string_view s) {
  if (s.empty()) return nullptr;
  InternTable& t = table();
  std::lock_guard lock(t.mutex);
  auto it = t.texts.find(s);
  if (it == t.texts.end()) it = t.texts.emplace(s).first;
  return &*it;
}

const std::string InternedText::kEmpty;

}  // namespace spreadsheet
