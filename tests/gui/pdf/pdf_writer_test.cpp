// The pieces of our PDF writer, read back by hand: numbers and strings as the
// content stream spells them, the object table, and font subsets checked
// against the font file on disk.
#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QRawFont>
#include <QRegularExpression>
#include <QtEndian>
#include <cstdint>
#include <map>
#include <set>

#include "spreadsheet/model/error.h"
#include "spreadsheet/pdf/pdf_file.h"
#include "spreadsheet/pdf/truetype_font.h"
#include "spreadsheet/picture/pdf_canvas.h"

namespace pdf_test {
namespace {

using namespace spreadsheet;

TEST(PdfNumbers, AreShortAndRoundedAsAReaderExpects) {
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {12.5, 3, "12.5"},
      {-3, 3, "-3"},
      {0.25, 3, "0.25"},
      {1.0 / 3, 3, "0.333"},
      {2.0 / 3, 3, "0.667"},
      {0.0004, 3, "0"},
      {-0.0004, 3, "0"},
      {-0.0006, 3, "-0.001"},
      {1234567, 0, "1234567"},
      {0.257658461, 6, "0.257658"},
      {99.9996, 3, "100"},
      {0.5, 0, "1"},
      {-12.75, 2, "-12.75"},
      {595, 6, "595"},
      {0.0, 3, "0"},
      {-0.0, 3, "0"},
      {2.5, 0, "3"},
      {-2.5, 0, "-3"},
      {0.0625, 3, "0.063"},
      {-0.0625, 3, "-0.063"},
      {0.001, 3, "0.001"},
      {-0.05, 3, "-0.05"},
      {1e12, 3, "1000000000000"},
      {-987654.321, 3, "-987654.321"},
      {7.25, 9, "7.25"},
      {3.75, -1, "4"},
  };
  for (const auto& c : cases) {
    std::string out = "x ";
    pdf::appendNumber(out, c.value, c.decimals);
    EXPECT_EQ(out, std::string("x ") + c.text) << c.value << " to " << c.decimals;
  }
  std::string integers;
  for (long long v : {0LL, -7LL, 3404LL, -2147483648LL}) {
    pdf::appendInteger(integers, v);
    integers += ' ';
  }
  EXPECT_EQ(integers, "0 -7 3404 -2147483648 ");
}

TEST(PdfTextStrings, AsciiIsLiteralWithEscapesOtherTextIsUtf16) {
  EXPECT_EQ(pdf::pdfTextString("TimeSheet"), "(TimeSheet)");
  EXPECT_EQ(pdf::pdfTextString("a(b)\\c"), "(a\\(b\\)\\\\c)");
  EXPECT_EQ(pdf::pdfTextString(QString::fromUtf8("Zeit \xE2\x82\xAC")),
            "<FEFF"
            "005A"
            "0065"
            "0069"
            "0074"
            "0020"
            "20AC"
            ">");
  EXPECT_EQ(pdf::pdfTextString("tab\there"),
            "<FEFF"
            "0074"
            "0061"
            "0062"
            "0009"
            "0068"
            "0065"
            "0072"
            "0065"
            ">");
  EXPECT_EQ(pdf::pdfTextString(""), "()");
}

// Offsets of the cross-reference table, read from the file's end.
std::map<int, qsizetype> crossReferences(const QByteArray& pdf) {
  std::map<int, qsizetype> offsets;
  const qsizetype start = pdf.lastIndexOf("startxref\n");
  const qsizetype xref = pdf.mid(start + 10).split('\n').front().toLongLong();
  const QList<QByteArray> lines = pdf.mid(xref).split('\n');
  EXPECT_EQ(lines[0], "xref");
  const int count = lines[1].split(' ')[1].toInt();
  for (int i = 1; i < count; ++i) {
    const QByteArray& entry = lines[static_cast<qsizetype>(2 + i)];
    EXPECT_EQ(entry.size(), 19) << "each entry takes 20 bytes with its line end";
    offsets[i] = entry.left(10).toLongLong();
  }
  return offsets;
}

TEST(PdfFileTable, PointsAtEachObjectWhateverTheOrderOfWriting) {
  pdf::PdfFile file;
  const int catalog = file.reserve(), pages = file.reserve(), info = file.reserve(),
            data = file.reserve();
  // Written in another order than reserved, as a page writes its fonts last.
  file.putStream(data, "/Kind /Test", "q 1 0 0 1 0 0 cm Q\nq 1 0 0 1 0 0 cm Q\n");
  file.put(info, "<< /Creator (t) >>");
  file.put(pages, "<< /Type /Pages /Kids [] /Count 0 >>");
  file.put(catalog, "<< /Type /Catalog /Pages 2 0 R >>");
  const QByteArray pdf = file.finish(catalog, info);

  EXPECT_TRUE(pdf.startsWith("%PDF-1.4\n"));
  EXPECT_TRUE(pdf.endsWith("%%EOF\n"));
  const auto offsets = crossReferences(pdf);
  ASSERT_EQ(offsets.size(), 4u);
  for (const auto& [id, offset] : offsets)
    EXPECT_TRUE(pdf.mid(offset).startsWith(QByteArray::number(id) + " 0 obj\n")) << id;
  EXPECT_TRUE(pdf.contains("/Root 1 0 R /Info 3 0 R"));

  // The stream's length is its compressed size, and it inflates to the data.
  const qsizetype dict = offsets.at(data);
  const QRegularExpression length("/Length (\\d+) /Filter /FlateDecode /Kind /Test >>\nstream\n");
  const auto match = length.match(QString::fromLatin1(pdf.mid(dict, 200)));
  ASSERT_TRUE(match.hasMatch());
  const qsizetype size = match.captured(1).toLongLong();
  const qsizetype body = dict + pdf.mid(dict).indexOf("stream\n") + 7;
  EXPECT_EQ(pdf.mid(body + size, 10), "\nendstream");
  QByteArray sized(4, '\0');
  qToBigEndian<quint32>(1000, sized.data());
  EXPECT_EQ(qUncompress(sized + pdf.mid(body, size)),
            QByteArray("q 1 0 0 1 0 0 cm Q\nq 1 0 0 1 0 0 cm Q\n"));
}

TEST(PdfFileTable, RefusesAFileWithAPartMissingOrWrittenTwice) {
  pdf::PdfFile missing;
  const int a = missing.reserve(), b = missing.reserve();
  missing.put(a, "<< >>");
  EXPECT_THROW(missing.finish(a, b), Error);

  pdf::PdfFile twice;
  const int c = twice.reserve();
  twice.put(c, "<< >>");
  EXPECT_THROW(twice.put(c, "<< >>"), Error);
  EXPECT_THROW(twice.put(c + 1, "<< >>"), Error);  // never reserved
}

// A TrueType file read with nothing but the format's rules.
class SfntReader {
 public:
  explicit SfntReader(QByteArray data) : data_(std::move(data)) {}
  std::uint32_t u16(qsizetype at) const { return qFromBigEndian<quint16>(data_.constData() + at); }
  std::uint32_t u32(qsizetype at) const { return qFromBigEndian<quint32>(data_.constData() + at); }
  QByteArray table(const char* tag) const {
    for (std::uint32_t i = 0; i < u16(4); ++i)
      if (data_.mid(12 + 16 * i, 4) == tag)
        return data_.mid(u32(12 + 16 * i + 8), u32(12 + 16 * i + 12));
    return {};
  }
  QStringList tags() const {
    QStringList out;
    for (std::uint32_t i = 0; i < u16(4); ++i)
      out << QString::fromLatin1(data_.mid(12 + 16 * i, 4));
    return out;
  }
  int glyphCount() const { return static_cast<int>(SfntReader(table("maxp")).u16(4)); }
  QByteArray glyph(int g) const {
    const SfntReader head(table("head")), loca(table("loca"));
    const bool longOffsets = head.u16(50) != 0;
    const auto at = [&](int i) -> qsizetype {
      return longOffsets ? loca.u32(i * 4) : loca.u16(i * 2) * 2;
    };
    return table("glyf").mid(at(g), at(g + 1) - at(g));
  }
  const QByteArray& data() const { return data_; }

 private:
  QByteArray data_;
};

std::uint32_t sumOfWords(const QByteArray& bytes) {
  QByteArray padded = bytes;
  while (padded.size() % 4) padded.append('\0');
  std::uint32_t sum = 0;
  for (qsizetype i = 0; i < padded.size(); i += 4)
    sum += qFromBigEndian<quint32>(padded.constData() + i);
  return sum;
}

class TrueTypeSubset : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile file("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");
    if (!file.open(QIODevice::ReadOnly)) GTEST_SKIP() << "fonts-liberation2 is needed";
    original = std::make_unique<SfntReader>(file.readAll());
    raw = QRawFont(original->data(), 20);
    ASSERT_TRUE(raw.isValid());
  }
  std::set<std::uint32_t> glyphsOf(const QString& text) const {
    std::set<std::uint32_t> out;
    for (quint32 g : raw.glyphIndexesForString(text)) out.insert(g);
    return out;
  }
  std::unique_ptr<SfntReader> original;
  QRawFont raw;
};

TEST_F(TrueTypeSubset, KeepsTheShownOutlinesByTheirNumbersAndEmptiesTheRest) {
  const pdf::TrueTypeFont font(picture::fontTablesOf(raw));
  EXPECT_EQ(font.unitsPerEm(), 2048);
  EXPECT_EQ(font.postScriptName, "LiberationSans");
  EXPECT_EQ(font.advance(raw.glyphIndexesForString("0").front()), 1139);  // digits: 556/1000 em

  const std::set<std::uint32_t> shown = glyphsOf("Total 8:30");
  const SfntReader subset(font.subset(shown));
  EXPECT_EQ(subset.tags(),
            (QStringList{"cvt ", "fpgm", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "prep"}));
  EXPECT_EQ(subset.glyphCount(), static_cast<int>(*shown.rbegin()) + 1);
  for (int g = 0; g < subset.glyphCount(); ++g) {
    const bool kept = g == 0 || shown.count(static_cast<std::uint32_t>(g));
    QByteArray expected = kept ? original->glyph(g) : QByteArray();
    QByteArray got = subset.glyph(g);
    // Outlines are padded to four bytes in the subset.
    got.truncate(expected.size());
    EXPECT_EQ(got, expected) << "glyph " << g;
    if (!kept) {
      EXPECT_TRUE(subset.glyph(g).isEmpty()) << "glyph " << g;
    }
  }
  // Advance widths stay as the font has them.
  const SfntReader hmtx(subset.table("hmtx"));
  for (std::uint32_t g : shown)
    EXPECT_EQ(hmtx.u16(g * 4), static_cast<std::uint32_t>(font.advance(g)));
}

TEST_F(TrueTypeSubset, ChecksumsAreThoseTheFormatAsksFor) {
  const SfntReader subset(pdf::TrueTypeFont(picture::fontTablesOf(raw)).subset(glyphsOf("Monday")));
  const QByteArray& bytes = subset.data();
  // Every table's checksum in the directory; the whole file sums to the magic number.
  for (std::uint32_t i = 0; i < subset.u16(4); ++i) {
    const qsizetype record = 12 + 16 * i;
    QByteArray table = bytes.mid(subset.u32(record + 8), subset.u32(record + 12));
    if (bytes.mid(record, 4) == "head") table.replace(8, 4, QByteArray(4, '\0'));
    EXPECT_EQ(subset.u32(record + 4), sumOfWords(table)) << bytes.mid(record, 4).toStdString();
    EXPECT_EQ(subset.u32(record + 8) % 4, 0u) << "tables start on four-byte boundaries";
  }
  EXPECT_EQ(sumOfWords(bytes), 0xB1B0AFBAu);
  // The subset opens as a font and draws the same glyphs.
  const QRawFont reopened(bytes, 20);
  ASSERT_TRUE(reopened.isValid());
  const quint32 m = raw.glyphIndexesForString("M").front();
  EXPECT_EQ(reopened.pathForGlyph(m), raw.pathForGlyph(m));
}

TEST_F(TrueTypeSubset, BringsThePartsOfCompositeGlyphs) {
  // Accented letters are made of a base letter and an accent.
  const std::set<std::uint32_t> shown = glyphsOf(QString::fromUtf8("\xC3\xA9"));  // é
  const int accented = static_cast<int>(*shown.begin());
  const SfntReader composite(original->glyph(accented));
  ASSERT_LT(static_cast<std::int16_t>(composite.u16(0)), 0)
      << "é is expected to be a composite glyph in Liberation Sans";
  const SfntReader subset(pdf::TrueTypeFont(picture::fontTablesOf(raw)).subset(shown));
  // The first part's glyph number follows the composite's header and flags.
  const int firstPart = static_cast<int>(composite.u16(12));
  EXPECT_FALSE(subset.glyph(firstPart).isEmpty()) << "part " << firstPart;
  EXPECT_EQ(subset.glyph(firstPart).left(original->glyph(firstPart).size()),
            original->glyph(firstPart));
  EXPECT_EQ(subset.glyph(accented).left(composite.data().size()), composite.data());
}

TEST(TrueTypeFontTables, AFontWithoutOutlinesOfItsKindIsRefused) {
  // An empty raw font has no tables at all.
  EXPECT_THROW(pdf::TrueTypeFont{picture::fontTablesOf(QRawFont())}, Error);
}

}  // namespace
}  // namespace pdf_test
