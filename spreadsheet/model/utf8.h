#pragma once
#include <cstddef>
#include <string_view>

namespace spreadsheet {

// The length of the well-formed UTF-8 sequence that starts at text[i] (1 for
// ASCII), setting `code` to its code point; 0 when the bytes there are no such
// sequence (a stray or cut byte, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t Utf8SequenceAt(std::string_view text, std::size_t i, char32_t& code);

// Whether the whole text is well-formed UTF-8.
bool IsWellFormedUtf8(std::string_view text);

}  // namespace spreadsheet
