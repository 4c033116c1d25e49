#include "platform/folders.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <filesystem>

namespace platform {

namespace {

QString programFolderOverride;

QString withoutTrailingSlash(QString folder) {
  while (folder.size() > 1 && folder.endsWith('/')) folder.chop(1);
  return folder;
}

}  // namespace

QString TemporaryFolder() {
  for (const char* name : {"TEMP", "TMPDIR"}) {
    QString value = qEnvironmentVariable(name);
    if (!value.isEmpty()) return withoutTrailingSlash(value);
  }
  return "/tmp";
}

QString ProgramFolder() {
  if (!programFolderOverride.isEmpty()) return programFolderOverride;
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  // Without an application object the link of the running executable names it.
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return ".";
  return QString::fromStdString(exe.parent_path().string());
}

void setProgramFolderForTesting(const QString& folder) {
  programFolderOverride = withoutTrailingSlash(folder);
}

QString handCursorPath() {
  return ProgramFolder() + "/HAND-M.CUR";
}
QString skinFilePath() {
  return ProgramFolder() + "/x/o.cjs";
}

}  // namespace platform
