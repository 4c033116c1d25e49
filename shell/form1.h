#pragma once
#include <QWidget>
#include <array>
#include <memory>

#include "generator/generate_report.h"
#include "generator/options.h"
#include "platform/main_module.h"
#include "platform/window_pointer.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace preview {
class Form2;
}

namespace shell {

// The main window: the user's choices in its controls, the start-up sequence
// in its load event, "Start Creating Template" and the store of the choices
// when it closes. Controls carry their names as object names.
class Form1 : public QWidget, public generator::ChoiceControls, public generator::ReportWindows {
 public:
  using Pointer = platform::WindowPointer::Mode;

  // Builds the controls; the start-up sequence is Form_Load.
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // Event procedures.
  void Form_Load();
  void PushButton22_Click();
  void Form_QueryUnload();
  void Form_Unload();
  void PushButton22_MouseMove();
  void Form_MouseMove();  // the window's own background and its three frames

  Pointer mousePointer() const { return pointer_.mode(); }
  void setMousePointer(Pointer pointer) { pointer_.set(pointer); }
  // Whether start-up found and loaded the hand cursor file.
  bool hasCustomPointerImage() const { return pointer_.hasCustomImage(); }
  void centreOnScreen();

  // Tests pick the number that decides whether the maker's site opens.
  void setSiteDrawForTesting(platform::DrawOneToHundred draw) { siteDraw_ = std::move(draw); }

  QPushButton* PushButton22() const { return pushButton22_; }
  QCheckBox* Check(int box) const;  // 1..kCheckBoxCount
  QComboBox* Combo1() const { return combo1_; }
  QComboBox* Combo2() const { return combo2_; }
  QLabel* SheetSummary() const { return sheetSummary_; }
  QPushButton* ChangeSheetOptions() const { return changeSheetOptions_; }
  // Opens the sheet options dialog; OK takes its choices, Cancel none.
  void ChangeSheetOptions_Click();
  // The summary line from the sheet options held now.
  void refreshSheetSummary();
  // The preview window, once generation has created it.
  preview::Form2* Form2() const { return form2_.get(); }

  // generator::ChoiceControls
  int checkValue(int box) const override;
  void setCheckValue(int box, int value) override;
  int comboIndex(int combo) const override;
  void setComboIndex(int combo, int index) override;

  // generator::ReportWindows
  const generator::ChoiceControls& choiceControls() const override { return *this; }
  void setMainWindowBusy(bool busy) override;
  void setPreviewPicture(
      const std::shared_ptr<const spreadsheet::picture::PictureSource>& picture) override;
  void setPreviewExcelFile(const QString& path) override;
  void showPreview() override;
  void hideMainWindow() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  QComboBox* comboAt(int combo) const;
  preview::Form2& form2();

  QPushButton* pushButton22_ = nullptr;
  std::array<QGroupBox*, 4> frames_{};
  QLabel* sheetSummary_ = nullptr;
  QPushButton* changeSheetOptions_ = nullptr;
  std::array<QCheckBox*, generator::kCheckBoxCount> checks_{};
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  std::unique_ptr<preview::Form2> form2_;
  platform::WindowPointer pointer_{*this};
  platform::DrawOneToHundred siteDraw_;
};

}  // namespace shell
