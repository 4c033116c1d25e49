#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace spreadsheet {

// Spreadsheet error values, numbered as the workbook file stores them.
enum class ErrorCode : std::uint8_t {
  Null = 0x00,
  Div0 = 0x07,
  Value = 0x0F,
  Ref = 0x17,
  Name = 0x1D,
  Num = 0x24,
  NA = 0x2A,
};

std::string_view errorText(ErrorCode e);                     // "#REF!"
std::optional<ErrorCode> errorFromText(std::string_view s);  // case-insensitive

// What a cell holds: nothing, a number, text, a truth value or an error value.
class CellValue {
 public:
  CellValue() = default;
  CellValue(double n) : v_(n) {}
  CellValue(int n) : v_(static_cast<double>(n)) {}
  CellValue(std::string s) : v_(std::move(s)) {}
  CellValue(const char* s) : v_(std::string(s)) {}
  CellValue(bool b) : v_(b) {}
  CellValue(ErrorCode e) : v_(e) {}

  bool isEmpty() const { return std::holds_alternative<std::monostate>(v_); }
  bool isNumber() const { return std::holds_alternative<double>(v_); }
  bool isText() const { return std::holds_alternative<std::string>(v_); }
  bool isBoolean() const { return std::holds_alternative<bool>(v_); }
  bool isError() const { return std::holds_alternative<ErrorCode>(v_); }

  double number() const { return std::get<double>(v_); }
  const std::string& text() const { return std::get<std::string>(v_); }
  bool boolean() const { return std::get<bool>(v_); }
  ErrorCode error() const { return std::get<ErrorCode>(v_); }

  // The value as the application shows it in General format for text
  // conversions ("TRUE", "#N/A", "0.25", "" for empty).
  std::string toText() const;

  bool operator==(const CellValue&) const = default;

 private:
  std::variant<std::monostate, double, std::string, bool, ErrorCode> v_;
};

// Shortest decimal text with at most 15 significant digits, as the
// application shows a number in General format without a width limit.
std::string numberToText(double n);

}  // namespace spreadsheet
