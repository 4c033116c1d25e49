#include "resources/template_resource.h"

#include <QFile>

// Resources compiled into a static library are registered only on request.
static void registerTemplateResource() {
  Q_INIT_RESOURCE(template_workbook);
}

QByteArray TemplateResourceBytes(generator::SheetLanguage language) {
  static const bool registered = (registerTemplateResource(), true);
  (void)registered;
  QString name = QStringLiteral(":/CUSTOM/101");
  if (language != generator::SheetLanguage::English) {
    const std::string_view word = generator::SheetTextsOf(language).word;
    name += "-" + QString::fromLatin1(word.data(), qsizetype(word.size()));
  }
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}
