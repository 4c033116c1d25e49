#pragma once
#include <optional>
#include <string>
#include <string_view>

// Names of directory entries: UTF-16 in the file, UTF-8 in stream paths.
namespace spreadsheet::cfb {

// The UTF-16 form of a UTF-8 name; nothing when the text is not valid UTF-8
// or holds a zero character.
std::optional<std::u16string> utf16Name(std::string_view utf8);

// The UTF-8 form of a UTF-16 name; nothing when a surrogate is unpaired.
std::optional<std::string> utf8Name(std::u16string_view utf16);

// The order of sibling entries: the shorter name first, then unit by unit
// after simple upper-casing of each unit. Negative, zero or positive.
int compareEntryNames(std::u16string_view a, std::u16string_view b);

}  // namespace spreadsheet::cfb
