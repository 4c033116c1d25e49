// The reader of compound files, version 3 or 4: the directory's tree walked
// from the root, each stream read from its chain of sectors or mini sectors.
#include <algorithm>
#include <cstring>
#include <optional>

#include "spreadsheet/cfb/cfb_format.h"
#include "spreadsheet/cfb/compound_file.h"
#include "spreadsheet/cfb/entry_name.h"
#include "spreadsheet/cfb/sector_file.h"
#include "spreadsheet/model/bytes.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::cfb {

namespace {

using Bytes = std::vector<std::uint8_t>;

// Storages nested deeper than this are refused rather than followed.
constexpr int kMaxStorageDepth = 32;

struct Entry {
  std::string name;
  std::uint8_t type;
  std::uint32_t left, right, child, start;
  std::uint64_t size;
};

class CompoundReader {
 public:
  explicit CompoundReader(std::span<const std::uint8_t> bytes)
      : fileSize_(bytes.size()), file_(bytes), directory_(file_.readChain(file_.directoryStart())) {
    entryCount_ = directory_.size() / kEntrySize;
    if (entryCount_ == 0) malformed("its directory is empty");
    visited_.assign(entryCount_, false);
  }

  StreamMap read() {
    const Entry root = entry(0);
    if (root.type != kRootType && root.type != kStorageType)
      malformed("its directory has no root entry");
    rootStart_ = root.start;
    rootSize_ = root.size;
    visited_[0] = true;
    walk(root.child, "", 0);
    return std::move(streams_);
  }

 private:
  // The siblings of one storage are a tree through left and right, walked
  // with a list of entries still to visit instead of recursion.
  void walk(std::uint32_t first, const std::string& prefix, int depth) {
    std::vector<std::uint32_t> pending{first};
    while (!pending.empty()) {
      const std::uint32_t index = pending.back();
      pending.pop_back();
      if (index == kNoEntry) continue;
      if (index >= entryCount_) malformed("a directory entry index is out of range");
      if (visited_[index]) malformed("its directory loops");
      visited_[index] = true;
      const Entry e = entry(index);
      pending.push_back(e.left);
      pending.push_back(e.right);
      const std::string path = prefix + e.name;
      if (e.type == kStorageType) {
        if (depth + 1 > kMaxStorageDepth)
          throw Error("The compound file nests its storages too deeply.");
        walk(e.child, path + "/", depth + 1);
      } else if (e.type == kStreamType) {
        addStream(path, e);
      } else {
        malformed("a directory entry is neither a storage nor a stream");
      }
    }
  }

  void addStream(const std::string& path, const Entry& e) {
    if (e.size > fileSize_) throw Error("The stream \"" + path + "\" is larger than the file.");
    Bytes data;
    if (e.size >= file_.miniCutoff())
      data = file_.readChain(e.start, e.size, path);
    else if (e.size > 0)
      data = readShort(e.start, e.size, path);
    if (!streams_.emplace(path, std::move(data)).second)
      malformed("two entries are named \"" + path + "\"");
  }

  // A short stream: mini sectors of the mini stream, chained by the mini FAT.
  Bytes readShort(std::uint32_t start, std::uint64_t size, const std::string& path) {
    if (!miniStream_) {
      if (rootSize_ > fileSize_) malformed("its mini stream is larger than the file");
      miniStream_ = file_.readChain(rootStart_, rootSize_, "Root Entry");
      miniFat_ = tableEntries(file_.readChain(file_.miniFatStart()));
      miniClaimed_.assign(miniFat_.size(), false);
    }
    const std::size_t unit = std::size_t{1} << file_.miniSectorShift();
    Bytes out(size);
    std::uint32_t at = start;
    for (std::uint64_t done = 0; done < size; done += unit, at = miniFat_[at]) {
      if (at == kEndOfChain) malformed("the chain of \"" + path + "\" is shorter than its size");
      if (at >= miniFat_.size()) malformed("a mini sector index is out of range");
      if (miniClaimed_[at]) malformed("a chain of mini sectors loops or crosses another");
      miniClaimed_[at] = true;
      const std::size_t part = static_cast<std::size_t>(std::min<std::uint64_t>(unit, size - done));
      const std::uint64_t offset = std::uint64_t{at} * unit;
      if (offset + part > miniStream_->size())
        malformed("the stream \"" + path + "\" lies past the end of the mini stream");
      std::memcpy(out.data() + done, miniStream_->data() + offset, part);
    }
    return out;
  }

  Entry entry(std::uint32_t index) const {
    const std::span<const std::uint8_t> directory(directory_);
    const bytes::Reader e(directory.subspan(std::size_t{index} * kEntrySize, kEntrySize));
    Entry out{name(e),
              e.data()[kTypeAt],
              e.u32At(kLeftAt),
              e.u32At(kRightAt),
              e.u32At(kChildAt),
              e.u32At(kStartSectorAt),
              e.u32At(kStreamSizeAt)};
    // Version 3 files may leave anything in the size's high half.
    if (file_.sectorShift() == kVersion4SectorShift)
      out.size |= std::uint64_t{e.u32At(kStreamSizeAt + 4)} << 32;
    return out;
  }

  // Up to the first zero unit; a stream path holds no "/" inside a name.
  static std::string name(const bytes::Reader& e) {
    if (e.data()[kTypeAt] == kRootType) return {};
    const std::size_t length = std::min<std::size_t>(e.u16At(kNameLengthAt), kNameBytes);
    std::optional<std::string> text = narrowName(e.data().data(), length);
    if (!text) {
      std::u16string units;
      for (std::size_t i = 0; i + 1 < length / 2 && e.u16At(2 * i) != 0; ++i)
        units.push_back(e.u16At(2 * i));
      text = utf8Name(units);
    }
    if (!text || text->empty() || text->find('/') != std::string::npos)
      malformed("a directory entry's name is not valid");
    return *text;
  }

  // A few writers store a name as 8-bit text, its length counting its bytes
  // and the terminating zero; taken as such when it is UTF-8 and the length
  // says so, as other readers do.
  static std::optional<std::string> narrowName(const std::uint8_t* e, std::size_t bytes) {
    const auto* end = std::find(e, e + kNameBytes, 0);
    const std::string text(e, end);
    if (end == e + kNameBytes || text.size() + 1 != bytes || !utf16Name(text)) return std::nullopt;
    return text;
  }

  std::uint64_t fileSize_;
  SectorFile file_;
  Bytes directory_;
  std::size_t entryCount_ = 0;
  std::vector<bool> visited_;
  std::uint32_t rootStart_ = kEndOfChain;
  std::uint64_t rootSize_ = 0;
  std::optional<Bytes> miniStream_;
  std::vector<std::uint32_t> miniFat_;
  std::vector<bool> miniClaimed_;
  StreamMap streams_;
};

}  // namespace

StreamMap readCompoundFile(std::span<const std::uint8_t> bytes) {
  return CompoundReader(bytes).read();
}

}  // namespace spreadsheet::cfb
