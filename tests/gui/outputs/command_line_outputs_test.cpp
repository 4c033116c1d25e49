// `tallyloom generate` with --picture, --pdf and --json, run in this process.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "app/command_line_options.h"
#include "outputs_fixture.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/picture/sheet_picture.h"
#include "spreadsheet/xls/workbook_file.h"

namespace outputs_test {
namespace {

using spreadsheet::Axis;

// Pixels of the used range of the written workbook, summed line by line.
QSize usedRangePixels(const std::string& workbook) {
  const auto book = spreadsheet::xls::openWorkbook(workbook);
  const spreadsheet::Worksheet& sheet = book->sheet(0);
  const spreadsheet::CellRange used = *sheet.usedRange();
  auto hidden = [&](Axis axis, int index) {
    const auto& lines = sheet.lines(axis);
    const auto it = lines.find(index);
    return it != lines.end() && it->second.hidden;
  };
  int width = 0, height = 0;
  for (int c = used.first.column; c <= used.last.column; ++c)
    if (!hidden(Axis::Columns, c))
      width += spreadsheet::picture::columnPixels(sheet.columnWidth(c));
  for (int r = used.first.row; r <= used.last.row; ++r)
    if (!hidden(Axis::Rows, r)) height += spreadsheet::picture::rowPixels(sheet.rowHeight(r));
  return {width, height};
}

class CommandLineOutputs : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string path(const char* name) const {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
  }
};

TEST_F(CommandLineOutputs, PdfIsOneLandscapeA4PageWithVectorText) {
  for (const std::vector<std::string>& choices :
       {std::vector<std::string>{}, {"--days", "all", "--weeks", "4", "--shifts", "20"}}) {
    std::vector<std::string> args = {"generate", "--output", path("t.xls"), "--pdf", path("t.pdf")};
    args.insert(args.end(), choices.begin(), choices.end());
    const RunResult r = runTallyloom(args);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "");  // no --json, nothing on stdout

    const QString pdf = QString::fromStdString(path("t.pdf"));
    const QString info = popplerOutput("pdfinfo", {pdf});
    ASSERT_FALSE(info.isEmpty()) << "pdfinfo (poppler-utils) is needed";
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    // The writer gives the media box in whole points: A4 landscape is 842 x 595.
    EXPECT_TRUE(info.contains(
        QRegularExpression("Page size:\\s+(841\\.89|842) x (595\\.2[78]|595) pts \\(A4\\)")))
        << info.toStdString();

    // Text that pdftotext finds was drawn as text, not as a picture of it.
    const QString text = popplerOutput("pdftotext", {pdf, "-"});
    EXPECT_TRUE(text.contains("Weekly Time Sheet")) << text.toStdString();
    EXPECT_TRUE(text.contains("Monday"));
    EXPECT_EQ(text.contains("Saturday"), !choices.empty());
    // The lists far below the print area are not printed.
    EXPECT_FALSE(text.contains("12:00 AM")) << text.toStdString();
  }
}

TEST_F(CommandLineOutputs, PictureIsTheUsedRangeAtScreenSizeInTheNamedFormat) {
  const RunResult r = runTallyloom({"generate", "--output", path("t.xls"), "--picture",
                                    path("t.png"), "--days", "sun,wed", "--shifts", "3"});
  ASSERT_EQ(r.code, 0) << r.err;
  QImage png(QString::fromStdString(path("t.png")), "PNG");
  ASSERT_FALSE(png.isNull());
  EXPECT_EQ(png.size(), usedRangePixels(path("t.xls")));

  // Upper-case ".BMP" still names a bitmap, and it is the same picture.
  ASSERT_EQ(runTallyloom({"generate", "--output", path("t.xls"), "--picture", path("t.BMP"),
                          "--days", "sun,wed", "--shifts", "3"})
                .code,
            0);
  QFile bmp(QString::fromStdString(path("t.BMP")));
  ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
  EXPECT_EQ(bmp.read(2), QByteArray("BM"));
  bmp.close();
  const QImage fromBmp(QString::fromStdString(path("t.BMP")), "BMP");
  EXPECT_EQ(fromBmp.convertToFormat(QImage::Format_RGB32),
            png.convertToFormat(QImage::Format_RGB32));
}

TEST_F(CommandLineOutputs, JsonSummaryNamesTheFilesAndTheSheet) {
  const RunResult r = runTallyloom({"generate", "--output", path("t.xls"), "--json", "--days",
                                    "sat,sun,tue", "--weeks", "2", "--shifts", "3"});
  ASSERT_EQ(r.code, 0) << r.err;
  ASSERT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
  QJsonParseError error;
  const QJsonObject json =
      QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out;
  EXPECT_EQ(json["workbook"].toString().toStdString(),
            QFileInfo(dir.filePath("t.xls")).absoluteFilePath().toStdString());
  EXPECT_TRUE(json["picture"].isNull());
  EXPECT_TRUE(json["pdf"].isNull());
  EXPECT_EQ(json["days"].toArray(), (QJsonArray{"Sunday", "Tuesday", "Saturday"}));
  EXPECT_EQ(json["weeks"].toInt(), 2);
  EXPECT_EQ(json["shifts"].toInt(), 3);
  // Three days, two weeks: columns A to 21 + 2·3·(2 − 1) = 27 (AA); three shifts: rows 1 to 30.
  EXPECT_EQ(json["printArea"].toString(), "A1:AA30");
  const auto book = spreadsheet::xls::openWorkbook(path("t.xls"));
  EXPECT_EQ(json["usedRange"].toString().toStdString(),
            spreadsheet::toA1(*book->sheet(0).usedRange()));
  EXPECT_TRUE(json["usedRange"].toString().startsWith("A1:"));

  // With every output the summary gives each absolute path.
  const RunResult all = runTallyloom({"generate", "--output", path("u.xls"), "--picture",
                                      path("u.png"), "--pdf", path("u.pdf"), "--json"});
  ASSERT_EQ(all.code, 0) << all.err;
  const QJsonObject j = QJsonDocument::fromJson(QByteArray::fromStdString(all.out)).object();
  EXPECT_EQ(j["picture"].toString(), QFileInfo(dir.filePath("u.png")).absoluteFilePath());
  EXPECT_EQ(j["pdf"].toString(), QFileInfo(dir.filePath("u.pdf")).absoluteFilePath());
  EXPECT_EQ(j["days"].toArray().size(), 5);
  EXPECT_EQ(j["printArea"].toString(), "A1:U26");
}

TEST_F(CommandLineOutputs, FailedOutputLeavesNoFileAndExitsOne) {
  // /proc takes no new files, even from root.
  const RunResult pdf = runTallyloom({"generate", "--output", path("t.xls"), "--picture",
                                      path("t.png"), "--pdf", "/proc/tallyloom-t.pdf", "--json"});
  EXPECT_EQ(pdf.code, 1);
  EXPECT_NE(pdf.err.find("/proc/tallyloom-t.pdf"), std::string::npos) << pdf.err;
  EXPECT_EQ(pdf.out, "");  // no summary when an output is missing
  EXPECT_FALSE(QFileInfo::exists("/proc/tallyloom-t.pdf"));
  // The other files are whole and stay.
  EXPECT_EQ(folderEntries(dir.path()), (QStringList{"t.png", "t.xls"}));

  // A missing folder, and a name that is an existing folder: nothing is
  // created, not even a temporary file beside it.
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.pdf"));
  for (const std::string& target : {path("missing/t.png"), path("taken.pdf")}) {
    const bool picture = target.ends_with(".png");
    const RunResult r = runTallyloom(
        {"generate", "--output", path("t.xls"), picture ? "--picture" : "--pdf", target});
    EXPECT_EQ(r.code, 1) << target;
    EXPECT_NE(r.err.find(target), std::string::npos) << r.err;
    EXPECT_EQ(folderEntries(dir.path()), (QStringList{"t.png", "t.xls", "taken.pdf"})) << target;
    EXPECT_TRUE(folderEntries(dir.filePath("taken.pdf")).isEmpty());
  }
}

TEST(CommandLineOutputOptions, PictureNamesAndDistinctFiles) {
  auto parsed = tallyloom::parseCommandLine(
      {"generate", "--output", "a.xls", "--picture=a.png", "--pdf", "a.pdf", "--json"});
  ASSERT_TRUE(parsed.request);
  EXPECT_EQ(parsed.request->picture, "a.png");
  EXPECT_EQ(parsed.request->pdf, "a.pdf");
  EXPECT_TRUE(parsed.request->json);

  for (const char* name : {"a.jpg", "a", "png", ""}) {
    parsed = tallyloom::parseCommandLine({"generate", "--output", "a.xls", "--picture", name});
    ASSERT_TRUE(parsed.error) << name;
    EXPECT_NE(parsed.error->message.find(".png or .bmp"), std::string::npos) << name;
  }
  // One file named twice would be overwritten by the second output.
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"generate", "--output", "a.xls", "--pdf", "./a.xls"},
        {"generate", "--output", "a.xls", "--picture", "x.png", "--pdf", "sub/../x.png"}}) {
    parsed = tallyloom::parseCommandLine(args);
    ASSERT_TRUE(parsed.error);
    EXPECT_NE(parsed.error->message.find("different files"), std::string::npos);
  }
  EXPECT_EQ(runTallyloom({"generate", "--output", "a.xls", "--pdf", "a.xls"}).code, 2);
  const std::string help = tallyloom::commandLineHelp();
  for (const char* option : {"--picture FILE", "--pdf FILE", "--json"})
    EXPECT_NE(help.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace outputs_test
