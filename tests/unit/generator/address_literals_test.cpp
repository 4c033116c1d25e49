// Positions on the sheet come from SheetGeometry: a cell address written as
// text anywhere else in generator/ is a place that the next option would
// have to find and change by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Where addresses may be written: the geometry itself, and the table of row
// heights and column widths that the skeleton draws first.
bool addressesAllowed(const fs::path& file) {
  return file.filename() == "sheet_geometry.cpp";
}
const char* const kBaseDrawingTables[] = {"kHeights[] =", "kWidths[] ="};

// Texts that look like an address but are none: the help's clock-time placeholder.
const char* const kNotAddresses[] = {"H:MM"};

// The source without comments and character literals, and without the base
// drawing's tables; string literals kept as written.
std::string codeOf(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "//") == 0) {
      i = text.find('\n', i);
      if (i == std::string::npos) break;
      out += '\n';
    } else if (text.compare(i, 2, "/*") == 0) {
      i = text.find("*/", i);
      if (i == std::string::npos) break;
      ++i;
    } else if (text[i] == '\'' || text[i] == '"') {
      const char quote = text[i];
      std::size_t end = i + 1;
      while (end < text.size() && text[end] != quote) end += text[end] == '\\' ? 2 : 1;
      if (quote == '"') out += text.substr(i, end - i + 1);
      i = end;
    } else {
      out += text[i];
    }
  }
  for (const char* table : kBaseDrawingTables) {
    const std::size_t start = out.find(table);
    if (start != std::string::npos) out.erase(start, out.find("};", start) - start);
  }
  return out;
}

// The string literals of `code` that name a cell, a range, whole rows or
// whole columns, in A1 or R1C1 notation.
std::vector<std::string> addressLiterals(const std::string& code) {
  static const std::regex literal(R"re("((?:[^"\\]|\\.)*)")re");
  static const std::regex address(
      R"re((^|[^A-Za-z0-9_$])\$?[A-Z]{1,3}\$?[0-9]+($|[^A-Za-z0-9_(]))re"
      R"re(|(^|[^A-Za-z0-9_])R[0-9]+C[0-9]+)re"
      R"re(|^\$?[0-9]+:\$?[0-9]+$|^\$?[A-Z]{1,3}:\$?[A-Z]{1,3}$)re");
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(code.begin(), code.end(), literal);
       it != std::sregex_iterator(); ++it) {
    const std::string text = (*it)[1];
    if (std::find(std::begin(kNotAddresses), std::end(kNotAddresses), text) !=
        std::end(kNotAddresses))
      continue;
    if (std::regex_search(text, address)) found.push_back(text);
  }
  return found;
}

TEST(AddressLiterals, TheScannerFindsAddressesAndNothingElse) {
  struct Case {
    const char* code;
    std::vector<std::string> found;
  };
  const Case cases[] = {
      {R"x(app.Range("E11").Select();)x", {"E11"}},
      {R"x(WriteCell(app, "R4:S4", x, true); // "B24:J24" in a comment)x", {"R4:S4"}},
      {R"x(f = "=IF(R4C18=0,\"\",R4C18+6)";)x", {R"x(=IF(R4C18=0,\"\",R4C18+6))x"}},
      {R"x(app.Rows("25:25"); app.Columns("D:D");)x", {"25:25", "D:D"}},
      {R"x(x = "$A$1:$U$26";)x", {"$A$1:$U$26"}},
      {R"x(f = "=IF((OR(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,1)"; m = "m/d/yyyy";)x", {}},
      {R"x(SetFont(app, "General", 9, kAuto); t = "[City, State, ZIP]"; c = '"';)x", {}},
      {R"x(name = "Time0"; v = "H:MM"; f = "SUM(";)x", {}},
      {"static constexpr RowHeight kHeights[] = {{\"1:1\", 36}};\nRows(\"4:6\");", {"4:6"}},
  };
  for (const Case& c : cases) EXPECT_EQ(addressLiterals(codeOf(c.code)), c.found) << c.code;
}

TEST(AddressLiterals, NoneInTheGeneratorOutsideTheGeometry) {
  const fs::path folder = fs::path(TALLYLOOM_SOURCE_DIR) / "generator";
  int files = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const fs::path& file = entry.path();
    if (file.extension() != ".cpp" && file.extension() != ".h") continue;
    ++files;
    if (addressesAllowed(file)) continue;
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    for (const std::string& found : addressLiterals(codeOf(text.str())))
      ADD_FAILURE() << file.filename().string() << ": \"" << found
                    << "\" — take the position from SheetGeometry";
  }
  EXPECT_GT(files, 20) << "the generator's sources were not found";
}

}  // namespace
