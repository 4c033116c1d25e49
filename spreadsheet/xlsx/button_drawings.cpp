#include "spreadsheet/xlsx/button_drawings.h"

#include <zip.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "spreadsheet/model/error.h"
#include "spreadsheet/model/units.h"

namespace spreadsheet::xlsx {

namespace {

[[noreturn]] void failed(const std::string& what) {
  throw Error("Cannot write the workbook: " + what + ".");
}

std::string pointsText(double points) {
  std::ostringstream out;
  out << std::round(points * 100) / 100;
  return out.str();
}

// Replaces the text from `start` up to the next `end` at each of the
// drawing's shapes in turn; false when there are fewer than `count`.
template <typename Replacement>
bool replaceEach(std::string& vml, const std::string& start, const std::string& end,
                 std::size_t count, Replacement replacement) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < count; ++i) {
    at = vml.find(start, at);
    if (at == std::string::npos) return false;
    const std::size_t stop = vml.find(end, at + start.size());
    if (stop == std::string::npos) return false;
    const std::string text = replacement(i);
    vml.replace(at, stop - at, text);
    at += text.size();
  }
  return vml.find(start, at) == std::string::npos;
}

std::string finishDrawing(std::string vml, const Worksheet& sheet) {
  const auto& buttons = sheet.buttons();
  const bool placed = replaceEach(
      vml, "style=\"position:absolute;margin-left:", ";z-index:", buttons.size(),
      [&](std::size_t i) {
        const PixelBox box = ButtonPixels(buttons[i]);
        return "style=\"position:absolute;margin-left:" + pointsText(PixelsToPoints(box.left)) +
               "pt;margin-top:" + pointsText(PixelsToPoints(box.top)) +
               "pt;width:" + pointsText(PixelsToPoints(box.width)) +
               "pt;height:" + pointsText(PixelsToPoints(box.height)) + "pt";
      });
  // VML font sizes are in twentieths of a point.
  const bool fonts =
      replaceEach(vml, "<font face=\"", " color=\"", buttons.size(), [&](std::size_t i) {
        FontRun font;
        if (!buttons[i].runs.empty()) font = buttons[i].runs.front();
        return "<font face=\"" + font.fontName + "\" size=\"" +
               std::to_string(PointsToTwips(font.size)) + "\"";
      });
  if (!placed || !fonts)
    failed("the button drawing of sheet \"" + sheet.name() + "\" is not as expected");
  return vml;
}

struct SourceFree {
  void operator()(zip_source_t* s) const { zip_source_free(s); }
};

std::string readEntry(zip_t* archive, zip_uint64_t index, zip_uint64_t size) {
  std::string text(size, '\0');
  zip_file_t* file = zip_fopen_index(archive, index, 0);
  const zip_int64_t read = file ? zip_fread(file, text.data(), size) : -1;
  if (file) zip_fclose(file);
  if (read < 0 || static_cast<zip_uint64_t>(read) != size) failed("cannot read the button drawing");
  return text;
}

}  // namespace

std::vector<std::uint8_t> finishButtonDrawings(const std::vector<std::uint8_t>& package,
                                               const Workbook& book) {
  zip_error_t error;
  zip_error_init(&error);
  // The rewrite frees the data it started from, so it gets a malloc'd copy of its own.
  void* copy = std::malloc(package.size());
  if (!copy) failed("out of memory");
  std::memcpy(copy, package.data(), package.size());
  std::unique_ptr<zip_source_t, SourceFree> buffer(
      zip_source_buffer_create(copy, package.size(), 1, &error));
  if (!buffer) std::free(copy);
  zip_t* archive = buffer ? zip_open_from_source(buffer.get(), 0, &error) : nullptr;
  if (!archive) failed("cannot reopen the package");
  zip_source_keep(buffer.get());
  std::vector<std::string> drawings;  // alive until the archive is closed
  drawings.reserve(book.sheetCount());
  int number = 0;
  for (std::size_t s = 0; s < book.sheetCount(); ++s) {
    const Worksheet& sheet = book.sheet(s);
    if (sheet.buttons().empty()) continue;
    // The library numbers the drawings of the sheets that have one, in order.
    const std::string name = "xl/drawings/vmlDrawing" + std::to_string(++number) + ".vml";
    zip_stat_t st;
    const zip_int64_t index = zip_name_locate(archive, name.c_str(), 0);
    if (index < 0 || zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &st) != 0) {
      zip_discard(archive);
      failed("the package has no " + name);
    }
    try {
      drawings.push_back(finishDrawing(readEntry(archive, st.index, st.size), sheet));
    } catch (...) {
      zip_discard(archive);
      throw;
    }
    zip_source_t* data =
        zip_source_buffer(archive, drawings.back().data(), drawings.back().size(), 0);
    if (!data || zip_file_replace(archive, st.index, data, 0) != 0 ||
        zip_file_set_mtime(archive, st.index, st.mtime, 0) != 0) {
      if (data) zip_source_free(data);
      zip_discard(archive);
      failed("cannot replace " + name);
    }
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    failed("cannot finish the package");
  }
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_source_stat(buffer.get(), &st) != 0 || zip_source_open(buffer.get()) != 0)
    failed("cannot read the finished package");
  std::vector<std::uint8_t> out(static_cast<std::size_t>(st.size));
  const zip_int64_t read = zip_source_read(buffer.get(), out.data(), st.size);
  zip_source_close(buffer.get());
  if (read < 0 || static_cast<zip_uint64_t>(read) != st.size)
    failed("cannot read the finished package");
  return out;
}

}  // namespace spreadsheet::xlsx
