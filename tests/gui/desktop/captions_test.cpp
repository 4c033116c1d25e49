// Every caption of both windows shows whole at the windows' given geometry.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>

#include "desktop_fixture.h"
#include "preview/form2.h"

namespace desktop_test {
namespace {

// Captions wider than the room their widget gives them.
QStringList cutCaptions(const QWidget& window) {
  QStringList cut;
  auto check = [&](const QWidget& w, const QString& text, int room) {
    const int needed = QFontMetrics(w.font()).horizontalAdvance(text);
    if (!text.isEmpty() && needed > room)
      cut << QString("%1 \"%2\": %3 px in %4").arg(w.objectName(), text).arg(needed).arg(room);
  };
  for (const QLabel* label : window.findChildren<QLabel*>())
    check(*label, label->text(), label->contentsRect().width() - 2 * label->margin());
  for (const QCheckBox* box : window.findChildren<QCheckBox*>()) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    check(*box, box->text(), text.width());
  }
  for (const QPushButton* button : window.findChildren<QPushButton*>())
    check(*button, button->text(), button->width() - 8);
  for (const QGroupBox* frame : window.findChildren<QGroupBox*>())
    check(*frame, frame->title(), frame->width() - 12);
  return cut;
}

class Captions : public DesktopTest {};

TEST_F(Captions, ShowWholeOnBothWindows) {
  auto form = startForm();
  form->show();
  EXPECT_EQ(cutCaptions(*form).join("\n").toStdString(), "");
  preview::Form2 preview;
  preview.show();
  EXPECT_EQ(cutCaptions(preview).join("\n").toStdString(), "");
}

}  // namespace
}  // namespace desktop_test
