#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "spreadsheet/cfb/cfb_format.h"
#include "spreadsheet/cfb/compound_file.h"

namespace spreadsheet::cfb {

struct DirectoryEntry {
  std::u16string name;
  std::uint8_t type = kStreamType;
  const std::vector<std::uint8_t>* data = nullptr;  // streams only
  std::uint32_t right = kNoEntry;                   // the next sibling in name order
  std::uint32_t child = kNoEntry;                   // a storage's first child in name order
};

// The directory of `streams`, a storage made for every folder of a path. The
// entries come in the order they are stored: the root, then each storage's
// sub-storages (each followed by its own contents) and then its streams, both
// in path order. Siblings form a list through `right` in name order, a
// degenerate tree of black nodes that every reader walks. Error on a path
// that cannot be stored.
std::vector<DirectoryEntry> buildDirectory(const StreamMap& streams);

}  // namespace spreadsheet::cfb
