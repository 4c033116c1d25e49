// What a desktop user expects of the windows: nothing lost when the preview
// closes, one accelerator per letter in every window and language, an options
// dialog that fits a small screen and refuses a bad entry where it is typed,
// and a summary that names every option changed.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest/QTest>

#include "desktop_fixture.h"
#include "generator/overtime_rule.h"
#include "generator/sheet_options.h"
#include "preview/form2.h"
#include "shell/program_language.h"
#include "shell/sheet_options_dialog.h"
#include "spreadsheet/picture/picture_source.h"

namespace desktop_test {
namespace {

using DesktopConventions = DesktopTest;

TEST_F(DesktopConventions, ClosingThePreviewStoresTheChoices) {
  auto form = startForm();
  form->setCheckValue(1, 1);  // Sunday
  form->setComboIndex(1, 2);  // 3 weeks
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::white);
  form->setPreviewPicture(spreadsheet::picture::imageSource(picture));
  form->showPreview();
  form->hideMainWindow();
  ASSERT_TRUE(form->Form2());
  form->Form2()->close();
  EXPECT_EQ(programEnds, 1);
  // Read back from the settings file itself.
  platform::IniSettingsStore file(settingsDir.path());
  EXPECT_EQ(file.read("Quillmark", "Tallyloom", "Sunday", "<absent>"), "1");
  EXPECT_EQ(file.read("Quillmark", "Tallyloom", "NumberOfWeeks", "<absent>"), "2");
}

// The accelerator letters of a window, each with the text that carries it.
QMultiMap<QChar, QString> accelerators(const QWidget& window) {
  QMultiMap<QChar, QString> letters;
  const QRegularExpression mark("&([^&\\s])");
  auto add = [&](const QString& text) {
    const QString plain = QString(text).replace("&&", "");
    const auto found = mark.match(plain);
    if (found.hasMatch()) letters.insert(found.captured(1).at(0).toLower(), text);
  };
  for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) add(b->text());
  for (const QLabel* l : window.findChildren<QLabel*>()) add(l->text());
  for (const QGroupBox* g : window.findChildren<QGroupBox*>()) add(g->title());
  return letters;
}

TEST_F(DesktopConventions, EveryWindowHasOneAcceleratorPerLetterInEveryLanguage) {
  for (const char* locale : {"en_US", "de_DE", "fr_FR", "es_ES"}) {
    const shell::ProgramLanguage language{QLocale(locale)};
    auto form = startForm();
    preview::Form2 preview;
    shell::SheetOptionsDialog dialog(generator::SheetOptions{});
    for (const QWidget* window :
         std::initializer_list<const QWidget*>{form.get(), &preview, &dialog}) {
      const auto letters = accelerators(*window);
      for (const QChar letter : letters.uniqueKeys())
        EXPECT_EQ(letters.count(letter), 1)
            << locale << " " << window->objectName().toStdString() << ": "
            << QStringList(letters.values(letter)).join(" | ").toStdString();
    }
  }
}

// Alt with a caption's letter reaches its field only when the caption's buddy
// is a control that takes the focus (not the box a field sits in).
TEST_F(DesktopConventions, EveryCaptionAcceleratorReachesAFieldThatTakesTheFocus) {
  shell::SheetOptionsDialog dialog(generator::SheetOptions{});
  int captions = 0;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (!label->text().contains(QRegularExpression("&[^&\\s]"))) continue;
    ++captions;
    ASSERT_TRUE(label->buddy()) << label->text().toStdString();
    EXPECT_NE(label->buddy()->focusPolicy(), Qt::NoFocus) << label->text().toStdString();
  }
  EXPECT_EQ(captions, 15);  // the check boxes carry their own letters
}

TEST_F(DesktopConventions, OptionsDialogFitsALowScreenAtOneAndAHalf) {
  for (const char* locale : {"en_US", "de_DE", "fr_FR", "es_ES"}) {
    const shell::ProgramLanguage language{QLocale(locale)};
    shell::SheetOptionsDialog dialog(generator::SheetOptions{});
    // 1366 x 768 at 1.5 is 910 x 512 to lay out in, less the panel and the
    // window's frame.
    const QSize wanted = dialog.sizeHint();
    EXPECT_LE(wanted.width() * 1.5, 1366 - 24) << locale;
    EXPECT_LE(wanted.height() * 1.5, 768 - 32 - 48) << locale;
  }
}

TEST_F(DesktopConventions, OptionsDialogRefusesABadEntryWhereItIsTyped) {
  shell::SheetOptionsDialog dialog(generator::SheetOptions{});
  dialog.setVisible(true);
  QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  struct Case {
    const char* field;
    const char* typed;
    bool accepted;
  };
  const Case cases[] = {
      {"FirstTime", "25:99", false},  {"FirstTime", "abc", false},
      {"FirstTime", "7:00", true},    {"LongestBreak", "9:45", false},
      {"LongestBreak", "0:45", true}, {"Currency", "a\"b\\", false},
      {"Currency", "€", true},
  };
  for (const Case& c : cases) {
    auto* edit = dialog.findChild<QLineEdit*>(c.field);
    ASSERT_TRUE(edit) << c.field;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);  // select all, then type over it
    const QString typed = QString::fromUtf8(c.typed);
    // QTest types only Latin-1 keys; the euro sign comes as a typed text.
    if (typed.toLatin1() == typed.toUtf8()) {
      QTest::keyClicks(edit, typed);
    } else {
      edit->insert(typed);
    }
    EXPECT_EQ(edit->text(), typed) << c.field;
    EXPECT_EQ(ok->isEnabled(), c.accepted) << c.field << " " << c.typed;
    // The reason stands in the field's own row.
    auto* reason = edit->parentWidget()->findChild<QLabel*>();
    ASSERT_TRUE(reason);
    EXPECT_EQ(reason->isVisible(), !c.accepted) << c.field << " " << c.typed;
  }
  const generator::SheetOptions chosen = dialog.options();
  EXPECT_EQ(chosen.firstTime, 7 * 60);
  EXPECT_EQ(chosen.longestBreak, 45);
  EXPECT_EQ(chosen.currency, "€");
}

TEST_F(DesktopConventions, SummaryNamesEveryOptionThatDiffers) {
  using generator::SheetOptions;
  struct Case {
    void (*change)(SheetOptions&);
    const char* named;
  };
  const Case cases[] = {
      {[](SheetOptions& o) { o.clock24 = true; }, "Clock: 24-hour"},
      {[](SheetOptions& o) { o.timeStep = 30; }, "Start/end list step: 30 minutes"},
      {[](SheetOptions& o) { o.firstTime = 7 * 60 + 30; }, "First time in the list: 7:30"},
      {[](SheetOptions& o) { o.breakStep = 10; }, "Break list step: 10 minutes"},
      {[](SheetOptions& o) { o.longestBreak = 45; }, "Longest break: 0:45"},
      {[](SheetOptions& o) { o.dateOrder = generator::DateOrder::Ymd; },
       "Date format: year-month-day"},
      {[](SheetOptions& o) { o.weekStart = generator::WeekStartKind::Empty; },
       "Week starting: Empty"},
      {[](SheetOptions& o) { o.firstDay = 2; }, "First day of the week: Monday"},
      {[](SheetOptions& o) { o.currency = "€"; }, "Currency symbol: €"},
      {[](SheetOptions& o) { o.currencyAfter = true; }, "Symbol after the amount"},
      {[](SheetOptions& o) { o.overtimeDaily = 800; }, "Overtime: daily 8 h"},
      {[](SheetOptions& o) { o.overtimeRate = 175; }, "Overtime rate multiplier: \u00d71.75"},
      {[](SheetOptions& o) { o.protectFormulas = true; }, "Protect formulas"},
      {[](SheetOptions& o) { o.language = generator::SheetLanguage::German; },
       "Sheet language: Deutsch"},
  };
  EXPECT_EQ(shell::SheetOptionsSummary(SheetOptions{}), "Every option as it comes");
  for (const Case& c : cases) {
    SheetOptions options;
    c.change(options);
    EXPECT_EQ(shell::SheetOptionsSummary(options), QString::fromUtf8(c.named));
  }
  SheetOptions two;
  two.clock24 = true;
  two.protectFormulas = true;
  EXPECT_EQ(shell::SheetOptionsSummary(two), "Clock: 24-hour; Protect formulas");
}

// Every caption has its column's room: none is narrowed, in any language.
TEST_F(DesktopConventions, CaptionsUseTheirRoomBeforeShrinking) {
  for (const char* locale : {"en_US", "de_DE", "fr_FR", "es_ES"}) {
    const shell::ProgramLanguage language{QLocale(locale)};
    auto form = startForm();
    for (int box = 1; box <= generator::kCheckBoxCount; ++box)
      EXPECT_EQ(form->Check(box)->font().stretch(), form->font().stretch()) << locale << box;
  }
}

}  // namespace
}  // namespace desktop_test
