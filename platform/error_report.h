#pragma once
#include <functional>
#include <string>

#include <QString>

#include "tallyloom/build_info.h"

namespace platform {

// The support address named in the error report and the maker's site, as the
// build sets them; empty when the build names none.
inline constexpr const char* kSupportAddress = tallyloom::build::kSupportAddress;
inline constexpr const char* kMakerSite = tallyloom::build::kMakerSite;

// "in Tallyloom2021/08/31.Form1.Form_Load " for module "Form1", procedure "Form_Load".
QString locationText(const QString& module, const QString& procedure);

// The text of the error report: description, CR LF, location, "at line " and
// the number; then CR, CR and the request to mail a screenshot to
// `supportAddress`, when there is one.
QString applicationErrorText(const QString& location, const QString& description, int line,
                             const QString& supportAddress = kSupportAddress);

// Shows the error report (caption "Application Error", exclamation, OK) and
// returns when the user has pressed OK.
void ReportApplicationError(const QString& location, const QString& description, int line);

// Runs the numbered steps of a procedure that faces the user: a step that
// throws is reported with its number and the procedure goes on with the next.
class StepRunner {
 public:
  using Report = void (*)(const QString& location, const QString& description, int line);
  // The report is named where a runner is made, so code that only runs steps
  // handed to it (the command line's generation) needs no dialogs.
  explicit StepRunner(QString location, Report report = ReportApplicationError)
      : location_(std::move(location)), report_(report) {}

  // Returns false when the step failed (and was reported).
  bool step(int line, const std::function<void()>& body);
  // A conditional test: its value, or true when the test itself failed, so
  // execution goes on into what the test guards.
  bool test(int line, const std::function<bool()>& condition);

  int failures() const { return failures_; }

 private:
  void report(int line, const QString& description);
  QString location_;
  Report report_;
  int failures_ = 0;
};

}  // namespace platform
