#include "app/command_line_outputs.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <variant>

#include "automation/excel1.h"
#include "generator/option_table.h"
#include "platform/error_text.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/html/html_sheet.h"
#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/model/error.h"
#include "tallyloom/build_info.h"

namespace tallyloom {

namespace {

// Byte for byte: a name that is not UTF-8 must not pass through QString.
std::string absolutePath(const std::string& path) {
  std::error_code ec;
  return std::filesystem::absolute(path, ec).lexically_normal().string();
}

// Nothing is drawn without a drawing: the caller should have handed the
// request to a program that has one.
void requireDrawing(const CommandLineDrawing* drawing) {
  if (!drawing) throw spreadsheet::Error(kNoDrawing);
}

bool writePicture(const spreadsheet::api::Workbook& book, const std::string& path,
                  const CommandLineDrawing* drawing) {
  try {
    requireDrawing(drawing);
    drawing->savePicture(book, path);
    return true;
  } catch (const std::exception& e) {
    printCommandLineError("cannot write the picture " + path + ": " +
                          platform::failureReasonText(e));
    return false;
  }
}

bool writePdf(const spreadsheet::api::Worksheet& sheet, const std::string& path,
              const CommandLineDrawing* drawing) {
  try {
    requireDrawing(drawing);
    drawing->savePdf(sheet, path);
    return true;
  } catch (const std::exception& e) {
    printCommandLineError("cannot write the PDF " + path + ": " + platform::failureReasonText(e));
    return false;
  }
}

bool writeHtml(const spreadsheet::api::Workbook& book, const std::string& path) {
  try {
    const std::string page = spreadsheet::html::htmlPage(book.model());
    spreadsheet::io::writeWholeFile(
        path, {reinterpret_cast<const std::uint8_t*>(page.data()), page.size()});
    return true;
  } catch (const std::exception& e) {
    printCommandLineError("cannot write the web page " + path + ": " + e.what());
    return false;
  }
}

std::string withoutDollars(std::string address) {
  std::erase(address, '$');
  return address;
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

std::string jsonValue(const generator::SummaryValue& value) {
  if (const int* number = std::get_if<int>(&value)) return std::to_string(*number);
  if (const std::string* word = std::get_if<std::string>(&value)) return quoted(*word);
  std::string out = "[";
  for (const std::string& item : std::get<std::vector<std::string>>(value)) {
    if (out.size() > 1) out += ',';
    out += quoted(item);
  }
  return out + "]";
}

OutputSummary summarize(const CommandLineRequest& request, const generator::LayoutChoices& choices,
                        const spreadsheet::api::Worksheet& sheet) {
  OutputSummary s;
  s.workbook = absolutePath(request.output);
  if (!request.picture.empty()) s.picture = absolutePath(request.picture);
  if (!request.pdf.empty()) s.pdf = absolutePath(request.pdf);
  if (!request.html.empty()) s.html = absolutePath(request.html);
  for (const generator::OptionEntry& option : generator::OptionTable())
    if (!option.jsonName.empty())
      s.choices.emplace_back(option.jsonName,
                             jsonValue(generator::OptionSummaryValue(option, choices)));
  s.usedRange = withoutDollars(sheet.UsedRange().Address());
  s.printArea = withoutDollars(sheet.PageSetup().PrintArea());
  return s;
}

}  // namespace

void printCommandLineError(const std::string& message) {
  // One line whatever a name or a value given to us holds.
  std::fprintf(stderr, "tallyloom: %s\n", platform::oneLineText(message).c_str());
}

std::optional<std::string> drawingRefusal(const CommandLineRequest& request,
                                          const CommandLineDrawing* drawing) {
  std::optional<std::string> why;
  if (!drawing)
    why = kNoDrawing;
  else if (!request.picture.empty())
    why = drawing->missingFont();
  if (drawing && !why && !request.pdf.empty()) why = drawing->missingPageFont();
  if (!why) return std::nullopt;
  return "cannot draw the picture or the PDF: " + *why;
}

bool needsGraphics(const CommandLineRequest& request) {
  return request.kind == CommandLineRequest::Kind::Generate &&
         (!request.picture.empty() || !request.pdf.empty());
}

std::unique_ptr<QCoreApplication> makeCommandLineApplication(int& argc, char** argv,
                                                             const CommandLineDrawing* drawing) {
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
  if (!drawing) return std::make_unique<QCoreApplication>(argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return drawing->makeApplication(argc, argv);
}

std::string summaryJson(const OutputSummary& s) {
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on long chains of +.
  std::string out = "{\"workbook\":";
  out += quoted(s.workbook);
  out += ",\"picture\":";
  out += quotedOrNull(s.picture);
  out += ",\"pdf\":";
  out += quotedOrNull(s.pdf);
  out += ",\"html\":";
  out += quotedOrNull(s.html);
  for (const auto& [name, value] : s.choices) {
    out += ',';
    out += quoted(name);
    out += ':';
    out += value;
  }
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
                 const std::string& generated, const CommandLineDrawing* drawing) {
  const bool draws = !request.picture.empty() || !request.pdf.empty();
  if (!draws && !request.json && request.html.empty()) return 0;
  // The written file, opened in an instance of its own as the preview opens
  // it: the picture and the page show what the workbook holds.
  std::shared_ptr<spreadsheet::api::Application> app;
  const automation::QuitOnExit quit(app);
  std::optional<spreadsheet::api::Workbook> book;
  try {
    app = automation::OpenInNewExcel(generated);
    book = app->ActiveWorkbook();
    if (book->Sheets().Count() == 0) throw spreadsheet::Error("the workbook has no sheet");
  } catch (const std::exception& e) {
    printCommandLineError("cannot read back " + generated + ": " + platform::failureReasonText(e));
    return 1;
  }
  const spreadsheet::api::Worksheet sheet = book->Sheets().Item(1);
  bool written = true;
  if (!request.picture.empty()) written = writePicture(*book, request.picture, drawing) && written;
  if (!request.pdf.empty()) written = writePdf(sheet, request.pdf, drawing) && written;
  if (!request.html.empty()) written = writeHtml(*book, request.html) && written;
  if (!written) return 1;
  if (request.json) {
    std::fputs(summaryJson(summarize(request, choices, sheet)).c_str(), stdout);
  }
  return 0;
}

}  // namespace tallyloom
