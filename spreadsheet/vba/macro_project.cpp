#include "spreadsheet/vba/macro_project.h"

#include <cctype>

#include "spreadsheet/model/error.h"
#include "spreadsheet/vba/vba_dir.h"
#include "spreadsheet/vba/vba_project_text.h"

namespace spreadsheet::vba {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::size_t kMaxModuleName = 31;

// The version-dependent stream holds only its fixed header: with the
// version 0xFFFF and no cache the application rebuilds everything from source.
const Bytes kVbaProjectHeader{0xCC, 0x61, 0xFF, 0xFF, 0x00, 0x01, 0x00};

const DirReference kStdole{
    "stdole",
    "*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#C:\\Windows\\System32\\stdole2.tlb#OLE "
    "Automation"};

bool isIdentifier(const std::string& name) {
  if (name.empty() || name.size() > kMaxModuleName) return false;
  if (!std::isalpha(static_cast<unsigned char>(name[0]))) return false;
  for (char c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  return true;
}

void validate(const std::vector<MacroModule>& modules) {
  for (std::size_t i = 0; i < modules.size(); ++i) {
    const MacroModule& m = modules[i];
    if (!isIdentifier(m.name)) throw Error("Invalid module name: \"" + m.name + "\"");
    for (std::size_t j = 0; j < i; ++j)
      if (sameName(modules[j].name, m.name))
        throw Error("A module named \"" + m.name + "\" already exists");
    for (char c : m.source)
      if (static_cast<unsigned char>(c) > 0x7F || c == '\0')
        throw Error("Module \"" + m.name + "\" holds characters other than plain text");
    if (m.document && m.baseClassId != kWorkbookClassId && m.baseClassId != kWorksheetClassId)
      throw Error("Document module \"" + m.name + "\" has no host class");
    if (!m.document && !m.baseClassId.empty())
      throw Error("Standard module \"" + m.name + "\" cannot have a host class");
  }
}

// Source lines end in CR LF; a final line break is always present.
std::vector<std::string> sourceLines(const std::string& source) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < source.size(); ++i) {
    const char c = source[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < source.size() && source[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string attributeHeader(const MacroModule& m) {
  std::string text = "Attribute VB_Name = \"" + m.name + "\"\r\n";
  if (!m.document) return text;
  text += "Attribute VB_Base = \"0" + m.baseClassId + "\"\r\n";
  text +=
      "Attribute VB_GlobalNameSpace = False\r\n"
      "Attribute VB_Creatable = False\r\n"
      "Attribute VB_PredeclaredId = True\r\n"
      "Attribute VB_Exposed = True\r\n"
      "Attribute VB_TemplateDerived = False\r\n"
      "Attribute VB_Customizable = True\r\n";
  return text;
}

std::string moduleText(const MacroModule& m) {
  std::string text = attributeHeader(m);
  std::vector<std::string> lines = sourceLines(m.source);
  std::size_t first = 0;
  while (first < lines.size() && lines[first].starts_with("Attribute VB_")) ++first;
  for (std::size_t i = first; i < lines.size(); ++i) text += lines[i] + "\r\n";
  return text;
}

Bytes compressText(const std::string& text) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(text.data());
  return compressContainer(std::span<const std::uint8_t>(p, text.size()));
}

const Bytes& streamAt(const MacroProject& project, std::string_view path) {
  auto it = project.streams.find(std::string(path));
  if (it == project.streams.end())
    throw Error("Macro project stream missing: " + std::string(path));
  return it->second;
}

// The class id quoted in a document module's VB_Base attribute ("0{...}").
std::string baseClassOf(const std::string& text) {
  const std::string key = "Attribute VB_Base = \"0";
  const std::size_t at = text.find(key);
  if (at == std::string::npos) return {};
  const std::size_t start = at + key.size();
  const std::size_t end = text.find('"', start);
  return end == std::string::npos ? std::string() : text.substr(start, end - start);
}

}  // namespace

MacroProject buildMacroProject(const std::vector<MacroModule>& modules) {
  validate(modules);
  MacroProject project;
  DirInfo dir;
  dir.references.push_back(kStdole);
  for (const MacroModule& m : modules) {
    dir.modules.push_back({m.name, m.name, m.document, 0});
    project.streams[std::string(kModuleStreamFolder) + m.name] = compressText(moduleText(m));
  }
  project.streams[std::string(kDirStreamPath)] = compressContainer(encodeDirRecords(dir));
  project.streams[std::string(kVbaProjectStreamPath)] = kVbaProjectHeader;
  project.streams[std::string(kProjectStreamPath)] = projectStreamText(modules);
  project.streams[std::string(kProjectNamesStreamPath)] = projectNameMap(modules);
  return project;
}

std::vector<MacroModule> readMacroModules(const MacroProject& project) {
  const DirInfo dir = decodeDirRecords(decompressContainer(streamAt(project, kDirStreamPath)));
  std::vector<MacroModule> modules;
  for (const DirModule& d : dir.modules) {
    const Bytes& stream = streamAt(project, std::string(kModuleStreamFolder) + d.streamName);
    if (d.textOffset > stream.size())
      throw Error("Module \"" + d.name + "\" starts past the end of its stream");
    const Bytes source =
        decompressContainer(std::span<const std::uint8_t>(stream).subspan(d.textOffset));
    std::string text(source.begin(), source.end());
    std::string baseClassId = d.document ? baseClassOf(text) : std::string();
    modules.push_back({d.name, d.document, std::move(text), std::move(baseClassId)});
  }
  return modules;
}

}  // namespace spreadsheet::vba
