#include "spreadsheet/model/interned_text.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace spreadsheet {
namespace {

using namespace std::string_literals;

// Every pair of texts compares as the plain strings do, whether both sides
// are handles or one is a string, a string view or a C string.
TEST(InternedText, ComparesAsThePlainStrings) {
  const std::vector<std::string> texts = {""s,
                                          "SUM"s,
                                          "Sum"s,
                                          "SUMIF"s,
                                          "+"s,
                                          "<>"s,
                                          "Week 1"s,
                                          "a\0b"s,
                                          "a\0c"s,
                                          "a"s,
                                          "\0"s,
                                          " "s,
                                          "é"s,
                                          std::string(5000, 'x'),
                                          std::string(5000, 'x') + "y"};
  for (const std::string& a : texts) {
    const InternedText ha(a);
    SCOPED_TRACE(testing::PrintToString(a.substr(0, 20)));
    EXPECT_EQ(ha.size(), a.size());
    EXPECT_EQ(ha.empty(), a.empty());
    EXPECT_EQ(std::string(ha.data(), ha.size()), a);
    EXPECT_EQ(static_cast<const std::string&>(ha), a);
    EXPECT_EQ(std::string(ha.begin(), ha.end()), a);
    EXPECT_EQ(std::char_traits<char>::length(ha.c_str()),
              a.find('\0') == std::string::npos ? a.size() : a.find('\0'));
    for (const std::string& b : texts) {
      const InternedText hb(b);
      SCOPED_TRACE(testing::PrintToString(b.substr(0, 20)));
      EXPECT_EQ(ha == hb, a == b);
      EXPECT_EQ(ha == b, a == b);
      EXPECT_EQ(b == ha, a == b);
      EXPECT_EQ(ha == std::string_view(b), a == b);
      EXPECT_EQ(ha != hb, a != b);
      EXPECT_EQ(ha < hb, a < b);
      EXPECT_EQ(ha < std::string_view(b), a < b);
      EXPECT_EQ(hb > ha, b > a);
    }
  }
  EXPECT_TRUE(InternedText() == "");
  EXPECT_TRUE(InternedText("SUM") == "SUM");
  EXPECT_FALSE(InternedText("SUM") == "SU");
  EXPECT_EQ(InternedText("A") + "B", "AB");
  EXPECT_EQ("A" + InternedText("B"), "AB");
}

// Two threads that intern the same new texts at once get the same copies.
TEST(InternedText, ThreadsShareOneCopy) {
  constexpr int kTexts = 2000;
  std::vector<InternedText> first(kTexts), second(kTexts);
  auto internAll = [](std::vector<InternedText>& out) {
    for (int i = 0; i < kTexts; ++i) out[i] = "thread text " + std::to_string(i);
  };
  std::thread a(internAll, std::ref(first));
  std::thread b(internAll, std::ref(second));
  a.join();
  b.join();
  for (int i = 0; i < kTexts; ++i) {
    EXPECT_EQ(first[i].data(), second[i].data());
    EXPECT_EQ(first[i], "thread text " + std::to_string(i));
  }
}

}  // namespace
}  // namespace spreadsheet
