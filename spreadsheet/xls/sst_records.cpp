#include "spreadsheet/xls/sst_records.h"

#include <algorithm>

#include "spreadsheet/model/error.h"

namespace spreadsheet::xls {

namespace {

struct Bucket {
  std::uint32_t streamOffset;
  std::uint16_t offsetInRecord;
};

void writeExtSst(RecordWriter& out, unsigned perBucket, const std::vector<Bucket>& buckets) {
  out.record(kExtSst, 2 + 8 * buckets.size(), [&](ByteWriter& b) {
    b.u16(perBucket);
    for (const Bucket& k : buckets) {
      b.u32(k.streamOffset);
      b.u16(k.offsetInRecord);
      b.u16(0);
    }
  });
}

// Reads across the SST's pieces. Characters that run over a piece boundary
// continue after a fresh flag byte; other data simply continues.
class PieceReader {
 public:
  PieceReader(const RawRecord& first, const std::vector<RawRecord>& rest) {
    pieces_.push_back(first);
    pieces_.insert(pieces_.end(), rest.begin(), rest.end());
  }

  std::uint8_t u8() {
    if (!nextPieceIfEmpty()) fail("the string table ends early");
    return pieces_[piece_].body[pos_++];
  }
  // Numbers may straddle two pieces: their bytes are gathered first.
  std::uint16_t u16() {
    const std::uint8_t b[2] = {u8(), u8()};
    return bytes::Reader(b).u16();
  }
  std::uint32_t u32() {
    const std::uint8_t b[4] = {u8(), u8(), u8(), u8()};
    return bytes::Reader(b).u32();
  }
  void skip(std::size_t n) {
    for (; n > 0; --n) u8();
  }

  std::u16string characters(std::size_t count, bool wide) {
    std::u16string s;
    s.reserve(std::min<std::size_t>(count, 8224));
    while (s.size() < count) {
      if (pos_ == pieces_[piece_].body.size()) {
        if (!nextPieceIfEmpty()) fail("the string table ends inside a string");
        std::uint8_t flag = u8();
        if (flag & 0xFE) fail("a continued string has an unsupported flag byte");
        wide = flag & 1;
      }
      if (wide) {
        s += static_cast<char16_t>(u16());
      } else {
        s += static_cast<char16_t>(u8());
      }
    }
    return s;
  }

  [[noreturn]] void fail(std::string_view what) const {
    const RawRecord& r = pieces_[std::min(piece_, pieces_.size() - 1)];
    throwRecordError(r.id, r.offset + 4 + pos_, what);
  }

 private:
  // Moves to the next non-empty piece when the current one is used up.
  bool nextPieceIfEmpty() {
    while (pos_ == pieces_[piece_].body.size()) {
      if (piece_ + 1 >= pieces_.size()) return false;
      ++piece_;
      pos_ = 0;
    }
    return true;
  }

  std::vector<RawRecord> pieces_;
  std::size_t piece_ = 0;
  std::size_t pos_ = 0;
};

}  // namespace

void writeSst(RecordWriter& out, const std::vector<std::string>& strings,
              std::uint32_t references) {
  const unsigned perBucket =
      std::max<unsigned>(8, static_cast<unsigned>((strings.size() + 127) / 128));
  std::vector<Bucket> buckets;
  ContinuedRecord sst(out, kSst);
  ByteWriter& head = sst.reserve(8);
  head.u32(references);
  head.u32(static_cast<std::uint32_t>(strings.size()));
  for (std::size_t i = 0; i < strings.size(); ++i) {
    std::u16string s = utf16Lenient(strings[i]);
    if (s.size() > 32767) throw Error("A cell's text is longer than 32,767 characters.");
    bool wide = !fitsLatin1(s);
    // The count and flag byte stay together with at least the first character.
    ByteWriter& piece = sst.reserve(3 + (s.empty() ? 0 : wide ? 2 : 1));
    if (i % perBucket == 0)
      buckets.push_back({static_cast<std::uint32_t>(sst.streamOffset()),
                         static_cast<std::uint16_t>(sst.offsetInPiece())});
    piece.u16(static_cast<unsigned>(s.size()));
    piece.u8(wide ? 1 : 0);
    sst.characters(s, wide);
  }
  sst.finish();
  writeExtSst(out, perBucket, buckets);
}

std::vector<std::string> readSst(const RawRecord& sst,
                                 const std::vector<RawRecord>& continuations) {
  PieceReader in(sst, continuations);
  in.u32();
  std::uint32_t count = in.u32();
  std::vector<std::string> strings;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::size_t length = in.u16();
    std::uint8_t flags = in.u8();
    std::size_t runs = (flags & 0x08) ? in.u16() : 0;
    std::size_t phonetic = (flags & 0x04) ? in.u32() : 0;
    strings.push_back(utf8Lenient(in.characters(length, flags & 0x01)));
    in.skip(runs * 4);
    in.skip(phonetic);
  }
  return strings;
}

}  // namespace spreadsheet::xls
