#pragma once
#include <QString>
#include <string_view>

namespace shell {

// A check box's caption or a list's text from the option table, in the
// program's language (context "Form1"); the text itself when untranslated.
QString CaptionText(std::string_view english);

}  // namespace shell
