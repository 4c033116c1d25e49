// The preview window as a window: layout, pointer, load steps and a drag with
// real mouse events.
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>

#include "preview_fixture.h"

namespace preview_test {
namespace {

using WindowTest = PreviewTest;

TEST_F(WindowTest, ControlsSitWhereTheTwipLayoutPutsThem) {
  EXPECT_EQ(form->windowTitle(), "Tallyloom");
  EXPECT_EQ(form->minimumSize(), QSize(656, 624));
  EXPECT_EQ(form->maximumSize(), QSize(656, 624));
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  struct Place {
    const char* name;
    QRect pixels;
  };
  const Place places[] = {
      {"Picture2", {8, 8, 622, 495}},     {"VScroll1", {630, 8, 17, 495}},
      {"HScroll1", {8, 503, 622, 17}},    {"Frame1", {8, 524, 640, 57}},
      {"PushButton1", {16, 20, 296, 27}}, {"PushButton2", {320, 20, 304, 27}},
      {"PushButton8", {8, 590, 312, 27}}, {"PushButton6", {328, 590, 320, 27}},
  };
  for (const Place& place : places) {
    auto* control = form->findChild<QWidget*>(place.name);
    ASSERT_NE(control, nullptr) << place.name;
    EXPECT_EQ(control->geometry(), place.pixels) << place.name;
  }
  EXPECT_EQ(form->PushButton1()->parentWidget(), form->Frame1());
  EXPECT_EQ(form->Picture1()->parentWidget(), form->Picture2());
  EXPECT_EQ(form->Frame1()->title(), "Zoom:");
  EXPECT_EQ(form->PushButton6()->text(), "Save Results To Excel File");
  EXPECT_EQ(form->PushButton8()->text(), "< Back");
  EXPECT_FALSE(form->Zoom_Ori()->isVisibleTo(form.get()));
  EXPECT_DOUBLE_EQ(form->PushButton2()->font().pointSizeF(), 11.25);
  EXPECT_TRUE(form->PushButton2()->font().bold());
  EXPECT_DOUBLE_EQ(form->font().pointSizeF(), 9);
  EXPECT_EQ(form->Picture2()->ScaleWidth(), 9270);
  EXPECT_EQ(form->Picture2()->backColor(), QColor(Qt::white));
  EXPECT_TRUE(form->mFirstActivate());
}

TEST_F(WindowTest, TabOrderFollowsTheControlList) {
  const QStringList order = {"HScroll1",    "VScroll1",    "Picture2",    "Picture1",
                             "PushButton1", "PushButton2", "PushButton6", "PushButton8"};
  QStringList seen;
  QWidget* at = form->HScroll1();
  for (int i = 0; i < 40 && seen.size() < order.size(); ++i, at = at->nextInFocusChain()) {
    if (order.contains(at->objectName()) && !seen.contains(at->objectName()))
      seen << at->objectName();
  }
  EXPECT_EQ(seen.join(' ').toStdString(), order.join(' ').toStdString());
}

TEST_F(WindowTest, PointerIsTheHandOverButtonsUnlessBusy) {
  EXPECT_FALSE(form->hasCustomCursor());
  QEvent enter(QEvent::Enter);
  QCoreApplication::sendEvent(form->PushButton6(), &enter);
  EXPECT_EQ(form->mousePointer(), preview::Form2::Pointer::Custom);
  EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);  // no cursor file
  QCoreApplication::sendEvent(form->Frame1(), &enter);
  EXPECT_EQ(form->mousePointer(), preview::Form2::Pointer::Default);

  form->setMousePointer(preview::Form2::Pointer::Hourglass);
  QCoreApplication::sendEvent(form->PushButton1(), &enter);
  QCoreApplication::sendEvent(form->Frame1(), &enter);
  EXPECT_EQ(form->mousePointer(), preview::Form2::Pointer::Hourglass);
}

TEST_F(WindowTest, CursorFileBesideTheProgramIsLoadedOrReported) {
  const QString cursorPath = folder.filePath("HAND-M.CUR");
  ASSERT_TRUE(QFile::copy(TALLYLOOM_SOURCE_DIR "/resources/beside/HAND-M.CUR", cursorPath));
  preview::Form2 withCursor;
  EXPECT_TRUE(withCursor.hasCustomCursor());
  withCursor.PushButton_MouseMove();
  EXPECT_EQ(withCursor.cursor().shape(), Qt::BitmapCursor);
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

TEST_F(WindowTest, StretchedCopiesAddUpOnTheBoxUntilThePictureIsRemoved) {
  preview::PictureBox box(nullptr);
  box.setOuterSize(300, 300);  // 20 x 20 pixels
  const QImage red = quarteredPicture(10, 10).copy(0, 0, 5, 5);
  box.paintPicture(red, QRect(150, 150, 150, 150), QRect(0, 0, 75, 75));
  EXPECT_EQ(QColor(box.shownImage().pixel(5, 5)), QColor(Qt::white));
  EXPECT_EQ(QColor(box.shownImage().pixel(15, 15)), QColor(200, 0, 0));
  box.paintPicture(red, QRect(0, 0, 150, 150), QRect(0, 0, 75, 75));
  EXPECT_EQ(QColor(box.shownImage().pixel(5, 5)), QColor(200, 0, 0));
  EXPECT_EQ(QColor(box.shownImage().pixel(15, 15)), QColor(200, 0, 0));
  box.clearPicture();
  EXPECT_EQ(QColor(box.shownImage().pixel(15, 15)), QColor(Qt::white));
}

TEST_F(WindowTest, ShowingRunsTheSetUpAndTheMouseDragsTheCanvas) {
  form->Picture1()->setPicture(quarteredPicture(1000, 800));
  form->show();
  ASSERT_FALSE(form->mFirstActivate());
  EXPECT_EQ(hBar().maximum(), 567);

  QWidget* picture = form->Picture1();
  QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(300, 300));
  QTest::mouseMove(picture, QPoint(200, 250));
  EXPECT_EQ(canvas().Left(), -1500);
  EXPECT_EQ(canvas().Top(), -750);
  QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(200, 250));
  // 26 % of 567 and 16 % of 457, in steps of 10 twips.
  EXPECT_EQ(hBar().value(), 147);
  EXPECT_EQ(vBar().value(), 73);
  EXPECT_EQ(canvas().Left(), -1470);
  EXPECT_EQ(canvas().Top(), -730);
  EXPECT_EQ(picture->pos(), QPoint(-98, -49));

  // Movement without a held button does nothing.
  form->Picture1_MouseMove(false, 0, 0);
  EXPECT_EQ(canvas().Left(), -1470);
  EXPECT_TRUE(dialogs.errorReports().empty());
}

}  // namespace
}  // namespace preview_test
