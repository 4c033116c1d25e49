#include "app/command_line_outputs.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "generator/options.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/picture/page_pdf.h"
#include "spreadsheet/picture/picture_file.h"
#include "spreadsheet/picture/sheet_picture.h"
#include "spreadsheet/xls/workbook_file.h"
#include "tallyloom/build_info.h"

namespace tallyloom {

namespace {

void printError(const std::string& message) {
  std::fprintf(stderr, "tallyloom: %s\n", message.c_str());
}

// Byte for byte: a name that is not UTF-8 must not pass through QString.
std::string absolutePath(const std::string& path) {
  std::error_code ec;
  return std::filesystem::absolute(path, ec).lexically_normal().string();
}

bool writePicture(const spreadsheet::Worksheet& sheet, const std::string& path) {
  try {
    const auto used = sheet.usedRange();
    if (!used) throw spreadsheet::Error("the sheet is empty");
    const QImage image = spreadsheet::picture::renderRange(sheet, *used);
    if (image.isNull()) throw spreadsheet::Error("the used range has no visible cells");
    spreadsheet::picture::writePictureFile(image, path);
    return true;
  } catch (const std::exception& e) {
    printError("cannot write the picture " + path + ": " + e.what());
    return false;
  }
}

bool writePdf(const spreadsheet::Worksheet& sheet, const std::string& path) {
  try {
    spreadsheet::picture::savePagePdf(sheet, path);
    return true;
  } catch (const std::exception& e) {
    printError("cannot write the PDF " + path + ": " + e.what());
    return false;
  }
}

OutputSummary summarize(const CommandLineRequest& request, const generator::LayoutChoices& choices,
                        const spreadsheet::Worksheet& sheet) {
  OutputSummary s;
  s.workbook = absolutePath(request.output);
  if (!request.picture.empty()) s.picture = absolutePath(request.picture);
  if (!request.pdf.empty()) s.pdf = absolutePath(request.pdf);
  for (int day = 0; day < generator::kDayCount; ++day)
    if (choices.days[static_cast<std::size_t>(day)])
      s.days.emplace_back(generator::kDayNames[static_cast<std::size_t>(day)]);
  s.weeks = choices.weekIndex + 1;
  s.shifts = choices.shiftIndex + 1;
  if (const auto used = sheet.usedRange()) s.usedRange = spreadsheet::toA1(*used);
  if (const auto& area = sheet.pageSetup().printArea) s.printArea = spreadsheet::toA1(*area);
  return s;
}

// A JSON string: quotes, backslashes and control characters escaped; other
// bytes (UTF-8) as they are.
std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else {
      out += ch;
    }
  }
  return out + '"';
}

std::string quotedOrNull(const std::optional<std::string>& text) {
  return text ? quoted(*text) : "null";
}

std::string quotedOrNull(const std::string& text) {
  return text.empty() ? "null" : quoted(text);
}

}  // namespace

bool needsGraphics(const CommandLineRequest& request) {
  return request.kind == CommandLineRequest::Kind::Generate &&
         (!request.picture.empty() || !request.pdf.empty());
}

std::unique_ptr<QCoreApplication> makeCommandLineApplication(int& argc, char** argv,
                                                             bool graphical) {
  // Standard error is for our own messages: Qt's notice that it picked a
  // runtime folder itself (no XDG_RUNTIME_DIR, as under sudo or cron) is not one.
  static const QtMessageHandler qtHandler = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: "))) return;
        if (qtHandler)
          qtHandler(type, context, message);
        else
          std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
      });
  if (!graphical) return std::make_unique<QCoreApplication>(argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

std::string summaryJson(const OutputSummary& s) {
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on long chains of +.
  std::string out = "{\"workbook\":";
  out += quoted(s.workbook);
  out += ",\"picture\":";
  out += quotedOrNull(s.picture);
  out += ",\"pdf\":";
  out += quotedOrNull(s.pdf);
  out += ",\"days\":[";
  for (std::size_t i = 0; i < s.days.size(); ++i) {
    if (i > 0) out += ',';
    out += quoted(s.days[i]);
  }
  out += "],\"weeks\":";
  out += std::to_string(s.weeks);
  out += ",\"shifts\":";
  out += std::to_string(s.shifts);
  out += ",\"usedRange\":";
  out += quotedOrNull(s.usedRange);
  out += ",\"printArea\":";
  out += quotedOrNull(s.printArea);
  out += ",\"version\":";
  out += quoted(build::kVersion);
  out += "}\n";
  return out;
}

int writeOutputs(const CommandLineRequest& request, const generator::LayoutChoices& choices,
                 const std::string& generated) {
  if (request.picture.empty() && request.pdf.empty() && !request.json) return 0;
  // The written file, read back as the preview reads it: the picture and the
  // page show what the workbook holds.
  std::unique_ptr<spreadsheet::Workbook> book;
  try {
    book = spreadsheet::xls::openWorkbook(generated);
    if (book->sheetCount() == 0) throw spreadsheet::Error("the workbook has no sheet");
  } catch (const std::exception& e) {
    printError("cannot read back " + generated + ": " + e.what());
    return 1;
  }
  const spreadsheet::Worksheet& sheet = book->sheet(0);
  bool written = true;
  if (!request.picture.empty()) written = writePicture(sheet, request.picture) && written;
  if (!request.pdf.empty()) written = writePdf(sheet, request.pdf) && written;
  if (!written) return 1;
  if (request.json) {
    std::fputs(summaryJson(summarize(request, choices, sheet)).c_str(), stdout);
  }
  return 0;
}

}  // namespace tallyloom
