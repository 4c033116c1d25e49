#include "spreadsheet/format/number_section.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>
#include <utility>

#include "spreadsheet/format/decimal_digits.h"
#include "spreadsheet/format/general_number.h"

namespace spreadsheet::format {

namespace {

constexpr std::size_t npos = static_cast<std::size_t>(-1);

bool isDigit(const std::vector<Token>& t, std::size_t k) {
  return k < t.size() && t[k].kind == TokenKind::Digit;
}

char padFor(const Token& placeholder) {
  return placeholder.text[0] == '0' ? '0' : placeholder.text[0] == '?' ? ' ' : '\0';
}

// Where the parts of a numeric section sit among its tokens.
struct Layout {
  std::size_t point = npos;     // first decimal point of the mantissa
  std::size_t exponent = npos;  // E+ / E-
  std::size_t bar = npos;       // fraction bar
  std::size_t numeratorStart = npos;
  std::size_t integerEnd = 0;  // integer placeholders lie before this index
  std::size_t numberEnd = 0;   // mantissa ends here (exponent or end)
  std::vector<std::size_t> integerDigits;
  std::vector<std::size_t> decimalDigits;
  bool grouping = false;
  int scale = 0;  // power of ten applied to the value (percent, trailing commas)
};

Layout analyse(const std::vector<Token>& t) {
  Layout l;
  for (std::size_t k = 0; k < t.size(); ++k) {
    if (t[k].kind == TokenKind::Exponent && l.exponent == npos) l.exponent = k;
    if (t[k].kind == TokenKind::FractionBar && l.bar == npos) l.bar = k;
  }
  l.numberEnd = l.exponent == npos ? t.size() : l.exponent;
  for (std::size_t k = 0; k < l.numberEnd; ++k)
    if (t[k].kind == TokenKind::DecimalPoint && l.point == npos) l.point = k;
  if (l.bar != npos && l.exponent != npos) l.bar = npos;  // the bar is then shown as is
  if (l.bar != npos) {
    l.point = npos;
    l.numeratorStart = l.bar;
    while (l.numeratorStart > 0 && isDigit(t, l.numeratorStart - 1)) --l.numeratorStart;
  }
  l.integerEnd = l.bar != npos ? l.numeratorStart : l.point != npos ? l.point : l.numberEnd;
  for (std::size_t k = 0; k < l.numberEnd; ++k) {
    if (t[k].kind == TokenKind::Digit && k < l.integerEnd) l.integerDigits.push_back(k);
    if (t[k].kind == TokenKind::Digit && l.point != npos && k > l.point)
      l.decimalDigits.push_back(k);
    if (t[k].kind == TokenKind::Percent) l.scale += 2;
  }
  return l;
}

// A comma between integer placeholders groups thousands; one after the last
// placeholder divides by 1000; any other comma is shown.
enum class CommaRole { Group, Scale, Shown };

CommaRole commaRole(const std::vector<Token>& t, const Layout& l, std::size_t k) {
  bool before = false, after = false;
  for (std::size_t j = 0; j < k; ++j) before = before || t[j].kind == TokenKind::Digit;
  for (std::size_t j = k + 1; j < l.numberEnd; ++j) after = after || t[j].kind == TokenKind::Digit;
  if (!before) return CommaRole::Shown;
  if (!after) return CommaRole::Scale;
  return k < l.integerEnd ? CommaRole::Group : CommaRole::Shown;
}

// Spreads integer digits over the placeholders from the right; the leftmost
// placeholder takes any surplus digits.
std::vector<std::string> spreadDigits(const std::vector<Token>& t,
                                      const std::vector<std::size_t>& places,
                                      const std::string& digits) {
  std::vector<std::string> out(places.size());
  int n = static_cast<int>(places.size());
  int len = static_cast<int>(digits.size());
  for (int i = n - 1; i >= 0; --i) {
    int idx = len - (n - i);
    if (idx >= 0) {
      out[i] = i == 0 ? digits.substr(0, idx + 1) : std::string(1, digits[idx]);
    } else if (char pad = padFor(t[places[i]])) {
      out[i] = std::string(1, pad);
    }
  }
  return out;
}

// Decimal placeholder j: '#' drops and '?' blanks zeros that end the fraction.
std::string decimalDigit(const Token& placeholder, const std::string& fraction, std::size_t j) {
  bool trailingZero = fraction.find_first_not_of('0', j) == std::string::npos;
  if (!trailingZero) return std::string(1, fraction[j]);
  char pad = padFor(placeholder);
  return pad ? std::string(1, pad) : std::string();
}

class NumberWriter {
 public:
  NumberWriter(const Section& s, SectionOutput& out)
      : t_(s.tokens), l_(analyse(s.tokens)), out_(out) {
    for (std::size_t k = 0; k < t_.size(); ++k) {
      if (t_[k].kind != TokenKind::Comma) continue;
      CommaRole role = commaRole(t_, l_, k);
      if (role == CommaRole::Scale) l_.scale -= 3;
      if (role == CommaRole::Group) l_.grouping = true;
    }
  }

  void write(double value) {
    Decimal d = shifted(toDecimal(value), l_.scale);
    if (l_.bar != npos) {
      writeFraction(value * std::pow(10.0, l_.scale));
      return;
    }
    if (l_.exponent != npos) d = prepareExponent(d);
    FixedDigits f = toFixed(d, static_cast<int>(l_.decimalDigits.size()));
    integerParts_ = spreadDigits(t_, l_.integerDigits, f.integer);
    fraction_ = f.fraction;
    // Without integer placeholders the whole number still shows before the point.
    if (l_.integerDigits.empty()) orphanInteger_ = f.integer;
    emitAll(value);
  }

 private:
  Decimal prepareExponent(const Decimal& d) {
    int ni = static_cast<int>(l_.integerDigits.size());
    int nd = static_cast<int>(l_.decimalDigits.size());
    // "##0.0E+0" keeps the exponent a multiple of the placeholder count;
    // "00.0E+0" fills every integer placeholder instead.
    bool engineering = false;
    for (std::size_t k : l_.integerDigits) engineering = engineering || t_[k].text == "#";
    auto chooseExponent = [&](int e) {
      if (ni <= 1) return e;
      if (engineering) return static_cast<int>(std::floor(static_cast<double>(e) / ni)) * ni;
      return e - (ni - 1);
    };
    if (d.digits.empty()) return d;
    int e = d.exponent - 1;
    int shown = chooseExponent(e);
    Decimal r = roundSignificant(d, e - shown + 1 + nd);
    if (r.exponent != d.exponent) shown = chooseExponent(r.exponent - 1);
    exponentValue_ = shown;
    return shifted(r, -shown);
  }

  void emitAll(double value) {
    int groupTotal = 0;
    for (const auto& part : integerParts_)
      for (char c : part) groupTotal += c >= '0' && c <= '9';
    int emitted = 0;
    std::size_t intIndex = 0, decIndex = 0;
    bool pointDone = false;
    for (std::size_t k = 0; k < t_.size(); ++k) {
      const Token& tok = t_[k];
      if (k == l_.numeratorStart) {
        out_.text += fractionText_;
        k = fractionEnd_ - 1;
        continue;
      }
      if (out_.literalOrFill(tok)) continue;
      switch (tok.kind) {
        case TokenKind::Digit:
          if (k < l_.integerEnd) {
            for (char c : integerParts_[intIndex]) {
              out_.text += c;
              if (c < '0' || c > '9') continue;
              int remaining = groupTotal - ++emitted;
              if (l_.grouping && remaining > 0 && remaining % 3 == 0) out_.text += ',';
            }
            ++intIndex;
          } else if (k < l_.numberEnd) {
            out_.text += decimalDigit(tok, fraction_, decIndex++);
          }
          break;
        case TokenKind::DecimalPoint:
          if (!pointDone) out_.text += orphanInteger_;
          pointDone = true;
          out_.text += '.';
          break;
        case TokenKind::Comma:
          if (commaRole(t_, l_, k) == CommaRole::Shown) out_.text += ',';
          break;
        case TokenKind::Percent:
          out_.text += '%';
          break;
        case TokenKind::FractionBar:
          out_.text += '/';
          break;
        case TokenKind::Exponent:
          writeExponent(tok, k);
          break;
        case TokenKind::General:
          out_.text += generalNumberText(value);
          break;
        default:
          break;
      }
    }
  }

  void writeExponent(const Token& tok, std::size_t at) {
    int zeros = 0;
    for (std::size_t k = at + 1; k < t_.size(); ++k)
      if (t_[k].kind == TokenKind::Digit && t_[k].text == "0") ++zeros;
    std::string digits = std::to_string(std::abs(exponentValue_));
    if (static_cast<int>(digits.size()) < zeros) digits.insert(0, zeros - digits.size(), '0');
    out_.text += tok.text[0];
    if (exponentValue_ < 0)
      out_.text += '-';
    else if (tok.text[1] == '+')
      out_.text += '+';
    out_.text += digits;
  }

  void writeFraction(double value);

  const std::vector<Token>& t_;
  Layout l_;
  SectionOutput& out_;
  std::vector<std::string> integerParts_;
  std::string fraction_;
  std::string orphanInteger_;
  std::string fractionText_;     // numerator, bar and denominator as shown
  std::size_t fractionEnd_ = 0;  // first token after the denominator
  int exponentValue_ = 0;
};

// The closest fraction with a denominator of at most maxDenominator; ties go
// to the smaller denominator.
std::pair<long long, long long> closestFraction(double value, long long maxDenominator) {
  long long bestNum = std::llround(value), bestDen = 1;
  double bestErr = std::fabs(value - static_cast<double>(bestNum));
  for (long long den = 2; den <= maxDenominator && bestErr > 0; ++den) {
    long long num = std::llround(value * static_cast<double>(den));
    double err = std::fabs(value - static_cast<double>(num) / static_cast<double>(den));
    if (err < bestErr - 1e-12) bestNum = num, bestDen = den, bestErr = err;
  }
  return {bestNum, bestDen};
}

bool isLiteralDigit(const Token& t) {
  return t.kind == TokenKind::Literal && t.text.size() == 1 && t.text[0] >= '0' && t.text[0] <= '9';
}

// A fraction's denominator fills its placeholders from the left.
std::string denominatorText(const std::vector<Token>& t, const std::vector<std::size_t>& places,
                            const std::string& digits) {
  std::string out;
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (i + 1 == places.size() && i < digits.size()) {
      out += digits.substr(i);
    } else if (i < digits.size()) {
      out += digits[i];
    } else if (char pad = padFor(t[places[i]])) {
      out += pad;
    }
  }
  return out;
}

void NumberWriter::writeFraction(double value) {
  std::vector<std::size_t> numerator, denominator;
  for (std::size_t k = l_.numeratorStart; k < l_.bar; ++k) numerator.push_back(k);
  std::size_t k = l_.bar + 1;
  std::string fixed;
  while (k < t_.size() && t_[k].kind == TokenKind::Digit) denominator.push_back(k++);
  if (denominator.empty())
    while (k < t_.size() && isLiteralDigit(t_[k]) && fixed.size() < 6) fixed += t_[k++].text;
  fractionEnd_ = k;

  bool hasWhole = !l_.integerDigits.empty();
  double whole = hasWhole ? std::floor(value) : 0;
  double part = value - whole;
  long long num = 0, den = 1;
  std::string numText;
  if (part >= 1e12) {
    // Beyond the digits a double carries there is no fraction left to show.
    numText = toFixed(toDecimal(part), 0).integer;
  } else if (!fixed.empty()) {
    den = std::max(1LL, std::atoll(fixed.c_str()));
    num = std::llround(part * static_cast<double>(den));
  } else {
    long long maxDen = 1;
    for (std::size_t i = 0; i < std::min<std::size_t>(denominator.size(), 4); ++i) maxDen *= 10;
    std::tie(num, den) = closestFraction(part, maxDen - 1);
  }
  if (hasWhole && num >= den) whole += 1, num = 0;
  if (numText.empty()) numText = std::to_string(num);

  std::string wholeDigits = toFixed(toDecimal(whole), 0).integer;
  if (hasWhole && wholeDigits.empty() && num == 0) wholeDigits = "0";
  integerParts_ = spreadDigits(t_, l_.integerDigits, wholeDigits);

  std::string denText =
      fixed.empty() ? denominatorText(t_, denominator, std::to_string(den)) : fixed;
  for (const std::string& s : spreadDigits(t_, numerator, numText)) fractionText_ += s;
  fractionText_ += '/' + denText;
  // A whole number shows no fraction, only blanks where it would stand.
  if (hasWhole && num == 0) fractionText_.assign(fractionText_.size(), ' ');
  emitAll(value);
}

}  // namespace

void renderNumber(const Section& section, double value, SectionOutput& out) {
  NumberWriter(section, out).write(value);
}

}  // namespace spreadsheet::format
