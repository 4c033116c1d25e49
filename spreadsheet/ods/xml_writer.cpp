#include "spreadsheet/ods/xml_writer.h"

#include "spreadsheet/model/error.h"
#include "spreadsheet/model/utf8.h"

namespace spreadsheet::ods {

void XmlWriter::startDocument() {
  out_ += R"(<?xml version="1.0" encoding="UTF-8"?>)";
}

void XmlWriter::doctype(std::string_view declaration) {
  closeStartTag();
  out_ += declaration;
}

void XmlWriter::declareNamespace(std::string_view prefix, std::string_view uri) {
  namespaces_.emplace_back(prefix, uri);
}

void XmlWriter::startElement(std::string_view name) {
  closeStartTag();
  out_ += '<';
  out_ += name;
  for (const auto& [prefix, uri] : namespaces_) {
    out_ += " xmlns:" + prefix + "=\"";
    escaped(uri, true);
    out_ += '"';
  }
  namespaces_.clear();
  open_.emplace_back(name);
  tag_ = Tag::Open;
}

void XmlWriter::emptyElement(std::string_view name) {
  startElement(name);
  tag_ = Tag::Empty;
}

void XmlWriter::attribute(std::string_view name, std::string_view value) {
  out_ += ' ';
  out_ += name;
  out_ += "=\"";
  escaped(value, true);
  out_ += '"';
}

void XmlWriter::characters(std::string_view text) {
  closeStartTag();
  escaped(text, false);
}

void XmlWriter::textElement(std::string_view name, std::string_view text) {
  startElement(name);
  characters(text);
  endElement();
}

void XmlWriter::endElement() {
  if (tag_ == Tag::Open) {
    out_ += "/>";
    tag_ = Tag::None;
    open_.pop_back();
    return;
  }
  closeStartTag();
  if (open_.empty()) return;
  out_ += "</" + open_.back() + '>';
  open_.pop_back();
}

std::string XmlWriter::endDocument() {
  while (!open_.empty()) endElement();
  out_ += '\n';
  return std::move(out_);
}

void XmlWriter::closeStartTag() {
  if (tag_ == Tag::Empty) {
    out_ += "/>";
    open_.pop_back();
  } else if (tag_ == Tag::Open) {
    out_ += '>';
  }
  tag_ = Tag::None;
}

namespace {

// A character an XML 1.0 document cannot carry: the file would not be XML, and
// dropping it would change the user's text without a word.
[[noreturn]] void refuse(std::string_view what) {
  throw Error("The text cannot be written to an OpenDocument file: it holds " + std::string(what) +
              ".");
}

}  // namespace

void XmlWriter::escaped(std::string_view text, bool inAttribute) {
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x80) {
      char32_t code = 0;
      const std::size_t length = Utf8SequenceAt(text, i, code);
      if (length == 0) refuse("bytes that are not UTF-8");
      if (code == 0xFFFE || code == 0xFFFF) refuse("a noncharacter (U+FFFE or U+FFFF)");
      out_.append(text, i, length);
      i += length;
      continue;
    }
    ++i;
    switch (c) {
      case '<':
        out_ += "&lt;";
        break;
      case '>':
        out_ += "&gt;";
        break;
      case '&':
        out_ += "&amp;";
        break;
      case '"':
        out_ += "&quot;";
        break;
      case '\t':
        out_ += inAttribute ? "&#9;" : "\t";
        break;
      case '\n':
        out_ += inAttribute ? "&#10;" : "\n";
        break;
      case '\r':
        out_ += inAttribute ? "&#13;" : "\r";
        break;
      default:
        if (u < 0x20) refuse("a control character");
        out_ += c;
        break;
    }
  }
}

}  // namespace spreadsheet::ods
