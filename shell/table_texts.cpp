#include "shell/table_texts.h"

#include <QCoreApplication>
#include <string>

namespace shell {

QString CaptionText(std::string_view english) {
  return QCoreApplication::translate("Form1", std::string(english).c_str());
}

}  // namespace shell
