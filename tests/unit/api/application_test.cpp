#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "spreadsheet/api/api.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::api {
namespace {

TEST(Application, RegistryFollowsCreateAndQuit) {
  auto app = Application::create();
  EXPECT_EQ(app->Version(), "16.0");
  EXPECT_EQ(app->Name(), "Microsoft Excel");
  EXPECT_FALSE(app->Visible());
  EXPECT_EQ(app->Workbooks().Count(), 0);
  EXPECT_EQ(Application::running(), app);
  app->Quit();
  EXPECT_EQ(Application::running(), nullptr);
  EXPECT_THROW(app->Workbooks(), Error);
  { auto dropped = Application::create(); }
  EXPECT_EQ(Application::running(), nullptr);  // a released instance is gone too
}

TEST(Application, InjectedFactoryCanFail) {
  Application::setFactoryForTesting([] { return std::shared_ptr<Application>(); });
  EXPECT_THROW(Application::create(), Error);
  Application::setFactoryForTesting(
      []() -> std::shared_ptr<Application> { throw Error("no instance"); });
  EXPECT_THROW(Application::create(), Error);
  Application::setFactoryForTesting(nullptr);
  EXPECT_NE(Application::create(), nullptr);
}

TEST(Application, HandlesRefuseWorkAfterCloseOrQuit) {
  auto app = Application::create();
  Workbook book = app->Workbooks().Add();
  api::Range a1 = app->Range("A1");
  Worksheet sheet = app->ActiveSheet();
  EXPECT_EQ(book.Sheets().Count(), 1);
  EXPECT_EQ(sheet.Name(), "Sheet1");
  EXPECT_EQ(book.model().defaultFont().name, "Arial");
  EXPECT_EQ(book.model().defaultFont().size, 10);
  book.Close();
  EXPECT_THROW(a1.setValue("x"), Error);
  EXPECT_THROW(sheet.Name(), Error);
  EXPECT_THROW(app->ActiveSheet(), Error);
  app->Quit();
}

TEST(Application, SaveAsWritesTheFormatOfItsCodeAndRefusesOtherCodesBeforeWriting) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  auto app = Application::create();
  Workbook book = app->Workbooks().Add();
  const std::string xlsx = folder.filePath("x.xlsx").toStdString();
  const std::string ods = folder.filePath("x.ods").toStdString();
  book.SaveAs(xlsx, 51);
  book.SaveAs(ods, 60);
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(xlsx)));
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(ods)));
  for (int code : {0, 50, 57, 61}) {
    const std::string path = folder.filePath("x" + QString::number(code) + ".xls").toStdString();
    EXPECT_THROW(book.SaveAs(path, code), Error) << code;
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path))) << code;
  }
  app->Quit();
}

}  // namespace
}  // namespace spreadsheet::api
