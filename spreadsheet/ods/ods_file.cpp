#include "spreadsheet/ods/ods_file.h"

#include "spreadsheet/ods/content_xml.h"
#include "spreadsheet/ods/styles_xml.h"
#include "spreadsheet/ods/xml_writer.h"
#include "spreadsheet/ods/zip_package.h"

namespace spreadsheet::ods {

namespace {

const char* const kMimeType = "application/vnd.oasis.opendocument.spreadsheet";

std::string manifestXml(const std::vector<std::string>& xmlParts) {
  XmlWriter xml;
  xml.startDocument();
  xml.declareNamespace("manifest", "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
  xml.startElement("manifest:manifest");
  xml.attribute("manifest:version", "1.3");
  xml.emptyElement("manifest:file-entry");
  xml.attribute("manifest:full-path", "/");
  xml.attribute("manifest:version", "1.3");
  xml.attribute("manifest:media-type", kMimeType);
  for (const std::string& path : xmlParts) {
    xml.emptyElement("manifest:file-entry");
    xml.attribute("manifest:full-path", path);
    xml.attribute("manifest:media-type", "text/xml");
  }
  xml.endElement();
  return xml.endDocument();
}

}  // namespace

std::vector<std::uint8_t> writeOds(const Workbook& book, std::vector<BasicModule> basic) {
  const BasicLibrary library = bindButtons(book, std::move(basic));
  std::vector<std::pair<std::string, std::string>> parts{
      {"content.xml", contentXml(book, library.scripts)}, {"styles.xml", stylesXml(book)}};
  for (auto& file : basicFiles(library)) parts.push_back(std::move(file));
  std::vector<std::string> paths;
  for (const auto& [path, bytes] : parts) paths.push_back(path);

  ZipPackage package;
  package.add("mimetype", kMimeType, ZipPackage::Compression::Stored);
  for (auto& [path, bytes] : parts)
    package.add(path, std::move(bytes), ZipPackage::Compression::Deflated);
  package.add("META-INF/manifest.xml", manifestXml(paths), ZipPackage::Compression::Deflated);
  return package.bytes();
}

}  // namespace spreadsheet::ods
