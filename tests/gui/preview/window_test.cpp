// The preview window as a desktop user meets it: resizable and remembered,
// keys and wheel, tooltips naming the keys, the pointer, the cursor file.
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest/QTest>

#include "preview_fixture.h"

namespace preview_test {
namespace {

class WindowTest : public PreviewTest {
 protected:
  // Shown, active and with a picture larger than the view at 100 %.
  void showLarge() {
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    showPicture(QSize(3000, 4000));
    view().setZoom(1.0);
    hBar().setValue(0);
    vBar().setValue(0);
  }
  void wheel(Qt::KeyboardModifiers modifiers, QPoint angle) {
    const QPointF at(50, 50);
    QWheelEvent event(at, view().viewport()->mapToGlobal(at), QPoint(), angle, Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view().viewport(), &event);
  }
};

TEST_F(WindowTest, ResizesAndComesBackWhereTheUserLeftIt) {
  EXPECT_EQ(form->windowTitle(), "Tallyloom");
  EXPECT_LT(form->minimumSize().width(), form->maximumSize().width());
  EXPECT_EQ(form->size(), QSize(656, 624));
  form->show();
  form->resize(900, 700);
  form->move(40, 30);
  const QRect left = form->geometry();
  form->hide();

  preview::Form2 again;
  again.show();
  EXPECT_EQ(again.geometry(), left);
  EXPECT_GT(again.View()->viewport()->height(), 500);  // the view takes the room
}

TEST_F(WindowTest, KeysZoomScrollSaveGoBackAndQuit) {
  showLarge();
  QWidget* w = form.get();
  QTest::keyClick(w, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view().zoom(), 1.1);
  QTest::keyClick(w, Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(w, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view().zoom(), 0.9);
  QTest::keyClick(w, Qt::Key_0, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view().zoom(), 1.0);

  hBar().setValue(0);
  vBar().setValue(0);
  view().setFocus();
  QTest::keyClick(&view(), Qt::Key_PageDown);
  EXPECT_EQ(vBar().value(), vBar().pageStep());
  QTest::keyClick(&view(), Qt::Key_Down);
  EXPECT_EQ(vBar().value(), vBar().pageStep() + vBar().singleStep());
  QTest::keyClick(&view(), Qt::Key_Right);
  EXPECT_EQ(hBar().value(), hBar().singleStep());
  QTest::keyClick(&view(), Qt::Key_End);
  EXPECT_EQ(vBar().value(), vBar().maximum());
  QTest::keyClick(&view(), Qt::Key_PageUp);
  EXPECT_EQ(vBar().value(), vBar().maximum() - vBar().pageStep());
  QTest::keyClick(&view(), Qt::Key_Home);
  EXPECT_EQ(vBar().value(), 0);
  EXPECT_EQ(hBar().value(), 0);

  QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(dialogs.saveRequests().size(), 1U);

  QWidget mainWindow;
  form->setMainWindow(&mainWindow);
  QTest::keyClick(w, Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(mainWindow.isVisible());

  showLarge();
  QTest::keyClick(form.get(), Qt::Key_Left, Qt::AltModifier);
  EXPECT_FALSE(form->isVisible());

  showLarge();
  int stored = 0;
  form->setStoreChoices([&] { ++stored; });
  QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(programEnds, 1);
  EXPECT_EQ(stored, 1);
}

TEST_F(WindowTest, WheelScrollsShiftWheelScrollsSidewaysCtrlWheelZooms) {
  showLarge();
  wheel(Qt::NoModifier, QPoint(0, -120));  // one notch towards the user: down
  EXPECT_EQ(vBar().value(), 60);
  EXPECT_EQ(hBar().value(), 0);
  wheel(Qt::ShiftModifier, QPoint(0, -120));
  EXPECT_EQ(hBar().value(), 60);
  wheel(Qt::ControlModifier, QPoint(0, 120));
  EXPECT_DOUBLE_EQ(view().zoom(), 1.1);
  wheel(Qt::ControlModifier, QPoint(0, -240));
  EXPECT_DOUBLE_EQ(view().zoom(), 0.9);
}

TEST_F(WindowTest, DraggingMovesThePictureWhileTheButtonIsHeld) {
  showLarge();
  QWidget* port = view().viewport();
  QTest::mousePress(port, Qt::LeftButton, {}, QPoint(300, 300));
  QTest::mouseMove(port, QPoint(200, 250));
  EXPECT_EQ(hBar().value(), 100);
  EXPECT_EQ(vBar().value(), 50);
  QTest::mouseRelease(port, Qt::LeftButton, {}, QPoint(200, 250));
  // The track pages by a view's width, less a line.
  hBar().triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(hBar().value(), 100 + port->width() - 20);
}

TEST_F(WindowTest, ButtonsKeepTheirCaptionsAndNameTheirKeys) {
  EXPECT_EQ(form->PushButton1()->text(), "Zoom In");
  EXPECT_EQ(form->PushButton2()->text(), "Zoom Out");
  EXPECT_EQ(form->PushButton6()->text(), "Save Results To Excel File");
  EXPECT_EQ(form->PushButton8()->text(), "< Back");
  EXPECT_EQ(form->PushButton1()->toolTip(), "Ctrl++");
  EXPECT_EQ(form->PushButton2()->toolTip(), "Ctrl+-");
  EXPECT_EQ(form->ZoomActual()->toolTip(), "Ctrl+0");
  EXPECT_EQ(form->PushButton6()->toolTip(), "Ctrl+S");
  EXPECT_EQ(form->PushButton8()->toolTip(), "Esc");
  EXPECT_EQ(form->PushButton1()->parentWidget(), form->Frame1());
  EXPECT_DOUBLE_EQ(form->PushButton2()->font().pointSizeF(), 11.25);
}

TEST_F(WindowTest, PointerIsTheHandOverButtonsUnlessBusy) {
  EXPECT_FALSE(form->hasCustomCursor());
  QEvent enter(QEvent::Enter);
  QCoreApplication::sendEvent(form->PushButton6(), &enter);
  EXPECT_EQ(form->mousePointer(), preview::Form2::Pointer::Custom);
  QCoreApplication::sendEvent(form->Frame1(), &enter);
  EXPECT_EQ(form->mousePointer(), preview::Form2::Pointer::Default);
  form->setMousePointer(preview::Form2::Pointer::Hourglass);
  QCoreApplication::sendEvent(form->PushButton1(), &enter);
  EXPECT_EQ(form->mousePointer(), preview::Form2::Pointer::Hourglass);
}

TEST_F(WindowTest, CursorFileBesideTheProgramIsLoadedOrReported) {
  const QString cursorPath = folder.filePath("HAND-M.CUR");
  ASSERT_TRUE(QFile::copy(TALLYLOOM_SOURCE_DIR "/resources/beside/HAND-M.CUR", cursorPath));
  preview::Form2 withCursor;
  EXPECT_TRUE(withCursor.hasCustomCursor());
  EXPECT_TRUE(dialogs.errorReports().empty());
  QFile::remove(cursorPath);
  QFile bad(cursorPath);
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a cursor");
  bad.close();
  preview::Form2 withBadFile;
  EXPECT_FALSE(withBadFile.hasCustomCursor());
  ASSERT_EQ(dialogs.errorReports().size(), 1U);
  EXPECT_TRUE(dialogs.errorReports()[0].text.contains(
      "in Tallyloom2021/08/31.Form2.Form_Load at line 110"));
}

}  // namespace
}  // namespace preview_test
