#include "generator/sheet_macros.h"

#include "resources/vba/vba_modules.h"

namespace generator {

void UseSheetMacros(spreadsheet::api::Application& app) {
  const macro_tables::MacroVariant variant = SheetMacroVariant(app);
  spreadsheet::api::Workbook book = app.ActiveWorkbook();
  if (variant == macro_tables::MacroVariant{variant.language} || !book.HasModule("Module1")) return;
  book.ReplaceModuleCode("Module1", TemplateVbaModule1(variant));
}

}  // namespace generator
