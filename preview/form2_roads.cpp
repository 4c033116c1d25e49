// The ways out of the preview window: save, back and close.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/add_folder.h"
#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/program_end.h"
#include "preview/desktop_state.h"
#include "preview/form2.h"
#include "preview/save_format.h"

namespace preview {

namespace {

constexpr const char* kSaveFolderKey = "SaveFolder";

QString location(const char* procedure) {
  return platform::locationText("Form2", procedure);
}

// The folder last saved to while it still exists, else the home folder,
// with the name the dialog suggests.
QString suggestedPath() {
  QString folder = readDesktopState(kSaveFolderKey);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  return QDir(folder).filePath(QCoreApplication::translate("Form2", "time-sheet") + ".xls");
}

void tell(const QString& words, platform::MessageIcon icon) {
  platform::dialogs().message(words, platform::applicationTitle(), platform::MessageButtons::Ok,
                              icon);
}

}  // namespace

// "Done." only once a file was written: a cancelled dialog or a No ends
// quietly, a failed write says which file and why. A fault nobody expects
// is still reported with its number.
void Form2::PushButton6_Click() {
  using platform::MessageAnswer;
  platform::StepRunner(location("PushButton6_Click")).step(100, [&] {
    const platform::SaveDialogRequest request{
        suggestedPath(), QCoreApplication::translate("Form2", "Save File"), SaveDialogFilter()};
    const platform::SaveDialogAnswer answer = platform::dialogs().saveFileName(request);
    if (answer.fileName.isEmpty()) return;
    const QString chosen = WithChosenEnding(answer.fileName, request.filter, answer.filterIndex);
    if (platform::FileOrFolderExists(chosen) &&
        platform::dialogs().message(
            QCoreApplication::translate("Form2", "Are you sure you wish to overwrite %1 ?")
                .arg(chosen),
            platform::applicationTitle(), platform::MessageButtons::YesNo,
            platform::MessageIcon::None) != MessageAnswer::Yes)
      return;
    // The copy replaces an old file only once it is complete, so a failed
    // save leaves the user's file as it was.
    try {
      SaveGeneratedWorkbook(mExcelFile_, chosen);
    } catch (const std::exception& failure) {
      tell(QCoreApplication::translate("Form2", "Could not save %1.\n\n%2")
               .arg(QDir::toNativeSeparators(chosen), SaveFailureReason(failure)),
           platform::MessageIcon::Exclamation);
      return;
    }
    writeDesktopState(kSaveFolderKey, QFileInfo(chosen).absolutePath());
    tell(QCoreApplication::translate("Form2", "Done."), platform::MessageIcon::None);
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

// Closing this window ends the program: the choices are stored as the main
// window's close stores them.
void Form2::Form_QueryUnload() {
  platform::StepRunner run(location("Form_QueryUnload"));
  run.step(100, [&] { platform::DeleteFileQuietly(mExcelFile_); });
  storePlace();
  if (storeChoices_) storeChoices_();
  run.step(102, [&] { QCoreApplication::processEvents(); });
}

void Form2::closeEvent(QCloseEvent* event) {
  Form_QueryUnload();
  event->accept();
  platform::EndProgram();
}

}  // namespace preview
