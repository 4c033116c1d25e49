// The sheet's texts per language: none forgotten, day names that the macros
// can tell apart, and the language words the command line accepts.
#include <gtest/gtest.h>

#include <set>

#include "generator/sheet_texts.h"

namespace generator {
namespace {

TEST(SheetTexts, EveryLanguageHasEveryTextAndSevenDistinctDays) {
  for (SheetLanguage language : kSheetLanguages) {
    const SheetTexts& t = SheetTextsOf(language);
    const std::string_view texts[] = {t.word,
                                      t.title,
                                      t.companyName,
                                      t.address1,
                                      t.address2,
                                      t.city,
                                      t.state,
                                      t.zip,
                                      t.employeeName,
                                      t.managerName,
                                      t.weekStarting,
                                      t.weekEnding,
                                      t.employeeSignature,
                                      t.managerSignature,
                                      t.date,
                                      t.start,
                                      t.end,
                                      t.lunch,
                                      t.otherBreaks,
                                      t.total,
                                      t.regular,
                                      t.overtime,
                                      t.sick,
                                      t.vacation,
                                      t.totalHoursScheduled,
                                      t.rate,
                                      t.pay,
                                      t.validationTitle,
                                      t.timeMessage,
                                      t.breakMessage,
                                      t.buttonCaption};
    for (std::size_t i = 0; i < std::size(texts); ++i)
      EXPECT_FALSE(texts[i].empty()) << t.word << " text " << i;
    const std::set<std::string_view> days(t.days.begin(), t.days.end());
    EXPECT_EQ(days.size(), 7u) << t.word;
    EXPECT_FALSE(days.contains("")) << t.word;
  }
}

TEST(SheetTexts, LanguageWords) {
  const std::pair<std::string_view, std::optional<SheetLanguage>> cases[] = {
      {"en", SheetLanguage::English},
      {"de", SheetLanguage::German},
      {"fr", SheetLanguage::French},
      {"es", SheetLanguage::Spanish},
      {"EN", std::nullopt},
      {"it", std::nullopt},
      {"", std::nullopt},
      {"english", std::nullopt},
  };
  for (const auto& [word, language] : cases) EXPECT_EQ(SheetLanguageOfWord(word), language) << word;
  EXPECT_EQ(SheetTextsOf(SheetLanguage::German).days[3], "Mittwoch");
  EXPECT_EQ(SheetTextsOf(SheetLanguage::French).totalHoursScheduled, "Heures prévues au total");
}

}  // namespace
}  // namespace generator
