#pragma once
#include <optional>
#include <string>
#include <string_view>

// UTF-8 <-> UTF-16, the two ways the file formats need them.
namespace spreadsheet {

// Lenient, for text a reader must show whatever it holds (cell text, shape
// names): a malformed UTF-8 byte or an unpaired surrogate becomes U+FFFD.
std::u16string utf16Lenient(std::string_view utf8);
std::string utf8Lenient(std::u16string_view utf16);

// Strict, for names that must survive a round trip unchanged (compound file
// entries): nothing when the input is malformed.
std::optional<std::u16string> utf16Strict(std::string_view utf8);
std::optional<std::string> utf8Strict(std::u16string_view utf16);

// True when every code unit fits one byte (the BIFF compressed string form).
bool fitsLatin1(std::u16string_view s);

}  // namespace spreadsheet
