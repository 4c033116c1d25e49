#include "spreadsheet/pdf/pdf_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "spreadsheet/codec/zlib_stream.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::pdf {

namespace {
// Flate level of the streams: the fastest; a page's rules and glyph numbers
// repeat so much that higher levels gain little.
constexpr int kFlateLevel = 1;
constexpr long long kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
}  // namespace

void appendInteger(std::string& out, long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

void appendNumber(std::string& out, double value, int decimals) {
  decimals = std::clamp(decimals, 0, 6);
  const long long scale = kPowersOfTen[decimals];
  long long units = std::llround(value * static_cast<double>(scale));
  // Sign, whole part, point and fraction go together into one buffer: the
  // content stream appends millions of these.
  char text[48];
  char* at = text;
  if (units < 0) {
    *at++ = '-';
    units = -units;
  }
  at = std::to_chars(at, text + sizeof text, units / scale).ptr;
  long long fraction = units % scale;
  if (fraction != 0) {
    int n = decimals;
    while (fraction % 10 == 0) fraction /= 10, --n;  // no trailing zeros
    *at++ = '.';
    for (int i = n - 1; i >= 0; --i, fraction /= 10) at[i] = static_cast<char>('0' + fraction % 10);
    at += n;
  }
  out.append(text, at);
}

std::string pdfTextString(const QString& text) {
  bool ascii = true;
  for (QChar c : text) ascii = ascii && c.unicode() >= 0x20 && c.unicode() < 0x7F;
  std::string out;
  if (ascii) {
    out += '(';
    for (QChar c : text) {
      const char ch = static_cast<char>(c.unicode());
      if (ch == '(' || ch == ')' || ch == '\\') out += '\\';
      out += ch;
    }
    return out + ')';
  }
  out += "<FEFF";
  char hex[8];
  for (QChar c : text) {
    std::snprintf(hex, sizeof hex, "%04X", c.unicode());
    out += hex;
  }
  return out + '>';
}

PdfFile::PdfFile() {
  // A comment of high bytes marks the file as binary for transfer programs.
  out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
}

int PdfFile::reserve() {
  offsets_.push_back(-1);
  return static_cast<int>(offsets_.size());
}

void PdfFile::begin(int id) {
  if (id < 1 || id > static_cast<int>(offsets_.size()) || offsets_[id - 1] >= 0)
    throw Error("The PDF object " + std::to_string(id) + " cannot be written.");
  offsets_[static_cast<std::size_t>(id - 1)] = out_.size();
  out_ += std::to_string(id) + " 0 obj\n";
}

void PdfFile::put(int id, std::string_view object) {
  begin(id);
  out_.append(object.data(), static_cast<qsizetype>(object.size()));
  out_ += "\nendobj\n";
}

std::string flate(std::string_view data) {
  try {
    return codec::zlibStream(data, kFlateLevel);
  } catch (const Error&) {
    throw Error("The PDF stream cannot be compressed.");
  }
}

void PdfFile::putStream(int id, std::string_view entries, std::string_view data, bool compress) {
  begin(id);
  if (compress)
    streamBody(entries, flate(data), true);
  else
    streamBody(entries, data, false);
}

void PdfFile::putFlateStream(int id, std::string_view entries, std::string_view compressed) {
  begin(id);
  streamBody(entries, compressed, true);
}

void PdfFile::streamBody(std::string_view entries, std::string_view body, bool flate) {
  out_ += "<< /Length " + std::to_string(body.size());
  if (flate) out_ += " /Filter /FlateDecode";
  if (!entries.empty()) {
    out_ += ' ';
    out_.append(entries.data(), static_cast<qsizetype>(entries.size()));
  }
  out_ += " >>\nstream\n";
  out_.append(body.data(), static_cast<qsizetype>(body.size()));
  out_ += "\nendstream\nendobj\n";
}

QByteArray PdfFile::finish(int catalog, int info) {
  const qsizetype xref = out_.size();
  out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
  char entry[32];
  for (qsizetype offset : offsets_) {
    if (offset < 0) throw Error("The PDF is missing one of its parts.");
    std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", static_cast<long long>(offset));
    out_ += entry;
  }
  out_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root " +
          std::to_string(catalog) + " 0 R /Info " + std::to_string(info) + " 0 R >>\nstartxref\n" +
          std::to_string(xref) + "\n%%EOF\n";
  return std::move(out_);
}

}  // namespace spreadsheet::pdf
