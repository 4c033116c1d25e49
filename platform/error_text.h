#pragma once
#include <string>

namespace platform {

// The system's reason for a failure with `errnoValue`, in English words
// ("Permission denied", "No space left on device"); the desktop translates
// them in the context "SystemReason".
std::string systemReasonText(int errnoValue);

}  // namespace platform
