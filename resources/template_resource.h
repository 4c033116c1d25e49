#pragma once
#include <QByteArray>

// The bytes of the template workbook (Qt resource ":/CUSTOM/101"): one empty
// sheet, the default font and the CopyTimes macro module. Made at build time
// by our own workbook writer.
QByteArray TemplateResourceBytes();
