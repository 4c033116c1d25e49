#include "preview/save_format.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <new>
#include <string>

#include "automation/save_result.h"
#include "platform/error_text.h"
#include "preview/printed_outputs.h"
#include "spreadsheet/formats/workbook_format.h"

namespace preview {

namespace {

// The reasons a save meets most, for the translations (the words are those
// of platform::systemReasonText).
[[maybe_unused]] constexpr const char* kReasonWords[] = {
    QT_TRANSLATE_NOOP("SystemReason", "Permission denied"),
    QT_TRANSLATE_NOOP("SystemReason", "Read-only file system"),
    QT_TRANSLATE_NOOP("SystemReason", "No space left on device"),
    QT_TRANSLATE_NOOP("SystemReason", "No such file or directory"),
    QT_TRANSLATE_NOOP("SystemReason", "File name too long"),
    QT_TRANSLATE_NOOP("SystemReason", "Too many open files"),
    QT_TRANSLATE_NOOP("SystemReason", "File too large"),
    QT_TRANSLATE_NOOP("SystemReason", "Out of memory"),
    QT_TRANSLATE_NOOP("SystemReason", "Is a directory"),
    QT_TRANSLATE_NOOP("SystemReason", "Not a directory"),
    QT_TRANSLATE_NOOP("SystemReason", "Disk quota exceeded"),
    QT_TRANSLATE_NOOP("SystemReason", "Input/output error"),
};

QString reasonWords(int errnoValue) {
  return QCoreApplication::translate("SystemReason",
                                     platform::systemReasonText(errnoValue).c_str());
}

// The errno whose system text the message carries after a colon, as the
// engine's file writer words a failed write ("Cannot write "x": Permission denied.").
int errnoInMessage(const std::string& message) {
  constexpr int kLastErrno = 133;
  for (int e = 1; e <= kLastErrno; ++e) {
    const std::string words = std::strerror(e);
    const auto at = message.rfind(": " + words);
    if (at != std::string::npos && message.size() - at - 2 - words.size() <= 1) return e;
  }
  return 0;
}

// The endings of the filter's entries, in order: ".xls", ".xlsx", ...
QStringList endingsOf(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList endings;
  for (qsizetype i = 1; i < parts.size(); i += 2) endings << parts[i].mid(1);
  return endings;
}

}  // namespace

QString SaveDialogFilter() {
  QString filter;
  for (const spreadsheet::formats::FormatEntry& e : spreadsheet::formats::AllFormats()) {
    const QString pattern =
        "*" + QString::fromUtf8(e.ending.data(), static_cast<int>(e.ending.size()));
    // The descriptions' translations are kept by hand in tables_*.ts.
    filter += QCoreApplication::translate("SaveFormat", std::string(e.description).c_str()) + " (" +
              pattern + ")|" + pattern + "|";
  }
  return filter + PrintedOutputFilter();
}

QString WithChosenEnding(const QString& typed, const QString& filter, int filterIndex) {
  const QStringList endings = endingsOf(filter);
  const QString name = QFileInfo(typed).fileName();
  for (const QString& ending : endings)
    if (name.endsWith(ending, Qt::CaseInsensitive) && name.size() > ending.size()) return typed;
  if (endings.isEmpty()) return typed;
  const int index = filterIndex >= 0 && filterIndex < endings.size() ? filterIndex : 0;
  return typed + endings[index];
}

void SaveGeneratedWorkbook(const QString& generated, const QString& chosen) {
  if (IsPrintedOutput(chosen)) return SavePrintedOutput(generated, chosen);
  automation::SaveGeneratedWorkbook(QFile::encodeName(generated).toStdString(),
                                    QFile::encodeName(chosen).toStdString());
}

QString SaveFailureReason(const std::exception& failure) {
  if (dynamic_cast<const std::bad_alloc*>(&failure)) return reasonWords(ENOMEM);
  const std::string message = failure.what();
  // The generated workbook itself has gone (removed from the temporary folder).
  if (message == "File not found")
    return QCoreApplication::translate(
        "Form2",
        "The generated workbook is gone from the temporary folder. Go back and create "
        "the template again.");
  if (const int e = errnoInMessage(message)) return reasonWords(e);
  return QString::fromStdString(message);
}

}  // namespace preview
