// The viewer of the preview window: zoom levels, drawing, scroll ranges,
// dragging and the drawing-size limit, driven through the window's handlers
// with twip coordinates. The viewport is 9330 x 7425 twips outside and
// 9270 x 7365 inside; a picture of n pixels is n x 15 twips.
#include <QScrollBar>

#include "preview_fixture.h"

namespace preview_test {
namespace {

using ViewerTest = PreviewTest;

TEST_F(ViewerTest, ZoomMovesInQuarterStepsAndStopsQuietlyAtBothEnds) {
  showPicture(600, 400);  // base 8998 x 5998
  EXPECT_FLOAT_EQ(form->mZoom(), 1.0F);
  EXPECT_EQ(form->mOriWidth(), 8998);
  EXPECT_EQ(canvas().Width(), 8998);

  const float in[] = {1.25F, 1.5F, 1.75F, 1.75F};
  const int inWidths[] = {11247, 13497, 15746, 15746};
  for (int i = 0; i < 4; ++i) {
    form->PushButton1_Click();
    EXPECT_FLOAT_EQ(form->mZoom(), in[i]) << "press " << i + 1;
    EXPECT_EQ(canvas().Width(), inWidths[i]) << "press " << i + 1;
  }
  for (int i = 0; i < 3; ++i) form->PushButton2_Click();
  EXPECT_FLOAT_EQ(form->mZoom(), 1.0F);

  const float out[] = {0.75F, 0.5F, 0.25F, 0.25F};
  const int outHeights[] = {4498, 2999, 1499, 1499};
  for (int i = 0; i < 4; ++i) {
    form->PushButton2_Click();
    EXPECT_FLOAT_EQ(form->mZoom(), out[i]) << "press " << i + 1;
    EXPECT_EQ(canvas().Height(), outHeights[i]) << "press " << i + 1;
  }
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ViewerTest, DrawnSizeCutsTheFractionOff) {
  struct Case {
    int base;
    float zoom;
    int drawn;
  };
  const Case cases[] = {{900, 0.75F, 675}, {901, 0.25F, 225},  {907, 0.25F, 226},
                        {903, 0.75F, 677}, {901, 1.75F, 1576}, {-5, 0.5F, -3}};
  for (const Case& c : cases)
    EXPECT_EQ(preview::drawnSize(c.base, c.zoom), c.drawn) << c.base << " x " << c.zoom;
}

TEST_F(ViewerTest, EveryZoomLevelIsDrawnFromTheUnscaledCopy) {
  const QImage original = quarteredPicture(600, 400);
  form->Picture1()->setPicture(original);
  form->Form_Activate();
  form->PushButton2_Click();
  form->PushButton2_Click();  // 0.5: 300 x 200 pixels
  QImage half = canvas().shownImage();
  EXPECT_EQ(half.size(), QSize(300, 200));
  EXPECT_EQ(QColor(half.pixel(10, 10)), QColor(200, 0, 0));
  EXPECT_EQ(QColor(half.pixel(290, 190)), QColor(90, 90, 90));

  form->PushButton2_Click();
  form->PushButton1_Click();
  form->PushButton1_Click();
  form->PushButton1_Click();  // back at 1.0 after 0.25: nothing lost
  EXPECT_EQ(canvas().shownImage(), original.convertToFormat(QImage::Format_RGB32));
}

// The scroll range of a canvas against the viewport's outer width 9330.
TEST_F(ViewerTest, ScrollRangeAndStepFollowTheCanvasWidth) {
  struct Case {
    int canvasWidth;
    bool enabled;
    int step;
    int maximum;
  };
  const Case cases[] = {
      {15000, true, 10, 567},  // D = 5670
      {9400, true, 1, 70},     {9430, true, 1, 100},
      {9431, true, 10, 10},    {9435, true, 10, 10},  // 10.5 goes to the even 10
      {9445, true, 10, 12},                           // 11.5 goes to the even 12
      {9330, false, 0, 32767}, {4000, false, 0, 32767},
  };
  for (const Case& c : cases) {
    hBar().setMaximum(32767);
    canvas().setOuterSize(c.canvasWidth, 1000);
    form->SetupScrollbars();
    EXPECT_EQ(hBar().isEnabled(), c.enabled) << c.canvasWidth;
    EXPECT_EQ(form->mHStep(), c.step) << c.canvasWidth;
    EXPECT_EQ(hBar().maximum(), c.maximum) << c.canvasWidth;
  }
}

TEST_F(ViewerTest, ScrollValuesMoveTheCanvasByTheirStep) {
  canvas().setOuterSize(15000, 7425 + 70);
  form->SetupScrollbars();
  hBar().setValue(567);
  EXPECT_EQ(canvas().Left(), -5670);
  hBar().setValue(1);
  EXPECT_EQ(canvas().Left(), -10);
  EXPECT_EQ(form->mVStep(), 1);
  EXPECT_EQ(vBar().maximum(), 70);
  vBar().setValue(70);
  EXPECT_EQ(canvas().Top(), -70);
}

TEST_F(ViewerTest, SnapshotNoWiderThanTheViewportStaysPutOrGoesToTheRightEdge) {
  showPicture(300, 200);  // 4498 x 2998
  EXPECT_FALSE(hBar().isEnabled());
  EXPECT_FALSE(vBar().isEnabled());
  EXPECT_EQ(form->mHStep(), 0);
  hBar().setValue(5);
  EXPECT_EQ(canvas().Left(), 0);

  drag(1500, 1500, 1500, 1800);  // only downwards
  EXPECT_EQ(canvas().Left(), 9270 - 4498);
  EXPECT_EQ(canvas().Top(), 0);
  form->Picture1_MouseUp();  // a negative share leaves the bars alone
  EXPECT_EQ(hBar().value(), 5);

  drag(1500, 1500, 3000, 1500);  // pulled to the right
  EXPECT_EQ(canvas().Left(), 0);
  EXPECT_TRUE(dialogs.errorReports().empty());
}

TEST_F(ViewerTest, DragStopsAtEveryEdgeAndReleaseKeepsTheBarsInRange) {
  showPicture(1000, 800);            // 14998 x 11998
  EXPECT_EQ(hBar().maximum(), 567);  // (14998 - 9330) / 10 = 566.8
  EXPECT_EQ(vBar().maximum(), 457);  // (11998 - 7425) / 10 = 457.3

  drag(5000, 5000, 9000, 9000);
  EXPECT_EQ(canvas().Left(), 0);
  EXPECT_EQ(canvas().Top(), 0);

  drag(5000, 5000, -20000, -20000);
  EXPECT_EQ(canvas().Left(), 9270 - 14998);
  EXPECT_EQ(canvas().Top(), 7365 - 11998);
  // Dropped against the inner edges: a little over 100 %, kept at the maximum.
  form->Picture1_MouseUp();
  EXPECT_EQ(hBar().value(), 567);
  EXPECT_EQ(vBar().value(), 457);
  EXPECT_EQ(canvas().Left(), -5670);
  EXPECT_EQ(canvas().Top(), -4570);
  EXPECT_TRUE(dialogs.errorReports().empty());
}

TEST_F(ViewerTest, ReleaseSettlesTheCanvasOnTheNearestBarStep) {
  showPicture(1000, 800);
  drag(5000, 5000, 5000 - 2834, 5000);  // half of the extent 5668
  EXPECT_EQ(canvas().Left(), -2834);
  form->Picture1_MouseUp();
  EXPECT_EQ(hBar().value(), 284);  // 283.5 goes to the even 284
  EXPECT_EQ(canvas().Left(), -2840);
  EXPECT_EQ(canvas().Top(), 0);

  // At another zoom the bars keep the set-up's maximum and step.
  form->PushButton2_Click();  // 0.75: 11248 wide, extent 1918
  EXPECT_EQ(hBar().maximum(), 567);
  EXPECT_EQ(form->mHStep(), 10);
  drag(3000, 3000, 3000 - 959, 3000);
  form->Picture1_MouseUp();
  EXPECT_EQ(canvas().Left(), -2840);
}

TEST_F(ViewerTest, CanvasOfTheViewportsOuterWidthLeavesTheBarOnRelease) {
  showPicture(300, 200);
  canvas().setOuterSize(9330, 7425);
  hBar().setValue(3);
  drag(100, 100, 0, 0);
  EXPECT_EQ(canvas().Left(), -60);
  form->Picture1_MouseUp();
  EXPECT_EQ(hBar().value(), 3);
  EXPECT_EQ(vBar().value(), 0);
  EXPECT_TRUE(dialogs.errorReports().empty());
}

TEST_F(ViewerTest, ZoomPastTheSizeLimitKeepsThePictureAndRestartsFromOne) {
  showPicture(2000, 1000);  // base 29998: 1.75 would draw 52496
  for (int i = 0; i < 3; ++i) form->PushButton1_Click();
  EXPECT_FLOAT_EQ(form->mZoom(), 1.0F);
  EXPECT_EQ(canvas().Width(), 44997);  // still the 1.5 drawing
  EXPECT_EQ(form->mNewWidth(), 29998);
  form->PushButton1_Click();
  EXPECT_FLOAT_EQ(form->mZoom(), 1.25F);
  EXPECT_EQ(canvas().Width(), 37497);

  form->Picture1()->setPicture(quarteredPicture(500, 5000));  // 74998 high
  form->Form_Activate();
  form->PushButton1_Click();  // 93747 high: refused
  EXPECT_FLOAT_EQ(form->mZoom(), 1.0F);
  EXPECT_EQ(canvas().Height(), 74998);
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ViewerTest, LargestTemplateStartsAtTheLargestZoomThatFits) {
  showPicture(3800, 5200);  // base 56998 x 77998: too wide at 1.0
  EXPECT_FLOAT_EQ(form->mZoom(), 0.75F);
  EXPECT_EQ(canvas().Width(), 42748);
  EXPECT_EQ(canvas().Height(), 58498);
  const QImage shown = canvas().shownImage();
  EXPECT_EQ(QColor(shown.pixel(20, 20)), QColor(200, 0, 0));
  EXPECT_EQ(QColor(shown.pixel(shown.width() - 20, shown.height() - 20)), QColor(90, 90, 90));

  // Extent 33418: past what a 16-bit product holds.
  EXPECT_EQ(hBar().maximum(), 3342);
  hBar().setValue(3342);
  EXPECT_EQ(canvas().Left(), -33420);

  form->PushButton2_Click();
  EXPECT_EQ(canvas().Width(), 28499);
  form->PushButton1_Click();
  form->PushButton1_Click();  // 1.0 does not fit: the 0.75 drawing stays
  EXPECT_FLOAT_EQ(form->mZoom(), 1.0F);
  EXPECT_EQ(canvas().Width(), 42748);
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ViewerTest, LaterActivationsChangeNothingUntilANewSnapshotArrives) {
  showPicture(1000, 800);
  form->PushButton1_Click();
  form->Form_Activate();
  EXPECT_FLOAT_EQ(form->mZoom(), 1.25F);
  EXPECT_FALSE(form->mFirstActivate());

  // The next template after "< Back": a fresh set-up for the new snapshot.
  form->PushButton8_Click();
  showPicture(300, 200);
  EXPECT_FLOAT_EQ(form->mZoom(), 1.0F);
  EXPECT_EQ(form->mOriWidth(), 4498);
  EXPECT_EQ(form->Zoom_Ori()->picture().size(), QSize(300, 200));
  EXPECT_FALSE(hBar().isEnabled());
  EXPECT_EQ(form->mHStep(), 0);
  EXPECT_EQ(canvas().Left(), 0);
}

}  // namespace
}  // namespace preview_test
