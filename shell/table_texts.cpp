#include "shell/table_texts.h"

#include <QCoreApplication>
#include <string>

namespace shell {

namespace {

// The option table's captions and list texts, named here so that lupdate
// finds them; the translation test holds this list to the table.
[[maybe_unused]] constexpr const char* kTableTexts[] = {
    QT_TRANSLATE_NOOP("Form1", "Sunday"),
    QT_TRANSLATE_NOOP("Form1", "Monday"),
    QT_TRANSLATE_NOOP("Form1", "Tuesday"),
    QT_TRANSLATE_NOOP("Form1", " Wednesday"),
    QT_TRANSLATE_NOOP("Form1", "Thursday"),
    QT_TRANSLATE_NOOP("Form1", "Friday"),
    QT_TRANSLATE_NOOP("Form1", "Saturday"),
    QT_TRANSLATE_NOOP("Form1", "Company Name"),
    QT_TRANSLATE_NOOP("Form1", "Address 1"),
    QT_TRANSLATE_NOOP("Form1", "Address 2"),
    QT_TRANSLATE_NOOP("Form1", "City"),
    QT_TRANSLATE_NOOP("Form1", "State"),
    QT_TRANSLATE_NOOP("Form1", "Zip"),
    QT_TRANSLATE_NOOP("Form1", "Employee Name"),
    QT_TRANSLATE_NOOP("Form1", "Manager Name"),
    QT_TRANSLATE_NOOP("Form1", " Week Starting"),
    QT_TRANSLATE_NOOP("Form1", " Week Ending"),
    QT_TRANSLATE_NOOP("Form1", "Employee Signature"),
    QT_TRANSLATE_NOOP("Form1", "Manager Signature"),
    QT_TRANSLATE_NOOP("Form1", "1 Week"),
    QT_TRANSLATE_NOOP("Form1", "2 Weeks"),
    QT_TRANSLATE_NOOP("Form1", "3 Weeks"),
    QT_TRANSLATE_NOOP("Form1", "4 Weeks"),
};

}  // namespace

QString CaptionText(std::string_view english) {
  return QCoreApplication::translate("Form1", std::string(english).c_str());
}

}  // namespace shell
