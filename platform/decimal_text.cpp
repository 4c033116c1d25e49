// The locale's decimal separator, apart from the window helpers: the command
// line needs it without Qt Widgets.
#include <QLocale>

#include "platform/main_module.h"

namespace platform {

QString DecimalSeparator() {
  QString half = QLocale().toString(0.5).trimmed();
  return half.size() > 1 ? half.mid(1, 1) : QString(".");
}

QString NormalizeDecimalText(const QString& text, bool toPoint) {
  const QString separator = DecimalSeparator();
  QString result = text;
  if (toPoint) return result.replace(separator, ".");
  result.replace(".", separator);
  return result.replace(",", separator);
}

}  // namespace platform
