#pragma once
#include "platform/dialogs.h"

namespace platform {

// Message boxes and the save dialog of Qt.
class QtDialogs final : public Dialogs {
 public:
  MessageAnswer message(const QString& text, const QString& caption, MessageButtons buttons,
                        MessageIcon icon) override;
  SaveDialogAnswer saveFileName(const SaveDialogRequest& request) override;
};

// "Excel Files|*.xls|" -> "Excel Files (*.xls)" as Qt expects; a description that
// already ends in its patterns keeps them once: "Excel Files (*.xls)|*.xls|" -> "Excel Files (*.xls)".
QString qtFilterFromPairs(const QString& pairs);

}  // namespace platform
