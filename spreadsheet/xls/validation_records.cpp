#include "spreadsheet/xls/validation_records.h"

#include <algorithm>

#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/sheet_records.h"

namespace spreadsheet::xls {

namespace {

constexpr std::uint32_t kExplicitList = 0x80, kIgnoreBlank = 0x100, kNoDropDown = 0x200;
constexpr std::uint32_t kShowInput = 0x40000, kShowError = 0x80000;

// Empty texts are stored as a single NUL character.
void writeDvText(ByteWriter& b, const std::string& s) {
  writeLongString(b, s.empty() ? std::string(1, '\0') : s);
}

std::string readDvText(ByteReader& in) {
  std::string s = readLongString(in);
  return s == std::string(1, '\0') ? std::string() : s;
}

void writeDvFormula(ByteWriter& b, const std::vector<std::uint8_t>& tokens) {
  b.u16(static_cast<unsigned>(tokens.size()));
  b.u16(0);
  b.bytes(tokens);
}

std::optional<FormulaNode> readDvFormula(ByteReader& in, const TokenNames& names) {
  std::size_t size = in.u16();
  in.skip(2);
  if (size == 0) return std::nullopt;
  return decompileFormula(in, size, names);
}

// A list typed as "a,b,c" is stored with NUL characters between the items.
std::string withSeparator(std::string list, char from, char to) {
  std::replace(list.begin(), list.end(), from, to);
  return list;
}

}  // namespace

void writeDval(RecordWriter& out, std::size_t count) {
  out.record(kDval, 18, [&](ByteWriter& b) {
    b.zeros(10);        // flags and the position of a closed input window
    b.u32(0xFFFFFFFF);  // no drop-down object yet
    b.u32(static_cast<std::uint32_t>(count));
  });
}

std::size_t readDval(ByteReader in) {
  in.skip(14);
  std::size_t n = in.u32();
  in.expectEnd();
  return n;
}

void writeDv(RecordWriter& out, const Validation& v, const CompileFn& compile) {
  bool explicitList =
      v.type == xl::ValidateList && v.formula1 && v.formula1->kind == FormulaKind::Text;
  std::vector<std::uint8_t> f1, f2;
  if (explicitList) {
    FormulaNode list = *v.formula1;
    list.text = withSeparator(list.text, ',', '\0');
    f1 = compile(list);
  } else if (v.formula1) {
    f1 = compile(*v.formula1);
  }
  if (v.formula2) f2 = compile(*v.formula2);
  if (v.ranges.empty() || v.ranges.size() > 0xFFFF)
    throw Error("A validation must cover at least one cell.");
  unsigned alert = v.alertStyle == xl::ValidAlertWarning       ? 1
                   : v.alertStyle == xl::ValidAlertInformation ? 2
                                                               : 0;
  std::uint32_t flags = static_cast<std::uint32_t>(std::clamp(v.type, 0, 7)) | alert << 4 |
                        (explicitList ? kExplicitList : 0) | (v.ignoreBlank ? kIgnoreBlank : 0) |
                        (v.inCellDropdown ? 0 : kNoDropDown) | (v.showInput ? kShowInput : 0) |
                        (v.showError ? kShowError : 0) |
                        static_cast<std::uint32_t>(std::clamp(v.op - 1, 0, 7)) << 20;
  out.record(kDv, kVariableSize, [&](ByteWriter& b) {
    b.u32(flags);
    writeDvText(b, v.inputTitle);
    writeDvText(b, v.errorTitle);
    writeDvText(b, v.inputMessage);
    writeDvText(b, v.errorMessage);
    writeDvFormula(b, f1);
    writeDvFormula(b, f2);
    b.u16(static_cast<unsigned>(v.ranges.size()));
    for (const CellRange& r : v.ranges) writeRange8(b, r);
  });
}

Validation readDv(ByteReader in, const TokenNames& names) {
  Validation v;
  std::uint32_t flags = in.u32();
  v.type = static_cast<int>(flags & 0x0F);
  if (v.type > 7) in.fail("an unknown validation type");
  unsigned alert = (flags >> 4) & 0x07;
  v.alertStyle = alert == 1   ? xl::ValidAlertWarning
                 : alert == 2 ? xl::ValidAlertInformation
                              : xl::ValidAlertStop;
  v.ignoreBlank = flags & kIgnoreBlank;
  v.inCellDropdown = !(flags & kNoDropDown);
  v.showInput = flags & kShowInput;
  v.showError = flags & kShowError;
  v.op = static_cast<int>((flags >> 20) & 0x0F) + 1;
  v.inputTitle = readDvText(in);
  v.errorTitle = readDvText(in);
  v.inputMessage = readDvText(in);
  v.errorMessage = readDvText(in);
  v.formula1 = readDvFormula(in, names);
  v.formula2 = readDvFormula(in, names);
  if ((flags & kExplicitList) && v.formula1 && v.formula1->kind == FormulaKind::Text)
    v.formula1->text = withSeparator(v.formula1->text, '\0', ',');
  std::size_t n = in.u16();
  for (std::size_t i = 0; i < n; ++i) v.ranges.push_back(readRange8(in));
  in.expectEnd();
  if (v.ranges.empty()) in.fail("a validation that covers no cells");
  return v;
}

}  // namespace spreadsheet::xls
