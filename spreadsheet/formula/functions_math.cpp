#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "spreadsheet/formula/coercion.h"
#include "spreadsheet/formula/functions.h"

namespace spreadsheet::formula {
namespace {

// The numbers of an argument list as SUM, MIN, MAX and AVERAGE see them:
// in references only numbers count; typed arguments also count truth values
// and numeric text, other text is #VALUE!. Any error stops the walk.
template <typename Take>
std::optional<ErrorCode> forEachNumber(Context& ctx, const std::vector<FormulaNode>& args,
                                       Take take) {
  std::optional<ErrorCode> error;
  ctx.forEachValue(args, [&](const CellValue& v, bool fromReference) {
    if (v.isError()) {
      error = v.error();
      return false;
    }
    if (fromReference) {
      if (v.isNumber()) take(v.number());
      return true;
    }
    NumberOrError n = toNumber(v);
    if (const ErrorCode* e = std::get_if<ErrorCode>(&n)) {
      error = *e;
      return false;
    }
    take(std::get<double>(n));
    return true;
  });
  return error;
}

// One number argument, converted as arithmetic converts.
NumberOrError numberArgument(Context& ctx, const FormulaNode& arg) {
  return toNumber(ctx.value(arg));
}

// Rounds half away from zero after trimming binary noise at 15 significant
// digits, so ROUND(2.675, 2) is 2.68 as typed, not 2.67.
double roundHalfAway(double x, int digits) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", x);
  double clean = std::strtod(buf, nullptr);
  double scale = std::pow(10.0, std::abs(digits));
  if (digits >= 0 && std::fabs(clean) * scale >= 1e15) return clean;  // no digits to drop
  if (digits >= 0) {
    double scaled = clean * scale;
    std::snprintf(buf, sizeof buf, "%.15g", scaled);
    return std::round(std::strtod(buf, nullptr)) / scale;
  }
  return std::round(clean / scale) * scale;
}

}  // namespace

CellValue fnSum(Context& ctx, const std::vector<FormulaNode>& args) {
  double sum = 0;
  if (auto e = forEachNumber(ctx, args, [&](double n) { sum += n; })) return *e;
  return numberResult(sum);
}

CellValue fnMin(Context& ctx, const std::vector<FormulaNode>& args) {
  double best = std::numeric_limits<double>::infinity();
  if (auto e = forEachNumber(ctx, args, [&](double n) { best = std::min(best, n); })) return *e;
  return std::isinf(best) ? 0.0 : best;
}

CellValue fnMax(Context& ctx, const std::vector<FormulaNode>& args) {
  double best = -std::numeric_limits<double>::infinity();
  if (auto e = forEachNumber(ctx, args, [&](double n) { best = std::max(best, n); })) return *e;
  return std::isinf(best) ? 0.0 : best;
}

CellValue fnAverage(Context& ctx, const std::vector<FormulaNode>& args) {
  double sum = 0;
  int count = 0;
  if (auto e = forEachNumber(ctx, args, [&](double n) { sum += n, ++count; })) return *e;
  if (count == 0) return ErrorCode::Div0;
  return numberResult(sum / count);
}

// COUNT: numbers in references; typed numbers, truth values and numeric text.
// Errors are not counted and do not propagate.
CellValue fnCount(Context& ctx, const std::vector<FormulaNode>& args) {
  int count = 0;
  ctx.forEachValue(args, [&](const CellValue& v, bool fromReference) {
    bool typedNumber = v.isBoolean() || (v.isText() && numberFromText(v.text()));
    if (v.isNumber() || (!fromReference && typedNumber)) ++count;
    return true;
  });
  return count;
}

// COUNTA: every value that is not empty, errors included.
CellValue fnCountA(Context& ctx, const std::vector<FormulaNode>& args) {
  int count = 0;
  ctx.forEachValue(args, [&](const CellValue& v, bool) {
    count += !v.isEmpty();
    return true;
  });
  return count;
}

CellValue fnRound(Context& ctx, const std::vector<FormulaNode>& args) {
  if (args.size() != 2) return ErrorCode::Value;
  NumberOrError x = numberArgument(ctx, args[0]);
  if (const ErrorCode* e = std::get_if<ErrorCode>(&x)) return *e;
  NumberOrError d = numberArgument(ctx, args[1]);
  if (const ErrorCode* e = std::get_if<ErrorCode>(&d)) return *e;
  double digits = std::trunc(std::get<double>(d));
  if (digits > 15) return std::get<double>(x);
  if (digits < -308) return 0.0;
  return numberResult(roundHalfAway(std::get<double>(x), static_cast<int>(digits)));
}

CellValue fnAbs(Context& ctx, const std::vector<FormulaNode>& args) {
  if (args.size() != 1) return ErrorCode::Value;
  NumberOrError x = numberArgument(ctx, args[0]);
  if (const ErrorCode* e = std::get_if<ErrorCode>(&x)) return *e;
  return std::fabs(std::get<double>(x));
}

CellValue fnInt(Context& ctx, const std::vector<FormulaNode>& args) {
  if (args.size() != 1) return ErrorCode::Value;
  NumberOrError x = numberArgument(ctx, args[0]);
  if (const ErrorCode* e = std::get_if<ErrorCode>(&x)) return *e;
  return numberResult(std::floor(std::get<double>(x)));
}

}  // namespace spreadsheet::formula
