#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace spreadsheet::vba {

// What the dir stream of a macro project says, as far as this program needs
// it: the project, its type-library references and its modules.
struct DirReference {
  std::string name;   // "stdole"
  std::string libid;  // registered type library text
  bool operator==(const DirReference&) const = default;
};

struct DirModule {
  std::string name;
  std::string streamName;
  bool document = false;         // document or class module rather than standard
  std::uint32_t textOffset = 0;  // where compressed source starts in the module stream
  bool operator==(const DirModule&) const = default;
};

struct DirInfo {
  std::string projectName = "VBAProject";
  std::uint16_t codePage = 1252;
  std::uint32_t lcid = 0x409;
  std::vector<DirReference> references;
  std::vector<DirModule> modules;
  bool operator==(const DirInfo&) const = default;
};

// The record sequence of the dir stream, before compression.
std::vector<std::uint8_t> encodeDirRecords(const DirInfo& info);

// Walks the (decompressed) records; unknown records are skipped. Throws
// spreadsheet::Error naming the offset when a record runs past the end or the
// terminator is missing.
DirInfo decodeDirRecords(std::span<const std::uint8_t> records);

}  // namespace spreadsheet::vba
