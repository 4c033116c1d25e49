#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <algorithm>

namespace platform {

namespace {

QtDialogs& qtDialogs() {
  static QtDialogs instance;
  return instance;
}

Dialogs* current = nullptr;
QString title;

QMessageBox::Icon toQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

Dialogs& dialogs() { return current ? *current : qtDialogs(); }
void setDialogs(Dialogs* replacement) { current = replacement; }

QString applicationTitle() { return title; }
void setApplicationTitleText(const QString& t) { title = t; }

MessageAnswer QtDialogs::message(const QString& text, const QString& caption,
                                 MessageButtons buttons, MessageIcon icon) {
  // Texts fixed in other folders are translated here, as they are shown (their
  // translations are kept by hand in resources/translations/tables_*.ts).
  const auto shown = [](const QString& english) {
    return QCoreApplication::translate("Messages", english.toUtf8().constData());
  };
  QMessageBox box(toQt(icon), shown(caption), shown(text),
                  buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                   : QMessageBox::Ok);
  int answer = box.exec();
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString qtFilterFromPairs(const QString& pairs) {
  QStringList parts = pairs.split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) continue;
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    // A description that already shows its patterns gets them only once.
    const QString shown = " (" + patterns + ")";
    filters << (parts[i].endsWith(shown) ? parts[i] : parts[i] + shown);
  }
  return filters.join(";;");
}

SaveDialogAnswer QtDialogs::saveFileName(const SaveDialogRequest& request) {
  const QString filters = qtFilterFromPairs(request.filter);
  QString chosenFilter;
  // No overwrite question of the dialog's own: the caller asks it, once the
  // chosen type's ending is on the name.
  SaveDialogAnswer answer;
  answer.fileName =
      QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, request.fileName,
                                   filters, &chosenFilter, QFileDialog::DontConfirmOverwrite);
  answer.filterIndex = std::max<int>(0, int(filters.split(";;").indexOf(chosenFilter)));
  return answer;
}

}  // namespace platform
