#pragma once
#include <cstdint>
#include <vector>

#include "spreadsheet/cfb/directory_tree.h"

namespace spreadsheet::cfb {

// A run of sectors (or of mini sectors) that one chain covers.
struct SectorRun {
  std::uint32_t start = kEndOfChain;
  std::uint32_t count = 0;
};

// Where everything of a written compound file goes, in sectors after the
// header: the large streams in directory order, the mini stream, the mini
// FAT, the directory, the FAT and the DIFAT sectors, each run unbroken.
struct SectorLayout {
  std::vector<SectorRun> streams;    // per directory entry; mini sectors for short streams
  std::uint32_t miniStreamSize = 0;  // bytes: the short streams, each padded to a mini sector
  SectorRun miniStream, miniFat, directory, fat, difat;
  std::uint32_t sectorCount = 0;
};

// Error when the file would outgrow what the format can address.
SectorLayout layOutSectors(const std::vector<DirectoryEntry>& entries);

}  // namespace spreadsheet::cfb
