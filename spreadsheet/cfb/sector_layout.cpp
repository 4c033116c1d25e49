#include "spreadsheet/cfb/sector_layout.h"

#include "spreadsheet/model/error.h"

namespace spreadsheet::cfb {

namespace {

constexpr std::uint64_t kEntriesPerSector = kSectorSize / 4;
// A DIFAT sector lists this many FAT sectors; its last entry links the next.
constexpr std::uint64_t kDifatEntriesPerSector = kEntriesPerSector - 1;

std::uint64_t sectorsFor(std::uint64_t bytes, std::uint64_t unit) {
  return (bytes + unit - 1) / unit;
}

class Allocator {
 public:
  SectorRun take(std::uint64_t count) {
    SectorRun run{count ? static_cast<std::uint32_t>(next_) : kEndOfChain,
                  static_cast<std::uint32_t>(count)};
    next_ += count;
    if (next_ > kMaxRegularSector) throw Error("The compound file would be too large.");
    return run;
  }
  std::uint64_t used() const { return next_; }

 private:
  std::uint64_t next_ = 0;
};

// The FAT holds an entry for every sector, its own and the DIFAT's included;
// grows both until they cover themselves.
void sizeFat(std::uint64_t sectorsBefore, std::uint64_t& fatSectors, std::uint64_t& difatSectors) {
  fatSectors = difatSectors = 0;
  for (;;) {
    const std::uint64_t fat =
        sectorsFor(sectorsBefore + fatSectors + difatSectors, kEntriesPerSector);
    const std::uint64_t difat = fat > kHeaderDifatEntries
                                    ? sectorsFor(fat - kHeaderDifatEntries, kDifatEntriesPerSector)
                                    : 0;
    if (fat == fatSectors && difat == difatSectors) return;
    fatSectors = fat;
    difatSectors = difat;
  }
}

}  // namespace

SectorLayout layOutSectors(const std::vector<DirectoryEntry>& entries) {
  SectorLayout layout;
  layout.streams.resize(entries.size());
  Allocator sectors;
  std::uint64_t miniSectors = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].type != kStreamType) continue;
    const std::uint64_t size = entries[i].data->size();
    if (size > UINT32_MAX) throw Error("The compound file would be too large.");
    if (size >= kMiniStreamCutoff) {
      layout.streams[i] = sectors.take(sectorsFor(size, kSectorSize));
    } else if (size > 0) {
      const std::uint64_t count = sectorsFor(size, kMiniSectorSize);
      layout.streams[i] = {static_cast<std::uint32_t>(miniSectors),
                           static_cast<std::uint32_t>(count)};
      miniSectors += count;
    }
  }
  // Short streams are under 4096 bytes each, so this fits unless there are
  // about a million of them.
  if (miniSectors * kMiniSectorSize > UINT32_MAX)
    throw Error("The compound file would be too large.");
  layout.miniStreamSize = static_cast<std::uint32_t>(miniSectors * kMiniSectorSize);
  layout.miniStream = sectors.take(sectorsFor(layout.miniStreamSize, kSectorSize));
  layout.miniFat = sectors.take(sectorsFor(miniSectors, kEntriesPerSector));
  layout.directory = sectors.take(sectorsFor(entries.size(), kSectorSize / kEntrySize));
  std::uint64_t fatSectors = 0;
  std::uint64_t difatSectors = 0;
  sizeFat(sectors.used(), fatSectors, difatSectors);
  layout.fat = sectors.take(fatSectors);
  layout.difat = sectors.take(difatSectors);
  layout.sectorCount = static_cast<std::uint32_t>(sectors.used());
  return layout;
}

}  // namespace spreadsheet::cfb
