// The viewer of the preview window: zoom, drawing, scroll bars and dragging.
#include <QScrollBar>

#include "platform/error_report.h"
#include "preview/form2.h"
#include "preview/viewer_math.h"

namespace preview {

namespace {

QString location(const char* procedure) {
  return platform::locationText("Form2", procedure);
}

}  // namespace

void Form2::PushButton1_Click() {
  platform::StepRunner(location("PushButton1_Click")).step(100, [&] { ChangeZoom(0); });
}

void Form2::PushButton2_Click() {
  platform::StepRunner(location("PushButton2_Click")).step(100, [&] { ChangeZoom(1); });
}

void Form2::ChangeZoom(int direction) {
  ApplyZoom(direction == 0 ? mZoom_ + kZoomStep : mZoom_ - kZoomStep);
}

void Form2::ApplyZoom(float factor) {
  // Past either end the buttons quietly do nothing.
  if (factor < kMinZoom || factor > kMaxZoom) return;
  mZoom_ = factor;
  RedrawImage();
}

void Form2::RedrawImage() {
  platform::StepRunner run(location("RedrawImage"));
  run.step(100, [&] { mNewWidth_ = drawnSize(mOriWidth_, mZoom_); });
  run.step(102, [&] { mNewHeight_ = drawnSize(mOriHeight_, mZoom_); });
  if (run.test(104, [&] { return fitsDrawLimit(mNewWidth_, mNewHeight_); })) {
    run.step(106, [&] { picture1_->clearPicture(); });
    run.step(108, [&] { picture1_->setOuterSize(mNewWidth_, picture1_->Height()); });
    run.step(110, [&] { picture1_->setOuterSize(picture1_->Width(), mNewHeight_); });
    run.step(112, [&] {
      // Always from the unscaled copy, so zooming back and forth loses nothing.
      picture1_->paintPicture(zoomOri_->pictureSource(), QRect(0, 0, mNewWidth_, mNewHeight_),
                              QRect(0, 0, mOriWidth_, mOriHeight_));
    });
    run.step(114, [&] { setMousePointer(Pointer::Default); });
    run.step(116, [&] { hScroll1_->setValue(0); });
    run.step(118, [&] { vScroll1_->setValue(0); });
    run.step(120, [&] { hScroll1_->setEnabled(picture2_->ScaleWidth() < mNewWidth_); });
    run.step(122, [&] { vScroll1_->setEnabled(picture2_->ScaleHeight() < mNewHeight_); });
    return;
  }
  // Too large to draw: the canvas keeps the previous level and the next step
  // starts from 1.0.
  run.step(138, [&] { mZoom_ = 1.0F; });
  run.step(140, [&] { mOriWidth_ = baseSizeOf(zoomOri_->ScaleWidth()); });
  run.step(142, [&] { mOriHeight_ = baseSizeOf(zoomOri_->ScaleHeight()); });
  run.step(144, [&] { mNewWidth_ = mOriWidth_; });
  run.step(146, [&] { mNewHeight_ = mOriHeight_; });
}

void Form2::SetupScrollbars() {
  picture1_->moveTo(0, 0);
  auto apply = [](QScrollBar& bar, std::int16_t& step, const ScrollRange& range) {
    bar.setEnabled(range.enabled);
    step = range.step;
    if (!range.maximum) return;
    bar.setMaximum(*range.maximum);
    bar.setValue(0);
  };
  apply(*hScroll1_, mHStep_, scrollRangeFor(picture1_->Width(), picture2_->Width()));
  apply(*vScroll1_, mVStep_, scrollRangeFor(picture1_->Height(), picture2_->Height()));
}

void Form2::HScroll1_Change() {
  picture1_->moveTo(canvasOffset(mHStep_, hScroll1_->value()), picture1_->Top());
}

void Form2::VScroll1_Change() {
  picture1_->moveTo(picture1_->Left(), canvasOffset(mVStep_, vScroll1_->value()));
}

void Form2::Picture1_MouseDown(double x, double y) {
  platform::StepRunner run(location("picture1_MouseDown"));
  run.step(100, [&] { mDragX_ = static_cast<float>(x); });
  run.step(102, [&] { mDragY_ = static_cast<float>(y); });
}

void Form2::Picture1_MouseMove(bool buttonHeld, double x, double y) {
  platform::StepRunner run(location("picture1_MouseMove"));
  if (!run.test(100, [&] { return buttonHeld; })) return;
  double newLeft = 0;
  double newTop = 0;
  run.step(104, [&] { newLeft = picture1_->Left() - mDragX_ + static_cast<float>(x); });
  run.step(106, [&] { newLeft = limitDrag(newLeft, picture2_->ScaleWidth(), picture1_->Width()); });
  run.step(114, [&] { newTop = picture1_->Top() - mDragY_ + static_cast<float>(y); });
  run.step(116, [&] { newTop = limitDrag(newTop, picture2_->ScaleHeight(), picture1_->Height()); });
  run.step(124, [&] {
    picture1_->moveTo(static_cast<int>(roundHalfEven(newLeft)),
                      static_cast<int>(roundHalfEven(newTop)));
  });
}

void Form2::Picture1_MouseUp() {
  platform::StepRunner run(location("Picture1_MouseUp"));
  std::optional<std::int16_t> hPercent;
  std::optional<std::int16_t> vPercent;
  run.step(100, [&] {
    hPercent = dropPercent(picture1_->Left(), picture1_->Width(), picture2_->Width());
  });
  run.step(102, [&] {
    vPercent = dropPercent(picture1_->Top(), picture1_->Height(), picture2_->Height());
  });
  // Canvas and viewport of one size give no percentage: the bar stays.
  run.step(104, [&] {
    if (hPercent) SetHScrollbarByPercent(*hScroll1_, *hPercent);
  });
  run.step(106, [&] {
    if (vPercent) SetVScrollbarByPercent(*vScroll1_, *vPercent);
  });
}

void Form2::SetHScrollbarByPercent(QScrollBar& bar, std::int16_t percent) {
  if (auto value = valueForPercent(percent, bar.maximum())) bar.setValue(*value);
}

void Form2::SetVScrollbarByPercent(QScrollBar& bar, std::int16_t percent) {
  if (auto value = valueForPercent(percent, bar.maximum())) bar.setValue(*value);
}

}  // namespace preview
