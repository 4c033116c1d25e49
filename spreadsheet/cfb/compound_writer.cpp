// The writer of compound files: version 3, 512-byte sectors, 64-byte mini
// sectors, every run of sectors unbroken (see sector_layout.h).
#include <algorithm>
#include <span>

#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/cfb/directory_tree.h"
#include "spreadsheet/cfb/sector_layout.h"
#include "spreadsheet/model/bytes.h"

namespace spreadsheet::cfb {

namespace {

using Bytes = std::vector<std::uint8_t>;
using bytes::storeU16;
using bytes::storeU32;

class FileImage {
 public:
  explicit FileImage(std::uint32_t sectors) : bytes_(kHeaderSize + sectors * kSectorSize, 0) {}
  // `count` sectors from `index` on.
  std::span<std::uint8_t> sectors(std::uint32_t index, std::uint32_t count = 1) {
    return std::span(bytes_).subspan(kHeaderSize + std::size_t{index} * kSectorSize,
                                     std::size_t{count} * kSectorSize);
  }
  std::span<std::uint8_t> header() { return std::span(bytes_).first(kHeaderSize); }
  Bytes take() { return std::move(bytes_); }

 private:
  Bytes bytes_;
};

// Table entries filling `table` from its start: a chain through each run in
// turn, then the rest marked free.
class TableWriter {
 public:
  explicit TableWriter(std::span<std::uint8_t> table) : table_(table) {}
  void chain(SectorRun run) {
    for (std::uint32_t i = 1; i < run.count; ++i) put(run.start + i);
    if (run.count) put(kEndOfChain);
  }
  void repeat(std::uint32_t value, std::uint32_t count) {
    while (count-- > 0) put(value);
  }
  // Free entries up to `end`, a byte offset in the table.
  void freeUpTo(std::size_t end) {
    while (at_ < end) put(kFreeSector);
  }
  void freeToEnd() { freeUpTo(table_.size()); }
  void put(std::uint32_t value) {
    storeU32(table_, at_, value);
    at_ += 4;
  }

 private:
  std::span<std::uint8_t> table_;
  std::size_t at_ = 0;
};

void writeHeader(std::span<std::uint8_t> h, const SectorLayout& layout) {
  std::copy(kSignature.begin(), kSignature.end(), h.begin());
  storeU16(h, kMinorVersionAt, kMinorVersion);
  storeU16(h, kMajorVersionAt, kVersion3);
  storeU16(h, kByteOrderAt, kLittleEndianMark);
  storeU16(h, kSectorShiftAt, kVersion3SectorShift);
  storeU16(h, kMiniSectorShiftAt, kMiniSectorShift);
  storeU32(h, kFatCountAt, layout.fat.count);
  storeU32(h, kDirectoryStartAt, layout.directory.start);
  storeU32(h, kMiniCutoffAt, kMiniStreamCutoff);
  storeU32(h, kMiniFatStartAt, layout.miniFat.start);
  storeU32(h, kMiniFatCountAt, layout.miniFat.count);
  storeU32(h, kDifatStartAt, layout.difat.start);
  storeU32(h, kDifatCountAt, layout.difat.count);
  TableWriter difat(h.subspan(kHeaderDifatAt));
  const auto listed = std::min<std::uint32_t>(layout.fat.count, kHeaderDifatEntries);
  for (std::uint32_t i = 0; i < listed; ++i) difat.put(layout.fat.start + i);
  difat.freeToEnd();
}

void writeEntry(std::span<std::uint8_t> e, const DirectoryEntry& entry, SectorRun run,
                std::uint32_t size) {
  for (std::size_t i = 0; i < entry.name.size(); ++i) storeU16(e, 2 * i, entry.name[i]);
  storeU16(e, kNameLengthAt, static_cast<std::uint16_t>(2 * (entry.name.size() + 1)));
  e[kTypeAt] = entry.type;
  e[kColourAt] = kBlack;
  storeU32(e, kLeftAt, kNoEntry);
  storeU32(e, kRightAt, entry.right);
  storeU32(e, kChildAt, entry.child);
  storeU32(e, kStartSectorAt, run.start);
  storeU32(e, kStreamSizeAt, size);
}

void writeDirectory(FileImage& file, const std::vector<DirectoryEntry>& entries,
                    const SectorLayout& layout) {
  const std::span<std::uint8_t> directory =
      file.sectors(layout.directory.start, layout.directory.count);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const DirectoryEntry& entry = entries[i];
    const std::span<std::uint8_t> at = directory.subspan(i * kEntrySize, kEntrySize);
    if (entry.type == kRootType)
      writeEntry(at, entry, layout.miniStream, layout.miniStreamSize);
    else if (entry.type == kStorageType)
      writeEntry(at, entry, {}, 0);
    else
      writeEntry(at, entry, layout.streams[i], static_cast<std::uint32_t>(entry.data->size()));
  }
}

void writeStreams(FileImage& file, const std::vector<DirectoryEntry>& entries,
                  const SectorLayout& layout) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const SectorRun run = layout.streams[i];
    if (entries[i].type != kStreamType || run.count == 0) continue;
    const Bytes& data = *entries[i].data;
    const std::span<std::uint8_t> to =
        data.size() >= kMiniStreamCutoff
            ? file.sectors(run.start, run.count)
            : file.sectors(layout.miniStream.start, layout.miniStream.count)
                  .subspan(run.start * kMiniSectorSize, run.count * kMiniSectorSize);
    std::copy(data.begin(), data.end(), to.begin());
  }
}

void writeTables(FileImage& file, const std::vector<DirectoryEntry>& entries,
                 const SectorLayout& layout) {
  if (layout.miniFat.count) {
    TableWriter miniFat(file.sectors(layout.miniFat.start, layout.miniFat.count));
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i].type == kStreamType && entries[i].data->size() < kMiniStreamCutoff)
        miniFat.chain(layout.streams[i]);
    miniFat.freeToEnd();
  }
  TableWriter fat(file.sectors(layout.fat.start, layout.fat.count));
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].type == kStreamType && entries[i].data->size() >= kMiniStreamCutoff)
      fat.chain(layout.streams[i]);
  fat.chain(layout.miniStream);
  fat.chain(layout.miniFat);
  fat.chain(layout.directory);
  fat.repeat(kFatSector, layout.fat.count);
  fat.repeat(kDifatSector, layout.difat.count);
  fat.freeToEnd();
}

// FAT sectors past the header's list, 127 to a DIFAT sector, each sector
// ending in the next one's id; the last one's unused entries are free.
void writeDifat(FileImage& file, const SectorLayout& layout) {
  std::uint32_t listed = kHeaderDifatEntries;
  for (std::uint32_t d = 0; d < layout.difat.count; ++d) {
    TableWriter difat(file.sectors(layout.difat.start + d));
    for (std::size_t k = 0; k + 1 < kSectorSize / 4 && listed < layout.fat.count; ++k)
      difat.put(layout.fat.start + listed++);
    const bool last = d + 1 == layout.difat.count;
    difat.freeUpTo(kSectorSize - 4);
    difat.put(last ? kEndOfChain : layout.difat.start + d + 1);
  }
}

}  // namespace

std::vector<std::uint8_t> writeCompoundFile(const StreamMap& streams) {
  const std::vector<DirectoryEntry> entries = buildDirectory(streams);
  const SectorLayout layout = layOutSectors(entries);
  FileImage file(layout.sectorCount);
  writeHeader(file.header(), layout);
  writeStreams(file, entries, layout);
  writeTables(file, entries, layout);
  writeDirectory(file, entries, layout);
  writeDifat(file, layout);
  return file.take();
}

}  // namespace spreadsheet::cfb
