// Writing the desktop's temporary files: no link followed, no special file
// written, no short write taken for a whole one.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/add_folder.h"

namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string messageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "no error";
}

class TemporaryFileTest : public testing::Test {
 protected:
  QTemporaryDir dir;
  QTemporaryDir elsewhere;
  QString path(const QString& name) const { return dir.path() + "/" + name; }
};

TEST_F(TemporaryFileTest, ClaimingANameRemovesWhatWasThereWithoutFollowingIt) {
  const QString victim = elsewhere.filePath("victim");
  QFile(victim).open(QIODevice::WriteOnly);
  ASSERT_TRUE(QFile::link(victim, path("template.xls")));
  platform::ClaimTemporaryFile(path("template.xls"));
  EXPECT_FALSE(QFileInfo(path("template.xls")).isSymLink());
  EXPECT_TRUE(QFileInfo(path("template.xls")).isFile());
  EXPECT_TRUE(QFileInfo::exists(victim));
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(path("template.xls")).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);  // only we can read what goes in
  EXPECT_EQ(st.st_size, 0);

  platform::WriteBytesToFile("abc", path("template.xls"));
  EXPECT_EQ(readAll(path("template.xls")), "abc");
  EXPECT_NE(
      messageOf([&] { platform::ClaimTemporaryFile(path("no/such/t.xls")); }).find("no/such/t.xls"),
      std::string::npos);
}

TEST_F(TemporaryFileTest, ALinkOrAPipeIsNeverWrittenInto) {
  const QString victim = elsewhere.filePath("victim");
  ASSERT_TRUE(QFile::link(victim, path("temp.bmp")));  // dangling: would be created
  EXPECT_NE(messageOf([&] {
              platform::WriteBytesToFile("abc", path("temp.bmp"));
            }).find(QFile::encodeName(path("temp.bmp")).toStdString()),
            std::string::npos);
  EXPECT_FALSE(QFileInfo::exists(victim));

  ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.xls")).constData(), 0600), 0);
  EXPECT_THROW(platform::WriteBytesToFile("abc", path("pipe.xls")), std::runtime_error);
}

TEST_F(TemporaryFileTest, AWriteThatFallsShortIsAFailure) {
  // The largest file this process may write: 4 KB, as a nearly full disk would allow.
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto previousSignal = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string message =
      messageOf([&] { platform::WriteBytesToFile(QByteArray(10240, 'x'), path("template.xls")); });
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, previousSignal);
  // The system's reason, as the README promises for a file-size limit.
  EXPECT_EQ(message, "Cannot write \"" + QFile::encodeName(path("template.xls")).toStdString() +
                         "\": File too large.");
}

}  // namespace
