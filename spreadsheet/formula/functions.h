#pragma once
#include <string_view>
#include <vector>

#include "spreadsheet/formula/evaluator.h"

namespace spreadsheet::formula {

using Function = CellValue (*)(Context& ctx, const std::vector<FormulaNode>& args);

// The worksheet function of an upper-case name, or nullptr when there is none.
Function findFunction(std::string_view name);

// Groups of functions, each defined in its own file.
CellValue fnIf(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnAnd(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnOr(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnNot(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnSum(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnMin(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnMax(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnAverage(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnCount(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnCountA(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnRound(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnAbs(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnInt(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnSumIf(Context& ctx, const std::vector<FormulaNode>& args);
CellValue fnCountIf(Context& ctx, const std::vector<FormulaNode>& args);

}  // namespace spreadsheet::formula
