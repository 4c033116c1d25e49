// Each translation carries every text the windows take from tables and other
// folders (option captions, list texts, box messages, format names), so no
// such text shows in English on a translated desktop.
#include <QCoreApplication>
#include <QTranslator>

#include <algorithm>
#include <cctype>

#include <gtest/gtest.h>

#include "automation/excel1.h"
#include "automation/is_installed.h"
#include "generator/generate_report.h"
#include "generator/option_table.h"
#include "shell/program_language.h"
#include "spreadsheet/formats/workbook_format.h"

namespace desktop_test {
namespace {

struct Text {
  const char* context;
  std::string english;
};

std::vector<Text> borrowedTexts() {
  std::vector<Text> texts;
  for (const generator::OptionEntry& option : generator::OptionTable()) {
    for (const generator::SetItem& item : option.items)
      texts.push_back({"Form1", std::string(item.caption)});
    if (!generator::isList(option.kind)) continue;
    for (int i = 0; i < generator::ListSize(option); ++i) {
      std::string text = generator::ListItemText(option, i);
      // Bare numbers read the same in every language.
      if (!std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        texts.push_back({"Form1", std::move(text)});
    }
  }
  for (const char* message :
       {automation::kExcelOpenWarning, automation::kNoExcelMessage, generator::kNoColumnsMessage})
    texts.push_back({"Messages", message});
  for (const auto& format : spreadsheet::formats::AllFormats())
    texts.push_back({"SaveFormat", std::string(format.description)});
  return texts;
}

TEST(Translations, CarryEveryBorrowedText) {
  const std::vector<Text> texts = borrowedTexts();
  EXPECT_GE(texts.size(), 19u + 4u + 3u + 4u);
  for (const char* language : {"de", "fr", "es"}) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QString(":/translations/tallyloom_%1.qm").arg(language)))
        << language;
    for (const Text& text : texts)
      EXPECT_FALSE(translator.translate(text.context, text.english.c_str()).isEmpty())
          << language << " has no " << text.context << " text \"" << text.english << '"';
  }
}

// The desktop's locale picks the translation; a region of its own or a
// language without one changes nothing.
TEST(Translations, FollowTheDesktopsLanguage) {
  const std::pair<const char*, const char*> cases[] = {
      {"de_DE", "de"}, {"de_AT", "de"}, {"fr_FR", "fr"}, {"fr_CA", "fr"}, {"es_ES", "es"},
      {"es_MX", "es"}, {"en_US", ""},   {"en_GB", ""},   {"it_IT", ""},   {"C", ""},
  };
  for (const auto& [locale, language] : cases)
    EXPECT_EQ(shell::ProgramLanguage(QLocale(locale)).language(), language) << locale;
  EXPECT_EQ(QCoreApplication::translate("Form1", "Start Creating Template"),
            "Start Creating Template");
}

}  // namespace
}  // namespace desktop_test
