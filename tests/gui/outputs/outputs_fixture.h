#pragma once
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/entry_points.h"

namespace outputs_test {

// What one `tallyloom ...` run in this process returned and printed.
struct RunResult {
  int code = -1;
  std::string out;
  std::string err;
};

inline RunResult runTallyloom(std::vector<std::string> args) {
  args.insert(args.begin(), "tallyloom");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  RunResult r;
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  r.code = tallyloom::runCommandLine(static_cast<int>(args.size()), argv.data());
  r.out = testing::internal::GetCapturedStdout();
  r.err = testing::internal::GetCapturedStderr();
  return r;
}

// Output of a poppler tool, or an empty string when it cannot run.
inline QString popplerOutput(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral("/usr/bin/") + tool, args);
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
    return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The names in a folder, to see that a failure left nothing behind.
inline QStringList folderEntries(const QString& path) {
  return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace outputs_test
