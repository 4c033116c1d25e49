#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/model/bytes.h"
#include "spreadsheet/model/utf16.h"

namespace spreadsheet::xls {

// "Malformed record 0x00FC at offset 1234: text" — the one wording of every read failure.
[[noreturn]] void throwRecordError(std::uint32_t id, std::size_t offset, std::string_view what);

// Record bodies are built with the engine's one little-endian writer.
using ByteWriter = bytes::Writer;

// The bounds-checked reader over one record body (or any span of a stream):
// every overrun throws spreadsheet::Error naming the record id and the
// absolute stream offset where reading went wrong.
class ByteReader : public bytes::Reader {
 public:
  ByteReader(std::span<const std::uint8_t> data, std::uint16_t recordId, std::size_t streamOffset)
      : Reader(data, streamOffset, &throwRecordError, recordId) {}
  std::uint16_t recordId() const { return static_cast<std::uint16_t>(label()); }
  // Throws unless the whole body was consumed.
  void expectEnd() const;
};

// The file's string forms: characters preceded by a flag byte (0 = one byte
// per character, 1 = UTF-16). The count prefix differs per form.
void writeStringBody(ByteWriter& out, std::u16string_view s);   // flag + characters
void writeShortString(ByteWriter& out, std::string_view utf8);  // 8-bit count
// The same; false, writing nothing, for text over 255 characters.
bool writeShortStringWithin(ByteWriter& out, std::string_view utf8);
void writeLongString(ByteWriter& out, std::string_view utf8);        // 16-bit count
std::string readStringBody(ByteReader& in, std::size_t characters);  // flag + characters
std::string readShortString(ByteReader& in);
std::string readLongString(ByteReader& in);

}  // namespace spreadsheet::xls
