#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "platform/error_report.h"
#include "platform/fake_dialogs.h"

namespace {

TEST(ErrorReport, TextHasLoneCarriageReturns) {
  QString location = platform::locationText("TimeSheet", "GenerateReport0");
  EXPECT_EQ(location, "in Tallyloom2021/08/31.TimeSheet.GenerateReport0 ");
  EXPECT_EQ(
      platform::applicationErrorText(location, "Subscript out of range", 136, "help@example.org"),
      "Subscript out of range\r\nin Tallyloom2021/08/31.TimeSheet.GenerateReport0 "
      "at line 136\r\rPlease email screenshot of this message to help@example.org");
  // A build that names no support address asks for no e-mail.
  EXPECT_EQ(platform::applicationErrorText(location, "Subscript out of range", 136, ""),
            "Subscript out of range\r\nin Tallyloom2021/08/31.TimeSheet.GenerateReport0 "
            "at line 136");
}

TEST(ErrorReport, BoxIsCaptionedWithExclamationAndOk) {
  platform::FakeDialogs fake;
  platform::ReportApplicationError("in X.Y.Z ", "Boom", 102);
  ASSERT_EQ(fake.messages().size(), 1u);
  EXPECT_EQ(fake.messages()[0].caption, "Application Error");
  EXPECT_EQ(fake.messages()[0].buttons, platform::MessageButtons::Ok);
  EXPECT_EQ(fake.messages()[0].icon, platform::MessageIcon::Exclamation);
}

TEST(StepRunner, FailingStepIsReportedOnceAndTheRestRuns) {
  platform::FakeDialogs fake;
  platform::StepRunner run(platform::locationText("Form1", "Form_Load"));
  std::vector<int> ran;
  for (int line : {100, 102, 104, 106}) {
    run.step(line, [&] {
      if (line == 102) throw std::runtime_error("Type mismatch");
      ran.push_back(line);
    });
  }
  EXPECT_EQ(ran, (std::vector<int>{100, 104, 106}));
  ASSERT_EQ(fake.errorReports().size(), 1u);
  EXPECT_TRUE(fake.errorReports()[0].text.startsWith("Type mismatch\r\n"));
  EXPECT_TRUE(fake.errorReports()[0].text.contains("Form1.Form_Load at line 102"));
  EXPECT_EQ(run.failures(), 1);
}

TEST(StepRunner, FailingTestGoesIntoWhatItGuards) {
  platform::FakeDialogs fake;
  platform::StepRunner run("in Tallyloom2021/08/31.Form1.Form_Load ");
  bool guarded = false;
  if (run.test(106, []() -> bool { throw std::runtime_error("Bad file name"); }))
    run.step(108, [&] { guarded = true; });
  EXPECT_TRUE(guarded);
  EXPECT_FALSE(run.test(110, [] { return false; }));
  EXPECT_EQ(fake.errorReports().size(), 1u);
}

}  // namespace
