#include "resources/template_resource.h"

#include <QFile>
#include <QResource>
#include <new>

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
  // The resource is compressed in the program: when it is there but cannot be
  // read, unpacking it found no memory.
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    if (QResource(name).isValid()) throw std::bad_alloc();
    return {};
  }
  QByteArray bytes = file.readAll();
  if (bytes.isEmpty()) throw std::bad_alloc();
  return bytes;
}
