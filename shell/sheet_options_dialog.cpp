#include "shell/sheet_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <array>

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

QTimeEdit* timeEdit(QWidget* parent) {
  auto* edit = new QTimeEdit(parent);
  edit->setDisplayFormat("H:mm");
  return edit;
}

QTime timeOf(int minutes) {
  return QTime(minutes / 60, minutes % 60);
}

int minutesOf(const QTime& time) {
  return time.hour() * 60 + time.minute();
}

QString clockText(int minutes) {
  return timeOf(minutes).toString("H:mm");
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

}  // namespace

QString SheetOptionsSummary(const generator::SheetOptions& o) {
  return QCoreApplication::translate(
             "SheetOptions", "%1-hour, from %2 every %3 min, breaks to %4, %5, %6, %7 first")
      .arg(o.clock24 ? 24 : 12)
      .arg(clockText(o.firstTime))
      .arg(o.timeStep)
      .arg(clockText(o.longestBreak))
      .arg(QString::fromStdString(generator::DatePattern(o)))
      .arg(QString::fromStdString(o.currency))
      .arg(tr(kDays[static_cast<std::size_t>(o.firstDay - 1)]));
}

SheetOptionsDialog::SheetOptionsDialog(const generator::SheetOptions& options, QWidget* parent)
    : QDialog(parent) {
  setObjectName("SheetOptionsDialog");
  setWindowTitle(QCoreApplication::translate("SheetOptions", "Sheet Options"));
  auto* layout = new QVBoxLayout(this);

  auto* times = new QGroupBox(QCoreApplication::translate("SheetOptions", "Times"), this);
  auto* timesForm = new QFormLayout(times);
  clock_ = new QComboBox(times);
  clock_->addItems({QCoreApplication::translate("SheetOptions", "12-hour (AM/PM)"),
                    QCoreApplication::translate("SheetOptions", "24-hour")});
  timeStep_ = minutesList(kTimeSteps, times);
  firstTime_ = timeEdit(times);
  breakStep_ = minutesList(kBreakSteps, times);
  longestBreak_ = timeEdit(times);
  longestBreak_->setTimeRange(QTime(0, 15), QTime(8, 0));
  timesForm->addRow(QCoreApplication::translate("SheetOptions", "&Clock:"), clock_);
  timesForm->addRow(QCoreApplication::translate("SheetOptions", "&Start/end list step:"),
                    timeStep_);
  timesForm->addRow(QCoreApplication::translate("SheetOptions", "&First time in the list:"),
                    firstTime_);
  timesForm->addRow(QCoreApplication::translate("SheetOptions", "&Break list step:"), breakStep_);
  timesForm->addRow(QCoreApplication::translate("SheetOptions", "&Longest break:"), longestBreak_);
  layout->addWidget(times);

  auto* dates = new QGroupBox(QCoreApplication::translate("SheetOptions", "Dates and week"), this);
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
  datesForm->addRow(QCoreApplication::translate("SheetOptions", "&Date format:"), dateOrder_);
  datesForm->addRow(QCoreApplication::translate("SheetOptions", "&Week starting:"), weekStart_);
  datesForm->addRow(QCoreApplication::translate("SheetOptions", "D&ate:"), weekStartDate_);
  datesForm->addRow(QCoreApplication::translate("SheetOptions", "First &day of the week:"),
                    firstDay_);
  connect(weekStart_, &QComboBox::currentIndexChanged, this,
          [this](int index) { weekStartDate_->setEnabled(index == 2); });
  layout->addWidget(dates);

  auto* money = new QGroupBox(QCoreApplication::translate("SheetOptions", "Money"), this);
  auto* moneyForm = new QFormLayout(money);
  currency_ = new QLineEdit(money);
  currency_->setMaxLength(4);
  currencyAfter_ =
      new QCheckBox(QCoreApplication::translate("SheetOptions", "Symbol &after the amount"), money);
  moneyForm->addRow(QCoreApplication::translate("SheetOptions", "C&urrency symbol:"), currency_);
  moneyForm->addRow(QString(), currencyAfter_);
  layout->addWidget(money);

  auto* pay = new QGroupBox(QCoreApplication::translate("SheetOptions", "Pay"), this);
  auto* payForm = new QFormLayout(pay);
  overtime_ = new QComboBox(pay);
  overtime_->addItems({QCoreApplication::translate("SheetOptions", "None"),
                       QCoreApplication::translate("SheetOptions", "Daily"),
                       QCoreApplication::translate("SheetOptions", "Weekly"),
                       QCoreApplication::translate("SheetOptions", "Daily and weekly")});
  dailyLimit_ = hundredthsBox(generator::kDailyLimitRange, pay);
  weeklyLimit_ = hundredthsBox(generator::kWeeklyLimitRange, pay);
  overtimeRate_ = hundredthsBox(generator::kOvertimeRateRange, pay);
  protect_ = new QCheckBox(QCoreApplication::translate("SheetOptions", "&Protect formulas"), pay);
  payForm->addRow(QCoreApplication::translate("SheetOptions", "&Overtime:"), overtime_);
  payForm->addRow(QCoreApplication::translate("SheetOptions", "Dail&y limit (hours):"),
                  dailyLimit_);
  payForm->addRow(QCoreApplication::translate("SheetOptions", "Wee&kly limit (hours):"),
                  weeklyLimit_);
  payForm->addRow(QCoreApplication::translate("SheetOptions", "Overtime &rate multiplier:"),
                  overtimeRate_);
  payForm->addRow(QString(), protect_);
  connect(overtime_, &QComboBox::currentIndexChanged, this,
          &SheetOptionsDialog::enableOvertimeBoxes);
  layout->addWidget(pay);

  auto* sheetLanguage =
      new QGroupBox(QCoreApplication::translate("SheetOptions", "Language"), this);
  auto* languageForm = new QFormLayout(sheetLanguage);
  language_ = new QComboBox(sheetLanguage);
  // Each language by its own name, whatever the program's language.
  for (const generator::SheetLanguage language : generator::kSheetLanguages) {
    const std::string_view name = generator::SheetTextsOf(language).name;
    language_->addItem(QString::fromUtf8(name.data(), qsizetype(name.size())));
  }
  languageForm->addRow(QCoreApplication::translate("SheetOptions", "Sheet &language:"), language_);
  // A language picked by the user brings its date format, clock and currency;
  // they can be changed again afterwards.
  connect(language_, &QComboBox::activated, this, [this](int index) {
    const generator::LanguageDefaults d =
        generator::LanguageDefaultsOf(generator::SheetLanguage(index));
    dateOrder_->setCurrentIndex(static_cast<int>(d.dateOrder));
    clock_->setCurrentIndex(d.clock24 ? 1 : 0);
    currency_->setText(QString::fromStdString(d.currency));
  });
  layout->addWidget(sheetLanguage);

  problem_ = new QLabel(this);
  problem_->setObjectName("problem");
  problem_->setWordWrap(true);
  problem_->setStyleSheet("color: #b00020");
  problem_->hide();
  layout->addWidget(problem_);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
  buttons->button(QDialogButtonBox::RestoreDefaults)
      ->setText(QCoreApplication::translate("SheetOptions", "Restore Defaults"));
  connect(buttons, &QDialogButtonBox::accepted, this, &SheetOptionsDialog::acceptIfUsable);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
          [this] { show(generator::SheetOptions{}); });
  layout->addWidget(buttons);
  show(options);
}

void SheetOptionsDialog::show(const generator::SheetOptions& o) {
  clock_->setCurrentIndex(o.clock24 ? 1 : 0);
  timeStep_->setCurrentIndex(timeStep_->findData(o.timeStep));
  firstTime_->setTime(timeOf(o.firstTime));
  breakStep_->setCurrentIndex(breakStep_->findData(o.breakStep));
  longestBreak_->setTime(timeOf(o.longestBreak));
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
  o.firstTime = minutesOf(firstTime_->time());
  o.breakStep = breakStep_->currentData().toInt();
  o.longestBreak = minutesOf(longestBreak_->time());
  o.dateOrder = generator::DateOrder(dateOrder_->currentIndex());
  o.weekStart = generator::WeekStartKind(weekStart_->currentIndex());
  const QDate date = weekStartDate_->date();
  if (o.weekStart == generator::WeekStartKind::Given)
    o.weekStartSerial = generator::DaySerial(date.year(), date.month(), date.day());
  o.firstDay = firstDay_->currentIndex() + 1;
  // A symbol the sheet cannot carry leaves the default one.
  generator::OptionOfFlag("--currency")->read(currency_->text().trimmed().toStdString(), o);
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
