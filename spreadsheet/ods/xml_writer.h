#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::ods {

// A forward-only XML writer for the package's parts: elements by their
// qualified name ("table:table-cell"), attributes in the order given, text
// escaped, no whitespace between elements. An element left without content
// closes as "<a/>". The document's bytes are UTF-8; characters XML 1.0
// cannot carry (control characters other than tab, line feed and carriage
// return, U+FFFE, U+FFFF) are left out, and bytes that are not UTF-8 become
// U+FFFD.
class XmlWriter {
 public:
  // <?xml version="1.0" encoding="UTF-8"?>
  void startDocument();
  // A document type declaration, written as given.
  void doctype(std::string_view declaration);
  // xmlns:prefix="uri" on the next element started.
  void declareNamespace(std::string_view prefix, std::string_view uri);
  void startElement(std::string_view name);
  // An element that takes attributes only; the next call closes it.
  void emptyElement(std::string_view name);
  // On the element just started; tab, line feed and carriage return are
  // written as character references, so that readers keep them.
  void attribute(std::string_view name, std::string_view value);
  void characters(std::string_view text);
  void textElement(std::string_view name, std::string_view text);
  void endElement();
  // Closes every open element and ends the document with a line feed.
  std::string endDocument();

 private:
  void closeStartTag();
  void escaped(std::string_view text, bool inAttribute);

  std::string out_;
  std::vector<std::string> open_;
  std::vector<std::pair<std::string, std::string>> namespaces_;
  enum class Tag { None, Open, Empty } tag_ = Tag::None;
};

}  // namespace spreadsheet::ods
