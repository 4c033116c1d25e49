#pragma once
#include <cstdint>
#include <optional>

#include <QCursor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "preview/picture_box.h"

class QGroupBox;
class QPushButton;
class QScrollBar;

namespace preview {

// Kept for callers that name the canvas by its role.
using PictureCanvas = PictureBox;

// The preview window: the picture of the generated sheet at seven zoom levels,
// moved with the scroll bars or by dragging, and the ways out: save the
// generated workbook, go back to the main window, or close the program.
// Positions and sizes are kept in twips as the controls' own properties.
class Form2 : public QWidget {
 public:
  // The mouse pointer codes of the window.
  enum class Pointer { Default = 0, Hourglass = 11, Custom = 99 };

  // Builds the controls and runs the load steps.
  explicit Form2(QWidget* parent = nullptr);

  PictureBox* Picture1() const { return picture1_; }
  PictureBox* Picture2() const { return picture2_; }
  PictureBox* Zoom_Ori() const { return zoomOri_; }
  QScrollBar* HScroll1() const { return hScroll1_; }
  QScrollBar* VScroll1() const { return vScroll1_; }
  QGroupBox* Frame1() const { return frame1_; }
  QPushButton* PushButton1() const { return pushButton1_; }
  QPushButton* PushButton2() const { return pushButton2_; }
  QPushButton* PushButton6() const { return pushButton6_; }
  QPushButton* PushButton8() const { return pushButton8_; }

  const QString& mExcelFile() const { return mExcelFile_; }
  void setMExcelFile(const QString& path) { mExcelFile_ = path; }
  // The window that "< Back" shows again; nothing is shown while it is unset.
  void setMainWindow(QWidget* window) { mainWindow_ = window; }

  float mZoom() const { return mZoom_; }
  int mOriWidth() const { return mOriWidth_; }
  int mOriHeight() const { return mOriHeight_; }
  int mNewWidth() const { return mNewWidth_; }
  int mNewHeight() const { return mNewHeight_; }
  std::int16_t mHStep() const { return mHStep_; }
  std::int16_t mVStep() const { return mVStep_; }
  bool mFirstActivate() const { return mFirstActivate_; }
  Pointer mousePointer() const { return pointer_; }
  void setMousePointer(Pointer pointer);
  bool hasCustomCursor() const { return customCursor_.has_value(); }

  // Event handlers, public so that tests can drive them with twip coordinates.
  void Form_Activate();
  void PushButton1_Click();
  void PushButton2_Click();
  void PushButton6_Click();
  void PushButton8_Click();
  void Form_QueryUnload();
  void HScroll1_Change();
  void VScroll1_Change();
  void Picture1_MouseDown(double x, double y);
  void Picture1_MouseMove(bool buttonHeld, double x, double y);
  void Picture1_MouseUp();
  void PushButton_MouseMove();
  void Form_MouseMove();

  void ChangeZoom(int direction);
  void ApplyZoom(float factor);
  void RedrawImage();
  void SetupScrollbars();
  void SetHScrollbarByPercent(QScrollBar& bar, std::int16_t percent);
  void SetVScrollbarByPercent(QScrollBar& bar, std::int16_t percent);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void buildButtons();
  void setTabOrder();
  void Form_Load();
  void setUpCanvas();
  bool canvasMouseEvent(QEvent* event);
  void centreOnScreen();

  PictureBox* picture2_;
  PictureBox* picture1_;
  PictureBox* zoomOri_;
  QScrollBar* vScroll1_;
  QScrollBar* hScroll1_;
  QGroupBox* frame1_;
  QPushButton* pushButton1_;
  QPushButton* pushButton2_;
  QPushButton* pushButton8_;
  QPushButton* pushButton6_;

  QString mExcelFile_;
  QPointer<QWidget> mainWindow_;
  float mZoom_ = 1.0F;
  int mOriWidth_ = 0;
  int mOriHeight_ = 0;
  int mNewWidth_ = 0;
  int mNewHeight_ = 0;
  std::int16_t mHStep_ = 0;
  std::int16_t mVStep_ = 0;
  float mDragX_ = 0;
  float mDragY_ = 0;
  bool mFirstActivate_ = false;
  bool centred_ = false;
  Pointer pointer_ = Pointer::Default;
  std::optional<QCursor> customCursor_;
};

}  // namespace preview
