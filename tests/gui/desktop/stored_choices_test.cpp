// The stored choices when the settings file holds a bad value, is a pipe, or
// cannot be written.
#include <sys/stat.h>

#include <QComboBox>
#include <QFile>

#include "desktop_fixture.h"

namespace desktop_test {
namespace {

const QString kLoad = "in Tallyloom2021/08/31.Form1.Form_Load ";
const QString kClose = "in Tallyloom2021/08/31.Form1.Form_QueryUnload ";

class StoredChoicesTest : public DesktopTest {
 protected:
  QString file() const { return store->filePath("Quillmark"); }
  void put(const QString& key, const QString& value) {
    store->write("Quillmark", "Tallyloom", key, value);
  }
};

TEST_F(StoredChoicesTest, OneBadValueIsNamedAndTheOtherChoicesSurviveTheClose) {
  put("Monday", "maybe");
  put("Saturday", "1");
  put("Friday", "0");
  put("Zip", "0");
  put("NumberOfWeeks", "2");
  put("NumberOfShifts", "7");
  auto form = startForm();
  EXPECT_EQ(reportedLines(kLoad), std::vector<int>{144});
  ASSERT_EQ(fake.errorReports().size(), 1u);
  const QString report = fake.errorReports()[0].text;
  EXPECT_TRUE(report.startsWith("Type mismatch: Monday=maybe in " + file()))
      << report.toStdString();
  EXPECT_EQ(form->checkValue(2), 1);   // Monday: its default
  EXPECT_EQ(form->checkValue(7), 1);   // Saturday as stored
  EXPECT_EQ(form->checkValue(6), 0);   // Friday as stored
  EXPECT_EQ(form->checkValue(13), 0);  // Zip as stored
  EXPECT_EQ(form->Combo1()->currentIndex(), 2);
  EXPECT_EQ(form->Combo2()->currentIndex(), 7);

  fake.clear();
  form->close();
  EXPECT_TRUE(fake.errorReports().empty());
  EXPECT_EQ(stored("Monday"), "1");
  EXPECT_EQ(stored("Saturday"), "1");
  EXPECT_EQ(stored("Friday"), "0");
  EXPECT_EQ(stored("Zip"), "0");
  EXPECT_EQ(stored("NumberOfWeeks"), "2");
  EXPECT_EQ(stored("NumberOfShifts"), "7");
}

TEST_F(StoredChoicesTest, ASettingsFileThatIsAPipeIsNamedNeverOpenedAndStaysAPipe) {
  ASSERT_EQ(::mkfifo(QFile::encodeName(file()).constData(), 0600), 0);
  auto form = startForm();  // would wait forever for a writer if the pipe were opened
  EXPECT_EQ(reportedLines(kLoad), std::vector<int>{144});
  EXPECT_TRUE(fake.errorReports()[0].text.contains(file() + " is not an ordinary file"));
  EXPECT_EQ(form->checkValue(2), 1);  // the defaults
  fake.clear();
  form->close();
  EXPECT_EQ(reportedLines(kClose).size(), 1u);
  struct stat st {};
  ASSERT_EQ(::lstat(QFile::encodeName(file()).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(StoredChoicesTest, AStoreThatCannotBeWrittenIsReportedOnceOnClose) {
  // The settings folder's name is taken by a file: nothing can be stored.
  QFile blocker(settingsDir.filePath("blocked"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  platform::IniSettingsStore blocked(settingsDir.filePath("blocked/config"));
  platform::setSettingsStore(&blocked);
  auto form = startForm();
  EXPECT_TRUE(fake.errorReports().empty());
  form->close();
  EXPECT_EQ(reportedLines(kClose), std::vector<int>{100});
  EXPECT_TRUE(fake.errorReports()[0].text.contains("blocked/config"));
  EXPECT_EQ(programEnds, 1);
}

}  // namespace
}  // namespace desktop_test
