// `generate --from-settings` with a bad stored value or a settings file that
// cannot be read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/entry_points.h"
#include "platform/settings_store.h"

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
