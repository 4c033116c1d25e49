#include "spreadsheet/io/temporary_folder.h"

#include <cstdlib>

namespace spreadsheet::io {

std::string temporaryFolder() {
  for (const char* name : {"TEMP", "TMPDIR"}) {
    const char* value = std::getenv(name);
    if (value && *value) {
      std::string folder = value;
      while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
      return folder;
    }
  }
  return "/tmp";
}

}  // namespace spreadsheet::io
