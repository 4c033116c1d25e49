#include "app/command_line_options.h"

#include <cctype>
#include <filesystem>

#include <QString>

#include "spreadsheet/formats/workbook_format.h"
#include "spreadsheet/io/system_reason.h"
#include "spreadsheet/io/whole_file.h"

namespace tallyloom {

namespace {

bool hasPictureExtension(const std::string& name) {
  std::string ext = std::filesystem::path(name).extension().string();
  for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return ext == ".png" || ext == ".bmp";
}

// ".xlsx" or "out/.pdf": a hidden file's name to the system, which would take
// the whole name for the stem and write the default format under it.
bool onlyAnEnding(const std::string& name) {
  const std::string leaf = name.substr(name.find_last_of('/') + 1);
  if (leaf.size() < 2 || leaf[0] != '.' || leaf.find('.', 1) != std::string::npos) return false;
  std::string ending = leaf;
  for (char& ch : ending) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  for (const auto& format : spreadsheet::formats::AllFormats())
    if (ending == format.ending) return true;
  return ending == ".png" || ending == ".bmp" || ending == ".pdf";
}

// One file named twice would be overwritten by the later output; a link, a
// hard link or another spelling of a name is the file it ends at.
bool samePath(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  return spreadsheet::io::sameFile(a, b);
}

struct Parser {
  explicit Parser(const std::vector<std::string>& a) : args(a) {}

  const std::vector<std::string>& args;
  std::size_t next = 1;  // after "generate"
  ParsedCommandLine result;
  CommandLineRequest request;

  bool fail(const std::string& message) {
    result.error = UsageError{message};
    return false;
  }

  // The value of `--name VALUE` or `--name=VALUE`.
  std::optional<std::string> value(const std::string& arg, const std::string& name) {
    if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0)
      return arg.substr(name.size() + 1);
    if (next >= args.size() || args[next].rfind("--", 0) == 0) return std::nullopt;
    return args[next++];
  }

  bool option(const std::string& arg) {
    const std::string name = arg.substr(0, arg.find('='));
    if (name == "--from-settings" && name == arg) {
      request.fromSettings = true;
      return true;
    }
    if (name == "--json" && name == arg) {
      request.json = true;
      return true;
    }
    if (name == "--help" && name == arg) {
      request.kind = CommandLineRequest::Kind::Help;
      return true;
    }
    const generator::OptionEntry* choice = generator::OptionOfFlag(name);
    if (choice && !choice->switchValue.empty()) {
      if (name != arg)
        return fail(name + " accepts " + generator::AcceptedText(*choice) + "; got '" +
                    spreadsheet::io::shownValueText(arg.substr(name.size() + 1)) + "'");
      const auto texts = generator::ParseOptionValue(*choice, choice->switchValue);
      request.choices.insert(request.choices.end(), texts->begin(), texts->end());
      return true;
    }
    const bool takesValue =
        choice || name == "--output" || name == "--picture" || name == "--pdf" || name == "--html";
    if (!takesValue) return fail("unknown option '" + arg + "' (see tallyloom --help)");
    const auto text = value(arg, name);
    if (!text) return fail(name + " needs a value");
    if (!choice && onlyAnEnding(*text))
      return fail(name + " names only an ending ('" + *text + "'): give a name before the ending");
    if (choice) {
      const auto texts = generator::ParseOptionValue(*choice, *text);
      if (!texts)
        return fail(name + " accepts " + generator::AcceptedText(*choice) + "; got '" +
                    spreadsheet::io::shownValueText(*text) + "'");
      request.choices.insert(request.choices.end(), texts->begin(), texts->end());
    } else if (name == "--output") {
      if (text->empty()) return fail("--output needs a file name");
      request.output = *text;
    } else if (name == "--picture") {
      if (!hasPictureExtension(*text))
        return fail("--picture accepts a file name ending in .png or .bmp; got '" +
                    spreadsheet::io::shownValueText(*text) + "'");
      request.picture = *text;
    } else if (name == "--html") {
      if (text->empty()) return fail("--html needs a file name");
      request.html = *text;
    } else {
      if (text->empty()) return fail("--pdf needs a file name");
      request.pdf = *text;
    }
    return true;
  }

  // JSON text is UTF-8: a name in another encoding could not be given back as it is.
  bool namesFitJson() {
    for (const std::string* name : {&request.output, &request.picture, &request.pdf, &request.html})
      if (QString::fromStdString(*name).toStdString() != *name)
        return fail("--json needs file names in UTF-8; \x27" + *name + "\x27 is not");
    return true;
  }

  bool distinctOutputs() const {
    const std::string* names[] = {&request.output, &request.picture, &request.pdf, &request.html};
    for (std::size_t i = 0; i < std::size(names); ++i)
      for (std::size_t j = i + 1; j < std::size(names); ++j)
        if (samePath(*names[i], *names[j])) return false;
    return true;
  }

  ParsedCommandLine run() {
    request.kind = CommandLineRequest::Kind::Generate;
    while (next < args.size()) {
      if (!option(args[next++])) return result;
      if (request.kind == CommandLineRequest::Kind::Help) break;
    }
    if (request.kind == CommandLineRequest::Kind::Generate && request.output.empty()) {
      fail("generate needs --output FILE");
      return result;
    }
    if (request.kind == CommandLineRequest::Kind::Generate &&
        !spreadsheet::formats::FormatForOutput(request.output)) {
      fail("--output names a workbook ending in " + spreadsheet::formats::EndingsText() +
           "; got '" + spreadsheet::io::shownValueText(request.output) + "'");
      return result;
    }
    if (request.kind == CommandLineRequest::Kind::Generate && !distinctOutputs()) {
      fail("--output, --picture, --pdf and --html must name different files");
      return result;
    }
    if (request.kind == CommandLineRequest::Kind::Generate && request.json && !namesFitJson())
      return result;
    result.request = request;
    return result;
  }
};

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine result;
  if (args.empty()) return {std::nullopt, UsageError{"a command is needed (see tallyloom --help)"}};
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    result.request = CommandLineRequest{};
    return result;
  }
  if (args[0] == "--version") {
    result.request = CommandLineRequest{};
    result.request->kind = CommandLineRequest::Kind::Version;
    return result;
  }
  if (args[0] != "generate")
    return {std::nullopt, UsageError{"unknown command '" + args[0] + "' (see tallyloom --help)"}};
  return Parser(args).run();
}

std::string commandLineHelp() {
  std::string help = R"(Usage:
  tallyloom                      start the desktop program
  tallyloom generate --output FILE [options]
                                 write a time-sheet workbook to FILE
  tallyloom --help               show this text (also: tallyloom generate --help)
  tallyloom --version            print the version

Options of generate:
  --output FILE       the workbook to write; nothing is left at FILE when it fails
                      its ending picks the format: .xls (Excel 97-2003, the default
                      when FILE has no ending; buttons and macro), .xlsx (no
                      buttons: it cannot hold macros), .xlsm (buttons and macro),
                      .ods (LibreOffice: buttons bound to a Basic macro)
)";
  for (const generator::OptionEntry& option : generator::OptionTable())
    help += generator::OptionHelp(option);
  return help + R"(  --from-settings     start from the choices the desktop program stored;
                      the options above then override them
  --picture FILE      also write the picture of the sheet's used range, as the
                      preview shows it: PNG or BMP by the name's ending
  --pdf FILE          also write the print area as a PDF: one page, paper,
                      orientation and margins from the sheet's page setup,
                      shrunk to fit the page when it is larger (never enlarged)
  --html FILE         also write the print area as a web page: one table, and
                      print rules for one page as the sheet's page setup says
  --json              print a one-line JSON summary on stdout: the absolute
                      paths (workbook, picture, pdf, html; null when not
                      written),
                      days, weeks, shifts, usedRange and printArea

Every file is written whole or not at all. Exit status: 0 everything written;
1 generating or writing failed (the reason is printed; files already written
stay); 2 usage error.
)";
}

}  // namespace tallyloom
