#include "spreadsheet/cfb/sector_file.h"

#include <algorithm>
#include <cstring>

#include "spreadsheet/cfb/cfb_format.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::cfb {

void malformed(const std::string& reason) {
  throw Error("The compound file could not be read: " + reason + ".");
}

std::vector<std::uint32_t> tableEntries(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint32_t> entries(bytes.size() / 4);
  for (std::size_t i = 0; i < entries.size(); ++i) entries[i] = readU32(bytes.data() + 4 * i);
  return entries;
}

SectorFile::SectorFile(std::span<const std::uint8_t> bytes) : bytes_(bytes) {
  if (bytes.size() < kHeaderSize ||
      !std::equal(kSignature.begin(), kSignature.end(), bytes.begin()))
    throw Error("The file is not an Excel 97-2003 workbook: it is not a compound file.");
  const std::uint8_t* h = bytes.data();
  sectorShift_ = readU16(h + kSectorShiftAt);
  miniSectorShift_ = readU16(h + kMiniSectorShiftAt);
  if (sectorShift_ != kVersion3SectorShift && sectorShift_ != kVersion4SectorShift)
    malformed("its sector size is not 512 or 4096 bytes");
  if (miniSectorShift_ < 2 || miniSectorShift_ > sectorShift_)
    malformed("its mini sector size is not valid");
  miniCutoff_ = readU32(h + kMiniCutoffAt);
  directoryStart_ = readU32(h + kDirectoryStartAt);
  miniFatStart_ = readU32(h + kMiniFatStartAt);
  // Sector n starts at (n + 1) sectors: the header takes the first one.
  const std::size_t sectorSize = std::size_t{1} << sectorShift_;
  sectorCount_ = bytes.size() > sectorSize ? (bytes.size() - 1) / sectorSize : 0;
  claimed_.assign(sectorCount_, false);
  readFat(readU32(h + kFatCountAt), readU32(h + kDifatStartAt), readU32(h + kDifatCountAt));
}

// The FAT sectors come from the header's list, then from the DIFAT sectors,
// each listing all but its last entry, which links the next.
void SectorFile::readFat(std::uint32_t fatCount, std::uint32_t difatStart,
                         std::uint32_t difatCount) {
  if (fatCount == 0 || fatCount > sectorCount_) malformed("its FAT does not fit the file");
  std::vector<std::uint32_t> fatSectors;
  for (std::size_t i = 0; i < std::min<std::size_t>(fatCount, kHeaderDifatEntries); ++i)
    fatSectors.push_back(readU32(bytes_.data() + kHeaderDifatAt + 4 * i));
  const std::size_t perSector = (std::size_t{1} << sectorShift_) / 4 - 1;
  std::uint32_t next = difatStart;
  for (std::uint32_t d = 0; fatSectors.size() < fatCount; ++d) {
    if (d == difatCount || next > kMaxRegularSector)
      malformed("the list of its FAT sectors is cut short");
    const std::uint8_t* s = sector(next, std::size_t{1} << sectorShift_);
    claim(next);
    for (std::size_t k = 0; k < perSector && fatSectors.size() < fatCount; ++k)
      fatSectors.push_back(readU32(s + 4 * k));
    next = readU32(s + 4 * perSector);
  }
  const std::size_t sectorSize = std::size_t{1} << sectorShift_;
  fat_.resize(fatSectors.size() * (sectorSize / 4));
  std::uint32_t* to = fat_.data();
  for (std::uint32_t index : fatSectors) {
    const std::uint8_t* s = sector(index, sectorSize);
    claim(index);
    for (std::size_t k = 0; k < sectorSize / 4; ++k) *to++ = readU32(s + 4 * k);
  }
}

const std::uint8_t* SectorFile::sector(std::uint32_t index, std::size_t needed) {
  if (index >= sectorCount_) malformed("a sector index is out of range");
  const std::size_t offset = (std::size_t{index} + 1) << sectorShift_;
  if (offset + needed > bytes_.size()) malformed("a sector lies past the end of the file");
  return bytes_.data() + offset;
}

void SectorFile::claim(std::uint32_t index) {
  if (claimed_[index]) malformed("a chain of sectors loops or crosses another");
  claimed_[index] = true;
}

std::vector<std::uint8_t> SectorFile::readChain(std::uint32_t start) {
  const std::size_t sectorSize = std::size_t{1} << sectorShift_;
  std::vector<std::uint8_t> out;
  for (std::uint32_t at = start; at != kEndOfChain; at = fat_[at]) {
    if (at >= fat_.size()) malformed("a sector index is out of range");
    const std::uint8_t* s = sector(at, sectorSize);
    claim(at);
    out.insert(out.end(), s, s + sectorSize);
  }
  return out;
}

std::vector<std::uint8_t> SectorFile::readChain(std::uint32_t start, std::uint64_t size,
                                                const std::string& what) {
  const std::size_t sectorSize = std::size_t{1} << sectorShift_;
  std::vector<std::uint8_t> out(size);
  std::uint32_t at = start;
  for (std::uint64_t done = 0; done < size; done += sectorSize, at = fat_[at]) {
    if (at == kEndOfChain) malformed("the chain of \"" + what + "\" is shorter than its size");
    if (at >= fat_.size()) malformed("a sector index is out of range");
    const std::size_t part =
        static_cast<std::size_t>(std::min<std::uint64_t>(sectorSize, size - done));
    const std::uint8_t* s = sector(at, part);
    claim(at);
    std::memcpy(out.data() + done, s, part);
  }
  return out;
}

}  // namespace spreadsheet::cfb
