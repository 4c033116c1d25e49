#include "shell/table_texts.h"

#include <QCoreApplication>
#include <string>

namespace shell {

QString CaptionText(std::string_view english) {
  // A caption that begins with a blank in the table is shown without it, in
  // line with the others.
  return QCoreApplication::translate("Form1", std::string(english).c_str()).trimmed();
}

}  // namespace shell
