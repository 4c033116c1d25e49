// The ways out of the preview window: save, back and close.
#include <QCloseEvent>
#include <QCoreApplication>

#include "platform/add_folder.h"
#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/program_end.h"
#include "preview/form2.h"
#include "preview/save_format.h"

namespace preview {

namespace {

QString location(const char* procedure) {
  return platform::locationText("Form2", procedure);
}

}  // namespace

void Form2::PushButton6_Click() {
  using platform::MessageAnswer;
  platform::StepRunner run(location("PushButton6_Click"));
  platform::SaveDialogRequest request;
  QString chosen;
  auto answer = static_cast<MessageAnswer>(0);
  run.step(106, [&] { request.fileName.clear(); });
  run.step(108, [&] { request.title = QCoreApplication::translate("Form2", "Save File"); });
  run.step(110, [&] { request.filter = SaveDialogFilter(); });
  QString dialogFileName;
  run.step(112, [&] { dialogFileName = platform::dialogs().saveFileName(request); });
  // Used exactly as returned: no extension is added.
  run.step(114, [&] { chosen = dialogFileName; });
  if (!run.test(116, [&] { return chosen.isEmpty(); })) {
    if (run.test(118, [&] { return platform::FileOrFolderExists(chosen); })) {
      run.step(120, [&] {
        answer = platform::dialogs().message(
            QCoreApplication::translate("Form2", "Are you sure you wish to overwrite %1 ?")
                .arg(chosen),
            platform::applicationTitle(), platform::MessageButtons::YesNo,
            platform::MessageIcon::None);
      });
      // The old file is not deleted first: the copy below replaces it only
      // once it is complete, so a failed copy leaves the user's file intact.
    } else {
      run.step(126, [&] { answer = MessageAnswer::Yes; });
    }
  }
  if (run.test(128, [&] { return answer == MessageAnswer::Yes; }))
    run.step(130, [&] { SaveGeneratedWorkbook(mExcelFile_, chosen); });
  run.step(132, [&] {
    platform::dialogs().message(QCoreApplication::translate("Form2", "Done."),
                                platform::applicationTitle(), platform::MessageButtons::Ok,
                                platform::MessageIcon::None);
  });
}

void Form2::PushButton8_Click() {
  platform::StepRunner run(location("PushButton8_Click"));
  run.step(102, [&] { platform::DeleteFileQuietly(mExcelFile_); });
  run.step(104, [&] {
    if (mainWindow_) mainWindow_->show();
  });
  run.step(106, [&] { hide(); });
}

void Form2::Form_QueryUnload() {
  platform::StepRunner run(location("Form_QueryUnload"));
  run.step(100, [&] { platform::DeleteFileQuietly(mExcelFile_); });
  run.step(102, [&] { QCoreApplication::processEvents(); });
  run.step(104, [&] { QCoreApplication::processEvents(); });
}

void Form2::closeEvent(QCloseEvent* event) {
  Form_QueryUnload();
  event->accept();
  // Closing this window ends the program; no other window's closing steps run.
  platform::EndProgram();
}

}  // namespace preview
