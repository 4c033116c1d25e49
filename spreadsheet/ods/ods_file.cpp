#include "spreadsheet/ods/ods_file.h"

#include <QXmlStreamWriter>

#include "spreadsheet/ods/content_xml.h"
#include "spreadsheet/ods/styles_xml.h"
#include "spreadsheet/ods/zip_package.h"

namespace spreadsheet::ods {

namespace {

const char* const kMimeType = "application/vnd.oasis.opendocument.spreadsheet";
const QString kManifest = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";

QByteArray manifestXml(const std::vector<std::string>& xmlParts) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeNamespace(kManifest, "manifest");
  xml.writeStartElement(kManifest, "manifest");
  xml.writeAttribute(kManifest, "version", "1.3");
  xml.writeEmptyElement(kManifest, "file-entry");
  xml.writeAttribute(kManifest, "full-path", "/");
  xml.writeAttribute(kManifest, "version", "1.3");
  xml.writeAttribute(kManifest, "media-type", kMimeType);
  for (const std::string& path : xmlParts) {
    xml.writeEmptyElement(kManifest, "file-entry");
    xml.writeAttribute(kManifest, "full-path", QString::fromStdString(path));
    xml.writeAttribute(kManifest, "media-type", "text/xml");
  }
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

}  // namespace

std::vector<std::uint8_t> writeOds(const Workbook& book, std::vector<BasicModule> basic) {
  const BasicLibrary library = bindButtons(book, std::move(basic));
  std::vector<std::pair<std::string, QByteArray>> parts{
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
