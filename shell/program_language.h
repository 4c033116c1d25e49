#pragma once
#include <QLocale>
#include <QTranslator>

namespace shell {

// The windows' and message boxes' texts in the desktop's language while an
// instance lives: the program's own translation, compiled in, and the
// toolkit's for its standard buttons and dialogs when the system has it.
// English, the texts in the code, when no translation matches.
class ProgramLanguage {
 public:
  explicit ProgramLanguage(const QLocale& locale = QLocale::system());
  ProgramLanguage(const ProgramLanguage&) = delete;
  ProgramLanguage& operator=(const ProgramLanguage&) = delete;

  // "de", "fr", "es"; empty when the program speaks English.
  QString language() const { return language_; }

 private:
  QTranslator program_;
  QTranslator toolkit_;
  QString language_;
};

}  // namespace shell
