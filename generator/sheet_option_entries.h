#pragma once
#include <span>

#include "generator/option_table.h"

namespace generator {

// The sheet options' entries of the option table, in their order there.
std::span<const OptionEntry> SheetOptionEntries();

}  // namespace generator
