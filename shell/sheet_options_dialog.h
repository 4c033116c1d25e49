#pragma once
#include <QDialog>
#include <QString>

#include "generator/sheet_options.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QScrollArea;

namespace shell {

// The sheet options as they come, from the option table's defaults.
generator::SheetOptions DefaultSheetOptions();

// For the main window: every option that differs from its default, by its
// caption in the dialog and its value ("Clock: 24-hour; Overtime: daily 8 h").
QString SheetOptionsSummary(const generator::SheetOptions& options);

// The sheet options, grouped in two columns that scroll on a low screen, with
// OK, Cancel and "Restore Defaults". A typed value the sheet cannot take is
// flagged beside its field and keeps OK disabled; OK with options that cannot
// go together says why below them and stays open. The caller reads options()
// after OK; Cancel leaves everything as it was.
class SheetOptionsDialog : public QDialog {
 public:
  explicit SheetOptionsDialog(const generator::SheetOptions& options, QWidget* parent = nullptr);

  generator::SheetOptions options() const;
  void show(const generator::SheetOptions& options);  // into the controls

 private:
  // The limits of the overtime rule at `rule` (the list's index), and its rate.
  void enableOvertimeBoxes(int rule);
  void acceptIfUsable();
  void checkTypedValues();
  bool typedValuesValid() const;
  void fitScreen(QScrollArea& scroll, QWidget& page);

  QComboBox* clock_ = nullptr;
  QComboBox* timeStep_ = nullptr;
  QLineEdit* firstTime_ = nullptr;
  QLabel* firstTimeWhy_ = nullptr;
  QComboBox* breakStep_ = nullptr;
  QLineEdit* longestBreak_ = nullptr;
  QLabel* longestBreakWhy_ = nullptr;
  QComboBox* dateOrder_ = nullptr;
  QComboBox* weekStart_ = nullptr;
  QDateEdit* weekStartDate_ = nullptr;
  QComboBox* firstDay_ = nullptr;
  QLineEdit* currency_ = nullptr;
  QLabel* currencyWhy_ = nullptr;
  QCheckBox* currencyAfter_ = nullptr;
  QComboBox* overtime_ = nullptr;
  QDoubleSpinBox* dailyLimit_ = nullptr;
  QDoubleSpinBox* weeklyLimit_ = nullptr;
  QDoubleSpinBox* overtimeRate_ = nullptr;
  QCheckBox* protect_ = nullptr;
  QComboBox* language_ = nullptr;  // in the order of generator::SheetLanguage
  QLabel* problem_ = nullptr;      // why OK did not close the dialog
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace shell
