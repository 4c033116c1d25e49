#include "preview/form2.h"

#include <cmath>
#include <stdexcept>

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/add_folder.h"
#include "platform/cursor_file.h"
#include "platform/error_report.h"
#include "platform/folders.h"
#include "platform/main_module.h"
#include "preview/desktop_state.h"

namespace preview {

namespace {

// The window's first size, before the user makes it another.
constexpr QSize kFirstSize(656, 624);
constexpr QSize kSmallestSize(420, 300);
// The window manager's title bar and borders, which the size leaves out.
constexpr QSize kFrameAllowance(16, 40);
constexpr const char* kPlaceKey = "PreviewWindow";

QString location(const char* procedure) {
  return platform::locationText("Form2", procedure);
}

QFont arialBold(double points) {
  QFont font("Arial");
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

}  // namespace

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form2");
  buildControls();
  buildShortcuts();
  Form_Load();
}

void Form2::buildControls() {
  setFont(arialBold(9));
  setMouseTracking(true);
  resize(kFirstSize);
  setMinimumSize(kSmallestSize);

  view_ = new SheetView(this);
  view_->setObjectName("Picture2");
  view_->setZoomChanged([this] { showZoom(); });

  frame1_ = new QGroupBox(QCoreApplication::translate("Form2", "Zoom:"), this);
  frame1_->setObjectName("Frame1");
  frame1_->setMouseTracking(true);
  frame1_->installEventFilter(this);

  auto button = [this](const char* name, const QString& caption, const QString& keys,
                       double points) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setFont(arialBold(points));
    b->setMouseTracking(true);
    b->installEventFilter(this);
    b->setToolTip(keys);
    return b;
  };
  const auto keys = [](const QKeySequence& sequence) {
    return sequence.toString(QKeySequence::NativeText);
  };
  pushButton1_ = button("PushButton1", QCoreApplication::translate("Form2", "Zoom In"),
                        keys(QKeySequence::ZoomIn), 11.25);
  pushButton2_ = button("PushButton2", QCoreApplication::translate("Form2", "Zoom Out"),
                        keys(QKeySequence::ZoomOut), 11.25);
  zoomFit_ = button("ZoomFit", QCoreApplication::translate("Form2", "Fit"),
                    QCoreApplication::translate("Form2", "The whole sheet in the window"), 9);
  zoomActual_ = button("ZoomActual", QCoreApplication::translate("Form2", "100%"),
                       keys(QKeySequence(Qt::CTRL | Qt::Key_0)), 9);
  pushButton8_ = button("PushButton8", QCoreApplication::translate("Form2", "< Back"),
                        keys(QKeySequence(Qt::Key_Escape)), 11.25);
  pushButton6_ =
      button("PushButton6", QCoreApplication::translate("Form2", "Save Results To Excel File"),
             keys(QKeySequence::Save), 11.25);
  // The zoom buttons leave the keyboard with the view: PgDn still pages after a click.
  for (QPushButton* zoom : {pushButton1_, pushButton2_, zoomFit_, zoomActual_})
    zoom->setFocusPolicy(Qt::TabFocus);
  connect(pushButton1_, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
  connect(pushButton2_, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
  connect(zoomFit_, &QPushButton::clicked, this, [this] { view_->zoomToFit(); });
  connect(zoomActual_, &QPushButton::clicked, this, [this] { view_->setZoom(1.0); });
  connect(pushButton6_, &QPushButton::clicked, this, [this] { PushButton6_Click(); });
  connect(pushButton8_, &QPushButton::clicked, this, [this] { PushButton8_Click(); });

  auto* zoomRow = new QHBoxLayout(frame1_);
  zoomRow->addWidget(pushButton1_, 3);
  zoomRow->addWidget(pushButton2_, 3);
  zoomRow->addWidget(zoomFit_, 1);
  zoomRow->addWidget(zoomActual_, 1);
  auto* roads = new QHBoxLayout;
  roads->addWidget(pushButton8_);
  roads->addWidget(pushButton6_);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 8, 8, 8);
  column->setSpacing(6);
  column->addWidget(view_, 1);
  column->addWidget(frame1_);
  column->addLayout(roads);
  setTabOrder(view_, pushButton1_);
  setTabOrder(pushButton1_, pushButton2_);
  setTabOrder(pushButton2_, zoomFit_);
  setTabOrder(zoomFit_, zoomActual_);
  setTabOrder(zoomActual_, pushButton6_);
  setTabOrder(pushButton6_, pushButton8_);
}

void Form2::buildShortcuts() {
  const auto on = [this](const QKeySequence& keys, auto handler) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, handler);
  };
  // Ctrl+= as well: on many keyboards "+" needs Shift. Each sequence only once:
  // two shortcuts of one sequence cancel each other as ambiguous.
  on(QKeySequence::ZoomIn, [this] { PushButton1_Click(); });
  on(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { PushButton1_Click(); });
  on(QKeySequence::ZoomOut, [this] { PushButton2_Click(); });
  on(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { view_->setZoom(1.0); });
  on(QKeySequence::Save, [this] { PushButton6_Click(); });
  on(QKeySequence(Qt::Key_Escape), [this] { PushButton8_Click(); });
  on(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { PushButton8_Click(); });
  on(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
}

void Form2::Form_Load() {
  platform::StepRunner run(location("Form_Load"));
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

void Form2::showZoom() {
  const int percent = static_cast<int>(std::lround(view_->zoom() * 100));
  // The percent sign's spacing is the language's, as on the "100%" button.
  frame1_->setTitle(QCoreApplication::translate("Form2", "Zoom:") + " " +
                    QCoreApplication::translate("Form2", "%1%").arg(QLocale().toString(percent)));
}

void Form2::PushButton1_Click() {
  platform::StepRunner(location("PushButton1_Click")).step(100, [&] { view_->zoomIn(); });
}

void Form2::PushButton2_Click() {
  platform::StepRunner(location("PushButton2_Click")).step(100, [&] { view_->zoomOut(); });
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

// The place and size of the last run, when it is on a screen now; else the
// first size, centred.
void Form2::restorePlace() {
  if (placed_) return;
  placed_ = true;
  const QByteArray kept = QByteArray::fromBase64(readDesktopState(kPlaceKey).toLatin1());
  if (!kept.isEmpty() && restoreGeometry(kept)) return;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    // A low screen at a large scaling (1366 x 768 at 1.5) is smaller than
    // the first size: the buttons must stay on it.
    const QRect room = screen->availableGeometry();
    resize(size().boundedTo(room.size() - kFrameAllowance).expandedTo(minimumSize()));
    move(room.center() - rect().center());
  }
}

void Form2::storePlace() {
  if (placed_) writeDesktopState(kPlaceKey, QString::fromLatin1(saveGeometry().toBase64()));
}

void Form2::showEvent(QShowEvent* event) {
  restorePlace();
  QWidget::showEvent(event);
  view_->setFocus();
}

void Form2::hideEvent(QHideEvent* event) {
  storePlace();
  QWidget::hideEvent(event);
}

void Form2::mouseMoveEvent(QMouseEvent* event) {
  Form_MouseMove();
  QWidget::mouseMoveEvent(event);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
    if (watched == frame1_) {
      Form_MouseMove();
    } else if (qobject_cast<QPushButton*>(watched)) {
      PushButton_MouseMove();
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace preview
