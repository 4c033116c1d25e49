#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace spreadsheet {

// A text kept once per process and shared by every holder: one pointer wide,
// copied for free, compared by pointer. Formula trees hold many copies of a
// few texts (function names, operators, sheet and defined names, literals),
// so a tree node stays small and copying a tree allocates no strings. Reads
// like a const std::string; changing it means assigning a new text.
class InternedText {
 public:
  InternedText() = default;
  InternedText(std::string_view s) : text_(intern(s)) {}  // NOLINT: reads like a string
  InternedText(const std::string& s) : InternedText(std::string_view(s)) {}  // NOLINT
  InternedText(const char* s) : InternedText(std::string_view(s)) {}         // NOLINT

  const std::string& str() const { return text_ ? *text_ : kEmpty; }
  operator const std::string&() const { return str(); }  // NOLINT
  operator std::string_view() const { return str(); }    // NOLINT

  bool empty() const { return text_ == nullptr; }
  std::size_t size() const { return text_ ? text_->size() : 0; }
  const char* c_str() const { return str().c_str(); }
  const char* data() const { return str().data(); }
  std::string::const_iterator begin() const { return str().begin(); }
  std::string::const_iterator end() const { return str().end(); }

  // Equal texts share one copy, so two handles are equal exactly when their
  // pointers are.
  friend bool operator==(const InternedText& a, const InternedText& b) {
    return a.text_ == b.text_;
  }
  friend bool operator==(const InternedText& a, std::string_view b) { return a.view() == b; }
  friend bool operator==(const InternedText& a, const std::string& b) { return a.view() == b; }
  friend bool operator==(const InternedText& a, const char* b) { return a.view() == b; }
  // Ordered as the texts are, so sorted output does not depend on addresses.
  friend auto operator<=>(const InternedText& a, const InternedText& b) {
    return a.view().compare(b.view()) <=> 0;
  }
  friend auto operator<=>(const InternedText& a, std::string_view b) {
    return a.view().compare(b) <=> 0;
  }

  friend std::string operator+(const InternedText& a, std::string_view b) {
    return std::string(a.view()).append(b);
  }
  friend std::string operator+(std::string_view a, const InternedText& b) {
    return std::string(a).append(b.view());
  }

 private:
  std::string_view view() const { return text_ ? std::string_view(*text_) : std::string_view(); }
  // The shared copy of s; nullptr for the empty text.
  static const std::string* intern(std::string_view s);
  static const std::string kEmpty;

  const std::string* text_ = nullptr;
};

}  // namespace spreadsheet
