#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>

#include <stdexcept>

#include "automation/excel1.h"
#include "automation/is_installed.h"
#include "generator/generate_report.h"
#include "platform/add_folder.h"
#include "platform/cursor_file.h"
#include "platform/error_report.h"
#include "platform/folders.h"
#include "platform/program_end.h"
#include "platform/settings_store.h"
#include "preview/form2.h"
#include "shell/form1.h"
#include "shell/table_texts.h"

namespace shell {

namespace {

QString listText(int combo, int index) {
  return CaptionText(generator::ListItemText(*generator::OptionOfCombo(combo), index));
}

}  // namespace

void Form1::Form_Load() {
  platform::StepRunner run(platform::locationText("Form1", "Form_Load"));
  run.step(100, [&] { platform::ApplySkin(*this, platform::skinFilePath()); });
  run.step(104, [&] {
    setWindowTitle(platform::kProductName);
    setWindowIcon(QApplication::windowIcon());
    platform::SetApplicationTitle();
  });
  if (run.test(106, [] { return platform::FileOrFolderExists(platform::handCursorPath()); })) {
    run.step(108, [&] {
      std::optional<QCursor> hand = platform::loadCursorFile(platform::handCursorPath());
      if (!hand) throw std::runtime_error("Invalid picture");
      pointer_.setCustomImage(std::move(hand));
    });
  }
  run.step(110, [&] { platform::OpenMakerSiteAtRandom(siteDraw_); });
  for (int i = 0; i < generator::kWeekListSize; ++i)
    run.step(128 + 2 * i, [&] { combo1_->addItem(listText(1, i)); });
  run.step(136, [&] { setComboIndex(1, 0); });
  for (int i = 0; i < generator::kShiftListSize; ++i)
    run.step(140, [&] { combo2_->addItem(listText(2, i)); });
  run.step(142, [&] { setComboIndex(2, 0); });
  run.step(144, [&] { generator::LoadChoices(*this); });
  run.step(146, [&] {
    generator::ApplyChoices(*this);
    refreshSheetSummary();
  });
  run.step(148, [] { automation::CheckExcelInstalled(); });
}

void Form1::PushButton22_Click() {
  platform::StepRunner run(platform::locationText("Form1", "PushButton22_Click"));
  // A failing warning counts as consent: the click goes on.
  bool declined = false;
  run.step(100, [&] { declined = automation::ExcelOpenWarning(); });
  if (declined) return;
  run.step(102, [&] { setMousePointer(Pointer::Hourglass); });
  run.step(104, [&] { generator::GenerateReport0(0, *this); });
  run.step(106, [&] { setMousePointer(Pointer::Default); });
}

void Form1::Form_QueryUnload() {
  platform::StepRunner run(platform::locationText("Form1", "Form_QueryUnload"));
  const auto entries = generator::ChoiceStoreEntries(*this);
  const QString app =
      QString::fromUtf8(generator::kSettingsApp.data(), qsizetype(generator::kSettingsApp.size()));
  const QString section = QString::fromUtf8(generator::kSettingsSection.data(),
                                            qsizetype(generator::kSettingsSection.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    run.step(100 + 2 * int(i), [&] {
      platform::settingsStore().write(app, section, QString::fromStdString(entries[i].first),
                                      QString::fromStdString(entries[i].second));
    });
  }
}

void Form1::Form_Unload() {
  platform::EndProgram();
}

void Form1::closeEvent(QCloseEvent* event) {
  Form_QueryUnload();
  event->accept();
  Form_Unload();
}

void Form1::PushButton22_MouseMove() {
  pointer_.overButton();
}

void Form1::Form_MouseMove() {
  pointer_.overBackground();
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
  Form_MouseMove();
  QWidget::mouseMoveEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
    if (watched == pushButton22_) {
      PushButton22_MouseMove();
    } else {
      for (QGroupBox* frame : frames_)
        if (watched == frame) Form_MouseMove();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::setMainWindowBusy(bool busy) {
  setMousePointer(busy ? Pointer::Hourglass : Pointer::Default);
}

void Form1::setPreviewPicture(
    const std::shared_ptr<const spreadsheet::picture::PictureSource>& picture) {
  preview::Form2& preview = form2();
  // What the user was told when the snapshot left no picture file to load.
  if (!picture) throw std::runtime_error("File not found");
  preview.setPicture(picture);
}

void Form1::setPreviewExcelFile(const QString& path) {
  form2().setMExcelFile(path);
}

void Form1::showPreview() {
  form2().show();
}

void Form1::hideMainWindow() {
  hide();
}

}  // namespace shell
