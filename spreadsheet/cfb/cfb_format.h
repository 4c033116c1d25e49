#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// The numbers of the compound file format (OLE2 structured storage) that the
// writer and the reader share.
namespace spreadsheet::cfb {

inline constexpr std::array<std::uint8_t, 8> kSignature = {0xD0, 0xCF, 0x11, 0xE0,
                                                           0xA1, 0xB1, 0x1A, 0xE1};
inline constexpr std::size_t kHeaderSize = 512;

// Header fields, by offset.
inline constexpr std::size_t kMinorVersionAt = 0x18;
inline constexpr std::size_t kMajorVersionAt = 0x1A;
inline constexpr std::size_t kByteOrderAt = 0x1C;
inline constexpr std::size_t kSectorShiftAt = 0x1E;
inline constexpr std::size_t kMiniSectorShiftAt = 0x20;
inline constexpr std::size_t kFatCountAt = 0x2C;
inline constexpr std::size_t kDirectoryStartAt = 0x30;
inline constexpr std::size_t kMiniCutoffAt = 0x38;
inline constexpr std::size_t kMiniFatStartAt = 0x3C;
inline constexpr std::size_t kMiniFatCountAt = 0x40;
inline constexpr std::size_t kDifatStartAt = 0x44;
inline constexpr std::size_t kDifatCountAt = 0x48;
inline constexpr std::size_t kHeaderDifatAt = 0x4C;
// FAT sector ids listed in the header itself; the rest go to DIFAT sectors.
inline constexpr std::size_t kHeaderDifatEntries = (kHeaderSize - kHeaderDifatAt) / 4;

inline constexpr std::uint16_t kMinorVersion = 0x3E;
inline constexpr std::uint16_t kVersion3 = 3;
inline constexpr std::uint16_t kVersion4 = 4;
inline constexpr std::uint16_t kLittleEndianMark = 0xFFFE;
inline constexpr unsigned kVersion3SectorShift = 9;   // 512-byte sectors
inline constexpr unsigned kVersion4SectorShift = 12;  // 4096-byte sectors
inline constexpr unsigned kMiniSectorShift = 6;       // 64-byte mini sectors
inline constexpr std::size_t kSectorSize = std::size_t{1} << kVersion3SectorShift;
inline constexpr std::size_t kMiniSectorSize = std::size_t{1} << kMiniSectorShift;
// Streams shorter than this live in the mini stream.
inline constexpr std::uint32_t kMiniStreamCutoff = 4096;

// Special values of a FAT entry or sector id.
inline constexpr std::uint32_t kMaxRegularSector = 0xFFFFFFFA;
inline constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
inline constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
inline constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
inline constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;

// Directory entries, 128 bytes each; fields by offset.
inline constexpr std::size_t kEntrySize = 128;
inline constexpr std::size_t kNameBytes = 64;  // UTF-16 with its terminating zero
inline constexpr std::size_t kMaxNameUnits = kNameBytes / 2 - 1;
inline constexpr std::size_t kNameLengthAt = 0x40;
inline constexpr std::size_t kTypeAt = 0x42;
inline constexpr std::size_t kColourAt = 0x43;
inline constexpr std::size_t kLeftAt = 0x44;
inline constexpr std::size_t kRightAt = 0x48;
inline constexpr std::size_t kChildAt = 0x4C;
inline constexpr std::size_t kStartSectorAt = 0x74;
inline constexpr std::size_t kStreamSizeAt = 0x78;

inline constexpr std::uint8_t kStorageType = 1;
inline constexpr std::uint8_t kStreamType = 2;
inline constexpr std::uint8_t kRootType = 5;
inline constexpr std::uint8_t kBlack = 1;

}  // namespace spreadsheet::cfb
