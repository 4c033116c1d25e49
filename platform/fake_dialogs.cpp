#include "platform/fake_dialogs.h"

namespace platform {

namespace {
Dialogs* installedFake = nullptr;
}

FakeDialogs::FakeDialogs() : previous_(installedFake) {
  installedFake = this;
  setDialogs(this);
}

FakeDialogs::~FakeDialogs() {
  installedFake = previous_;
  setDialogs(previous_);
}

MessageAnswer FakeDialogs::message(const QString& text, const QString& caption,
                                   MessageButtons buttons, MessageIcon icon) {
  messages_.push_back({text, caption, buttons, icon});
  if (!answers_.empty()) {
    MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

SaveDialogAnswer FakeDialogs::saveFileName(const SaveDialogRequest& request) {
  saveRequests_.push_back(request);
  if (fileNames_.empty()) return {};
  SaveDialogAnswer answer = fileNames_.front();
  fileNames_.pop_front();
  return answer;
}

std::vector<ShownMessage> FakeDialogs::errorReports() const {
  std::vector<ShownMessage> reports;
  for (const ShownMessage& shown : messages_)
    if (shown.caption == "Application Error") reports.push_back(shown);
  return reports;
}

void FakeDialogs::clear() {
  answers_.clear();
  fileNames_.clear();
  messages_.clear();
  saveRequests_.clear();
}

}  // namespace platform
