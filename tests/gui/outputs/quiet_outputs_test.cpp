// Standard error carries our own messages only, and the JSON summary gives
// back output names exactly.
#include <unistd.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>

#include "outputs_fixture.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/xls/workbook_file.h"

namespace outputs_test {
namespace {

class QuietOutputs : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string path(const std::string& name) const {
    return QFile::encodeName(dir.path()).toStdString() + "/" + name;
  }
};

TEST_F(QuietOutputs, NamesThatAreNotUtf8AreRefusedForJsonAndKeptByteForByteOtherwise) {
  const std::string latin1 = path("Zeitplan-\xE4.xls");  // "ä" in Latin-1
  const RunResult refused = runTallyloom({"generate", "--output", latin1, "--json"});
  EXPECT_EQ(refused.code, 2);
  EXPECT_NE(refused.err.find("--json needs file names in UTF-8"), std::string::npos) << refused.err;
  EXPECT_EQ(refused.out, "");

  const RunResult plain = runTallyloom({"generate", "--output", latin1});
  EXPECT_EQ(plain.code, 0) << plain.err;
  EXPECT_EQ(::access(latin1.c_str(), F_OK), 0);  // the name as given, not re-encoded

  const std::string utf8 = path("Zeitplan-\xC3\xA4.xls");
  const RunResult json = runTallyloom({"generate", "--output", utf8, "--json"});
  ASSERT_EQ(json.code, 0) << json.err;
  const QJsonObject summary = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
  EXPECT_EQ(summary["workbook"].toString().toUtf8().toStdString(), utf8);
}

TEST_F(QuietOutputs, AMalformedCompoundFileIsOneErrorAndNothingOnStandardError) {
  ASSERT_EQ(runTallyloom({"generate", "--output", path("good.xls")}).code, 0);
  QFile good(QString::fromStdString(path("good.xls")));
  ASSERT_TRUE(good.open(QIODevice::ReadOnly));
  const QByteArray bytes = good.readAll();
  // The first block of the allocation table moved to a block that holds other
  // data, and a cut-off copy of the file.
  QByteArray movedTable = bytes;
  movedTable[0x4C] = 9;
  for (const QByteArray& bad : {movedTable, bytes.left(3000)}) {
    QFile file(QString::fromStdString(path("bad.xls")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bad);
    file.close();
    testing::internal::CaptureStderr();
    EXPECT_THROW(spreadsheet::xls::openWorkbook(path("bad.xls")), spreadsheet::Error);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  }
}

TEST_F(QuietOutputs, NoRuntimeFolderNoticeOnAnOrdinaryRun) {
  const QString program = QStringLiteral(TALLYLOOM_BINARY_DIR "/bin/tallyloom");
  if (!QFile::exists(program)) GTEST_SKIP() << "the program is not built";
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("XDG_RUNTIME_DIR");
  QProcess run;
  run.setProcessEnvironment(env);
  run.start(program, {"generate", "--output", dir.filePath("t.xls"), "--pdf", dir.filePath("t.pdf"),
                      "--picture", dir.filePath("t.png")});
  ASSERT_TRUE(run.waitForFinished(120000));
  EXPECT_EQ(run.exitCode(), 0);
  EXPECT_EQ(run.readAllStandardError().toStdString(), "");
}

}  // namespace
}  // namespace outputs_test
