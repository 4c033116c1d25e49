// The workbook format a generate command writes, by its output's ending.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/command_line_options.h"
#include "app/entry_points.h"

namespace tallyloom {
namespace {

TEST(OutputFormat, EndingsOfTheFourFormatsAreTakenAndOthersAreUsageErrors) {
  for (const char* name : {"a.xls", "a.XLSX", "dir/a.xlsm", "a.Ods", "a"}) {
    const ParsedCommandLine parsed = parseCommandLine({"generate", "--output", name});
    EXPECT_FALSE(parsed.error) << name;
  }
  for (const char* name : {"a.txt", "a.xlsb", "a.", "a.ods.bak"}) {
    const ParsedCommandLine parsed = parseCommandLine({"generate", "--output", name});
    ASSERT_TRUE(parsed.error) << name;
    EXPECT_NE(parsed.error->message.find(".xls, .xlsx, .xlsm and .ods"), std::string::npos)
        << parsed.error->message;
  }
}

class OutputFormatRun : public ::testing::Test {
 protected:
  int run(std::vector<std::string> args) {
    args.insert(args.begin(), "tallyloom");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    return runCommandLine(static_cast<int>(args.size()), argv.data());
  }
  QByteArray read(const QString& name) const {
    QFile f(dir.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QTemporaryDir dir;
};

TEST_F(OutputFormatRun, EachFormatIsWrittenAndNothingElseIsLeftBeside) {
  ASSERT_EQ(run({"generate", "--output", dir.filePath("w.ods").toStdString()}), 0);
  ASSERT_EQ(run({"generate", "--output", dir.filePath("w.xlsm").toStdString(), "--weeks", "2"}), 0);
  ASSERT_EQ(run({"generate", "--output", dir.filePath("w.txt").toStdString()}), 2);
  EXPECT_EQ(read("w.ods").mid(30, 8), "mimetype");
  EXPECT_TRUE(read("w.xlsm").contains("xl/vbaProject.bin"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"w.ods", "w.xlsm"}));
}

}  // namespace
}  // namespace tallyloom
