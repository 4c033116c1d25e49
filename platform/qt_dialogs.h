#pragma once
#include "platform/dialogs.h"

namespace platform {

// Message boxes and the save dialog of Qt.
class QtDialogs final : public Dialogs {
 public:
  MessageAnswer message(const QString& text, const QString& caption, MessageButtons buttons,
                        MessageIcon icon) override;
  QString saveFileName(const SaveDialogRequest& request) override;
};

// "Excel Files (*.xls)|*.xls|" -> "Excel Files (*.xls) (*.xls)" as Qt expects.
QString qtFilterFromPairs(const QString& pairs);

}  // namespace platform
