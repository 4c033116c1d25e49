// `generate --from-settings` with a bad stored value or a settings file that
// cannot be read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>

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

// What a hostile or clumsy user tried, on the command line and in the settings
// file: each fails with its exit status and one line naming what was given,
// and the old output stays as it was.
TEST_F(StoredChoicesRun, EachProbeInputFailsInOneLineAndReplacesNothing) {
  const std::string kOld = "old contents";
  const std::string big(1000000, 'x');
  struct Case {
    const char* what;
    std::vector<std::string> args;  // after "generate --output <old.xlsx>"
    std::string settings;           // the file's text; "" for no file
    int code;
    std::string said;  // in the one line
  };
  const std::vector<Case> cases = {
      {"U+FFFE currency", {"--currency", "\xEF\xBF\xBE"}, "", 2, "--currency accepts"},
      {"C1 control currency", {"--currency=\xC2\x85"}, "", 2, "--currency accepts"},
      {"stored U+FFFF currency",
       {"--from-settings"},
       "[Tallyloom]\nCurrency=\xEF\xBF\xBF\n",
       1,
       "Invalid property value: Currency=\xEF\xBF\xBF in "},
      {"negative first time", {"--first-time", "-1:00"}, "", 2, "--first-time accepts"},
      {"negative minutes", {"--first-time", "6:-5"}, "", 2, "got '6:-5'"},
      {"negative break minutes", {"--longest-break=1:-5"}, "", 2, "--longest-break accepts"},
      {"negative time given with =", {"--first-time=-9:59"}, "", 2, "--first-time accepts"},
      {"stored negative time",
       {"--from-settings"},
       "[Tallyloom]\nFirstTime=-1:00\n",
       1,
       "Invalid property value: FirstTime=-1:00 in "},
      {"a week past the last date", {"--week-start", "9999-12-31"}, "", 2, "to 9999-12-04"},
      {"only an ending", {"--output", ".xlsx"}, "", 2, "give a name before the ending"},
      {"a long value given",
       {"--currency", big.substr(0, 100000)},
       "",
       2,
       "got '" + big.substr(0, 80) + "... (100000 bytes)'"},
      {"a value that is not text",
       {"--from-settings"},
       "[Tallyloom]\nCurrency=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x13)\n",
       1,
       "Type mismatch (not text): Currency in "},
      {"a megabyte value",
       {"--from-settings"},
       "[Tallyloom]\nCurrency=" + big + "\n",
       1,
       "Currency=" + big.substr(0, 80) + "... (1000000 bytes) in "},
      {"an unterminated quote",
       {"--from-settings"},
       "[Tallyloom]\nCurrency=\"$\nMonday=1\n",
       1,
       "Invalid property value: Currency="},
  };
  const std::string old = out("old.xlsx");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::ofstream(old, std::ios::binary) << kOld;
    QFile::remove(QString::fromStdString(file()));
    if (!c.settings.empty()) {
      QDir().mkpath(settings.path());
      std::ofstream(file(), std::ios::binary) << c.settings;
    }
    std::vector<std::string> args = {"generate", "--output", old};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Result r = run(args);
    EXPECT_EQ(r.code, c.code) << r.err;
    EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_LT(r.err.size(), 600u);
    std::ifstream in(old, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), kOld);
    EXPECT_FALSE(QFile::exists(dir.filePath(".xlsx")));
  }
}

// Settings as people write them by hand, and files the store cannot reach.
TEST_F(StoredChoicesRun, SettingsWrittenByHandLoadAndAnUnreachableFileIsNamed) {
  QDir().mkpath(settings.path());
  // A list written as the README shows it, with or without quotes.
  for (const char* rule : {"daily:8,weekly:40", "\"daily:8,weekly:40\""}) {
    std::ofstream(file(), std::ios::binary) << "[Tallyloom]\nOvertime=" << rule << "\n";
    const Result r = run({"generate", "--from-settings", "--output", out("a.xls")});
    EXPECT_EQ(r.code, 0) << rule << ": " << r.err;
    generator::ChoiceState controls;
    EXPECT_TRUE(generator::RestoreChoices(controls, store).empty()) << rule;
    EXPECT_EQ(generator::SheetOptionChoices().overtimeWeekly, 4000) << rule;
  }
  // A link that leads to itself is not an absent file.
  ASSERT_TRUE(QFile::remove(QString::fromStdString(file())));
  ASSERT_EQ(::symlink(file().c_str(), file().c_str()), 0);
  const Result r = run({"generate", "--from-settings", "--output", out("a.xls")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "tallyloom: The settings file " + file() +
                       " cannot be read: Too many levels of symbolic links. Nothing is written.\n");
}

}  // namespace
}  // namespace tallyloom
