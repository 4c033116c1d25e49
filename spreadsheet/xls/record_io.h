#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "spreadsheet/xls/byte_io.h"

namespace spreadsheet::xls {

inline constexpr std::uint16_t kContinue = 0x003C;
// The largest record body; longer data continues in CONTINUE records.
inline constexpr std::size_t kMaxRecordBody = 8224;
// Declared size of a record whose length depends on its content.
inline constexpr std::size_t kVariableSize = static_cast<std::size_t>(-1);

// The record output of one substream. Every record header is written here.
// In counting mode nothing is stored and only the position advances, so
// sizing and writing run the same code.
class RecordWriter {
 public:
  explicit RecordWriter(bool countOnly = false) : countOnly_(countOnly) {}

  // Writes a record built by `fill`. A fixed-size record states its size and
  // a mismatch is a programming error (std::logic_error). Bodies longer than
  // the limit are split into CONTINUE records at the limit.
  template <typename Fill>
  void record(std::uint16_t id, std::size_t declaredSize, Fill&& fill) {
    if (!countOnly_ && declaredSize <= kMaxRecordBody) {
      // A fixed-size record fits one piece: its body goes straight behind its header.
      const std::size_t start = out_.size();
      out_.u16(id);
      out_.u16(static_cast<unsigned>(declaredSize));
      try {
        fill(out_);
      } catch (...) {
        out_.data().resize(start);
        throw;
      }
      checkInPlace(id, declaredSize, start);
      return;
    }
    // A record written from inside `fill` finds the scratch buffer taken and starts empty.
    ByteWriter body = std::move(scratch_);
    body.clear();
    fill(body);
    commit(id, declaredSize, body.data());
    scratch_ = std::move(body);
  }
  // Writes exactly one record piece (header + body <= limit); used by ContinuedRecord.
  void piece(std::uint16_t id, std::span<const std::uint8_t> body);

  std::size_t position() const { return position_; }
  bool countOnly() const { return countOnly_; }
  const std::vector<std::uint8_t>& bytes() const { return out_.data(); }
  std::vector<std::uint8_t> takeBytes() { return std::move(out_.data()); }
  void patchU32(std::size_t at, std::uint32_t v);

 private:
  // Checks a filled body against its declared size and writes it in pieces.
  void commit(std::uint16_t id, std::size_t declaredSize, std::span<const std::uint8_t> body);
  // Checks a body written in place after the header at `start`; a wrong size is taken back.
  void checkInPlace(std::uint16_t id, std::size_t declaredSize, std::size_t start);

  bool countOnly_;
  std::size_t position_ = 0;
  ByteWriter out_;
  ByteWriter scratch_;  // the body being built, kept to reuse its memory
};

// A record whose data must be split at places the format allows: some parts
// must stay whole in one piece, and character runs continue in the next
// CONTINUE record behind a repeated flag byte.
class ContinuedRecord {
 public:
  ContinuedRecord(RecordWriter& out, std::uint16_t id) : out_(out), id_(id) {}
  ~ContinuedRecord() = default;
  ContinuedRecord(const ContinuedRecord&) = delete;
  ContinuedRecord& operator=(const ContinuedRecord&) = delete;

  // Starts a new piece unless `n` more bytes fit in the current one; returns the piece buffer.
  ByteWriter& reserve(std::size_t n);
  // Characters that may be split; each continuation starts with the flag byte again.
  void characters(std::u16string_view s, bool wide);
  // Stream offset of the next byte, and its offset from the start of the current piece's header.
  std::size_t streamOffset() const { return out_.position() + 4 + piece_.size(); }
  std::size_t offsetInPiece() const { return 4 + piece_.size(); }
  void finish();

 private:
  void flush();
  RecordWriter& out_;
  std::uint16_t id_;
  bool first_ = true;
  ByteWriter piece_;
};

// One record as found in a stream.
struct RawRecord {
  std::uint16_t id = 0;
  std::size_t offset = 0;  // of the header
  std::span<const std::uint8_t> body;
  ByteReader reader() const { return ByteReader(body, id, offset + 4); }
};

// Splits a stream into records; a header or length that runs past the end
// throws Error naming the offset.
std::vector<RawRecord> splitRecords(std::span<const std::uint8_t> stream);

// Walks the records of a stream, one substream after another.
class RecordCursor {
 public:
  explicit RecordCursor(const std::vector<RawRecord>& records, std::size_t start = 0)
      : records_(records), index_(start) {}
  bool atEnd() const { return index_ >= records_.size(); }
  const RawRecord& peek() const;
  const RawRecord& next();
  std::size_t index() const { return index_; }
  // The bodies of the CONTINUE records that directly follow, consumed.
  std::vector<RawRecord> continuations();
  // Moves to the record at `offset` (a substream start); Error if none starts there.
  void seekOffset(std::size_t offset, std::uint16_t requestingId, std::size_t requestingOffset);

 private:
  const std::vector<RawRecord>& records_;
  std::size_t index_;
};

}  // namespace spreadsheet::xls
