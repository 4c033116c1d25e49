#pragma once
#include <string>

#include "resources/macro_tables.h"

// The code of the VBA module Module1 (CopyTimes) with its day-column table
// filled in; for a protected sheet the copy lifts the protection and puts it
// back. The template carries the unprotected sheet's code.
std::string TemplateVbaModule1(const macro_tables::MacroVariant& variant);
