#pragma once
#include <QString>
#include <QXmlStreamWriter>

// The OpenDocument namespaces, declared once on each part's root element.
namespace spreadsheet::ods::ns {

inline const QString office = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
inline const QString style = "urn:oasis:names:tc:opendocument:xmlns:style:1.0";
inline const QString text = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
inline const QString table = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
inline const QString draw = "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0";
inline const QString fo = "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0";
inline const QString xlink = "http://www.w3.org/1999/xlink";
inline const QString number = "urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0";
inline const QString svg = "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0";
inline const QString form = "urn:oasis:names:tc:opendocument:xmlns:form:1.0";
inline const QString script = "urn:oasis:names:tc:opendocument:xmlns:script:1.0";
inline const QString of = "urn:oasis:names:tc:opendocument:xmlns:of:1.2";
inline const QString xml = "http://www.w3.org/XML/1998/namespace";
// Values such as "ooo:script" and "ooo:com.sun.star.form.component.Form" are
// names in this namespace: without it a reader finds no script language and
// no control implementation.
inline const QString ooo = "http://openoffice.org/2004/office";

// Declares every namespace above with its usual prefix on the next element.
inline void declareAll(QXmlStreamWriter& w) {
  w.writeNamespace(office, "office");
  w.writeNamespace(style, "style");
  w.writeNamespace(text, "text");
  w.writeNamespace(table, "table");
  w.writeNamespace(draw, "draw");
  w.writeNamespace(fo, "fo");
  w.writeNamespace(xlink, "xlink");
  w.writeNamespace(number, "number");
  w.writeNamespace(svg, "svg");
  w.writeNamespace(form, "form");
  w.writeNamespace(script, "script");
  w.writeNamespace(of, "of");
  w.writeNamespace(ooo, "ooo");
}

}  // namespace spreadsheet::ods::ns
