#pragma once
#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "platform/fake_dialogs.h"
#include "platform/folders.h"
#include "platform/program_end.h"
#include "platform/settings_store.h"
#include "platform/url_opener.h"
#include "shell/form1.h"
#include "spreadsheet/api/application.h"

namespace desktop_test {

class RecordingOpener : public platform::UrlOpener {
 public:
  void open(const QString& url) override { opened.push_back(url); }
  std::vector<QString> opened;
};

// Every desktop test runs with its own temporary folder, settings folder and
// program folder, scripted dialogs, a recorded program end and a recorded
// web-site opener.
class DesktopTest : public testing::Test {
 protected:
  void SetUp() override {
    previousTemp_ = qgetenv("TEMP");
    qputenv("TEMP", temp.path().toUtf8());
    QDir(programDir.path()).mkpath(".");
    platform::setProgramFolderForTesting(programDir.path());
    store = std::make_unique<platform::IniSettingsStore>(settingsDir.path());
    platform::setSettingsStore(store.get());
    platform::setUrlOpener(&opener);
    platform::setProgramEndHandlerForTesting([this] { ++programEnds; });
  }
  void TearDown() override {
    spreadsheet::api::Application::setFactoryForTesting(nullptr);
    platform::setProgramEndHandlerForTesting(nullptr);
    platform::setUrlOpener(nullptr);
    platform::setSettingsStore(nullptr);
    platform::setProgramFolderForTesting({});
    qputenv("TEMP", previousTemp_);
  }

  // A main window after its start-up; the maker's site is never drawn.
  std::unique_ptr<shell::Form1> startForm() {
    auto form = std::make_unique<shell::Form1>();
    form->setSiteDrawForTesting([] { return 1; });
    form->Form_Load();
    return form;
  }

  QString stored(const QString& key) {
    return store->read("Quillmark", "Tallyloom", key, "<absent>");
  }
  QStringList tempFiles() const {
    return QDir(temp.path()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
  }
  // The line numbers of the error reports shown so far, each checked for its location.
  std::vector<int> reportedLines(const QString& location) const {
    std::vector<int> lines;
    for (const auto& report : fake.errorReports()) {
      EXPECT_TRUE(report.text.contains("\r\n" + location + "at line "))
          << report.text.toStdString();
      lines.push_back(report.text.section("at line ", 1).section('\r', 0, 0).toInt());
    }
    return lines;
  }

  QTemporaryDir temp;
  QTemporaryDir settingsDir;
  QTemporaryDir programDir;
  std::unique_ptr<platform::IniSettingsStore> store;
  platform::FakeDialogs fake;
  RecordingOpener opener;
  int programEnds = 0;

 private:
  QByteArray previousTemp_;
};

}  // namespace desktop_test
