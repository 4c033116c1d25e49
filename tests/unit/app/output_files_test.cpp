// The command line's outputs compared by the files they end at.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <string>

#include "app/command_line_options.h"

namespace tallyloom {
namespace {

class OutputFiles : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string path(const char* name) const {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
  }
  bool refused(const std::string& output, const std::string& pdf, const std::string& picture = {}) {
    std::vector<std::string> args = {"generate", "--output", output, "--pdf", pdf};
    if (!picture.empty()) args.insert(args.end(), {"--picture", picture});
    const ParsedCommandLine parsed = parseCommandLine(args);
    return parsed.error &&
           parsed.error->message == "--output, --picture, --pdf and --html must name different files";
  }
};

TEST_F(OutputFiles, NamesThatEndAtOneFileAreRefused) {
  ASSERT_EQ(::close(::creat(path("s.xls").c_str(), 0644)), 0);
  ASSERT_EQ(::symlink("s.xls", path("l.pdf").c_str()), 0);
  ASSERT_EQ(::link(path("s.xls").c_str(), path("hard.pdf").c_str()), 0);
  ASSERT_EQ(::symlink("later.xls", path("dangling.pdf").c_str()), 0);
  ASSERT_EQ(::symlink("n.pdf", path("p.png").c_str()), 0);
  ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
  ASSERT_EQ(::symlink(dir.path().toStdString().c_str(), path("sub/up").c_str()), 0);

  EXPECT_TRUE(refused(path("s.xls"), path("l.pdf")));                 // a link to the workbook
  EXPECT_TRUE(refused(path("s.xls"), path("hard.pdf")));              // a second name of it
  EXPECT_TRUE(refused(path("later.xls"), path("dangling.pdf")));      // the link's future target
  EXPECT_TRUE(refused(path("s.xls"), path("sub/up/s.xls")));          // through a linked folder
  EXPECT_TRUE(refused(path("s.xls"), path("n.pdf"), path("p.png")));  // picture linked to the PDF

  EXPECT_FALSE(refused(path("s.xls"), path("n.pdf"), path("n.png")));
  EXPECT_FALSE(refused(path("later.xls"), path("l.pdf")));
}

}  // namespace
}  // namespace tallyloom
