#include "shell/form1.h"

#include "shell/sheet_options_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include "generator/option_table.h"
#include "preview/form2.h"
#include "shell/first_paint.h"
#include "shell/table_texts.h"
#include "spreadsheet/model/units.h"
#include "spreadsheet/picture/font_warm_up.h"

namespace shell {

namespace {

QRect twips(int left, int top, int width, int height) {
  using spreadsheet::TwipsToPixels;
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height));
}

// A check box the user only ticks and clears; a greyed box is set by code.
class ChoiceBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    setTristate(false);
  }
};

// A frame drawn plainly: an etched line with the caption on it and the
// frame's own background inside (the style's group box draws its own shade).
class FrameBox : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect line = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(line);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(line.translated(1, 1));
    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 6, metrics.height());
    painter.fillRect(caption, palette().color(backgroundRole()));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
  }
};

// The boxes of a set stand in two columns, 350 twips apart: a days-like set
// fills the left column first, the others fill row by row.
// Each box takes the room of its column, so a longer translated caption
// still fits at the window's font.
QRect boxPlace(const generator::OptionEntry& set, std::size_t i) {
  constexpr int kLefts[] = {240, 4155};
  constexpr int kRooms[] = {4155 - 240 - 120, 7800 - 4155 - 240};
  constexpr int kFirstTop = 300, kRowStep = 350, kBoxHeight = 255;
  const std::size_t rows = (set.items.size() + 1) / 2;
  const std::size_t column = set.downFirst ? i / rows : i % 2;
  const std::size_t row = set.downFirst ? i % rows : i / 2;
  return twips(kLefts[column], kFirstTop + kRowStep * int(row), kRooms[column], kBoxHeight);
}

void whiteBackground(QWidget& widget, QPalette::ColorRole role) {
  QPalette palette = widget.palette();
  palette.setColor(role, Qt::white);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void whiteBackground(QWidget& widget) {
  whiteBackground(widget, widget.backgroundRole());
}

// Narrows the widget's font just enough for `text` to fit in `room` pixels: the
// window's Arial is drawn with Liberation Sans, whose bold caption "Number Of
// Shifts Per Day:" is 151 px where the label is 147; a translated caption
// may need more ("Vendredi" in the room of "Friday"). The height stays.
void fitCaption(QWidget& widget, const QString& text, int room) {
  QFont font = widget.font();
  for (int stretch = 100; stretch >= 70; --stretch) {
    font.setStretch(stretch);
    if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
  }
  if (font.stretch() != 100) widget.setFont(font);
}

// The pixels a check box leaves its caption beside the indicator.
int captionRoom(const QCheckBox& box) {
  QStyleOptionButton option;
  option.initFrom(&box);
  option.text = box.text();
  return box.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box).width();
}

// LabelN and ComboN of the shifts frame; tops in twips.
QComboBox* addList(QGroupBox& frame, const QString& caption, int n, int labelTop, int listTop) {
  constexpr int kLabelWidths[] = {1305, 2205};
  auto* label = new QLabel(caption, &frame);
  label->setObjectName(QString("Label%1").arg(n));
  label->setGeometry(twips(240, labelTop, kLabelWidths[n - 1], 255));
  fitCaption(*label, label->text(), label->width());
  whiteBackground(*label);
  auto* list = new QComboBox(&frame);
  list->setObjectName(QString("Combo%1").arg(n));
  list->setGeometry(twips(2640, listTop, 4935, 345));
  whiteBackground(*list, QPalette::Button);
  whiteBackground(*list, QPalette::Base);
  return list;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName("Form1");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(spreadsheet::TwipsToPixels(8040), spreadsheet::TwipsToPixels(7065));
  QFont font("Arial", 9, QFont::Bold);
  setFont(font);
  whiteBackground(*this);
  setMouseTracking(true);
  buildControls();
  // The preview's first picture would otherwise load its fonts on the click:
  // the sizes the time sheet's texts use.
  static constexpr double kSheetFontSizes[] = {8, 9, 10, 22, 24};
  RunAfterFirstPaint(*this, [] { spreadsheet::picture::warmPictureFonts(kSheetFontSizes); });
}

Form1::~Form1() = default;

void Form1::buildControls() {
  pushButton22_ =
      new QPushButton(QCoreApplication::translate("Form1", "Start Creating Template"), this);
  pushButton22_->setObjectName("PushButton22");
  pushButton22_->setGeometry(twips(120, 120, 7800, 405));
  QFont buttonFont("Arial");
  buttonFont.setPointSizeF(11.25);
  buttonFont.setBold(true);
  pushButton22_->setFont(buttonFont);
  whiteBackground(*pushButton22_, QPalette::Button);
  pushButton22_->setMouseTracking(true);
  pushButton22_->installEventFilter(this);
  connect(pushButton22_, &QPushButton::clicked, this, [this] { PushButton22_Click(); });

  const std::array<std::pair<const char*, QRect>, 4> frames{{
      {QT_TRANSLATE_NOOP("Form1", "Select Days To Include"), twips(120, 600, 7800, 1755)},
      {QT_TRANSLATE_NOOP("Form1", "Select Fields To Include"), twips(120, 3750, 7800, 2470)},
      {QT_TRANSLATE_NOOP("Form1", "Shifts / Time"), twips(120, 2445, 7800, 1215)},
      {QT_TRANSLATE_NOOP("Form1", "Sheet Options"), twips(120, 6300, 7800, 645)},
  }};
  for (std::size_t i = 0; i < frames.size(); ++i) {
    auto* frame = new FrameBox(QCoreApplication::translate("Form1", frames[i].first), this);
    frame->setObjectName(QString("Frame%1").arg(i + 1));
    frame->setGeometry(frames[i].second);
    whiteBackground(*frame);
    frame->setMouseTracking(true);
    frame->installEventFilter(this);
    frames_[i] = frame;
  }

  for (const generator::OptionEntry& set : generator::OptionTable()) {
    if (set.kind != generator::OptionKind::Set) continue;
    for (std::size_t i = 0; i < set.items.size(); ++i) {
      const generator::SetItem& item = set.items[i];
      const int number = set.firstBox + int(i);
      auto* box = new ChoiceBox(CaptionText(item.caption),
                                frames_[static_cast<std::size_t>(set.frame - 1)]);
      box->setObjectName(QString("Check%1").arg(number));
      box->setGeometry(boxPlace(set, i));
      fitCaption(*box, box->text(), captionRoom(*box));
      box->setChecked(item.ticked);
      whiteBackground(*box);
      checks_[static_cast<std::size_t>(number - 1)] = box;
    }
  }

  // The shifts row stands above the period row.
  combo2_ = addList(*frames_[2], QCoreApplication::translate("Form1", "Number Of Shifts Per Day:"),
                    2, 285, 240);
  combo1_ =
      addList(*frames_[2], QCoreApplication::translate("Form1", "Period Of Time:"), 1, 765, 720);

  sheetSummary_ = new QLabel(frames_[3]);
  sheetSummary_->setObjectName("SheetSummary");
  sheetSummary_->setGeometry(twips(240, 270, 5940, 300));
  QFont summaryFont = font();
  summaryFont.setBold(false);
  summaryFont.setPointSizeF(7.5);
  sheetSummary_->setFont(summaryFont);
  whiteBackground(*sheetSummary_);
  changeSheetOptions_ =
      new QPushButton(QCoreApplication::translate("Form1", "Change\u2026"), frames_[3]);
  changeSheetOptions_->setObjectName("ChangeSheetOptions");
  changeSheetOptions_->setGeometry(twips(6240, 240, 1335, 330));
  whiteBackground(*changeSheetOptions_, QPalette::Button);
  connect(changeSheetOptions_, &QPushButton::clicked, this, [this] { ChangeSheetOptions_Click(); });
  refreshSheetSummary();
}

// The options that differ from their defaults, cut with an ellipsis where the
// line ends; the whole list is the tooltip.
void Form1::refreshSheetSummary() {
  const QString text = SheetOptionsSummary(generator::SheetOptionChoices());
  sheetSummary_->setText(
      QFontMetrics(sheetSummary_->font()).elidedText(text, Qt::ElideRight, sheetSummary_->width()));
  sheetSummary_->setToolTip(text);
}

void Form1::ChangeSheetOptions_Click() {
  SheetOptionsDialog dialog(generator::SheetOptionChoices(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  generator::SheetOptionChoices() = dialog.options();
  refreshSheetSummary();
}

void Form1::centreOnScreen() {
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect area = screen->availableGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}

QCheckBox* Form1::Check(int box) const {
  if (box < 1 || box > int(checks_.size())) return nullptr;
  return checks_[static_cast<std::size_t>(box - 1)];
}

QComboBox* Form1::comboAt(int combo) const {
  if (combo == 1) return combo1_;
  if (combo == 2) return combo2_;
  throw generator::ChoiceError("Subscript out of range");
}

int Form1::checkValue(int box) const {
  QCheckBox* check = Check(box);
  if (!check) throw generator::ChoiceError("Subscript out of range");
  switch (check->checkState()) {
    case Qt::Checked:
      return 1;
    case Qt::PartiallyChecked:
      return 2;
    case Qt::Unchecked:
      break;
  }
  return 0;
}

void Form1::setCheckValue(int box, int value) {
  QCheckBox* check = Check(box);
  if (!check) throw generator::ChoiceError("Subscript out of range");
  if (value < 0 || value > 2) throw generator::ChoiceError("Invalid property value");
  check->setTristate(value == 2);
  check->setCheckState(value == 2   ? Qt::PartiallyChecked
                       : value == 1 ? Qt::Checked
                                    : Qt::Unchecked);
}

int Form1::comboIndex(int combo) const {
  return comboAt(combo)->currentIndex();
}

void Form1::setComboIndex(int combo, int index) {
  QComboBox* list = comboAt(combo);
  if (index < -1 || index >= list->count()) throw generator::ChoiceError("Invalid property value");
  list->setCurrentIndex(index);
}

preview::Form2& Form1::form2() {
  if (!form2_) {
    form2_ = std::make_unique<preview::Form2>();
    form2_->setMainWindow(this);
    form2_->setStoreChoices([this] { Form_QueryUnload(); });
  }
  return *form2_;
}

}  // namespace shell
