#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <initializer_list>
#include <map>

#include "app/command_line_options.h"
#include "app/entry_points.h"
#include "platform/settings_store.h"
#include "spreadsheet/api/api.h"

namespace tallyloom {
namespace {

CommandLineRequest parsedOk(std::initializer_list<std::string> args) {
  const ParsedCommandLine parsed = parseCommandLine(args);
  EXPECT_FALSE(parsed.error) << (parsed.error ? parsed.error->message : "");
  return parsed.request.value_or(CommandLineRequest{});
}

std::string usageError(std::initializer_list<std::string> args) {
  const ParsedCommandLine parsed = parseCommandLine(args);
  EXPECT_FALSE(parsed.request);
  return parsed.error ? parsed.error->message : "";
}

TEST(ParseCommandLine, OptionsAndTheirForms) {
  auto r = parsedOk({"generate", "--output", "a.xls"});
  EXPECT_EQ(r.kind, CommandLineRequest::Kind::Generate);
  EXPECT_EQ(r.output, "a.xls");
  EXPECT_TRUE(r.choices.empty());
  EXPECT_FALSE(r.fromSettings);

  // Each option gives the stored texts of its keys; a later one wins.
  r = parsedOk({"generate", "--output=b.xls", "--days", "sun,sat", "--fields=city,zip", "--weeks",
                "4", "--shifts=20", "--weeks", "3", "--from-settings"});
  EXPECT_EQ(r.output, "b.xls");
  std::map<std::string, std::string> given(r.choices.begin(), r.choices.end());
  EXPECT_EQ(r.choices.size(), 7u + 12u + 1u + 1u + 1u);
  EXPECT_EQ(given["Sunday"], "1");
  EXPECT_EQ(given["Monday"], "0");
  EXPECT_EQ(given["Saturday"], "1");
  EXPECT_EQ(given["City"], "1");
  EXPECT_EQ(given["State"], "0");
  EXPECT_EQ(given["NumberOfShifts"], "19");
  EXPECT_EQ(r.choices.back(), (std::pair<std::string, std::string>{"NumberOfWeeks", "2"}));
  EXPECT_TRUE(r.fromSettings);

  EXPECT_EQ(parsedOk({"--help"}).kind, CommandLineRequest::Kind::Help);
  EXPECT_EQ(parsedOk({"generate", "--help"}).kind, CommandLineRequest::Kind::Help);
  EXPECT_NE(commandLineHelp().find("--from-settings"), std::string::npos);
}

TEST(ParseCommandLine, UsageErrorsNameTheOptionAndWhatItAccepts) {
  EXPECT_NE(usageError({"generate"}).find("--output"), std::string::npos);
  EXPECT_NE(usageError({"generate", "--output"}).find("--output"), std::string::npos);
  EXPECT_NE(usageError({"generate", "--output", "--days", "mon"}).find("--output"),
            std::string::npos);
  EXPECT_NE(usageError({"print"}).find("print"), std::string::npos);
  EXPECT_NE(usageError({"generate", "--output", "a", "--colour"}).find("--colour"),
            std::string::npos);
  for (const char* days : {"", "monday", "mon,,tue", "mon,none", "ALL"}) {
    const std::string message = usageError({"generate", "--output", "a", "--days", days});
    EXPECT_NE(message.find("--days accepts"), std::string::npos) << days;
    EXPECT_NE(message.find("sun,mon,tue,wed,thu,fri,sat"), std::string::npos);
  }
  EXPECT_NE(usageError({"generate", "--output", "a", "--fields", "phone"}).find("--fields accepts"),
            std::string::npos);
  for (const char* weeks : {"0", "5", "x", "1.5", ""})
    EXPECT_NE(usageError({"generate", "--output", "a", "--weeks", weeks}).find("1 to 4"),
              std::string::npos)
        << weeks;
  for (const char* shifts : {"0", "21", "-1"})
    EXPECT_NE(usageError({"generate", "--output", "a", "--shifts", shifts}).find("1 to 20"),
              std::string::npos)
        << shifts;
}

// The store as a map, installed as the program's store for one test.
class MapStore : public platform::SettingsStore {
 public:
  std::map<QString, QString> values;
  QString read(const QString&, const QString&, const QString& key, const QString& def) override {
    const auto it = values.find(key);
    return it == values.end() ? def : it->second;
  }
  void write(const QString&, const QString&, const QString& key, const QString& value) override {
    values[key] = value;
  }
};

class RunCommandLine : public ::testing::Test {
 protected:
  void SetUp() override { platform::setSettingsStore(&store); }
  void TearDown() override { platform::setSettingsStore(nullptr); }

  int run(std::vector<std::string> args) {
    args.insert(args.begin(), "tallyloom");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    return runCommandLine(static_cast<int>(args.size()), argv.data());
  }
  std::string out(const char* name) const { return dir.filePath(name).toStdString(); }
  bool exists(const std::string& path) const { return QFile::exists(QString::fromStdString(path)); }

  // Opens a written workbook and returns the text of a cell of its sheet.
  std::string cellText(const std::string& path, const std::string& cell) {
    auto app = spreadsheet::api::Application::create();
    app->Workbooks().Open(path);
    const std::string text = app->Range(cell).Value().toText();
    app->Quit();
    return text;
  }

  QTemporaryDir dir;
  MapStore store;
};

TEST_F(RunCommandLine, ExitCodes) {
  EXPECT_EQ(run({"--help"}), 0);
  EXPECT_EQ(run({"generate", "--output", out("a.xls"), "--weeks", "9"}), 2);
  EXPECT_EQ(run({"generate", "--output", out("a.xls"), "--days", ""}), 2);
  EXPECT_FALSE(exists(out("a.xls")));

  const std::string unwritable = out("missing/folder/a.xls");
  EXPECT_EQ(run({"generate", "--output", unwritable}), 1);
  EXPECT_FALSE(exists(unwritable));

  EXPECT_EQ(run({"generate", "--output", out("b.xls"), "--days", "sat", "--weeks", "2", "--fields",
                 "none"}),
            0);
  EXPECT_EQ(cellText(out("b.xls"), "E9"), "Saturday");
  EXPECT_EQ(cellText(out("b.xls"), "G9"), "Saturday");
  EXPECT_EQ(cellText(out("b.xls"), "C2"), "");
}

TEST_F(RunCommandLine, FromSettingsThenFlagsOverride) {
  store.values = {{"Sunday", "1"}, {"Monday", "0"}, {"NumberOfWeeks", "1"}, {"Company Name", "0"}};
  EXPECT_EQ(run({"generate", "--from-settings", "--output", out("s.xls")}), 0);
  EXPECT_EQ(cellText(out("s.xls"), "E9"), "Sunday");
  EXPECT_EQ(cellText(out("s.xls"), "G9"), "Tuesday");
  EXPECT_EQ(cellText(out("s.xls"), "O9"), "Sunday");  // the second week
  EXPECT_EQ(cellText(out("s.xls"), "C2"), "");

  EXPECT_EQ(run({"generate", "--from-settings", "--weeks", "1", "--days", "mon", "--output",
                 out("t.xls")}),
            0);
  EXPECT_EQ(cellText(out("t.xls"), "E9"), "Monday");
  EXPECT_EQ(cellText(out("t.xls"), "G14"), "Total Hours Scheduled");

  // Stored choices that switch every day off are a usage error; a broken store a failure.
  store.values = {
      {"Monday", "0"}, {"Tuesday", "0"}, {"Wednesday", "0"}, {"Thursday", "0"}, {"Friday", "0"}};
  EXPECT_EQ(run({"generate", "--from-settings", "--output", out("u.xls")}), 2);
  store.values = {{"NumberOfWeeks", "7"}};
  EXPECT_EQ(run({"generate", "--from-settings", "--output", out("u.xls")}), 1);
  EXPECT_FALSE(exists(out("u.xls")));
}

}  // namespace
}  // namespace tallyloom
