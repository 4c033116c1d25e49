#pragma once
#include <QString>
#include <string_view>

namespace shell {

// A check box's caption or a list's text from the option table, in the
// program's language (context "Form1"), without leading or trailing blanks;
// the text itself when untranslated.
// lupdate cannot see these texts: their translations are kept by hand in
// resources/translations/tables_*.ts, and a test holds them to the table.
QString CaptionText(std::string_view english);

}  // namespace shell
