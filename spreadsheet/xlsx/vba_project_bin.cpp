#include "spreadsheet/xlsx/vba_project_bin.h"

#include <string_view>

#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::xlsx {

std::vector<std::uint8_t> vbaProjectBin(const MacroProject& project) {
  constexpr std::string_view kStorage = "_VBA_PROJECT_CUR/";
  cfb::StreamMap streams;
  for (const auto& [path, bytes] : project.streams) {
    if (path.rfind(kStorage, 0) != 0)
      throw Error(
          "Cannot write the workbook: the macro project holds a stream outside its storage.");
    streams.emplace(path.substr(kStorage.size()),
                    std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  }
  return cfb::writeCompoundFile(streams);
}

}  // namespace spreadsheet::xlsx
