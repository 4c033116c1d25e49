#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace spreadsheet::cfb {

// The sectors of a compound file being read: its header, its FAT gathered
// through the DIFAT, and chains of sectors read out of it. Every sector is
// given out once at most, so a chain that loops or crosses another is an
// error, never an endless read. Errors are spreadsheet::Error.
class SectorFile {
 public:
  explicit SectorFile(std::span<const std::uint8_t> bytes);

  unsigned sectorShift() const { return sectorShift_; }
  unsigned miniSectorShift() const { return miniSectorShift_; }
  std::uint32_t miniCutoff() const { return miniCutoff_; }
  std::uint32_t directoryStart() const { return directoryStart_; }
  std::uint32_t miniFatStart() const { return miniFatStart_; }

  // The whole chain from `start` (the directory, the mini FAT).
  std::vector<std::uint8_t> readChain(std::uint32_t start);
  // The first `size` bytes of the chain from `start`; `what` names it in errors.
  std::vector<std::uint8_t> readChain(std::uint32_t start, std::uint64_t size,
                                      const std::string& what);

 private:
  void readFat(std::uint32_t fatCount, std::uint32_t difatStart, std::uint32_t difatCount);
  // The first `needed` bytes of sector `index`.
  std::span<const std::uint8_t> sector(std::uint32_t index, std::size_t needed);
  void claim(std::uint32_t index);

  std::span<const std::uint8_t> bytes_;
  unsigned sectorShift_ = 0;
  unsigned miniSectorShift_ = 0;
  std::uint32_t miniCutoff_ = 0;
  std::uint32_t directoryStart_ = 0;
  std::uint32_t miniFatStart_ = 0;
  std::uint64_t sectorCount_ = 0;  // sectors that start inside the file
  std::vector<std::uint32_t> fat_;
  std::vector<bool> claimed_;
};

// The reader's error for a malformed file, with its reason.
[[noreturn]] void malformed(const std::string& reason);

// Entries of a FAT or mini FAT.
std::vector<std::uint32_t> tableEntries(const std::vector<std::uint8_t>& bytes);

}  // namespace spreadsheet::cfb
