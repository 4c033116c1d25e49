#include "spreadsheet/model/bytes.h"

#include <stdexcept>
#include <string>

#include "spreadsheet/model/error.h"

namespace spreadsheet::bytes {

void throwMalformed(std::uint32_t, std::size_t offset, std::string_view what) {
  throw Error("Malformed data at offset " + std::to_string(offset) + ": " + std::string(what));
}

void Reader::failAt(std::size_t at, std::string_view what) const {
  failure_(label_, base_ + at, what);
  throwMalformed(label_, base_ + at, what);  // a failure that returned is still a failure
}

void Writer::patchU16(std::size_t at, unsigned v) {
  storeU16(bytes_, at, static_cast<std::uint16_t>(v));
}

void Writer::patchU32(std::size_t at, std::uint32_t v) {
  storeU32(bytes_, at, v);
}

namespace {

void store(std::span<std::uint8_t> out, std::size_t at, std::uint32_t v, std::size_t n) {
  if (at > out.size() || n > out.size() - at)
    throw std::out_of_range("a field stored past the end of its buffer");
  for (std::size_t i = 0; i < n; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

void storeU16(std::span<std::uint8_t> out, std::size_t at, std::uint16_t v) {
  store(out, at, v, 2);
}

void storeU32(std::span<std::uint8_t> out, std::size_t at, std::uint32_t v) {
  store(out, at, v, 4);
}

}  // namespace spreadsheet::bytes
