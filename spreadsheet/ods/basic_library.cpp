#include "spreadsheet/ods/basic_library.h"

#include <cctype>
#include <optional>
#include <set>
#include <string_view>

#include "spreadsheet/model/error.h"
#include "spreadsheet/ods/xml_writer.h"

namespace spreadsheet::ods {

namespace {

constexpr const char* kLibraryName = "Standard";
constexpr const char* kButtonModule = "ButtonMacros";

// A macro call as an OnAction text holds it: the name and numeric arguments,
// the whole optionally in single quotes.
struct MacroCall {
  std::string name;
  std::vector<std::string> arguments;
};

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isWordCharacter(char c) {
  return isLetter(c) || isDigit(c) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

// Reads left to right through one text; every reader advances only when it
// matches.
struct Cursor {
  std::string_view text;
  std::size_t at = 0;

  bool atEnd() const { return at == text.size(); }
  char peek() const { return atEnd() ? '\0' : text[at]; }
  bool take(char c) {
    if (peek() != c) return false;
    ++at;
    return true;
  }
  std::size_t spaces() {
    const std::size_t from = at;
    while (!atEnd() && isSpace(text[at])) ++at;
    return at - from;
  }
  // [A-Za-z][A-Za-z0-9_]*
  std::string_view identifier() {
    const std::size_t from = at;
    if (!isLetter(peek())) return {};
    while (!atEnd() && (isLetter(text[at]) || isDigit(text[at]) || text[at] == '_')) ++at;
    return text.substr(from, at - from);
  }
  // -?[0-9]+(.[0-9]+)?
  std::string_view number() {
    const std::size_t from = at;
    take('-');
    if (!isDigit(peek())) return at = from, std::string_view{};
    while (isDigit(peek())) ++at;
    if (peek() == '.' && at + 1 < text.size() && isDigit(text[at + 1])) {
      ++at;
      while (isDigit(peek())) ++at;
    }
    return text.substr(from, at - from);
  }
  // `word` in any case, not followed by a word character when `whole`.
  bool word(std::string_view word, bool whole) {
    if (text.size() - at < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(text[at + i])) !=
          std::tolower(static_cast<unsigned char>(word[i])))
        return false;
    if (whole && at + word.size() < text.size() && isWordCharacter(text[at + word.size()]))
      return false;
    at += word.size();
    return true;
  }
};

std::optional<MacroCall> parseCall(std::string_view onAction) {
  Cursor c{onAction};
  c.take('\'');
  c.spaces();
  MacroCall call;
  call.name = c.identifier();
  if (call.name.empty()) return std::nullopt;
  // Arguments: spaces before the first, commas between the others.
  for (;;) {
    const std::size_t before = c.at;
    const bool first = call.arguments.empty();
    const std::size_t gap = c.spaces();
    if (!first && c.take(','))
      c.spaces();
    else if (!first || gap == 0) {
      c.at = before;
      break;
    }
    const std::string_view n = c.number();
    if (n.empty()) {
      c.at = before;
      break;
    }
    call.arguments.emplace_back(n);
  }
  c.spaces();
  c.take('\'');
  if (!c.atEnd()) return std::nullopt;
  return call;
}

// Whether a line of a module starts "Sub <name>" or "Public Sub <name>".
bool definesSub(const std::vector<BasicModule>& modules, const std::string& name) {
  for (const BasicModule& m : modules) {
    for (std::size_t line = 0; line <= m.source.size();) {
      Cursor c{m.source, line};
      c.spaces();
      const std::size_t start = c.at;
      if (!(c.word("Sub", false) && c.spaces() > 0)) {
        c.at = start;
        if (!(c.word("Public", false) && c.spaces() > 0 && c.word("Sub", false) && c.spaces() > 0))
          c.at = start;
      }
      if (c.at != start && c.word(name, true)) return true;
      const std::size_t next = m.source.find('\n', line);
      if (next == std::string::npos) break;
      line = next + 1;
    }
  }
  return false;
}

bool usableModuleName(const std::string& name) {
  Cursor c{name};
  return c.identifier().size() == name.size() && name.size() <= 31 && name != kButtonModule;
}

std::string moduleXml(const BasicModule& module) {
  XmlWriter xml;
  xml.startDocument();
  xml.doctype(
      R"(<!DOCTYPE script:module PUBLIC "-//OpenOffice.org//DTD OfficeDocument 1.0//EN" "module.dtd">)");
  xml.declareNamespace("script", "http://openoffice.org/2000/script");
  xml.startElement("script:module");
  xml.attribute("script:name", module.name);
  xml.attribute("script:language", "StarBasic");
  xml.attribute("script:moduleType", "normal");
  xml.characters(module.source);
  xml.endElement();
  return xml.endDocument();
}

std::string libraryXml(const BasicLibrary& library) {
  XmlWriter xml;
  xml.startDocument();
  xml.doctype(
      R"(<!DOCTYPE library:library PUBLIC "-//OpenOffice.org//DTD OfficeDocument 1.0//EN" "library.dtd">)");
  xml.declareNamespace("library", "http://openoffice.org/2000/library");
  xml.startElement("library:library");
  xml.attribute("library:name", kLibraryName);
  xml.attribute("library:readonly", "false");
  xml.attribute("library:passwordprotected", "false");
  for (const BasicModule& m : library.modules) {
    xml.emptyElement("library:element");
    xml.attribute("library:name", m.name);
  }
  xml.endElement();
  return xml.endDocument();
}

std::string containerXml() {
  XmlWriter xml;
  xml.startDocument();
  xml.doctype(
      R"(<!DOCTYPE library:libraries PUBLIC "-//OpenOffice.org//DTD OfficeDocument 1.0//EN" "libraries.dtd">)");
  xml.declareNamespace("library", "http://openoffice.org/2000/library");
  xml.declareNamespace("xlink", "http://www.w3.org/1999/xlink");
  xml.startElement("library:libraries");
  xml.emptyElement("library:library");
  xml.attribute("library:name", kLibraryName);
  xml.attribute("library:link", "false");
  xml.endElement();
  return xml.endDocument();
}

}  // namespace

BasicLibrary bindButtons(const Workbook& book, std::vector<BasicModule> modules) {
  for (const BasicModule& m : modules)
    if (!usableModuleName(m.name))
      throw Error("Cannot write the workbook: \"" + m.name +
                  "\" is not a usable Basic module name.");
  BasicLibrary library;
  std::string calls;
  std::set<std::string> written;
  for (std::size_t s = 0; s < book.sheetCount(); ++s) {
    const auto& buttons = book.sheet(s).buttons();
    for (std::size_t b = 0; b < buttons.size(); ++b) {
      const std::optional<MacroCall> call = parseCall(buttons[b].onAction);
      if (!call || !definesSub(modules, call->name)) continue;
      // The Sub's name carries the arguments: CopyTimes 2 -> CopyTimes_2.
      std::string sub = call->name;
      std::string arguments;
      for (const std::string& a : call->arguments) {
        sub += '_';
        for (const char ch : a) sub += ch == '-' ? 'm' : ch == '.' ? 'd' : ch;
        arguments += (arguments.empty() ? "" : ", ") + a;
      }
      if (written.insert(sub).second)
        calls += "Sub " + sub + "\n    " + call->name + " " + arguments + "\nEnd Sub\n\n";
      library.scripts[{s, b}] = "vnd.sun.star.script:" + std::string(kLibraryName) + "." +
                                kButtonModule + "." + sub + "?language=Basic&location=document";
    }
  }
  library.modules = std::move(modules);
  if (!calls.empty())
    library.modules.push_back(
        {kButtonModule,
         "' The buttons' actions: a form button runs a Sub without arguments.\n\n" + calls});
  return library;
}

std::vector<std::pair<std::string, std::string>> basicFiles(const BasicLibrary& library) {
  std::vector<std::pair<std::string, std::string>> files;
  if (library.modules.empty()) return files;
  files.emplace_back("Basic/script-lc.xml", containerXml());
  const std::string folder = std::string("Basic/") + kLibraryName + "/";
  files.emplace_back(folder + "script-lb.xml", libraryXml(library));
  for (const BasicModule& m : library.modules)
    files.emplace_back(folder + m.name + ".xml", moduleXml(m));
  return files;
}

}  // namespace spreadsheet::ods
