#include "spreadsheet/ods/basic_library.h"

#include <QRegularExpression>
#include <QXmlStreamWriter>
#include <set>

#include "spreadsheet/model/error.h"

namespace spreadsheet::ods {

namespace {

const QString kScript = "http://openoffice.org/2000/script";
const QString kLibrary = "http://openoffice.org/2000/library";
const QString kXlink = "http://www.w3.org/1999/xlink";
constexpr const char* kLibraryName = "Standard";
constexpr const char* kButtonModule = "ButtonMacros";

// A macro call as an OnAction text holds it: the name and numeric arguments,
// the whole optionally in single quotes.
struct MacroCall {
  QString name;
  QStringList arguments;
};

std::optional<MacroCall> parseCall(const std::string& onAction) {
  static const QRegularExpression call(
      R"(^'?\s*([A-Za-z][A-Za-z0-9_]*)((?:\s+-?[0-9]+(?:\.[0-9]+)?(?:\s*,\s*-?[0-9]+(?:\.[0-9]+)?)*)?)\s*'?$)");
  const QRegularExpressionMatch m = call.match(QString::fromStdString(onAction));
  if (!m.hasMatch()) return std::nullopt;
  MacroCall c;
  c.name = m.captured(1);
  const QString args = m.captured(2).trimmed();
  if (!args.isEmpty()) c.arguments = args.split(QRegularExpression("\\s*,\\s*"));
  return c;
}

bool definesSub(const std::vector<BasicModule>& modules, const QString& name) {
  const QRegularExpression sub(
      "^\\s*(Public\\s+)?Sub\\s+" + QRegularExpression::escape(name) + "\\b",
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
  for (const BasicModule& m : modules)
    if (sub.match(QString::fromStdString(m.source)).hasMatch()) return true;
  return false;
}

QByteArray moduleXml(const BasicModule& module) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeDTD(
      R"(<!DOCTYPE script:module PUBLIC "-//OpenOffice.org//DTD OfficeDocument 1.0//EN" "module.dtd">)");
  xml.writeNamespace(kScript, "script");
  xml.writeStartElement(kScript, "module");
  xml.writeAttribute(kScript, "name", QString::fromStdString(module.name));
  xml.writeAttribute(kScript, "language", "StarBasic");
  xml.writeAttribute(kScript, "moduleType", "normal");
  xml.writeCharacters(QString::fromStdString(module.source));
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

QByteArray libraryXml(const BasicLibrary& library) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeDTD(
      R"(<!DOCTYPE library:library PUBLIC "-//OpenOffice.org//DTD OfficeDocument 1.0//EN" "library.dtd">)");
  xml.writeNamespace(kLibrary, "library");
  xml.writeStartElement(kLibrary, "library");
  xml.writeAttribute(kLibrary, "name", kLibraryName);
  xml.writeAttribute(kLibrary, "readonly", "false");
  xml.writeAttribute(kLibrary, "passwordprotected", "false");
  for (const BasicModule& m : library.modules) {
    xml.writeEmptyElement(kLibrary, "element");
    xml.writeAttribute(kLibrary, "name", QString::fromStdString(m.name));
  }
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

QByteArray containerXml() {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeDTD(
      R"(<!DOCTYPE library:libraries PUBLIC "-//OpenOffice.org//DTD OfficeDocument 1.0//EN" "libraries.dtd">)");
  xml.writeNamespace(kLibrary, "library");
  xml.writeNamespace(kXlink, "xlink");
  xml.writeStartElement(kLibrary, "libraries");
  xml.writeEmptyElement(kLibrary, "library");
  xml.writeAttribute(kLibrary, "name", kLibraryName);
  xml.writeAttribute(kLibrary, "link", "false");
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

}  // namespace

BasicLibrary bindButtons(const Workbook& book, std::vector<BasicModule> modules) {
  const QRegularExpression identifier("^[A-Za-z][A-Za-z0-9_]{0,30}$");
  for (const BasicModule& m : modules)
    if (!identifier.match(QString::fromStdString(m.name)).hasMatch() || m.name == kButtonModule)
      throw Error("Cannot write the workbook: \"" + m.name +
                  "\" is not a usable Basic module name.");
  BasicLibrary library;
  std::string calls;
  std::set<QString> written;
  for (std::size_t s = 0; s < book.sheetCount(); ++s) {
    const auto& buttons = book.sheet(s).buttons();
    for (std::size_t b = 0; b < buttons.size(); ++b) {
      const std::optional<MacroCall> call = parseCall(buttons[b].onAction);
      if (!call || !definesSub(modules, call->name)) continue;
      // The Sub's name carries the arguments: CopyTimes 2 -> CopyTimes_2.
      QString sub = call->name;
      for (const QString& a : call->arguments)
        sub += "_" + QString(a).replace('-', 'm').replace('.', 'd');
      if (written.insert(sub).second)
        calls += ("Sub " + sub + "\n    " + call->name + " " + call->arguments.join(", ") +
                  "\nEnd Sub\n\n")
                     .toStdString();
      library.scripts[{s, b}] = "vnd.sun.star.script:" + QString(kLibraryName) + "." +
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

std::vector<std::pair<std::string, QByteArray>> basicFiles(const BasicLibrary& library) {
  std::vector<std::pair<std::string, QByteArray>> files;
  if (library.modules.empty()) return files;
  files.emplace_back("Basic/script-lc.xml", containerXml());
  const std::string folder = std::string("Basic/") + kLibraryName + "/";
  files.emplace_back(folder + "script-lb.xml", libraryXml(library));
  for (const BasicModule& m : library.modules)
    files.emplace_back(folder + m.name + ".xml", moduleXml(m));
  return files;
}

}  // namespace spreadsheet::ods
