// What `tallyloom generate` does with outputs that are links, special files,
// files of restricted mode, and a disk that fills up half-way.
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <future>

#include "outputs_fixture.h"
#include "spreadsheet/io/whole_file.h"

namespace outputs_test {
namespace {

class SafeOutputs : public ::testing::Test {
 protected:
  void TearDown() override { spreadsheet::io::simulateFullDisk(std::nullopt); }
  QTemporaryDir dir;
  std::string path(const char* name) const {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
  }
  static QByteArray bytesOf(const std::string& file) {
    QFile f(QString::fromStdString(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static void put(const std::string& file, const QByteArray& bytes) {
    QFile f(QString::fromStdString(file));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
};

TEST_F(SafeOutputs, LinksStayLinksAndModesAreKept) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
  put(path("real/t.xls"), "old");
  ASSERT_EQ(::chmod(path("real/t.xls").c_str(), 0600), 0);
  ASSERT_EQ(::symlink("real/t.xls", path("l.xls").c_str()), 0);
  ASSERT_EQ(::symlink("real/p.pdf", path("p.pdf").c_str()), 0);  // target not there yet
  const RunResult r = runTallyloom({"generate", "--output", path("l.xls"), "--pdf", path("p.pdf")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(QFileInfo(QString::fromStdString(path("l.xls"))).isSymLink());
  EXPECT_TRUE(QFileInfo(QString::fromStdString(path("p.pdf"))).isSymLink());
  EXPECT_TRUE(bytesOf(path("real/t.xls")).startsWith("\xD0\xCF\x11\xE0"));
  EXPECT_TRUE(bytesOf(path("real/p.pdf")).startsWith("%PDF"));
  struct stat st {};
  ASSERT_EQ(::stat(path("real/t.xls").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(folderEntries(dir.filePath("real")), (QStringList{"p.pdf", "t.xls"}));
}

TEST_F(SafeOutputs, AFifoIsWrittenIntoOrRefusedButNeverReplaced) {
  ASSERT_EQ(::mkfifo(path("pipe.pdf").c_str(), 0600), 0);
  const RunResult alone =
      runTallyloom({"generate", "--output", path("t.xls"), "--pdf", path("pipe.pdf")});
  EXPECT_EQ(alone.code, 1);
  EXPECT_NE(alone.err.find(path("pipe.pdf")), std::string::npos) << alone.err;

  // With a reader at the other end the PDF goes through the pipe.
  auto reader = std::async(std::launch::async, [&] { return bytesOf(path("pipe.pdf")); });
  RunResult read;
  for (int attempt = 0; attempt < 50; ++attempt) {
    read = runTallyloom({"generate", "--output", path("t.xls"), "--pdf", path("pipe.pdf")});
    if (read.code == 0) break;
    ::usleep(20000);  // the reader has not opened its end yet
  }
  EXPECT_EQ(read.code, 0) << read.err;
  EXPECT_TRUE(reader.get().startsWith("%PDF"));
  struct stat st {};
  ASSERT_EQ(::lstat(path("pipe.pdf").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(SafeOutputs, APdfThatDoesNotFitIsReportedAndTheOldOneStays) {
  const std::vector<std::string> args = {"generate", "--output",    path("t.xls"),
                                         "--pdf",    path("t.pdf"), "--json"};
  // Measure what a whole run writes, then leave room for all of it but one byte:
  // the PDF, written last, is cut short.
  constexpr std::size_t kPlenty = std::size_t{1} << 30;
  spreadsheet::io::simulateFullDisk(kPlenty);
  ASSERT_EQ(runTallyloom(args).code, 0);
  const std::size_t written = kPlenty - *spreadsheet::io::simulateFullDisk(std::nullopt);
  const QByteArray goodPdf = bytesOf(path("t.pdf"));
  ASSERT_TRUE(goodPdf.startsWith("%PDF"));

  spreadsheet::io::simulateFullDisk(written - 1);
  const RunResult full = runTallyloom(args);
  EXPECT_EQ(full.code, 1);
  EXPECT_NE(full.err.find(path("t.pdf")), std::string::npos) << full.err;
  EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;
  EXPECT_EQ(full.out, "");  // no summary lists a PDF that is not there
  EXPECT_EQ(bytesOf(path("t.pdf")), goodPdf);
  EXPECT_EQ(folderEntries(dir.path()), (QStringList{"t.pdf", "t.xls"}));
}

}  // namespace
}  // namespace outputs_test
