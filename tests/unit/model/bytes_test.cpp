#include "spreadsheet/model/bytes.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "spreadsheet/model/error.h"
#include "spreadsheet/model/utf16.h"

namespace spreadsheet {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Fields read in turn from bytes written out by hand, least significant first.
TEST(Bytes, ReadsAndWritesLittleEndianFields) {
  const Bytes file = {0x7F, 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
                      0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, 0xFF, 0xFE};
  bytes::Reader in(file);
  EXPECT_EQ(in.u8(), 0x7Fu);
  EXPECT_EQ(in.u16(), 0x1234u);
  EXPECT_EQ(in.u32(), 0x12345678u);
  EXPECT_EQ(in.u64(), 0x8000000000000001u);
  EXPECT_EQ(in.f64(), 1.0);
  EXPECT_EQ(in.u16At(0), 0x347Fu);
  EXPECT_EQ(in.u32At(3), 0x12345678u);
  EXPECT_EQ(in.u16(), 0xFEFFu);
  EXPECT_TRUE(in.atEnd());

  bytes::Writer out;
  out.u8(0x7F);
  out.u16(0x1234);
  out.u32(0x12345678);
  out.u64(0x8000000000000001u);
  out.f64(1.0);
  out.u16(0xFEFF);
  EXPECT_EQ(out.data(), file);
  out.patchU32(3, 0xAABBCCDD);
  EXPECT_EQ(Bytes(out.data().begin() + 3, out.data().begin() + 7), (Bytes{0xDD, 0xCC, 0xBB, 0xAA}));
  EXPECT_THROW(out.patchU16(out.size() - 1, 0), std::out_of_range);

  Bytes header(8, 0);
  bytes::storeU16(header, 0, 0xFFFE);
  bytes::storeU32(header, 4, 0x00000200);
  EXPECT_EQ(header, (Bytes{0xFE, 0xFF, 0, 0, 0x00, 0x02, 0, 0}));
  EXPECT_THROW(bytes::storeU32(header, 5, 1), std::out_of_range);
}

// Every read past the end fails, names the absolute offset and moves nothing.
TEST(Bytes, OverrunsFailAtTheirOffset) {
  const Bytes three = {1, 2, 3};
  struct Case {
    const char* label;
    void (*read)(bytes::Reader&);
    const char* offset;
  };
  const Case cases[] = {
      {"u32 of three bytes", [](bytes::Reader& r) { r.u32(); }, "offset 100"},
      {"u16 after two",
       [](bytes::Reader& r) {
         r.skip(2);
         r.u16();
       },
       "offset 102"},
      {"take four", [](bytes::Reader& r) { r.take(4); }, "offset 100"},
      {"u16 at the last byte", [](bytes::Reader& r) { r.u16At(2); }, "offset 102"},
      {"u32 at the second byte", [](bytes::Reader& r) { r.u32At(1); }, "offset 101"},
  };
  for (const Case& c : cases) {
    bytes::Reader in(three, 100);
    try {
      c.read(in);
      ADD_FAILURE() << c.label << ": no failure";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.offset), std::string::npos)
          << c.label << ": " << e.what();
    }
  }
  bytes::Reader in(three);
  in.skip(1);
  EXPECT_THROW(in.u16At(2), Error);
  EXPECT_EQ(in.u16(), 0x0302u) << "a failed read moved the reader";
}

// One table through both conversions: the lenient one replaces what is
// malformed by U+FFFD, the strict one refuses it.
TEST(Utf16, LenientReplacesAndStrictRefuses) {
  struct Case {
    const char* label;
    std::string utf8;
    std::u16string utf16;  // the lenient result
    bool valid;
  };
  const Case cases[] = {
      {"ASCII", "Time", u"Time", true},
      {"two-byte",
       "Gr\xC3\xBC\xC3\x9F"
       "e",
       u"Gr\u00FC\u00DFe", true},
      {"three-byte", "\xE6\x97\xA5", u"\u65E5", true},
      {"four-byte: a surrogate pair", "\xF0\x9F\x98\x80", u"\xD83D\xDE00", true},
      {"a lone continuation byte",
       "a\x80"
       "b",
       u"a\uFFFDb", false},
      {"an overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD", false},
      {"a three-byte overlong", "\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD", false},
      {"an encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},
      {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
      {"cut short at the end", "ab\xE6\x97", u"ab\uFFFD\uFFFD", false},
      {"a broken sequence",
       "\xE6"
       "A",
       u"\uFFFDA", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utf16Lenient(c.utf8), c.utf16) << c.label;
    const std::optional<std::u16string> strict = utf16Strict(c.utf8);
    EXPECT_EQ(strict.has_value(), c.valid) << c.label;
    if (c.valid) {
      EXPECT_EQ(*strict, c.utf16) << c.label;
      EXPECT_EQ(utf8Strict(c.utf16), c.utf8) << c.label;
      EXPECT_EQ(utf8Lenient(c.utf16), c.utf8) << c.label;
    }
  }
  // Unpaired surrogates on the way back.
  for (const std::u16string& lone : {std::u16string(u"a\xD800"), std::u16string(u"\xDC00z")}) {
    EXPECT_FALSE(utf8Strict(lone).has_value());
    EXPECT_NE(utf8Lenient(lone).find("\xEF\xBF\xBD"), std::string::npos);
  }
  EXPECT_TRUE(fitsLatin1(u"Gr\u00FC\u00DFe"));
  EXPECT_FALSE(fitsLatin1(u"\u0100"));
}

}  // namespace
}  // namespace spreadsheet
