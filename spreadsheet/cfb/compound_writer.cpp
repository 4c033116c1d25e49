// The writer of compound files: version 3, 512-byte sectors, 64-byte mini
// sectors, every run of sectors unbroken (see sector_layout.h).
#include <algorithm>
#include <cstring>

#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/cfb/directory_tree.h"
#include "spreadsheet/cfb/sector_layout.h"

namespace spreadsheet::cfb {

namespace {

using Bytes = std::vector<std::uint8_t>;

class FileImage {
 public:
  explicit FileImage(std::uint32_t sectors) : bytes_(kHeaderSize + sectors * kSectorSize, 0) {}
  std::uint8_t* sector(std::uint32_t index) {
    return bytes_.data() + kHeaderSize + std::size_t{index} * kSectorSize;
  }
  std::uint8_t* header() { return bytes_.data(); }
  Bytes take() { return std::move(bytes_); }

 private:
  Bytes bytes_;
};

// Table entries from `at` on: a chain through each run in turn, then the
// rest of the run's last sector marked free.
class TableWriter {
 public:
  explicit TableWriter(std::uint8_t* at) : at_(at) {}
  void chain(SectorRun run) {
    for (std::uint32_t i = 1; i < run.count; ++i) put(run.start + i);
    if (run.count) put(kEndOfChain);
  }
  void repeat(std::uint32_t value, std::uint32_t count) {
    while (count-- > 0) put(value);
  }
  void freeUpTo(const std::uint8_t* end) {
    while (at_ < end) put(kFreeSector);
  }
  void put(std::uint32_t value) {
    writeU32(at_, value);
    at_ += 4;
  }
  std::uint8_t* position() const { return at_; }

 private:
  std::uint8_t* at_;
};

void writeHeader(std::uint8_t* h, const SectorLayout& layout) {
  std::copy(kSignature.begin(), kSignature.end(), h);
  writeU16(h + kMinorVersionAt, kMinorVersion);
  writeU16(h + kMajorVersionAt, kVersion3);
  writeU16(h + kByteOrderAt, kLittleEndianMark);
  writeU16(h + kSectorShiftAt, kVersion3SectorShift);
  writeU16(h + kMiniSectorShiftAt, kMiniSectorShift);
  writeU32(h + kFatCountAt, layout.fat.count);
  writeU32(h + kDirectoryStartAt, layout.directory.start);
  writeU32(h + kMiniCutoffAt, kMiniStreamCutoff);
  writeU32(h + kMiniFatStartAt, layout.miniFat.start);
  writeU32(h + kMiniFatCountAt, layout.miniFat.count);
  writeU32(h + kDifatStartAt, layout.difat.start);
  writeU32(h + kDifatCountAt, layout.difat.count);
  TableWriter difat(h + kHeaderDifatAt);
  const auto listed = std::min<std::uint32_t>(layout.fat.count, kHeaderDifatEntries);
  for (std::uint32_t i = 0; i < listed; ++i) difat.put(layout.fat.start + i);
  difat.freeUpTo(h + kHeaderSize);
}

void writeEntry(std::uint8_t* e, const DirectoryEntry& entry, SectorRun run, std::uint32_t size) {
  for (std::size_t i = 0; i < entry.name.size(); ++i) writeU16(e + 2 * i, entry.name[i]);
  writeU16(e + kNameLengthAt, static_cast<std::uint16_t>(2 * (entry.name.size() + 1)));
  e[kTypeAt] = entry.type;
  e[kColourAt] = kBlack;
  writeU32(e + kLeftAt, kNoEntry);
  writeU32(e + kRightAt, entry.right);
  writeU32(e + kChildAt, entry.child);
  writeU32(e + kStartSectorAt, run.start);
  writeU32(e + kStreamSizeAt, size);
}

void writeDirectory(FileImage& file, const std::vector<DirectoryEntry>& entries,
                    const SectorLayout& layout) {
  std::uint8_t* at = file.sector(layout.directory.start);
  for (std::size_t i = 0; i < entries.size(); ++i, at += kEntrySize) {
    const DirectoryEntry& entry = entries[i];
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
    std::uint8_t* to = data.size() >= kMiniStreamCutoff
                           ? file.sector(run.start)
                           : file.sector(layout.miniStream.start) + run.start * kMiniSectorSize;
    std::memcpy(to, data.data(), data.size());
  }
}

void writeTables(FileImage& file, const std::vector<DirectoryEntry>& entries,
                 const SectorLayout& layout) {
  if (layout.miniFat.count) {
    TableWriter miniFat(file.sector(layout.miniFat.start));
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i].type == kStreamType && entries[i].data->size() < kMiniStreamCutoff)
        miniFat.chain(layout.streams[i]);
    miniFat.freeUpTo(file.sector(layout.miniFat.start + layout.miniFat.count));
  }
  TableWriter fat(file.sector(layout.fat.start));
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].type == kStreamType && entries[i].data->size() >= kMiniStreamCutoff)
      fat.chain(layout.streams[i]);
  fat.chain(layout.miniStream);
  fat.chain(layout.miniFat);
  fat.chain(layout.directory);
  fat.repeat(kFatSector, layout.fat.count);
  fat.repeat(kDifatSector, layout.difat.count);
  fat.freeUpTo(file.sector(layout.fat.start + layout.fat.count));
}

// FAT sectors past the header's list, 127 to a DIFAT sector, each sector
// ending in the next one's id; the last one's unused entries are free.
void writeDifat(FileImage& file, const SectorLayout& layout) {
  std::uint32_t listed = kHeaderDifatEntries;
  for (std::uint32_t d = 0; d < layout.difat.count; ++d) {
    std::uint8_t* sector = file.sector(layout.difat.start + d);
    TableWriter difat(sector);
    for (std::size_t k = 0; k + 1 < kSectorSize / 4 && listed < layout.fat.count; ++k)
      difat.put(layout.fat.start + listed++);
    const bool last = d + 1 == layout.difat.count;
    difat.freeUpTo(sector + kSectorSize - 4);
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
