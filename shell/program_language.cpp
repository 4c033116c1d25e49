#include "shell/program_language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace shell {

ProgramLanguage::ProgramLanguage(const QLocale& locale) {
  // The first of the desktop's languages that has a translation wins, as
  // QTranslator tries them in the order of locale.uiLanguages().
  if (!program_.load(locale, "tallyloom", "_", ":/translations")) return;
  QCoreApplication::installTranslator(&program_);
  language_ = QFileInfo(program_.filePath()).baseName().section('_', 1);
  // The toolkit's buttons in the same language, not in a later one of the list.
  if (toolkit_.load(QLocale(language_), "qtbase", "_",
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&toolkit_);
}

}  // namespace shell
