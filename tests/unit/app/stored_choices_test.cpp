// `generate --from-settings` with a bad stored value or a settings file that
// cannot be read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/entry_points.h"
#include "generator/options.h"
#include "platform/settings_store.h"
#include "spreadsheet/api/api.h"

namespace tallyloom {
namespace {

class StoredChoicesRun : public ::testing::Test {
 protected:
  void SetUp() override { platform::setSettingsStore(&store); }
  void TearDown() override { platform::setSettingsStore(nullptr); }
  struct Result {
    int code;
    std::string err;
  };
  Result run(std::vector<std::string> args) {
    args.insert(args.begin(), "tallyloom");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    testing::internal::CaptureStderr();
    const int code = runCommandLine(static_cast<int>(args.size()), argv.data());
    return {code, testing::internal::GetCapturedStderr()};
  }
  std::string out(const char* name) const { return dir.filePath(name).toStdString(); }
  std::string file() const { return store.filePath("Quillmark").toStdString(); }

  QTemporaryDir dir;
  QTemporaryDir settings;
  platform::IniSettingsStore store{settings.path()};
};

TEST_F(StoredChoicesRun, ABadKeyIsNamedWithTheFileUnlessAnOptionReplacesIt) {
  store.write("Quillmark", "Tallyloom", "Monday", "maybe");
  store.write("Quillmark", "Tallyloom", "NumberOfShifts", "99");
  Result r = run({"generate", "--from-settings", "--output", out("a.xls")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("Monday=maybe"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("NumberOfShifts=99"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(file()), std::string::npos) << r.err;
  // Says what happens: nothing is written, and which options would replace the values.
  EXPECT_EQ(r.err.find("the default is used"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("nothing is written (correct the file, or give --days, --shifts)"),
            std::string::npos)
      << r.err;
  EXPECT_FALSE(QFile::exists(dir.filePath("a.xls")));

  r = run({"generate", "--from-settings", "--days", "mon,tue", "--output", out("a.xls")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err.find("Monday"), std::string::npos) << r.err;  // replaced by --days
  EXPECT_NE(r.err.find("NumberOfShifts=99"), std::string::npos) << r.err;

  r = run(
      {"generate", "--from-settings", "--days", "mon", "--shifts", "2", "--output", out("a.xls")});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
}

TEST_F(StoredChoicesRun, EveryStoredDayOffNamesTheKeysAndTheFileNotTheOption) {
  for (const char* day : {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"})
    store.write("Quillmark", "Tallyloom", day, "0");
  Result r = run({"generate", "--from-settings", "--output", out("a.xls")});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, "tallyloom: no day is chosen: every stored day (Sunday to Saturday) is off in " +
                       file() + "; give --days or tick a day in the desktop program\n");
  EXPECT_FALSE(QFile::exists(dir.filePath("a.xls")));
}

TEST_F(StoredChoicesRun, ASettingsFileBeginningWithAByteOrderMarkLoads) {
  QDir().mkpath(settings.path());
  QFile bom(QString::fromStdString(file()));
  ASSERT_TRUE(bom.open(QIODevice::WriteOnly));
  bom.write("\xEF\xBB\xBF[Tallyloom]\r\nSunday=1\r\nMonday=0\r\nNumberOfWeeks=1\r\n");
  bom.close();
  const Result r = run({"generate", "--from-settings", "--output", out("a.xls")});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.err, "");
  auto app = spreadsheet::api::Application::create();
  app->Workbooks().Open(out("a.xls"));
  EXPECT_EQ(app->Range("E9").Value().toText(), "Sunday");
  EXPECT_EQ(app->Range("G9").Value().toText(), "Tuesday");
  EXPECT_EQ(app->Range("O9").Value().toText(), "Sunday");  // two weeks
  app->Quit();
  // The desktop restores through the same door: no report either.
  generator::ChoiceState controls;
  EXPECT_TRUE(generator::RestoreChoices(controls, store).empty());
  EXPECT_EQ(controls.checkValue(1), 1);
}

TEST_F(StoredChoicesRun, ASettingsFileThatCannotBeReadIsSaidOnce) {
  QDir().mkpath(settings.path());
  ASSERT_EQ(::mkfifo(file().c_str(), 0600), 0);
  Result r = run({"generate", "--from-settings", "--output", out("a.xls")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find(file() + " is not an ordinary file"), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;

  // Bytes that are no text (a cut-off workbook) instead of the settings.
  ASSERT_EQ(::unlink(file().c_str()), 0);
  QFile random(QString::fromStdString(file()));
  ASSERT_TRUE(random.open(QIODevice::WriteOnly));
  random.write(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\x3E\0\x03\0\xFE\xFF", 16));
  random.close();
  r = run({"generate", "--from-settings", "--output", out("a.xls")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find(file() + " cannot be parsed"), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

}  // namespace
}  // namespace tallyloom
