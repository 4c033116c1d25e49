#pragma once
#include "spreadsheet/ods/xml_writer.h"

// The OpenDocument namespaces, declared once on each part's root element.
namespace spreadsheet::ods::ns {

// Declares the namespaces of the content and the styles with their usual
// prefixes on the next element. "ooo" names values such as "ooo:script" and
// "ooo:com.sun.star.form.component.Form": without it a reader finds no script
// language and no control implementation.
inline void declareAll(XmlWriter& w) {
  w.declareNamespace("office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0");
  w.declareNamespace("style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0");
  w.declareNamespace("text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0");
  w.declareNamespace("table", "urn:oasis:names:tc:opendocument:xmlns:table:1.0");
  w.declareNamespace("draw", "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0");
  w.declareNamespace("fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
  w.declareNamespace("xlink", "http://www.w3.org/1999/xlink");
  w.declareNamespace("number", "urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");
  w.declareNamespace("svg", "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0");
  w.declareNamespace("form", "urn:oasis:names:tc:opendocument:xmlns:form:1.0");
  w.declareNamespace("script", "urn:oasis:names:tc:opendocument:xmlns:script:1.0");
  w.declareNamespace("of", "urn:oasis:names:tc:opendocument:xmlns:of:1.2");
  w.declareNamespace("ooo", "http://openoffice.org/2004/office");
}

}  // namespace spreadsheet::ods::ns
