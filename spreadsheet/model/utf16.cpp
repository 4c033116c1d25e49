#include "spreadsheet/model/utf16.h"

namespace spreadsheet {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kInvalid = 0xFFFFFFFF;

// Length of the UTF-8 sequence that starts with `lead`, 0 when it cannot lead.
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// The code point at `i`, advancing `i`; kInvalid (and one byte consumed) for
// a bad lead, a truncated or broken sequence, an overlong form, a surrogate
// or a value past Unicode.
char32_t decodeUtf8(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  const std::size_t n = sequenceLength(lead);
  if (n == 0 || n > s.size() - i) {
    ++i;
    return kInvalid;
  }
  if (n == 1) {
    ++i;
    return lead;
  }
  char32_t c = lead & (0xFF >> (n + 1));
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kInvalid;
    }
    c = (c << 6) | (b & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return kInvalid;
  }
  i += n;
  return c;
}

// The code point at `i` of UTF-16, advancing `i`; kInvalid for an unpaired surrogate.
char32_t decodeUtf16(std::u16string_view s, std::size_t& i) {
  const char32_t c = s[i++];
  if (c >= 0xD800 && c <= 0xDBFF && i < s.size() && s[i] >= 0xDC00 && s[i] <= 0xDFFF)
    return 0x10000 + ((c - 0xD800) << 10) + (s[i++] - 0xDC00);
  if (c >= 0xD800 && c <= 0xDFFF) return kInvalid;
  return c;
}

void appendUtf16(std::u16string& out, char32_t c) {
  if (c >= 0x10000) {
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (c >> 10));
    out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  } else {
    out += static_cast<char16_t>(c);
  }
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::u16string utf16Lenient(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = decodeUtf8(utf8, i);
    appendUtf16(out, c == kInvalid ? kReplacement : c);
  }
  return out;
}

std::string utf8Lenient(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size();) {
    const char32_t c = decodeUtf16(utf16, i);
    appendUtf8(out, c == kInvalid ? kReplacement : c);
  }
  return out;
}

std::optional<std::u16string> utf16Strict(std::string_view utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = decodeUtf8(utf8, i);
    if (c == kInvalid) return std::nullopt;
    appendUtf16(out, c);
  }
  return out;
}

std::optional<std::string> utf8Strict(std::u16string_view utf16) {
  std::string out;
  for (std::size_t i = 0; i < utf16.size();) {
    const char32_t c = decodeUtf16(utf16, i);
    if (c == kInvalid) return std::nullopt;
    appendUtf8(out, c);
  }
  return out;
}

bool fitsLatin1(std::u16string_view s) {
  for (char16_t c : s)
    if (c > 0xFF) return false;
  return true;
}

}  // namespace spreadsheet
