#pragma once
#include <deque>
#include <vector>

#include "platform/dialogs.h"

namespace platform {

// One box as it was shown.
struct ShownMessage {
  QString text;
  QString caption;
  MessageButtons buttons;
  MessageIcon icon;
};

// Dialogs for tests: records every box and answers from a script. Without a
// scripted answer a box answers OK (or Yes) and the save dialog is cancelled.
// Installs itself on construction and restores the previous dialogs when destroyed.
class FakeDialogs final : public Dialogs {
 public:
  FakeDialogs();
  ~FakeDialogs() override;
  FakeDialogs(const FakeDialogs&) = delete;
  FakeDialogs& operator=(const FakeDialogs&) = delete;

  MessageAnswer message(const QString& text, const QString& caption, MessageButtons buttons,
                        MessageIcon icon) override;
  SaveDialogAnswer saveFileName(const SaveDialogRequest& request) override;

  void scriptAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  // A name typed into the save dialog with the file type at `filterIndex` chosen.
  void scriptFileName(const QString& name, int filterIndex = 0) {
    fileNames_.push_back({name, filterIndex});
  }

  const std::vector<ShownMessage>& messages() const { return messages_; }
  const std::vector<SaveDialogRequest>& saveRequests() const { return saveRequests_; }
  // The boxes whose caption is "Application Error".
  std::vector<ShownMessage> errorReports() const;
  void clear();

 private:
  std::deque<MessageAnswer> answers_;
  std::deque<SaveDialogAnswer> fileNames_;
  std::vector<ShownMessage> messages_;
  std::vector<SaveDialogRequest> saveRequests_;
  Dialogs* previous_ = nullptr;
};

}  // namespace platform
