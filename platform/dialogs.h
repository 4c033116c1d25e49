#pragma once
#include <QString>

namespace platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Exclamation, Critical, Question };
// Values as the desktop's message box returns them.
enum class MessageAnswer { Ok = 1, Yes = 6, No = 7 };

// The save dialog: the suggested path (its folder is where the dialog opens),
// title and filter in "description|pattern|" pairs.
struct SaveDialogRequest {
  QString fileName;
  QString title;
  QString filter;
};

// The chosen path as typed (empty when cancelled) and the index of the file
// type chosen in the filter.
struct SaveDialogAnswer {
  QString fileName;
  int filterIndex = 0;
};

// Every message box and file dialog goes through this interface, so tests can
// script the answers and read every box that a scenario shows.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual MessageAnswer message(const QString& text, const QString& caption, MessageButtons buttons,
                                MessageIcon icon) = 0;
  virtual SaveDialogAnswer saveFileName(const SaveDialogRequest& request) = 0;
};

// The process-wide dialogs; the Qt implementation until another is installed.
Dialogs& dialogs();
// Installs a replacement (tests); nullptr restores the Qt implementation.
void setDialogs(Dialogs* replacement);

// The application title shown by boxes that name no caption of their own.
QString applicationTitle();
void setApplicationTitleText(const QString& title);

}  // namespace platform
