// Every text a generated sheet carries shows whole in every sheet language:
// each text cell read back from the saved workbook, measured with the
// picture's own fonts against the cell's (merged) box in the picture's grid.
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "generator/generate_workbook.h"
#include "spreadsheet/picture/picture_grid.h"
#include "spreadsheet/picture/style_cache.h"
#include "spreadsheet/picture/text_painter.h"
#include "spreadsheet/xls/workbook_file.h"
#include "tests/gui/picture/picture_fixture.h"

namespace picture_test {
namespace {

// The sheets to measure: every day (the widest header), many shifts (the
// longest start labels, "20 Start"), one day with two weeks.
struct Shape {
  const char* days;  // Sunday first, 'x' on
  int weeks;
  int shifts;
};
constexpr Shape kShapes[] = {{"xxxxxxx", 1, 20}, {"x......", 2, 1}};

generator::LayoutChoices choicesOf(const Shape& shape, generator::SheetLanguage language) {
  generator::LayoutChoices choices = generator::DefaultLayoutChoices();
  for (std::size_t d = 0; d < 7; ++d) choices.days[d] = shape.days[d] == 'x';
  choices.weekIndex = shape.weeks - 1;
  choices.shiftIndex = shape.shifts - 1;
  choices.sheet.language = language;
  return choices;
}

CellRange areaOf(const Worksheet& sheet, CellAddress at) {
  for (const CellRange& area : sheet.mergedAreas())
    if (area.contains(at)) return area;
  return CellRange::of(at);
}

// What of one text does not show whole: a line or a word too wide, too many lines.
std::vector<std::string> cutParts(const QString& text, const picture::FontEntry& font,
                                  const QRectF& box, bool wrap) {
  std::vector<std::string> cut;
  QStringList lines = text.split('\n');
  if (wrap) {
    // A word wider than the box would be broken inside.
    for (const QString& word : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
      if (font.advance(word) > box.width())
        cut.push_back("word '" + word.toStdString() + "' " + std::to_string(font.advance(word)));
    lines = picture::wrapLines(text, font, box.width() / font.scale);
  }
  for (const QString& line : lines)
    if (font.advance(line) > box.width())
      cut.push_back("'" + line.toStdString() + "' " + std::to_string(font.advance(line)));
  // One line may reach past a short row, as the company name's does.
  if (lines.size() > 1 && lines.size() * font.height() > box.height())
    cut.push_back(std::to_string(lines.size()) + " lines of " + std::to_string(font.height()));
  return cut;
}

TEST(SheetTextFit, EveryTextShowsWholeInEveryLanguage) {
  QTemporaryDir dir;
  QImage device(1, 1, QImage::Format_RGB32);
  device.setDotsPerMeterX(picture::kDotsPerMeter96Dpi);
  device.setDotsPerMeterY(picture::kDotsPerMeter96Dpi);
  for (const generator::SheetLanguage language : generator::kSheetLanguages) {
    for (const Shape& shape : kShapes) {
      const std::string word(generator::SheetTextsOf(language).word);
      SCOPED_TRACE(word + " " + shape.days + " shifts " + std::to_string(shape.shifts));
      const std::string path = dir.filePath(QString::fromStdString(word) + ".xls").toStdString();
      generator::GenerateWorkbook(choicesOf(shape, language), path);
      const auto book = xls::openWorkbook(path);
      const Worksheet& sheet = book->sheet(0);
      picture::StyleCache cache(*book, &device);
      const picture::PictureGrid grid(sheet, CellRange::of(1, 1, 80, 80));
      int texts = 0;
      for (const auto& [at, cell] : sheet.cells()) {
        if (!cell.value.isText() || cell.formula || cell.value.toText().empty() || at.row > 80)
          continue;
        ++texts;
        const CellRange area = areaOf(sheet, at);
        const picture::ResolvedStyle& style = cache.style(cell.style);
        const QString text = QString::fromStdString(cell.value.toText());
        const QRectF box = picture::textBox(grid.rect(area));
        for (const std::string& part : cutParts(text, *style.font, box, style.style->wrapText))
          ADD_FAILURE() << toA1(at) << " " << part << " in " << box.width() << " x "
                        << box.height();
      }
      EXPECT_GT(texts, 25);
    }
  }
}

}  // namespace
}  // namespace picture_test
