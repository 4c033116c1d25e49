#pragma once
#include <string>

#include "app/command_line_options.h"
#include "generator/time_sheet.h"

namespace tallyloom {

// The choices a generate command asks for, or why there are none.
struct ResolvedChoices {
  generator::LayoutChoices choices;
  int exitCode = 0;     // 0, or the run's exit code: 1 stored values unusable, 2 no day or
                        // options that cannot go together
  std::string message;  // what to print when exitCode is not 0
};

// The defaults, or the stored choices with --from-settings, under those the
// options give. A stored value that cannot be used and that no option replaces
// ends the run: the sheet would not be the one the user stored.
ResolvedChoices resolveChoices(const CommandLineRequest& request);

}  // namespace tallyloom
