#pragma once
#include <optional>
#include <string>
#include <vector>

namespace spreadsheet::pdf {

// The folders searched for a font file, in order: $TALLYLOOM_FONT_DIR when
// set (tests point it at a folder of their own, and it then stands alone),
// else the Liberation folders under each XDG data folder ($XDG_DATA_HOME,
// then $XDG_DATA_DIRS or /usr/local/share and /usr/share).
std::vector<std::string> fontFolders();

// The first file named `fileName` in the font folders, or nullopt.
std::optional<std::string> findFontFile(const std::string& fileName);

}  // namespace spreadsheet::pdf
