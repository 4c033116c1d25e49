#include "spreadsheet/xls/record_io.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace spreadsheet::xls {

void RecordWriter::piece(std::uint16_t id, std::span<const std::uint8_t> body) {
  if (body.size() > kMaxRecordBody) throw std::logic_error("record piece over the size limit");
  position_ += 4 + body.size();
  if (countOnly_) return;
  out_.u16(id);
  out_.u16(static_cast<unsigned>(body.size()));
  out_.bytes(body);
}

namespace {

[[noreturn]] void throwWrongSize(std::uint16_t id, std::size_t written, std::size_t declared) {
  throw std::logic_error("record " + std::to_string(id) + " wrote " + std::to_string(written) +
                         " bytes but declares " + std::to_string(declared));
}

}  // namespace

void RecordWriter::checkInPlace(std::uint16_t id, std::size_t declaredSize, std::size_t start) {
  const std::size_t written = out_.size() - start - 4;
  if (written != declaredSize) {
    out_.data().resize(start);
    throwWrongSize(id, written, declaredSize);
  }
  position_ += 4 + declaredSize;
}

void RecordWriter::commit(std::uint16_t id, std::size_t declaredSize,
                          std::span<const std::uint8_t> body) {
  if (declaredSize != kVariableSize && body.size() != declaredSize)
    throwWrongSize(id, body.size(), declaredSize);
  std::span<const std::uint8_t> rest(body);
  piece(id, rest.first(std::min(rest.size(), kMaxRecordBody)));
  rest = rest.subspan(std::min(rest.size(), kMaxRecordBody));
  while (!rest.empty()) {
    std::size_t n = std::min(rest.size(), kMaxRecordBody);
    piece(kContinue, rest.first(n));
    rest = rest.subspan(n);
  }
}

void RecordWriter::patchU32(std::size_t at, std::uint32_t v) {
  if (!countOnly_) out_.patchU32(at, v);
}

void ContinuedRecord::flush() {
  out_.piece(first_ ? id_ : kContinue, piece_.data());
  first_ = false;
  piece_ = ByteWriter();
}

ByteWriter& ContinuedRecord::reserve(std::size_t n) {
  if (piece_.size() + n > kMaxRecordBody) flush();
  return piece_;
}

void ContinuedRecord::characters(std::u16string_view s, bool wide) {
  const std::size_t width = wide ? 2 : 1;
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t room = (kMaxRecordBody - piece_.size()) / width;
    if (room == 0) {
      flush();
      piece_.u8(wide ? 1 : 0);  // the flag byte is repeated in every continuation
      continue;
    }
    std::size_t n = std::min(room, s.size() - i);
    for (std::size_t k = 0; k < n; ++k) wide ? piece_.u16(s[i + k]) : piece_.u8(s[i + k]);
    i += n;
  }
}

void ContinuedRecord::finish() {
  if (first_ || piece_.size() > 0) flush();
}

std::vector<RawRecord> splitRecords(std::span<const std::uint8_t> stream) {
  std::vector<RawRecord> records;
  std::size_t pos = 0;
  while (pos < stream.size()) {
    // Writers pad short streams with zeros after the last EOF.
    if (std::all_of(stream.begin() + static_cast<std::ptrdiff_t>(pos), stream.end(),
                    [](std::uint8_t b) { return b == 0; }))
      break;
    if (stream.size() - pos < 4) throwRecordError(0, pos, "the stream ends inside a record header");
    ByteReader header(stream.subspan(pos, 4), 0, pos);
    const std::uint16_t id = header.u16();
    const std::size_t len = header.u16();
    if (len > kMaxRecordBody) throwRecordError(id, pos, "record length over the format's limit");
    if (len > stream.size() - pos - 4)
      throwRecordError(id, pos, "record length runs past the end of the stream");
    records.push_back({id, pos, stream.subspan(pos + 4, len)});
    pos += 4 + len;
  }
  return records;
}

const RawRecord& RecordCursor::peek() const {
  if (atEnd()) {
    std::size_t end =
        records_.empty() ? 0 : records_.back().offset + 4 + records_.back().body.size();
    throwRecordError(0, end, "the stream ends before its EOF record");
  }
  return records_[index_];
}

const RawRecord& RecordCursor::next() {
  const RawRecord& r = peek();
  ++index_;
  return r;
}

std::vector<RawRecord> RecordCursor::continuations() {
  std::vector<RawRecord> parts;
  while (!atEnd() && records_[index_].id == kContinue) parts.push_back(records_[index_++]);
  return parts;
}

void RecordCursor::seekOffset(std::size_t offset, std::uint16_t requestingId,
                              std::size_t requestingOffset) {
  auto it = std::lower_bound(records_.begin(), records_.end(), offset,
                             [](const RawRecord& r, std::size_t o) { return r.offset < o; });
  if (it != records_.end() && it->offset == offset) {
    index_ = static_cast<std::size_t>(it - records_.begin());
    return;
  }
  throwRecordError(requestingId, requestingOffset, "it points at no record start");
}

}  // namespace spreadsheet::xls
