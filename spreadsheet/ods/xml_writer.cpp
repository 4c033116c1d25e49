#include "spreadsheet/ods/xml_writer.h"

namespace spreadsheet::ods {

namespace {

// The length of the UTF-8 sequence at text[i] and its code point; 0 when the
// bytes there are no well-formed sequence.
std::size_t sequence(std::string_view text, std::size_t i, char32_t& code) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

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

void XmlWriter::escaped(std::string_view text, bool inAttribute) {
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x80) {
      char32_t code = 0;
      const std::size_t length = sequence(text, i, code);
      if (length == 0) {
        out_ += "\xEF\xBF\xBD";
        ++i;
      } else {
        if (code != 0xFFFE && code != 0xFFFF) out_.append(text, i, length);
        i += length;
      }
      continue;
    }
    ++i;
    switch (c) {
      case '<': out_ += "&lt;"; break;
      case '>': out_ += "&gt;"; break;
      case '&': out_ += "&amp;"; break;
      case '"': out_ += "&quot;"; break;
      case '\t': out_ += inAttribute ? "&#9;" : "\t"; break;
      case '\n': out_ += inAttribute ? "&#10;" : "\n"; break;
      case '\r': out_ += inAttribute ? "&#13;" : "\r"; break;
      default:
        if (u >= 0x20) out_ += c;
        break;
    }
  }
}

}  // namespace spreadsheet::ods
