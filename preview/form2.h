#pragma once
#include <functional>
#include <optional>

#include <QCursor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "preview/sheet_view.h"

class QGroupBox;
class QPushButton;

namespace preview {

// The preview window: the picture of the generated sheet in a view that
// zooms and scrolls, and the ways out: save the generated workbook, go back
// to the main window, or close the program. The window can be resized; its
// place and size, like the folder last saved to, are kept between runs.
class Form2 : public QWidget {
 public:
  // The mouse pointer codes of the window.
  enum class Pointer { Default = 0, Hourglass = 11, Custom = 99 };

  // Builds the controls and runs the load steps.
  explicit Form2(QWidget* parent = nullptr);

  SheetView* View() const { return view_; }
  QGroupBox* Frame1() const { return frame1_; }
  QPushButton* PushButton1() const { return pushButton1_; }  // Zoom In
  QPushButton* PushButton2() const { return pushButton2_; }  // Zoom Out
  QPushButton* ZoomFit() const { return zoomFit_; }
  QPushButton* ZoomActual() const { return zoomActual_; }
  QPushButton* PushButton6() const { return pushButton6_; }  // Save
  QPushButton* PushButton8() const { return pushButton8_; }  // < Back

  // The snapshot of the generated sheet; a new one is shown whole.
  void setPicture(PictureSourcePtr picture) { view_->setPicture(std::move(picture)); }
  const QString& mExcelFile() const { return mExcelFile_; }
  void setMExcelFile(const QString& path) { mExcelFile_ = path; }
  // The window that "< Back" shows again; nothing is shown while it is unset.
  void setMainWindow(QWidget* window) { mainWindow_ = window; }
  // Stores the user's choices; run when this window closes the program.
  void setStoreChoices(std::function<void()> store) { storeChoices_ = std::move(store); }

  Pointer mousePointer() const { return pointer_; }
  void setMousePointer(Pointer pointer);
  bool hasCustomCursor() const { return customCursor_.has_value(); }

  // Event handlers, public so that tests can drive them.
  void PushButton1_Click();
  void PushButton2_Click();
  void PushButton6_Click();
  void PushButton8_Click();
  void Form_QueryUnload();
  void PushButton_MouseMove();
  void Form_MouseMove();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void buildShortcuts();
  void Form_Load();
  void showZoom();
  void restorePlace();
  void storePlace();

  SheetView* view_;
  QGroupBox* frame1_;
  QPushButton* pushButton1_;
  QPushButton* pushButton2_;
  QPushButton* zoomFit_;
  QPushButton* zoomActual_;
  QPushButton* pushButton8_;
  QPushButton* pushButton6_;

  QString mExcelFile_;
  QPointer<QWidget> mainWindow_;
  std::function<void()> storeChoices_;
  bool placed_ = false;
  Pointer pointer_ = Pointer::Default;
  std::optional<QCursor> customCursor_;
};

}  // namespace preview
