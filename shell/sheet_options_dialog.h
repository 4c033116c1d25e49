#pragma once
#include <QDialog>
#include <QString>

#include "generator/sheet_options.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QTimeEdit;

namespace shell {

// One line for the main window: "12-hour clock, times from 6:00 every 15 min, ...".
QString SheetOptionsSummary(const generator::SheetOptions& options);

// The sheet options, grouped, with OK, Cancel and "Restore Defaults". The
// caller reads options() after OK; Cancel leaves everything as it was. OK
// with options that cannot go together says why below them and stays open.
class SheetOptionsDialog : public QDialog {
 public:
  explicit SheetOptionsDialog(const generator::SheetOptions& options, QWidget* parent = nullptr);

  generator::SheetOptions options() const;
  void show(const generator::SheetOptions& options);  // into the controls

 private:
  // The limits of the overtime rule at `rule` (the list's index), and its rate.
  void enableOvertimeBoxes(int rule);
  void acceptIfUsable();

  QComboBox* clock_ = nullptr;
  QComboBox* timeStep_ = nullptr;
  QTimeEdit* firstTime_ = nullptr;
  QComboBox* breakStep_ = nullptr;
  QTimeEdit* longestBreak_ = nullptr;
  QComboBox* dateOrder_ = nullptr;
  QComboBox* weekStart_ = nullptr;
  QDateEdit* weekStartDate_ = nullptr;
  QComboBox* firstDay_ = nullptr;
  QLineEdit* currency_ = nullptr;
  QCheckBox* currencyAfter_ = nullptr;
  QComboBox* overtime_ = nullptr;
  QDoubleSpinBox* dailyLimit_ = nullptr;
  QDoubleSpinBox* weeklyLimit_ = nullptr;
  QDoubleSpinBox* overtimeRate_ = nullptr;
  QCheckBox* protect_ = nullptr;
  QComboBox* language_ = nullptr;  // in the order of generator::SheetLanguage
  QLabel* problem_ = nullptr;      // why OK did not close the dialog
};

}  // namespace shell
