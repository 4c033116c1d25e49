#pragma once
#include "spreadsheet/io/system_reason.h"

// The words for a failure of the system, for the windows and the command line.
// The engine writes files too and may not use platform/, so the one table
// lives in its io layer; these are the same functions under the platform's name.
// The desktop translates the words in the context "SystemReason".
namespace platform {

using spreadsheet::io::failureReasonText;
using spreadsheet::io::fileFailureText;
using spreadsheet::io::oneLineText;
using spreadsheet::io::systemReasonText;

}  // namespace platform
