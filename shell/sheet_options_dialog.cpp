#include "shell/sheet_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QTime>
#include <QVBoxLayout>
#include <array>
#include <optional>

#include "generator/option_table.h"
#include "generator/overtime_rule.h"

namespace shell {

namespace {

// A text of the "SheetOptions" context, its translation when there is one.
QString tr(const char* text) {
  return QCoreApplication::translate("SheetOptions", text);
}

constexpr std::array<int, 6> kTimeSteps{5, 10, 15, 20, 30, 60};
constexpr std::array<int, 3> kBreakSteps{5, 10, 15};
const QDate kFirstDate(1900, 3, 1);

const std::array<const char*, 4> kDateOrders{QT_TRANSLATE_NOOP("SheetOptions", "month/day/year"),
                                             QT_TRANSLATE_NOOP("SheetOptions", "day/month/year"),
                                             QT_TRANSLATE_NOOP("SheetOptions", "day.month.year"),
                                             QT_TRANSLATE_NOOP("SheetOptions", "year-month-day")};
const std::array<const char*, 7> kDays{
    QT_TRANSLATE_NOOP("SheetOptions", "Sunday"),   QT_TRANSLATE_NOOP("SheetOptions", "Monday"),
    QT_TRANSLATE_NOOP("SheetOptions", "Tuesday"),  QT_TRANSLATE_NOOP("SheetOptions", "Wednesday"),
    QT_TRANSLATE_NOOP("SheetOptions", "Thursday"), QT_TRANSLATE_NOOP("SheetOptions", "Friday"),
    QT_TRANSLATE_NOOP("SheetOptions", "Saturday")};

template <std::size_t N>
QComboBox* minutesList(const std::array<int, N>& steps, QWidget* parent) {
  auto* list = new QComboBox(parent);
  for (const int step : steps)
    list->addItem(QCoreApplication::translate("SheetOptions", "%1 minutes").arg(step), step);
  return list;
}

template <std::size_t N>
QComboBox* textList(const std::array<const char*, N>& texts, QWidget* parent) {
  auto* list = new QComboBox(parent);
  for (const char* text : texts) list->addItem(tr(text));
  return list;
}

QString clockText(int minutes) {
  return QTime(minutes / 60, minutes % 60).toString("H:mm");
}

// What the option table makes of `text` for the option of `flag`: the
// options with that one value read, or nothing when the table refuses it.
std::optional<generator::SheetOptions> readOption(const char* flag, const QString& text,
                                                  generator::SheetOptions options = {}) {
  if (!generator::OptionOfFlag(flag)->read(text.trimmed().toStdString(), options))
    return std::nullopt;
  return options;
}

// The overtime rules in the list's order: none, daily, weekly, daily and weekly.
constexpr int kDailyBit = 1;
constexpr int kWeeklyBit = 2;

// Hours or a multiplier, in steps of a quarter and shown with two decimals.
QDoubleSpinBox* hundredthsBox(generator::HundredthsRange range, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setDecimals(2);
  box->setSingleStep(0.25);
  box->setRange(range.low / 100.0, range.high / 100.0);
  return box;
}

int hundredthsOf(const QDoubleSpinBox* box) {
  return qRound(box->value() * 100);
}

// Each option's caption in the dialog, by its flag; the main window's summary
// names the options by the same words. One accelerator per letter, in every
// language (a test holds each translation to that).
struct Caption {
  std::string_view flag;
  const char* text;
};
constexpr Caption kCaptions[] = {
    {"--clock", QT_TRANSLATE_NOOP("SheetOptions", "&Clock:")},
    {"--time-step", QT_TRANSLATE_NOOP("SheetOptions", "&Start/end list step:")},
    {"--first-time", QT_TRANSLATE_NOOP("SheetOptions", "&First time in the list:")},
    {"--break-step", QT_TRANSLATE_NOOP("SheetOptions", "&Break list step:")},
    {"--longest-break", QT_TRANSLATE_NOOP("SheetOptions", "&Longest break:")},
    {"--date-format", QT_TRANSLATE_NOOP("SheetOptions", "&Date format:")},
    {"--week-start", QT_TRANSLATE_NOOP("SheetOptions", "&Week starting:")},
    {"--first-day", QT_TRANSLATE_NOOP("SheetOptions", "First da&y of the week:")},
    {"--currency", QT_TRANSLATE_NOOP("SheetOptions", "C&urrency symbol:")},
    {"--currency-after", QT_TRANSLATE_NOOP("SheetOptions", "Symbol &after the amount")},
    {"--overtime", QT_TRANSLATE_NOOP("SheetOptions", "&Overtime:")},
    {"--overtime-rate", QT_TRANSLATE_NOOP("SheetOptions", "Overtime &rate multiplier:")},
    {"--protect", QT_TRANSLATE_NOOP("SheetOptions", "&Protect formulas")},
    {"--language", QT_TRANSLATE_NOOP("SheetOptions", "Sheet la&nguage:")},
};

QString caption(std::string_view flag) {
  for (const Caption& c : kCaptions)
    if (c.flag == flag) return tr(c.text);
  return QString::fromUtf8(flag.data(), qsizetype(flag.size()));
}

// The caption as running text: no accelerator, no colon.
QString plainCaption(std::string_view flag) {
  QString text = caption(flag);
  text.remove(QRegularExpression("&(?!&)"));
  if (text.endsWith(':')) text.chop(1);
  return text.trimmed();
}

QString hoursText(int hundredths) {
  return QLocale().toString(hundredths / 100.0, 'g', 4);
}

// An option's value as the dialog shows it.
QString valueText(std::string_view flag, const generator::SheetOptions& o) {
  using generator::WeekStartKind;
  if (flag == "--clock") return tr(o.clock24 ? "24-hour" : "12-hour (AM/PM)");
  if (flag == "--time-step")
    return QCoreApplication::translate("SheetOptions", "%1 minutes").arg(o.timeStep);
  if (flag == "--first-time") return clockText(o.firstTime);
  if (flag == "--break-step")
    return QCoreApplication::translate("SheetOptions", "%1 minutes").arg(o.breakStep);
  if (flag == "--longest-break") return clockText(o.longestBreak);
  if (flag == "--date-format") return tr(kDateOrders[static_cast<std::size_t>(o.dateOrder)]);
  if (flag == "--week-start") {
    if (o.weekStart == WeekStartKind::Given)
      return QString::fromStdString(generator::IsoDate(o.weekStartSerial));
    return tr(o.weekStart == WeekStartKind::Empty ? "Empty" : "Example date");
  }
  if (flag == "--first-day") return tr(kDays[static_cast<std::size_t>(o.firstDay - 1)]);
  if (flag == "--currency") return QString::fromStdString(o.currency);
  if (flag == "--overtime") {
    QStringList limits;
    if (o.overtimeDaily > 0)
      limits << QCoreApplication::translate("SheetOptions", "daily %1 h")
                    .arg(hoursText(o.overtimeDaily));
    if (o.overtimeWeekly > 0)
      limits << QCoreApplication::translate("SheetOptions", "weekly %1 h")
                    .arg(hoursText(o.overtimeWeekly));
    return limits.isEmpty() ? QCoreApplication::translate("SheetOptions", "None")
                            : limits.join(", ");
  }
  if (flag == "--overtime-rate") return QString("\u00d7") + hoursText(o.overtimeRate);
  if (flag == "--language") {
    const std::string_view name = generator::SheetTextsOf(o.language).name;
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
  }
  return {};  // a switch: its caption says it
}

// A row whose field takes a typed value: the value is checked as it is typed
// and a short reason stands beside the field while it is refused. The caption's
// accelerator goes to the line edit itself, as the row's box takes no focus.
void addCheckedRow(QFormLayout& form, const QString& caption, QLineEdit* edit, QLabel* why) {
  auto* field = new QWidget;
  auto* row = new QHBoxLayout(field);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(edit);
  row->addWidget(why, 1);
  QPalette red = why->palette();
  red.setColor(QPalette::WindowText, QColor(0xB0, 0, 0));
  why->setPalette(red);
  why->setWordWrap(true);
  why->hide();
  form.addRow(caption, field);
  if (auto* label = qobject_cast<QLabel*>(form.labelForField(field))) label->setBuddy(edit);
}

}  // namespace

generator::SheetOptions DefaultSheetOptions() {
  generator::SheetOptions defaults;
  for (const generator::OptionEntry& option : generator::OptionTable())
    if (option.kind == generator::OptionKind::Sheet)
      option.read(generator::KeysWithDefaults(option).front().second, defaults);
  return defaults;
}

QString SheetOptionsSummary(const generator::SheetOptions& o) {
  const generator::SheetOptions defaults = DefaultSheetOptions();
  QStringList changed;
  for (const generator::OptionEntry& option : generator::OptionTable()) {
    if (option.kind != generator::OptionKind::Sheet) continue;
    if (option.word(o) == option.word(defaults)) continue;
    const QString value = valueText(option.flag, o);
    changed << (value.isEmpty() ? plainCaption(option.flag)
                                : QCoreApplication::translate("SheetOptions", "%1: %2")
                                      .arg(plainCaption(option.flag), value));
  }
  if (changed.isEmpty())
    return QCoreApplication::translate("SheetOptions", "Every option as it comes");
  return changed.join(QCoreApplication::translate("SheetOptions", "; "));
}

SheetOptionsDialog::SheetOptionsDialog(const generator::SheetOptions& options, QWidget* parent)
    : QDialog(parent) {
  setObjectName("SheetOptionsDialog");
  setWindowTitle(QCoreApplication::translate("SheetOptions", "Sheet Options"));
  auto* page = new QWidget;
  // Two columns of about one height each, so the dialog stays low.
  auto* columns = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);

  auto* times = new QGroupBox(QCoreApplication::translate("SheetOptions", "Times"), page);
  auto* timesForm = new QFormLayout(times);
  clock_ = new QComboBox(times);
  clock_->addItems({QCoreApplication::translate("SheetOptions", "12-hour (AM/PM)"),
                    QCoreApplication::translate("SheetOptions", "24-hour")});
  timeStep_ = minutesList(kTimeSteps, times);
  firstTime_ = new QLineEdit(times);
  firstTimeWhy_ =
      new QLabel(QCoreApplication::translate("SheetOptions", "A time from 0:00 to 23:59"), times);
  breakStep_ = minutesList(kBreakSteps, times);
  longestBreak_ = new QLineEdit(times);
  longestBreakWhy_ = new QLabel(
      QCoreApplication::translate("SheetOptions", "A duration from 0:15 to 8:00"), times);
  firstTime_->setObjectName("FirstTime");
  longestBreak_->setObjectName("LongestBreak");
  for (QLineEdit* time : {firstTime_, longestBreak_}) {
    time->setMaxLength(5);
    time->setMaximumWidth(fontMetrics().horizontalAdvance("00:000") + 16);
  }
  timesForm->addRow(caption("--clock"), clock_);
  timesForm->addRow(caption("--time-step"), timeStep_);
  addCheckedRow(*timesForm, caption("--first-time"), firstTime_, firstTimeWhy_);
  timesForm->addRow(caption("--break-step"), breakStep_);
  addCheckedRow(*timesForm, caption("--longest-break"), longestBreak_, longestBreakWhy_);
  left->addWidget(times);

  auto* dates = new QGroupBox(QCoreApplication::translate("SheetOptions", "Dates and week"), page);
  auto* datesForm = new QFormLayout(dates);
  dateOrder_ = textList(kDateOrders, dates);
  weekStart_ = new QComboBox(dates);
  weekStart_->addItems({QCoreApplication::translate("SheetOptions", "Example date"),
                        QCoreApplication::translate("SheetOptions", "Empty"),
                        QCoreApplication::translate("SheetOptions", "This date:")});
  weekStartDate_ = new QDateEdit(dates);
  weekStartDate_->setDisplayFormat("yyyy-MM-dd");
  weekStartDate_->setMinimumDate(kFirstDate);
  weekStartDate_->setCalendarPopup(true);
  firstDay_ = textList(kDays, dates);
  datesForm->addRow(caption("--date-format"), dateOrder_);
  datesForm->addRow(caption("--week-start"), weekStart_);
  datesForm->addRow(QCoreApplication::translate("SheetOptions", "Da&te:"), weekStartDate_);
  datesForm->addRow(caption("--first-day"), firstDay_);
  connect(weekStart_, &QComboBox::currentIndexChanged, this,
          [this](int index) { weekStartDate_->setEnabled(index == 2); });
  left->addWidget(dates);
  left->addStretch(1);

  auto* money = new QGroupBox(QCoreApplication::translate("SheetOptions", "Money"), page);
  auto* moneyForm = new QFormLayout(money);
  currency_ = new QLineEdit(money);
  currency_->setObjectName("Currency");
  currency_->setMaximumWidth(fontMetrics().horizontalAdvance("MMMMMM") + 16);
  currencyWhy_ = new QLabel(
      QCoreApplication::translate("SheetOptions",
                                  "No quotes, backslashes or control characters; at most 12 bytes"),
      money);
  currencyAfter_ = new QCheckBox(caption("--currency-after"), money);
  addCheckedRow(*moneyForm, caption("--currency"), currency_, currencyWhy_);
  moneyForm->addRow(QString(), currencyAfter_);
  right->addWidget(money);

  auto* pay = new QGroupBox(QCoreApplication::translate("SheetOptions", "Pay"), page);
  auto* payForm = new QFormLayout(pay);
  overtime_ = new QComboBox(pay);
  overtime_->addItems({QCoreApplication::translate("SheetOptions", "None"),
                       QCoreApplication::translate("SheetOptions", "Daily"),
                       QCoreApplication::translate("SheetOptions", "Weekly"),
                       QCoreApplication::translate("SheetOptions", "Daily and weekly")});
  dailyLimit_ = hundredthsBox(generator::kDailyLimitRange, pay);
  weeklyLimit_ = hundredthsBox(generator::kWeeklyLimitRange, pay);
  overtimeRate_ = hundredthsBox(generator::kOvertimeRateRange, pay);
  protect_ = new QCheckBox(caption("--protect"), pay);
  payForm->addRow(caption("--overtime"), overtime_);
  payForm->addRow(QCoreApplication::translate("SheetOptions", "Da&ily limit (hours):"),
                  dailyLimit_);
  payForm->addRow(QCoreApplication::translate("SheetOptions", "Wee&kly limit (hours):"),
                  weeklyLimit_);
  payForm->addRow(caption("--overtime-rate"), overtimeRate_);
  payForm->addRow(QString(), protect_);
  connect(overtime_, &QComboBox::currentIndexChanged, this,
          &SheetOptionsDialog::enableOvertimeBoxes);
  right->addWidget(pay);

  auto* sheetLanguage =
      new QGroupBox(QCoreApplication::translate("SheetOptions", "Language"), page);
  auto* languageForm = new QFormLayout(sheetLanguage);
  language_ = new QComboBox(sheetLanguage);
  // Each language by its own name, whatever the program's language.
  for (const generator::SheetLanguage language : generator::kSheetLanguages) {
    const std::string_view name = generator::SheetTextsOf(language).name;
    language_->addItem(QString::fromUtf8(name.data(), qsizetype(name.size())));
  }
  languageForm->addRow(caption("--language"), language_);
  // A language picked by the user brings its date format, clock and currency;
  // they can be changed again afterwards.
  connect(language_, &QComboBox::activated, this, [this](int index) {
    const generator::LanguageDefaults d =
        generator::LanguageDefaultsOf(generator::SheetLanguage(index));
    dateOrder_->setCurrentIndex(static_cast<int>(d.dateOrder));
    clock_->setCurrentIndex(d.clock24 ? 1 : 0);
    currency_->setText(QString::fromStdString(d.currency));
  });
  right->insertWidget(0, sheetLanguage);
  right->addStretch(1);

  // The groups scroll when the screen is too low for them.
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(page);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  // Options that cannot go together: why OK did not close the dialog.
  problem_ = new QLabel(this);
  problem_->setObjectName("problem");
  problem_->setWordWrap(true);
  problem_->setStyleSheet("color: #b00020");
  problem_->hide();

  buttons_ = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
  // OK and Cancel answer to Enter and Esc; their texts carry no accelerator
  // that could repeat one of the fields'.
  buttons_->button(QDialogButtonBox::Ok)
      ->setText(QCoreApplication::translate("SheetOptions", "OK"));
  buttons_->button(QDialogButtonBox::Cancel)
      ->setText(QCoreApplication::translate("SheetOptions", "Cancel"));
  buttons_->button(QDialogButtonBox::RestoreDefaults)
      ->setText(QCoreApplication::translate("SheetOptions", "R&estore Defaults"));
  connect(buttons_, &QDialogButtonBox::accepted, this, &SheetOptionsDialog::acceptIfUsable);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons_->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
          [this] { show(DefaultSheetOptions()); });
  for (QLineEdit* edit : {firstTime_, longestBreak_, currency_})
    connect(edit, &QLineEdit::textChanged, this, [this] { checkTypedValues(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll, 1);
  layout->addWidget(problem_);
  layout->addWidget(buttons_);
  show(options);
  fitScreen(*scroll, *page);
}

// As large as the groups want, but never beyond the screen's free area.
void SheetOptionsDialog::fitScreen(QScrollArea& scroll, QWidget& page) {
  const QSize wanted = page.sizeHint() + QSize(scroll.verticalScrollBar()->sizeHint().width(), 0);
  scroll.setMinimumWidth(wanted.width());
  QSize size = sizeHint().expandedTo(QSize(wanted.width(), 0));
  // The page's whole height in place of the scroll area's own hint, and the
  // scroll area's frame and spacing.
  constexpr int kAllowance = 8;
  size.setHeight(size.height() + wanted.height() - scroll.sizeHint().height() + kAllowance);
  if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen()) {
    const QSize room = screen->availableGeometry().size() - QSize(16, 48);  // the frame
    size = size.boundedTo(room);
  }
  resize(size);
}

bool SheetOptionsDialog::typedValuesValid() const {
  return firstTimeWhy_->isHidden() && longestBreakWhy_->isHidden() && currencyWhy_->isHidden();
}

void SheetOptionsDialog::checkTypedValues() {
  firstTimeWhy_->setVisible(!readOption("--first-time", firstTime_->text()));
  longestBreakWhy_->setVisible(!readOption("--longest-break", longestBreak_->text()));
  currencyWhy_->setVisible(!readOption("--currency", currency_->text()));
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(typedValuesValid());
}

void SheetOptionsDialog::show(const generator::SheetOptions& o) {
  clock_->setCurrentIndex(o.clock24 ? 1 : 0);
  timeStep_->setCurrentIndex(timeStep_->findData(o.timeStep));
  firstTime_->setText(clockText(o.firstTime));
  breakStep_->setCurrentIndex(breakStep_->findData(o.breakStep));
  longestBreak_->setText(clockText(o.longestBreak));
  dateOrder_->setCurrentIndex(static_cast<int>(o.dateOrder));
  weekStart_->setCurrentIndex(static_cast<int>(o.weekStart));
  const QDate given =
      o.weekStart == generator::WeekStartKind::Given
          ? QDate::fromString(QString::fromStdString(generator::IsoDate(o.weekStartSerial)),
                              Qt::ISODate)
          : QDate(2005, 5, 29);
  weekStartDate_->setDate(given);
  weekStartDate_->setEnabled(o.weekStart == generator::WeekStartKind::Given);
  firstDay_->setCurrentIndex(o.firstDay - 1);
  currency_->setText(QString::fromStdString(o.currency));
  currencyAfter_->setChecked(o.currencyAfter);
  const int rule = (o.overtimeDaily > 0 ? kDailyBit : 0) | (o.overtimeWeekly > 0 ? kWeeklyBit : 0);
  overtime_->setCurrentIndex(rule);
  dailyLimit_->setValue((o.overtimeDaily > 0 ? o.overtimeDaily : generator::kDailyLimitDefault) /
                        100.0);
  weeklyLimit_->setValue(
      (o.overtimeWeekly > 0 ? o.overtimeWeekly : generator::kWeeklyLimitDefault) / 100.0);
  overtimeRate_->setValue(o.overtimeRate / 100.0);
  enableOvertimeBoxes(rule);
  protect_->setChecked(o.protectFormulas);
  language_->setCurrentIndex(static_cast<int>(o.language));
  checkTypedValues();
}

void SheetOptionsDialog::acceptIfUsable() {
  const std::vector<std::string> problems = generator::SheetOptionsProblems(options());
  if (problems.empty()) {
    problem_->hide();
    accept();
    return;
  }
  QStringList lines;
  for (const std::string& p : problems) lines << QString::fromStdString(p) + ".";
  problem_->setText(lines.join("\n"));
  problem_->show();
}

void SheetOptionsDialog::enableOvertimeBoxes(int rule) {
  dailyLimit_->setEnabled(rule & kDailyBit);
  weeklyLimit_->setEnabled(rule & kWeeklyBit);
  overtimeRate_->setEnabled(rule != 0);
}

generator::SheetOptions SheetOptionsDialog::options() const {
  generator::SheetOptions o;
  o.clock24 = clock_->currentIndex() == 1;
  o.timeStep = timeStep_->currentData().toInt();
  o.breakStep = breakStep_->currentData().toInt();
  o.dateOrder = generator::DateOrder(dateOrder_->currentIndex());
  o.weekStart = generator::WeekStartKind(weekStart_->currentIndex());
  const QDate date = weekStartDate_->date();
  if (o.weekStart == generator::WeekStartKind::Given)
    o.weekStartSerial = generator::DaySerial(date.year(), date.month(), date.day());
  o.firstDay = firstDay_->currentIndex() + 1;
  // The typed values as the option table reads them; OK stays disabled while
  // one is refused, so a refused one never gets here.
  if (const auto v = readOption("--first-time", firstTime_->text(), o)) o = *v;
  if (const auto v = readOption("--longest-break", longestBreak_->text(), o)) o = *v;
  if (const auto v = readOption("--currency", currency_->text(), o)) o = *v;
  o.currencyAfter = currencyAfter_->isChecked();
  const int rule = overtime_->currentIndex();
  o.overtimeDaily = rule & kDailyBit ? hundredthsOf(dailyLimit_) : 0;
  o.overtimeWeekly = rule & kWeeklyBit ? hundredthsOf(weeklyLimit_) : 0;
  o.overtimeRate = hundredthsOf(overtimeRate_);
  o.protectFormulas = protect_->isChecked();
  o.language = generator::SheetLanguage(language_->currentIndex());
  return o;
}

}  // namespace shell
