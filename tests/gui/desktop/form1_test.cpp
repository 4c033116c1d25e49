#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "desktop_fixture.h"
#include "platform/error_report.h"
#include "spreadsheet/model/error.h"

namespace desktop_test {
namespace {

using Pointer = shell::Form1::Pointer;

std::vector<int> checkValues(const shell::Form1& form) {
  std::vector<int> values;
  for (int box = 1; box <= 19; ++box) values.push_back(form.checkValue(box));
  return values;
}

const std::vector<int> kDefaultChecks{0, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

using Form1Test = DesktopTest;

TEST_F(Form1Test, FirstStartWithEmptyStoreShowsTheDefaults) {
  auto form = startForm();
  EXPECT_EQ(checkValues(*form), kDefaultChecks);
  EXPECT_EQ(form->Combo1()->count(), 4);
  EXPECT_EQ(form->Combo1()->currentText(), "1 Week");
  EXPECT_EQ(form->Combo1()->itemText(3), "4 Weeks");
  EXPECT_EQ(form->Combo2()->count(), 20);
  EXPECT_EQ(form->Combo2()->currentText(), "1");
  EXPECT_EQ(form->Combo2()->itemText(19), "20");
  EXPECT_EQ(form->windowTitle(), "Tallyloom");
  EXPECT_EQ(platform::applicationTitle(), "Tallyloom");
  EXPECT_TRUE(fake.messages().empty());
  EXPECT_EQ(programEnds, 0);
  EXPECT_TRUE(opener.opened.empty());
}

TEST_F(Form1Test, SecondStartRestoresWhatTheFirstStoredOnClose) {
  auto first = startForm();
  first->setCheckValue(1, 1);   // Sunday on
  first->setCheckValue(3, 0);   // Tuesday off
  first->setCheckValue(9, 0);   // Address 1 off
  first->setCheckValue(19, 2);  // Manager Signature greyed
  first->setComboIndex(1, 3);
  first->setComboIndex(2, 19);
  first->show();
  first->close();
  EXPECT_EQ(programEnds, 1);
  EXPECT_EQ(stored("Sunday"), "1");
  EXPECT_EQ(stored("Tuesday"), "0");
  EXPECT_EQ(stored("Address 1"), "0");
  EXPECT_EQ(stored("Manager Signature"), "2");
  EXPECT_EQ(stored("NumberOfWeeks"), "3");
  EXPECT_EQ(stored("NumberOfShifts"), "19");

  auto second = startForm();
  std::vector<int> expected = kDefaultChecks;
  expected[0] = 1;
  expected[2] = 0;
  expected[8] = 0;  // a greyed box comes back ticked
  EXPECT_EQ(checkValues(*second), expected);
  EXPECT_EQ(second->Combo1()->currentText(), "4 Weeks");
  EXPECT_EQ(second->Combo2()->currentText(), "20");
  EXPECT_TRUE(fake.errorReports().empty());
}

// Refuses to write the named keys; writes the rest to the test's store.
class RefusingStore : public platform::SettingsStore {
 public:
  RefusingStore(platform::SettingsStore& inner, QStringList refused)
      : inner_(inner), refused_(std::move(refused)) {}
  QString read(const QString& app, const QString& section, const QString& key,
               const QString& def) override {
    return inner_.read(app, section, key, def);
  }
  void write(const QString& app, const QString& section, const QString& key,
             const QString& value) override {
    if (refused_.contains(key)) throw std::runtime_error("Permission denied");
    written.push_back(key);
    inner_.write(app, section, key, value);
  }
  QStringList written;

 private:
  platform::SettingsStore& inner_;
  QStringList refused_;
};

TEST_F(Form1Test, CloseStoresInOrderAndReportsAKeyThatCannotBeWritten) {
  auto form = startForm();
  RefusingStore refusing(*store, {"Wednesday", "NumberOfShifts"});
  platform::setSettingsStore(&refusing);
  form->close();
  EXPECT_EQ(reportedLines("in Tallyloom2021/08/31.Form1.Form_QueryUnload "),
            (std::vector<int>{106, 140}));
  ASSERT_EQ(refusing.written.size(), 33);
  EXPECT_EQ(refusing.written.first(), "Sunday");
  EXPECT_EQ(refusing.written[6], "Company Name");
  EXPECT_EQ(refusing.written[7], "Address 1");
  EXPECT_EQ(refusing.written[18], "NumberOfWeeks");
  EXPECT_EQ(refusing.written[19], "Clock");
  EXPECT_EQ(refusing.written[28], "FirstDay");
  EXPECT_EQ(refusing.written[31], "OvertimeRate");
  EXPECT_EQ(refusing.written.last(), "SheetLanguage");
  EXPECT_EQ(programEnds, 1);
}

TEST_F(Form1Test, StoredPeriodOutsideTheListIsReportedOnceAndStartUpGoesOn) {
  store->write("Quillmark", "Tallyloom", "NumberOfWeeks", "7");
  store->write("Quillmark", "Tallyloom", "NumberOfShifts", "5");
  store->write("Quillmark", "Tallyloom", "Monday", "0");
  auto form = startForm();
  EXPECT_EQ(reportedLines("in Tallyloom2021/08/31.Form1.Form_Load "), std::vector<int>{144});
  // Only the period takes its default; the shift index and the days still load.
  EXPECT_EQ(form->Combo1()->currentIndex(), 0);
  EXPECT_EQ(form->Combo2()->currentIndex(), 5);
  EXPECT_EQ(form->checkValue(2), 0);
  EXPECT_EQ(programEnds, 0);
}

TEST_F(Form1Test, NoEngineAtStartUpEndsTheProgramWithoutStoring) {
  spreadsheet::api::Application::setFactoryForTesting(
      []() -> std::shared_ptr<spreadsheet::api::Application> {
        throw spreadsheet::Error("ActiveX component can't create object");
      });
  auto form = startForm();
  ASSERT_EQ(fake.messages().size(), 1u);
  EXPECT_EQ(fake.messages()[0].text.split("\r\n\r\n").size(), 5);
  EXPECT_EQ(fake.messages()[0].caption, "Tallyloom");
  EXPECT_EQ(programEnds, 1);
  EXPECT_TRUE(platform::ProgramEnded());
  EXPECT_FALSE(QFile::exists(store->filePath("Quillmark")));
}

TEST_F(Form1Test, HoverRuleAndHandCursor) {
  QFile::copy(TALLYLOOM_SOURCE_DIR "/resources/beside/HAND-M.CUR", platform::handCursorPath());
  auto form = startForm();
  EXPECT_TRUE(form->hasCustomPointerImage());
  form->PushButton22_MouseMove();
  EXPECT_EQ(form->mousePointer(), Pointer::Custom);
  EXPECT_EQ(form->cursor().shape(), Qt::BitmapCursor);
  form->Form_MouseMove();
  EXPECT_EQ(form->mousePointer(), Pointer::Default);
  form->setMousePointer(Pointer::Hourglass);
  form->PushButton22_MouseMove();
  form->Form_MouseMove();
  EXPECT_EQ(form->mousePointer(), Pointer::Hourglass);
  EXPECT_EQ(form->cursor().shape(), Qt::WaitCursor);
}

TEST_F(Form1Test, MissingOrBadCursorFile) {
  auto plain = startForm();
  EXPECT_FALSE(plain->hasCustomPointerImage());
  plain->PushButton22_MouseMove();
  EXPECT_EQ(plain->mousePointer(), Pointer::Custom);
  EXPECT_EQ(plain->cursor().shape(), Qt::ArrowCursor);
  EXPECT_TRUE(fake.errorReports().empty());

  QFile bad(platform::handCursorPath());
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a cursor");
  bad.close();
  auto withBadFile = startForm();
  EXPECT_FALSE(withBadFile->hasCustomPointerImage());
  EXPECT_EQ(reportedLines("in Tallyloom2021/08/31.Form1.Form_Load "), std::vector<int>{108});
}

TEST_F(Form1Test, ControlsCarryTheirNamesCaptionsAndGeometry) {
  shell::Form1 form;
  EXPECT_EQ(form.size(), QSize(536, 471));  // 423 and the sheet options frame below
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.PushButton22()->text(), "Start Creating Template");
  EXPECT_EQ(form.PushButton22()->geometry(), QRect(8, 8, 520, 27));
  EXPECT_DOUBLE_EQ(form.PushButton22()->font().pointSizeF(), 11.25);
  EXPECT_TRUE(form.font().bold());
  EXPECT_EQ(form.font().family(), "Arial");
  // No leading blank, and the room of the column (3405 twips on the right).
  EXPECT_EQ(form.Check(4)->text(), "Wednesday");
  EXPECT_EQ(form.Check(16)->text(), "Week Starting");
  EXPECT_EQ(form.Check(17)->text(), "Week Ending");
  EXPECT_EQ(form.Check(5)->geometry(), QRect(277, 20, 227, 17));
  const char* frames[] = {"Select Days To Include", "Select Fields To Include", "Shifts / Time"};
  for (int i = 0; i < 3; ++i) {
    auto* frame = form.findChild<QGroupBox*>(QString("Frame%1").arg(i + 1));
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->title(), frames[i]);
  }
  EXPECT_EQ(form.Check(1)->parentWidget()->objectName(), "Frame1");
  EXPECT_EQ(form.Check(19)->parentWidget()->objectName(), "Frame2");
  EXPECT_EQ(form.Combo2()->parentWidget()->objectName(), "Frame3");
  EXPECT_LT(form.Combo2()->y(), form.Combo1()->y());  // shifts above the period
  EXPECT_EQ(form.findChild<QLabel*>("Label2")->text(), "Number Of Shifts Per Day:");
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(form.Check(8)->palette().color(form.Check(8)->backgroundRole()), QColor(Qt::white));
}

TEST_F(Form1Test, ChoiceControlValues) {
  shell::Form1 form;
  form.setCheckValue(2, 2);
  EXPECT_EQ(form.checkValue(2), 2);
  form.Check(2)->click();  // a click on a greyed box ticks it; no click greys one
  EXPECT_EQ(form.checkValue(2), 1);
  form.Check(2)->click();
  form.Check(2)->click();
  EXPECT_EQ(form.checkValue(2), 1);
  EXPECT_THROW(form.setCheckValue(2, 3), generator::ChoiceError);
  EXPECT_THROW(form.setComboIndex(1, 0), generator::ChoiceError);  // still empty
  form.Combo1()->addItems({"a", "b"});
  form.setComboIndex(1, 1);
  EXPECT_EQ(form.comboIndex(1), 1);
  form.setComboIndex(1, -1);
  EXPECT_EQ(form.comboIndex(1), -1);
  EXPECT_THROW(form.setComboIndex(1, 2), generator::ChoiceError);
}

TEST_F(Form1Test, SkinFileGivesFaceColoursAndItsStyle) {
  auto white = startForm();
  EXPECT_TRUE(white->styleSheet().isEmpty());

  QDir(programDir.path()).mkpath("x");
  QFile skin(platform::skinFilePath());
  ASSERT_TRUE(skin.open(QIODevice::WriteOnly));
  skin.write("QPushButton { color: navy; }");
  skin.close();
  auto skinned = startForm();
  const QColor face = QApplication::palette().color(QPalette::Button);
  EXPECT_EQ(skinned->styleSheet(), "QPushButton { color: navy; }");
  EXPECT_EQ(skinned->palette().color(QPalette::Window), face);
  EXPECT_EQ(skinned->Check(3)->palette().color(skinned->Check(3)->backgroundRole()), face);
  EXPECT_EQ(skinned->findChild<QLabel*>("Label1")->palette().color(QPalette::Window), face);
  // Lists are not among the controls that take the face colour.
  EXPECT_EQ(skinned->Combo1()->palette().color(QPalette::Base), QColor(Qt::white));
}

// A build that names no maker's site (the default) opens nothing, even on the seven.
TEST_F(Form1Test, StartUpOpensNoSiteWhenTheBuildNamesNone) {
  shell::Form1 form;
  form.setSiteDrawForTesting([] { return 7; });
  form.Form_Load();
  EXPECT_EQ(opener.opened.size(), QString(platform::kMakerSite).isEmpty() ? 0U : 1U);
}

}  // namespace
}  // namespace desktop_test
