#pragma once
#include <cstddef>
#include <string_view>

namespace generator {

// The code point of UTF-8 `text` at `i`, moving `i` past it. The sheet's own
// texts are well formed; a cut sequence gives what its bytes hold.
inline char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = static_cast<unsigned char>(text[i++]);
  if (byte < 0x80) return byte;
  const std::size_t extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : 1;
  char32_t code = byte & (0x3Fu >> extra);
  for (std::size_t k = 0; k < extra && i < text.size(); ++k, ++i)
    code = code << 6 | (static_cast<unsigned char>(text[i]) & 0x3Fu);
  return code;
}

}  // namespace generator
