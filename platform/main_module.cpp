#include "platform/main_module.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QWidget>

#include <random>

#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/skin.h"
#include "platform/url_opener.h"

namespace platform {

namespace {

constexpr int kTitleLimit = 40;
constexpr int kSiteNumber = 7;

int drawFromClock() {
  std::mt19937 generator(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
  return std::uniform_int_distribution<int>(1, 100)(generator);
}

void setFaceBackground(QWidget& widget, const QColor& face) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, face);
  palette.setColor(widget.backgroundRole(), face);  // Button for check and option buttons
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace

QString SetApplicationTitle(const QString& productName) {
  QString title = productName;
  do {
    qsizetype blank = title.lastIndexOf(' ');
    if (blank < 0) break;
    title.truncate(blank);
  } while (title.size() > kTitleLimit);
  setApplicationTitleText(title);
  return title;
}

void OpenMakerSiteAtRandom(const DrawOneToHundred& draw, const QString& site) {
  if (site.isEmpty()) return;
  const int n = draw ? draw() : drawFromClock();
  if (n == kSiteNumber) urlOpener().open(site);
}

void ApplySkin(QWidget& window, const QString& skinPath) {
  if (!QFileInfo(skinPath).isFile()) return;
  UseFaceColors(window);
  Skin skin;
  skin.load(skinPath);
  skin.applyTo(window);
}

void UseFaceColors(QWidget& window) {
  const QColor face = QApplication::palette().color(QPalette::Button);
  setFaceBackground(window, face);
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (qobject_cast<QRadioButton*>(child) || qobject_cast<QCheckBox*>(child) ||
        qobject_cast<QGroupBox*>(child) || qobject_cast<QLabel*>(child))
      setFaceBackground(*child, face);
  }
}

}  // namespace platform
