#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

#include "platform/program_file.h"
#include "spreadsheet/io/temporary_folder.h"
#include "tallyloom/build_info.h"

namespace platform {

namespace {

QString programFolderOverride;

QString withoutTrailingSlash(QString folder) {
  while (folder.size() > 1 && folder.endsWith('/')) folder.chop(1);
  return folder;
}

}  // namespace

QString TemporaryFolder() {
  return QFile::decodeName(spreadsheet::io::temporaryFolder().c_str());
}

QString ProgramFolder() {
  if (!programFolderOverride.isEmpty()) return programFolderOverride;
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  // Without an application object the system names the running executable.
  const std::string exe = runningProgramFile();
  if (exe.empty()) return ".";
  return QString::fromStdString(std::filesystem::path(exe).parent_path().string());
}

void setProgramFolderForTesting(const QString& folder) {
  programFolderOverride = withoutTrailingSlash(folder);
}

// `name` beside the program (the build tree, a copied folder), else in the
// installed data folder; the path beside the program when neither exists.
static QString programFile(const QString& name) {
  const QString beside = ProgramFolder() + name;
  if (QFileInfo::exists(beside)) return beside;
  const QString installed =
      QDir::cleanPath(ProgramFolder() + "/" + tallyloom::build::kDataFolderFromProgram + name);
  return QFileInfo::exists(installed) ? installed : beside;
}

QString handCursorPath() {
  return programFile("/HAND-M.CUR");
}
QString skinFilePath() {
  return programFile("/x/o.cjs");
}

}  // namespace platform
