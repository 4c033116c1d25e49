// Runs of `tallyloom generate` at the same time, and the temporary folder
// every run takes its working files from.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "outputs_fixture.h"

namespace outputs_test {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  ~ScopedEnv() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

TEST(OwnWorkbook, TwoRunsWithEqualChoicesWriteEqualFiles) {
  const QString program = QStringLiteral(TALLYLOOM_BINARY_DIR "/bin/tallyloom");
  if (!QFile::exists(program)) GTEST_SKIP() << "the program is not built";
  QTemporaryDir dir;
  QByteArray first[3];
  for (int run = 0; run < 2; ++run) {
    const QString n = QString::number(run);
    QProcess p;
    p.start(program, {"generate", "--output", dir.filePath(n + ".xls"), "--days", "all", "--pdf",
                      dir.filePath(n + ".pdf"), "--picture", dir.filePath(n + ".png")});
    ASSERT_TRUE(p.waitForFinished(120000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    int i = 0;
    for (const char* ending : {".xls", ".pdf", ".png"}) {
      QFile f(dir.filePath(n + ending));
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      const QByteArray bytes = f.readAll();
      if (run == 0) {
        first[i] = bytes;
      } else {
        EXPECT_TRUE(bytes == first[i]) << ending << " differs between two equal runs";
      }
      ++i;
    }
  }
}

TEST(OwnWorkbook, ParallelRunsOntoOneWorkbookEachDescribeTheirOwn) {
  const QString program = QStringLiteral(TALLYLOOM_BINARY_DIR "/bin/tallyloom");
  if (!QFile::exists(program)) GTEST_SKIP() << "the program is not built";
  QTemporaryDir dir;
  // Five days, one shift: the print area ends at U, AE, AO or AY for 1..4 weeks.
  const QStringList lastColumn = {"U", "AE", "AO", "AY"};
  for (int round = 0; round < 8; ++round) {
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int weeks = 1; weeks <= 4; ++weeks) {
      auto run = std::make_unique<QProcess>();
      run->start(program, {"generate", "--output", dir.filePath("same.xls"), "--weeks",
                           QString::number(weeks), "--pdf",
                           dir.filePath(QString("p%1.pdf").arg(weeks)), "--json"});
      runs.push_back(std::move(run));
    }
    for (int weeks = 1; weeks <= 4; ++weeks) {
      QProcess& run = *runs[static_cast<std::size_t>(weeks - 1)];
      ASSERT_TRUE(run.waitForFinished(120000));
      ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
      const QJsonObject json = QJsonDocument::fromJson(run.readAllStandardOutput()).object();
      EXPECT_EQ(json["printArea"].toString(), "A1:" + lastColumn[weeks - 1] + "26")
          << "round " << round << ", weeks " << weeks;
      // The page shows the run's own weeks: one "Monday" heading per week.
      const QString text =
          popplerOutput("pdftotext", {dir.filePath(QString("p%1.pdf").arg(weeks)), "-"});
      if (!text.isEmpty()) {
        EXPECT_EQ(text.count("Monday"), weeks) << "round " << round;
      }
    }
  }
}

TEST(TemporaryFolderRule, TempThenTmpdirAndTheFolderIsNamedWhenItCannotBeUsed) {
  QTemporaryDir dir;
  const std::string output = dir.filePath("t.xls").toStdString();
  const QByteArray missing = dir.filePath("missing").toUtf8();
  {
    // TEMP comes first: a missing TEMP fails even with a good TMPDIR, and says where.
    ScopedEnv temp("TEMP", missing);
    ScopedEnv tmpdir("TMPDIR", dir.path().toUtf8());
    const RunResult r = runTallyloom({"generate", "--output", output});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Cannot create a temporary folder in \"" + missing.toStdString() +
                         "\": No such file or directory."),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(QFile::exists(dir.filePath("t.xls")));
  }
  {
    // Without TEMP, a missing TMPDIR is named too (never "/" instead).
    ScopedEnv temp("TEMP", QByteArray());
    ScopedEnv tmpdir("TMPDIR", missing);
    const RunResult r = runTallyloom({"generate", "--output", output});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find(missing.toStdString()), std::string::npos) << r.err;
  }
  {
    // A good TEMP is used and left as it was found.
    ASSERT_TRUE(QDir(dir.path()).mkdir("temp"));
    ScopedEnv temp("TEMP", dir.filePath("temp").toUtf8());
    ScopedEnv tmpdir("TMPDIR", missing);
    const RunResult r = runTallyloom(
        {"generate", "--output", output, "--pdf", dir.filePath("t.pdf").toStdString()});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(folderEntries(dir.filePath("temp")).isEmpty());
  }
}

}  // namespace
}  // namespace outputs_test
