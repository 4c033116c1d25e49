#pragma once
#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::pdf {

void appendInteger(std::string& out, long long value);

// Appends `value` rounded to `decimals` places, without trailing zeros or a
// negative zero: "12.5", "-3", "0.25".
void appendNumber(std::string& out, double value, int decimals = 3);

// A PDF text string: literal when plain ASCII, otherwise UTF-16 with its byte order mark.
std::string pdfTextString(const QString& text);

// `data` as a zlib stream (PDF's FlateDecode), at the fastest level.
std::string flate(std::string_view data);

// A PDF file made in memory: objects by number in any order, then the
// cross-reference table. It holds no time or random part, so equal calls
// give equal bytes.
class PdfFile {
 public:
  PdfFile();
  int reserve();  // a new object number
  void put(int id, std::string_view object);
  // A stream with `entries` (dictionary entries besides its length and
  // filter), Flate-compressed unless `compress` is false.
  void putStream(int id, std::string_view entries, std::string_view data, bool compress = true);
  // A stream whose data went through flate() already.
  void putFlateStream(int id, std::string_view entries, std::string_view compressed);
  // The whole file; throws spreadsheet::Error when a reserved object was never written.
  QByteArray finish(int catalog, int info);

 private:
  void begin(int id);
  void streamBody(std::string_view entries, std::string_view body, bool flate);
  QByteArray out_;
  std::vector<qsizetype> offsets_;  // by number - 1; -1 until written
};

}  // namespace spreadsheet::pdf
