#pragma once
#include <QByteArray>

#include "generator/sheet_texts.h"

// The bytes of the template workbook (Qt resource ":/CUSTOM/101"): one empty
// sheet, the default font and the CopyTimes macro module. Made at build time
// by our own workbook writer, once per sheet language: the macro finds the day
// columns by their names (":/CUSTOM/101-de" for German). Empty when the
// program carries no such resource; std::bad_alloc when it cannot be unpacked.
QByteArray TemplateResourceBytes(
    generator::SheetLanguage language = generator::SheetLanguage::English);
