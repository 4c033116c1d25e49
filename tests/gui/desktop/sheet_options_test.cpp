// The sheet options frame of the main window and its dialog: what the dialog
// shows and gives back, Restore Defaults, Cancel, the summary line, and the
// choices stored at close and restored at the next start.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "desktop_fixture.h"
#include "shell/sheet_options_dialog.h"

namespace desktop_test {
namespace {

using generator::SheetOptions;

SheetOptions europe() {
  SheetOptions o;
  o.clock24 = true;
  o.timeStep = 10;
  o.firstTime = 5 * 60 + 30;
  o.breakStep = 15;
  o.longestBreak = 90;
  o.dateOrder = generator::DateOrder::DmyDots;
  o.currency = "\u20ac";
  o.currencyAfter = true;
  o.weekStart = generator::WeekStartKind::Given;
  o.weekStartSerial = 46083;  // 2 March 2026
  o.firstDay = 2;
  return o;
}

// Pay choices on top of the European ones: each rule with a limit and a rate.
SheetOptions paid(int daily, int weekly, int rate, bool protect) {
  SheetOptions o = europe();
  o.overtimeDaily = daily;
  o.overtimeWeekly = weekly;
  o.overtimeRate = rate;
  o.protectFormulas = protect;
  return o;
}

QPushButton* dialogButton(QDialogButtonBox::StandardButton which) {
  auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  return dialog ? dialog->findChild<QDialogButtonBox*>()->button(which) : nullptr;
}

using SheetOptionsTest = DesktopTest;

TEST_F(SheetOptionsTest, TheDialogGivesBackWhatItShowsAndRestoresTheDefaults) {
  SheetOptions empty;
  empty.weekStart = generator::WeekStartKind::Empty;
  empty.firstDay = 7;
  for (const SheetOptions& o :
       {SheetOptions{}, europe(), empty, paid(800, 0, 150, true), paid(0, 3750, 200, false),
        paid(725, 16800, 125, true), paid(0, 0, 300, true)}) {
    shell::SheetOptionsDialog dialog(o);
    EXPECT_TRUE(dialog.options() == o);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::RestoreDefaults)->click();
    EXPECT_TRUE(dialog.options() == SheetOptions{});
  }
}

TEST_F(SheetOptionsTest, SummaryCancelOkAndTheNextStart) {
  auto form = startForm();
  EXPECT_EQ(form->SheetSummary()->text(), "Every option as it comes");
  EXPECT_EQ(form->ChangeSheetOptions()->text(), "Change\u2026");

  generator::SheetOptionChoices() = europe();
  form->refreshSheetSummary();
  // Too long for its line: cut there, and whole in the tooltip.
  const QString europeSummary = QString::fromUtf8(
      "Clock: 24-hour; Start/end list step: 10 minutes; First time in the list: 5:30; "
      "Break list step: 15 minutes; Longest break: 1:30; Date format: day.month.year; "
      "Currency symbol: \u20ac; Symbol after the amount; Week starting: 2026-03-02; "
      "First day of the week: Monday");
  EXPECT_EQ(form->SheetSummary()->toolTip(), europeSummary);
  EXPECT_TRUE(form->SheetSummary()->text().startsWith("Clock: 24-hour; Start/end"));
  EXPECT_TRUE(form->SheetSummary()->text().endsWith("\u2026"));

  // Cancel after Restore Defaults changes nothing.
  QTimer::singleShot(0, [] {
    if (QPushButton* button = dialogButton(QDialogButtonBox::RestoreDefaults)) button->click();
    if (QPushButton* button = dialogButton(QDialogButtonBox::Cancel)) button->click();
  });
  form->ChangeSheetOptions_Click();
  EXPECT_TRUE(generator::SheetOptionChoices() == europe());
  EXPECT_EQ(form->SheetSummary()->toolTip(), europeSummary);

  form->show();
  form->close();
  EXPECT_EQ(stored("Clock"), "24");
  EXPECT_EQ(stored("FirstTime"), "5:30");
  EXPECT_EQ(stored("Currency"), "\u20ac");
  EXPECT_EQ(stored("WeekStart"), "2026-03-02");

  generator::SheetOptionChoices() = SheetOptions{};
  auto second = startForm();
  EXPECT_TRUE(generator::SheetOptionChoices() == europe());
  EXPECT_EQ(second->SheetSummary()->toolTip(), europeSummary);

  // OK takes the dialog's choices: here the defaults.
  QTimer::singleShot(0, [] {
    if (QPushButton* button = dialogButton(QDialogButtonBox::RestoreDefaults)) button->click();
    if (QPushButton* button = dialogButton(QDialogButtonBox::Ok)) button->click();
  });
  second->ChangeSheetOptions_Click();
  EXPECT_TRUE(generator::SheetOptionChoices() == SheetOptions{});
  EXPECT_EQ(second->SheetSummary()->text(), "Every option as it comes");
}

TEST_F(SheetOptionsTest, OkRefusesAStartOffTheFirstDayAndALanguageBringsItsFormats) {
  SheetOptions o;
  o.weekStart = generator::WeekStartKind::Given;
  o.weekStartSerial = 46085;  // Wednesday 4 March 2026
  o.firstDay = 2;
  shell::SheetOptionsDialog dialog(o);
  dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.findChild<QLabel*>("problem")->text(),
            "2026-03-04 is a Wednesday; the week starts on Monday.");

  QComboBox* language = dialog.findChildren<QComboBox*>().back();
  language->setCurrentIndex(1);
  emit language->activated(1);  // German
  EXPECT_EQ(dialog.options().dateOrder, generator::DateOrder::DmyDots);
  EXPECT_TRUE(dialog.options().clock24);
  EXPECT_EQ(dialog.options().currency, "\u20ac");
}

TEST_F(SheetOptionsTest, ABadStoredOptionCostsOnlyItself) {
  store->write("Quillmark", "Tallyloom", "Clock", "25");
  store->write("Quillmark", "Tallyloom", "TimeStep", "10");
  auto form = startForm();
  EXPECT_EQ(generator::SheetOptionChoices().clock24, false);
  EXPECT_EQ(generator::SheetOptionChoices().timeStep, 10);
  ASSERT_EQ(fake.messages().size(), 1u);
  EXPECT_TRUE(fake.messages().front().text.contains("Clock=25"))
      << fake.messages().front().text.toStdString();
}

}  // namespace
}  // namespace desktop_test
