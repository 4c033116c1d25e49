#include "resources/template_resource.h"

#include <QFile>

// Resources compiled into a static library are registered only on request.
static void registerTemplateResource() {
  Q_INIT_RESOURCE(template_workbook);
}

QByteArray TemplateResourceBytes() {
  static const bool registered = (registerTemplateResource(), true);
  (void)registered;
  QFile file(QStringLiteral(":/CUSTOM/101"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}
