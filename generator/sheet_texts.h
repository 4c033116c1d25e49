#pragma once
#include <array>
#include <optional>
#include <string_view>

// Every text the layout writes into the sheet, once per language the sheet
// can be made in: labels, day names, the lists' validation texts and the
// button's caption. English is the sheet as it has always been.
namespace generator {

enum class SheetLanguage { English, German, French, Spanish };

struct SheetTexts {
  std::string_view word;  // "en": the command line's and the summary's name
  std::string_view title;
  // Header placeholders and labels; city, state and zip make "[City, State, ZIP]".
  std::string_view companyName, address1, address2;
  std::string_view city, state, zip;
  std::string_view employeeName, managerName, weekStarting, weekEnding;
  std::string_view employeeSignature, managerSignature, date;
  // Row captions of the grid and the pay columns.
  std::string_view start, end, lunch, otherBreaks, total;
  std::string_view regular, overtime, sick, vacation;
  std::string_view totalHoursScheduled, rate, pay;
  // Sunday .. Saturday, in row 9: the macros find a day's columns by its name.
  std::array<std::string_view, 7> days;
  // The time lists' validation: the error's title, and the messages of the
  // start/end lists and of the break lists.
  std::string_view validationTitle, timeMessage, breakMessage;
  std::string_view buttonCaption;
};

inline constexpr std::array<SheetLanguage, 4> kSheetLanguages{
    SheetLanguage::English, SheetLanguage::German, SheetLanguage::French, SheetLanguage::Spanish};

const SheetTexts& SheetTextsOf(SheetLanguage language);
// "en", "de", "fr", "es"; nullopt for any other word.
std::optional<SheetLanguage> SheetLanguageOfWord(std::string_view word);

}  // namespace generator
