#include "preview/form2.h"

#include <stdexcept>

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "platform/add_folder.h"
#include "platform/cursor_file.h"
#include "platform/error_report.h"
#include "platform/folders.h"
#include "platform/main_module.h"
#include "preview/viewer_math.h"

namespace preview {

namespace {

// The window's layout in twips: client area, then each control as left, top,
// width, height. The zoom buttons lie inside the frame.
constexpr int kClientWidth = 9840;
constexpr int kClientHeight = 9360;
constexpr QRect kPicture2(120, 120, 9330, 7425);
constexpr QRect kVScroll1(9450, 120, 255, 7425);
constexpr QRect kHScroll1(120, 7545, 9330, 255);
constexpr QRect kFrame1(120, 7860, 9600, 855);
constexpr QRect kPushButton1(240, 300, 4440, 405);
constexpr QRect kPushButton2(4800, 300, 4560, 405);
constexpr QRect kPushButton8(120, 8850, 4680, 405);
constexpr QRect kPushButton6(4920, 8850, 4800, 405);
constexpr QRect kZoomOri(10320, 480, 735, 375);
// The viewport's sunken border, on each side.
constexpr int kViewportBorder = 30;

QString location(const char* procedure) {
  return platform::locationText("Form2", procedure);
}

QFont arialBold(double points) {
  QFont font("Arial");
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

QScrollBar* scrollBar(Qt::Orientation orientation, const char* name, const QRect& at,
                      QWidget* parent) {
  auto* bar = new QScrollBar(orientation, parent);
  bar->setObjectName(name);
  bar->setGeometry(twipsToPixels(at));
  // A scroll bar control starts at 0..32767 and moves by 1 for arrows and track.
  bar->setRange(0, 32767);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  // Only the committed value counts, not the box while it is dragged.
  bar->setTracking(false);
  bar->setFocusPolicy(Qt::TabFocus);
  return bar;
}

}  // namespace

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form2");
  buildControls();
  buildButtons();
  setTabOrder();
  Form_Load();
}

void Form2::buildControls() {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
  setFont(arialBold(9));
  setMouseTracking(true);

  picture2_ = new PictureBox(this, kViewportBorder);
  picture2_->setObjectName("Picture2");
  picture2_->setTwipGeometry(kPicture2.left(), kPicture2.top(), kPicture2.width(),
                             kPicture2.height());
  picture1_ = new PictureBox(picture2_);
  picture1_->setObjectName("Picture1");
  picture1_->installEventFilter(this);
  // A new snapshot after the viewer was set up gets a set-up of its own.
  picture1_->setPictureAssignedHook([this] { mFirstActivate_ = true; });

  vScroll1_ = scrollBar(Qt::Vertical, "VScroll1", kVScroll1, this);
  hScroll1_ = scrollBar(Qt::Horizontal, "HScroll1", kHScroll1, this);
  connect(hScroll1_, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
  connect(vScroll1_, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

  frame1_ = new QGroupBox(QCoreApplication::translate("Form2", "Zoom:"), this);
  frame1_->setObjectName("Frame1");
  frame1_->setGeometry(twipsToPixels(kFrame1));
  frame1_->setMouseTracking(true);
  frame1_->installEventFilter(this);

  zoomOri_ = new PictureBox(this);
  zoomOri_->setObjectName("Zoom_Ori");
  zoomOri_->setTwipGeometry(kZoomOri.left(), kZoomOri.top(), kZoomOri.width(), kZoomOri.height());
  zoomOri_->hide();
}

void Form2::buildButtons() {
  auto button = [this](const char* name, const QString& text, const QRect& at, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(twipsToPixels(at));
    b->setFont(arialBold(11.25));
    b->setMouseTracking(true);
    b->installEventFilter(this);
    return b;
  };
  auto text = [](const char* english) { return QCoreApplication::translate("Form2", english); };
  pushButton1_ =
      button("PushButton1", text(QT_TRANSLATE_NOOP("Form2", "Zoom In")), kPushButton1, frame1_);
  pushButton2_ =
      button("PushButton2", text(QT_TRANSLATE_NOOP("Form2", "Zoom Out")), kPushButton2, frame1_);
  pushButton8_ =
      button("PushButton8", text(QT_TRANSLATE_NOOP("Form2", "< Back")), kPushButton8, this);
  pushButton6_ =
      button("PushButton6", text(QT_TRANSLATE_NOOP("Form2", "Save Results To Excel File")),
             kPushButton6, this);
  connect(pushButton1_, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
  connect(pushButton2_, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
  connect(pushButton6_, &QPushButton::clicked, this, [this] { PushButton6_Click(); });
  connect(pushButton8_, &QPushButton::clicked, this, [this] { PushButton8_Click(); });
}

void Form2::setTabOrder() {
  picture2_->setFocusPolicy(Qt::TabFocus);
  picture1_->setFocusPolicy(Qt::TabFocus);
  QWidget* order[] = {hScroll1_, vScroll1_,    picture2_,    picture1_,    frame1_,
                      zoomOri_,  pushButton1_, pushButton2_, pushButton6_, pushButton8_};
  // Controls that never take the focus (the frame, the hidden store) would
  // break the chain, so the order links only the ones that do.
  QWidget* previous = nullptr;
  for (QWidget* control : order) {
    if (control->focusPolicy() == Qt::NoFocus) continue;
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

void Form2::Form_Load() {
  platform::StepRunner run(location("Form_Load"));
  run.step(100, [&] { mFirstActivate_ = true; });
  run.step(102, [&] { platform::UseFaceColors(*this); });
  run.step(104, [&] {
    setWindowTitle("Tallyloom");
    setWindowIcon(QApplication::windowIcon());
  });
  if (run.test(108, [] { return platform::FileOrFolderExists(platform::handCursorPath()); })) {
    run.step(110, [&] {
      customCursor_ = platform::loadCursorFile(platform::handCursorPath());
      if (!customCursor_) throw std::runtime_error("Invalid picture");
    });
  }
}

void Form2::Form_Activate() {
  platform::StepRunner run(location("Form_Activate"));
  if (!run.test(100, [&] { return mFirstActivate_; })) return;
  setUpCanvas();
  run.step(124, [&] { mZoom_ = 1.0F; });
  run.step(126, [&] { mOriWidth_ = baseSizeOf(zoomOri_->ScaleWidth()); });
  run.step(128, [&] { mOriHeight_ = baseSizeOf(zoomOri_->ScaleHeight()); });
  // A snapshot too large to draw whole starts at the largest smaller zoom
  // that fits, instead of leaving the canvas empty.
  run.step(130, [&] {
    mZoom_ = startingZoom(mOriWidth_, mOriHeight_);
    mNewWidth_ = drawnSize(mOriWidth_, mZoom_);
  });
  run.step(132, [&] { mNewHeight_ = drawnSize(mOriHeight_, mZoom_); });
  run.step(134, [&] { RedrawImage(); });
  run.step(136, [&] { SetupScrollbars(); });
  run.step(138, [&] { mFirstActivate_ = false; });
}

// The canvas and the store of the unscaled copy, steps 102 to 122.
void Form2::setUpCanvas() {
  platform::StepRunner run(location("Form_Activate"));
  run.step(102, [&] { picture1_->setAutoRedraw(true); });
  run.step(104, [&] { picture1_->setAutoSize(true); });
  run.step(106, [&] { picture1_->setBackColor(QColor(0xFF, 0xFF, 0xFF)); });
  run.step(112, [&] { zoomOri_->setAutoRedraw(true); });
  run.step(114, [&] { zoomOri_->hide(); });
  run.step(116, [&] { zoomOri_->setOuterSize(picture1_->Width(), zoomOri_->Height()); });
  run.step(118, [&] { zoomOri_->setOuterSize(zoomOri_->Width(), picture1_->Height()); });
  run.step(120, [&] { zoomOri_->setPicture(picture1_->pictureSource()); });
}

void Form2::setMousePointer(Pointer pointer) {
  pointer_ = pointer;
  switch (pointer) {
    case Pointer::Hourglass:
      setCursor(Qt::WaitCursor);
      break;
    // Without a cursor file the custom pointer looks like the arrow.
    case Pointer::Custom:
      setCursor(customCursor_.value_or(QCursor(Qt::ArrowCursor)));
      break;
    case Pointer::Default:
      setCursor(Qt::ArrowCursor);
      break;
  }
}

void Form2::PushButton_MouseMove() {
  if (pointer_ != Pointer::Hourglass) setMousePointer(Pointer::Custom);
}

void Form2::Form_MouseMove() {
  if (pointer_ != Pointer::Hourglass) setMousePointer(Pointer::Default);
}

void Form2::centreOnScreen() {
  if (centred_) return;
  centred_ = true;
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void Form2::showEvent(QShowEvent* event) {
  centreOnScreen();
  QWidget::showEvent(event);
  // Some platforms never activate a window that is shown (offscreen); the
  // set-up runs once either way.
  if (mFirstActivate_) Form_Activate();
}

void Form2::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
  QWidget::changeEvent(event);
}

void Form2::mouseMoveEvent(QMouseEvent* event) {
  Form_MouseMove();
  QWidget::mouseMoveEvent(event);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture1_) return canvasMouseEvent(event) || QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
    if (watched == frame1_) {
      Form_MouseMove();
    } else if (watched == pushButton1_ || watched == pushButton2_ || watched == pushButton6_ ||
               watched == pushButton8_) {
      PushButton_MouseMove();
    }
  }
  return QWidget::eventFilter(watched, event);
}

// Mouse events on the canvas, in canvas twips.
bool Form2::canvasMouseEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const QPointF at = static_cast<QMouseEvent*>(event)->position() * kTwipsPerPixel;
      Picture1_MouseDown(at.x(), at.y());
      return true;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPointF at = mouse->position() * kTwipsPerPixel;
      Picture1_MouseMove(mouse->buttons() != Qt::NoButton, at.x(), at.y());
      return true;
    }
    case QEvent::MouseButtonRelease:
      Picture1_MouseUp();
      return true;
    default:
      return false;
  }
}

}  // namespace preview
