#include "platform/temporary_folder.h"

#include <QFile>
#include <stdexcept>

#include "platform/folders.h"

namespace platform {

OwnTemporaryFolder::OwnTemporaryFolder()
    : dir_(TemporaryFolder() + QStringLiteral("/tallyloom-XXXXXX")) {
  if (!dir_.isValid())
    throw std::runtime_error("Cannot create a temporary folder in " +
                             QFile::encodeName(TemporaryFolder()).toStdString() + ": " +
                             dir_.errorString().toStdString() + ".");
}

}  // namespace platform
