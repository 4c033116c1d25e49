#include "spreadsheet/cfb/sector_file.h"

#include <algorithm>

#include "spreadsheet/cfb/cfb_format.h"
#include "spreadsheet/model/bytes.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::cfb {

void malformed(const std::string& reason) {
  throw Error("The compound file could not be read: " + reason + ".");
}

std::vector<std::uint32_t> tableEntries(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint32_t> entries(bytes.size() / 4);
  const bytes::Reader table(bytes);
  for (std::size_t i = 0; i < entries.size(); ++i) entries[i] = table.u32At(4 * i);
  return entries;
}

SectorFile::SectorFile(std::span<const std::uint8_t> bytes) : bytes_(bytes) {
  if (bytes.size() < kHeaderSize ||
      !std::equal(kSignature.begin(), kSignature.end(), bytes.begin()))
    throw Error("The file is not an Excel 97-2003 workbook: it is not a compound file.");
  const bytes::Reader h(bytes.first(kHeaderSize));
  sectorShift_ = h.u16At(kSectorShiftAt);
  miniSectorShift_ = h.u16At(kMiniSectorShiftAt);
  if (sectorShift_ != kVersion3SectorShift && sectorShift_ != kVersion4SectorShift)
    malformed("its sector size is not 512 or 4096 bytes");
  if (miniSectorShift_ < 2 || miniSectorShift_ > sectorShift_)
    malformed("its mini sector size is not valid");
  miniCutoff_ = h.u32At(kMiniCutoffAt);
  directoryStart_ = h.u32At(kDirectoryStartAt);
  miniFatStart_ = h.u32At(kMiniFatStartAt);
  // Sector n starts at (n + 1) sectors: the header takes the first one.
  const std::size_t sectorSize = std::size_t{1} << sectorShift_;
  sectorCount_ = bytes.size() > sectorSize ? (bytes.size() - 1) / sectorSize : 0;
  claimed_.assign(sectorCount_, false);
  readFat(h.u32At(kFatCountAt), h.u32At(kDifatStartAt), h.u32At(kDifatCountAt));
}

// The FAT sectors come from the header's list, then from the DIFAT sectors,
// each listing all but its last entry, which links the next.
void SectorFile::readFat(std::uint32_t fatCount, std::uint32_t difatStart,
                         std::uint32_t difatCount) {
  if (fatCount == 0 || fatCount > sectorCount_) malformed("its FAT does not fit the file");
  std::vector<std::uint32_t> fatSectors;
  const bytes::Reader header(bytes_.first(kHeaderSize));
  for (std::size_t i = 0; i < std::min<std::size_t>(fatCount, kHeaderDifatEntries); ++i)
    fatSectors.push_back(header.u32At(kHeaderDifatAt + 4 * i));
  const std::size_t perSector = (std::size_t{1} << sectorShift_) / 4 - 1;
  std::uint32_t next = difatStart;
  for (std::uint32_t d = 0; fatSectors.size() < fatCount; ++d) {
    if (d == difatCount || next > kMaxRegularSector)
      malformed("the list of its FAT sectors is cut short");
    const bytes::Reader s(sector(next, std::size_t{1} << sectorShift_));
    claim(next);
    for (std::size_t k = 0; k < perSector && fatSectors.size() < fatCount; ++k)
      fatSectors.push_back(s.u32At(4 * k));
    next = s.u32At(4 * perSector);
  }
  const std::size_t sectorSize = std::size_t{1} << sectorShift_;
  fat_.resize(fatSectors.size() * (sectorSize / 4));
  std::uint32_t* to = fat_.data();
  for (std::uint32_t index : fatSectors) {
    const bytes::Reader s(sector(index, sectorSize));
    claim(index);
    for (std::size_t k = 0; k < sectorSize / 4; ++k) *to++ = s.u32At(4 * k);
  }
}

std::span<const std::uint8_t> SectorFile::sector(std::uint32_t index, std::size_t needed) {
  if (index >= sectorCount_) malformed("a sector index is out of range");
  const std::size_t offset = (std::size_t{index} + 1) << sectorShift_;
  if (offset + needed > bytes_.size()) malformed("a sector lies past the end of the file");
  return bytes_.subspan(offset, needed);
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
    const std::span<const std::uint8_t> s = sector(at, sectorSize);
    claim(at);
    out.insert(out.end(), s.begin(), s.end());
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
    const std::span<const std::uint8_t> s = sector(at, part);
    claim(at);
    std::copy(s.begin(), s.end(), out.begin() + static_cast<std::ptrdiff_t>(done));
  }
  return out;
}

}  // namespace spreadsheet::cfb
