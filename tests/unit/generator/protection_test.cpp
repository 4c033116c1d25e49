// The protected sheet: which cells a user may still type into, worked out by
// hand for Monday and Tuesday, one week, two shifts.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "generator/generate_workbook.h"
#include "layout_fixture.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/vba/macro_project.h"

namespace generator {
namespace {

using testing::choicesFor;

LayoutChoices protectedChoices(bool on) {
  LayoutChoices choices = choicesFor(".xx....", 1, 2);
  choices.sheet.protectFormulas = on;
  return choices;
}

TEST(ProtectedSheet, InputsAreUnlockedAndEverythingElseLocked) {
  // Days in E:F and G:H; shifts in rows 11-14, breaks 16-17, daily total 18,
  // hours 20-23; total hours, rate and pay in I, J, K; week start R4:S4.
  const struct {
    const char* cell;
    bool locked;
  } cases[] = {
      {"E11", false},  {"E12", false},  {"E13", false},  {"G14", false},  // start and end times
      {"F11", true},   {"F12", true},   {"E15", true},                    // "Total", hours, spacer
      {"E16", false},  {"G17", false},  {"F17", true},                    // breaks, break hours
      {"E18", true},   {"E19", true},                                     // daily total, spacer
      {"E20", false},  {"F20", false},  {"H21", false},  {"G23", false},  // kinds of hours
      {"I20", true},   {"J20", false},  {"J23", false},  {"K20", true},   // total, rate, pay
      {"J16", true},   {"I16", true},                                     // beside the rates
      {"R4", false},   {"S4", false},   {"R5", true},    {"O4", true},    // week dates, label
      {"C2", false},   {"K2", false},   {"D4", false},   {"D5", false},   // company, address
      {"H6", false},   {"K4", false},   {"M5", false},   {"I4", true},    // city, names, label
      {"C1", true},    {"D11", true},   {"E9", true},    {"E10", true},   // title, labels, days
      {"AC201", true}, {"AD210", true}, {"BC200", true},                  // lists, marker
  };
  testing::LaidOutSheet sheet(protectedChoices(true));
  EXPECT_TRUE(sheet.app->ActiveSheet().ProtectContents());
  for (const auto& c : cases) EXPECT_EQ(sheet.app->Range(c.cell).Locked(), c.locked) << c.cell;

  testing::LaidOutSheet plain(protectedChoices(false));
  EXPECT_FALSE(plain.app->ActiveSheet().ProtectContents());
  for (const auto& c : cases) EXPECT_TRUE(plain.app->Range(c.cell).Locked()) << c.cell;
}

TEST(ProtectedSheet, OnlyTheProtectedWorkbooksMacroLiftsTheProtection) {
  QTemporaryDir dir;
  for (bool on : {true, false}) {
    const std::string out = dir.filePath(on ? "on.xls" : "off.xls").toStdString();
    GenerateWorkbook(protectedChoices(on), out);
    auto app = spreadsheet::api::Application::create();
    auto book = app->Workbooks().Open(out);
    EXPECT_EQ(app->ActiveSheet().ProtectContents(), on);
    std::string code;
    for (const auto& m : spreadsheet::vba::readMacroModules(*book.model().macroProject()))
      if (m.name == "Module1") code = m.source;
    EXPECT_NE(code.find("Sub CopyTimes"), std::string::npos);
    EXPECT_EQ(code.find("    ActiveSheet.Unprotect\r\n") != std::string::npos, on);
    EXPECT_EQ(code.find("    ActiveSheet.Protect\r\n") != std::string::npos, on);
    EXPECT_EQ(code.find("@PROTECTED_SHEET@"), std::string::npos);
    app->Quit();
  }
}

}  // namespace
}  // namespace generator
