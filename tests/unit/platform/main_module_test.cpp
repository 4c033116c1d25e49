#include <QLocale>

#include <gtest/gtest.h>

#include "platform/clipboard_picture.h"
#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/main_module.h"
#include "platform/url_opener.h"
#include "spreadsheet/picture/clipboard.h"

namespace {

TEST(ApplicationTitle, DropsWordsFromTheEnd) {
  EXPECT_EQ(platform::SetApplicationTitle("Tallyloom Time Sheet Maker"), "Tallyloom Time Sheet");
  EXPECT_EQ(platform::applicationTitle(), "Tallyloom Time Sheet");
  // Longer than 40 after the first cut: keeps cutting.
  EXPECT_EQ(platform::SetApplicationTitle(
                "Tallyloom Weekly Time Sheet Template Generator For Small Offices"),
            "Tallyloom Weekly Time Sheet Template");
  EXPECT_EQ(platform::SetApplicationTitle("Tallyloom"), "Tallyloom");
  EXPECT_EQ(platform::SetApplicationTitle(QString(50, 'x')), QString(50, 'x'));
}

class LocaleTest : public testing::Test {
 protected:
  void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(LocaleTest, NormalizeUnderPointAndCommaLocales) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(platform::DecimalSeparator(), ".");
  EXPECT_EQ(platform::NormalizeDecimalText("16.0", false), "16.0");
  EXPECT_EQ(platform::NormalizeDecimalText("1,5", false), "1.5");
  EXPECT_EQ(platform::NormalizeDecimalText("1.5", true), "1.5");

  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(platform::DecimalSeparator(), ",");
  EXPECT_EQ(platform::NormalizeDecimalText("16.0", false), "16,0");
  EXPECT_EQ(platform::NormalizeDecimalText("16,0", false), "16,0");
  EXPECT_EQ(platform::NormalizeDecimalText("16,0", true), "16.0");
}

class RecordingOpener : public platform::UrlOpener {
 public:
  RecordingOpener() { platform::setUrlOpener(this); }
  ~RecordingOpener() override { platform::setUrlOpener(nullptr); }
  void open(const QString& url) override { opened.push_back(url); }
  std::vector<QString> opened;
};

TEST(MakerSite, OpensOnlyOnSevenAndNeverWithoutASite) {
  RecordingOpener opener;
  const QString site = "https://maker.example.org/";
  for (int n : {1, 6, 8, 100}) platform::OpenMakerSiteAtRandom([n] { return n; }, site);
  EXPECT_TRUE(opener.opened.empty());
  platform::OpenMakerSiteAtRandom([] { return 7; }, site);
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.opened[0], site);
  opener.opened.clear();
  platform::OpenMakerSiteAtRandom([] { return 7; }, "");
  EXPECT_TRUE(opener.opened.empty());
}

TEST(ClipboardPicture, FetchesWhatWasPut) {
  spreadsheet::picture::clearClipboard();
  EXPECT_FALSE(platform::GetClipboardPicture(platform::kAnyPictureFormat));
  QImage image(4, 3, QImage::Format_RGB32);
  image.fill(Qt::red);
  spreadsheet::picture::putPicture(image);
  auto fetched = platform::GetClipboardPicture(platform::kAnyPictureFormat);
  ASSERT_TRUE(fetched);
  EXPECT_EQ(fetched->size(), QSize(4, 3));
  EXPECT_FALSE(platform::GetClipboardPicture(1));  // text: no picture
  spreadsheet::picture::clearClipboard();
}

}  // namespace
