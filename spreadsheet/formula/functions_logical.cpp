#include <optional>

#include "spreadsheet/formula/coercion.h"
#include "spreadsheet/formula/functions.h"

namespace spreadsheet::formula {
namespace {

// AND and OR: truth values and numbers count, texts and empty cells in
// references are skipped; with nothing to judge the result is #VALUE!.
CellValue logicalFold(Context& ctx, const std::vector<FormulaNode>& args, bool isAnd) {
  if (args.empty()) return ErrorCode::Value;
  bool any = false;
  bool result = isAnd;
  std::optional<ErrorCode> error;
  ctx.forEachValue(args, [&](const CellValue& v, bool fromReference) {
    if (fromReference && v.isText()) return true;
    if (v.isEmpty()) return true;
    auto b = toBoolean(v);
    if (const ErrorCode* e = std::get_if<ErrorCode>(&b)) {
      error = *e;
      return false;
    }
    any = true;
    result = isAnd ? (result && std::get<bool>(b)) : (result || std::get<bool>(b));
    return true;
  });
  if (error) return *error;
  if (!any) return ErrorCode::Value;
  return result;
}

}  // namespace

CellValue fnIf(Context& ctx, const std::vector<FormulaNode>& args) {
  if (args.empty() || args.size() > 3) return ErrorCode::Value;
  auto condition = toBoolean(ctx.value(args[0]));
  if (const ErrorCode* e = std::get_if<ErrorCode>(&condition)) return *e;
  std::size_t branch = std::get<bool>(condition) ? 1 : 2;
  if (branch >= args.size()) return branch == 1;  // no branch given: the condition itself
  return ctx.value(args[branch]);
}

CellValue fnAnd(Context& ctx, const std::vector<FormulaNode>& args) {
  return logicalFold(ctx, args, true);
}

CellValue fnOr(Context& ctx, const std::vector<FormulaNode>& args) {
  return logicalFold(ctx, args, false);
}

CellValue fnNot(Context& ctx, const std::vector<FormulaNode>& args) {
  if (args.size() != 1) return ErrorCode::Value;
  auto b = toBoolean(ctx.value(args[0]));
  if (const ErrorCode* e = std::get_if<ErrorCode>(&b)) return *e;
  return !std::get<bool>(b);
}

}  // namespace spreadsheet::formula
