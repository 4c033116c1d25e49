// Every caption of both windows shows whole at the windows' given geometry, in
// the language of the test's environment (LANG), and is that language's.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>

#include <map>

#include "desktop_fixture.h"
#include "preview/form2.h"
#include "shell/program_language.h"
#include "shell/sheet_options_dialog.h"

namespace desktop_test {
namespace {

// Captions wider than the room their widget gives them.
QStringList cutCaptions(const QWidget& window) {
  QStringList cut;
  auto check = [&](const QWidget& w, const QString& text, int room) {
    if (!w.isVisibleTo(&window)) return;  // a reason shown only beside a refused entry
    // A mnemonic's '&' is not drawn.
    const QString shown = QString(text).replace("&&", "\x01").remove('&').replace("\x01", "&");
    const int needed = QFontMetrics(w.font()).horizontalAdvance(shown);
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

// The start button's and the save button's captions by language; "" is English.
const std::map<QString, std::pair<QString, QString>> kButtonCaptions{
    {"", {"Start Creating Template", "Save Results To Excel File"}},
    {"de", {"Vorlage erstellen", "Als Excel-Datei speichern"}},
    {"fr", {"Créer le modèle", "Enregistrer en fichier Excel"}},
    {"es", {"Crear la plantilla", "Guardar como archivo de Excel"}},
};

TEST_F(Captions, ShowWholeOnBothWindows) {
  const shell::ProgramLanguage language;
  const auto expected = kButtonCaptions.find(language.language());
  ASSERT_NE(expected, kButtonCaptions.end()) << language.language().toStdString();
  auto form = startForm();
  form->show();
  EXPECT_EQ(form->PushButton22()->text(), expected->second.first);
  EXPECT_EQ(cutCaptions(*form).join("\n").toStdString(), "");
  preview::Form2 preview;
  preview.show();
  EXPECT_EQ(preview.PushButton6()->text(), expected->second.second);
  EXPECT_EQ(cutCaptions(preview).join("\n").toStdString(), "");
  shell::SheetOptionsDialog options(generator::SheetOptions{});
  options.setVisible(true);
  EXPECT_EQ(cutCaptions(options).join("\n").toStdString(), "");
}

}  // namespace
}  // namespace desktop_test
