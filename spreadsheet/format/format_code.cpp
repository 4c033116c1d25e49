#include "spreadsheet/format/format_code.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <unordered_map>

#include "spreadsheet/model/error.h"

namespace spreadsheet::format {

namespace {

[[noreturn]] void refuse() {
  throw Error("Unable to set the NumberFormat property of the Range class");
}

char lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string lowered(std::string_view s) {
  std::string out;
  for (char c : s) out += lower(c);
  return out;
}

bool startsWithNoCase(std::string_view s, std::size_t at, std::string_view word) {
  if (s.size() - at < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k)
    if (lower(s[at + k]) != lower(word[k])) return false;
  return true;
}

// Splits at ';' outside quotes and brackets and not escaped.
std::vector<std::string_view> splitSections(std::string_view code) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < code.size(); ++i) {
    char c = code[i];
    if (c == '\\' || c == '_' || c == '*') {
      ++i;
    } else if (c == '"') {
      i = code.find('"', i + 1);
      if (i == std::string_view::npos) refuse();
    } else if (c == '[') {
      i = code.find(']', i + 1);
      if (i == std::string_view::npos) refuse();
    } else if (c == ';') {
      parts.push_back(code.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(code.substr(start));
  if (parts.size() > 4) refuse();
  return parts;
}

std::optional<int> namedColor(const std::string& name) {
  static const char* const names[] = {"black", "white",  "red",     "green",
                                      "blue",  "yellow", "magenta", "cyan"};
  for (int k = 0; k < 8; ++k)
    if (name == names[k]) return k + 1;
  if (name.rfind("color", 0) == 0) {
    std::string_view digits = std::string_view(name).substr(5);
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    int n = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec == std::errc() && end == digits.data() + digits.size() && n >= 1 && n <= 56) return n;
    refuse();
  }
  return std::nullopt;
}

std::optional<Condition> parseCondition(std::string_view body) {
  using Op = Condition::Op;
  static const std::pair<const char*, Op> ops[] = {{"<=", Op::LessEqual}, {">=", Op::GreaterEqual},
                                                   {"<>", Op::NotEqual},  {"<", Op::Less},
                                                   {">", Op::Greater},    {"=", Op::Equal}};
  for (auto [text, op] : ops) {
    std::string_view t(text);
    if (body.substr(0, t.size()) != t) continue;
    std::string number(body.substr(t.size()));
    char* end = nullptr;
    double value = std::strtod(number.c_str(), &end);
    if (number.empty() || *end != '\0') refuse();
    return Condition{op, value};
  }
  return std::nullopt;
}

bool allSame(const std::string& s, char c) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [c](char x) { return x == c; });
}

bool isDateTimeKind(TokenKind k) {
  switch (k) {
    case TokenKind::Year:
    case TokenKind::Month:
    case TokenKind::Day:
    case TokenKind::Hour:
    case TokenKind::Minute:
    case TokenKind::Second:
    case TokenKind::SubSecond:
    case TokenKind::AmPm:
    case TokenKind::ElapsedHours:
    case TokenKind::ElapsedMinutes:
    case TokenKind::ElapsedSeconds:
      return true;
    default:
      return false;
  }
}

class SectionParser {
 public:
  explicit SectionParser(std::string_view s) : s_(s) {}

  Section run() {
    while (i_ < s_.size()) step();
    resolveMinutes();
    resolveSubSeconds();
    resolveFractionBars();
    for (const Token& t : out_.tokens) {
      out_.dateTime = out_.dateTime || isDateTimeKind(t.kind);
      out_.text = out_.text || t.kind == TokenKind::Text;
      out_.digits = out_.digits || t.kind == TokenKind::Digit || t.kind == TokenKind::General;
    }
    return std::move(out_);
  }

 private:
  void add(TokenKind k, std::string text = {}, int width = 0) {
    out_.tokens.push_back(Token{k, std::move(text), width});
  }

  int runOf(char c) {
    int n = 0;
    while (i_ < s_.size() && lower(s_[i_]) == c) ++i_, ++n;
    return n;
  }

  void step() {
    char c = s_[i_];
    char lc = lower(c);
    if (c == '"') {
      std::size_t close = s_.find('"', i_ + 1);
      if (close == std::string_view::npos) refuse();
      add(TokenKind::Literal, std::string(s_.substr(i_ + 1, close - i_ - 1)));
      i_ = close + 1;
    } else if (c == '\\' || c == '_' || c == '*') {
      if (i_ + 1 >= s_.size()) {
        ++i_;
        return;
      }
      std::size_t len = utf8Length(i_ + 1);
      std::string next(s_.substr(i_ + 1, len));
      if (c == '\\') add(TokenKind::Literal, next);
      if (c == '_') add(TokenKind::Literal, " ");
      if (c == '*') add(TokenKind::Fill, next);
      i_ += 1 + len;
    } else if (c == '[') {
      bracket();
    } else if (c == '0' || c == '#' || c == '?') {
      add(TokenKind::Digit, std::string(1, c));
      ++i_;
    } else if (c == '@') {
      add(TokenKind::Text);
      ++i_;
    } else if (c == '.' || c == ',' || c == '%' || c == '/') {
      add(c == '.'   ? TokenKind::DecimalPoint
          : c == ',' ? TokenKind::Comma
          : c == '%' ? TokenKind::Percent
                     : TokenKind::FractionBar,
          std::string(1, c));
      ++i_;
    } else if (lc == 'e' && i_ + 1 < s_.size() && (s_[i_ + 1] == '+' || s_[i_ + 1] == '-')) {
      add(TokenKind::Exponent, std::string(s_.substr(i_, 2)));
      i_ += 2;
    } else if (startsWithNoCase(s_, i_, "general")) {
      add(TokenKind::General);
      i_ += 7;
    } else if (startsWithNoCase(s_, i_, "am/pm") || startsWithNoCase(s_, i_, "a/p")) {
      std::size_t len = startsWithNoCase(s_, i_, "am/pm") ? 5 : 3;
      add(TokenKind::AmPm, std::string(s_.substr(i_, len)));
      i_ += len;
    } else if (lc == 'y' || lc == 'e') {
      int n = runOf(lc);
      add(TokenKind::Year, {}, lc == 'e' ? 4 : n);
    } else if (lc == 'm' || lc == 'd' || lc == 'h' || lc == 's') {
      TokenKind k = lc == 'm'   ? TokenKind::Month
                    : lc == 'd' ? TokenKind::Day
                    : lc == 'h' ? TokenKind::Hour
                                : TokenKind::Second;
      int n = runOf(lc);
      add(k, {}, n);
    } else {
      std::size_t len = utf8Length(i_);
      add(TokenKind::Literal, std::string(s_.substr(i_, len)));
      i_ += len;
    }
  }

  std::size_t utf8Length(std::size_t at) const {
    auto b = static_cast<unsigned char>(s_[at]);
    std::size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    return std::min(len, s_.size() - at);
  }

  void bracket() {
    std::size_t close = s_.find(']', i_);
    if (close == std::string_view::npos) refuse();
    std::string_view body = s_.substr(i_ + 1, close - i_ - 1);
    i_ = close + 1;
    std::string low = lowered(body);
    if (auto color = namedColor(low)) {
      out_.colorIndex = color;
    } else if (!body.empty() && body.front() == '$') {
      // [$-409] picks a locale; [$€-407] shows the currency text before the '-'.
      std::string_view currency =
          body.substr(1, body.find('-') == std::string_view::npos ? std::string_view::npos
                                                                  : body.find('-') - 1);
      if (!currency.empty()) add(TokenKind::Literal, std::string(currency));
    } else if (auto cond = parseCondition(body)) {
      out_.condition = cond;
    } else if (allSame(low, 'h')) {
      add(TokenKind::ElapsedHours, {}, static_cast<int>(low.size()));
    } else if (allSame(low, 'm')) {
      add(TokenKind::ElapsedMinutes, {}, static_cast<int>(low.size()));
    } else if (allSame(low, 's')) {
      add(TokenKind::ElapsedSeconds, {}, static_cast<int>(low.size()));
    } else {
      refuse();
    }
  }

  // 'm' is minutes right after an hour or right before a second.
  void resolveMinutes() {
    auto& toks = out_.tokens;
    for (std::size_t k = 0; k < toks.size(); ++k) {
      if (toks[k].kind != TokenKind::Month || toks[k].width > 2) continue;
      TokenKind before = TokenKind::Literal, after = TokenKind::Literal;
      for (std::size_t j = k; j-- > 0;)
        if (isDateTimeKind(toks[j].kind)) {
          before = toks[j].kind;
          break;
        }
      for (std::size_t j = k + 1; j < toks.size(); ++j)
        if (isDateTimeKind(toks[j].kind) && toks[j].kind != TokenKind::AmPm) {
          after = toks[j].kind;
          break;
        }
      if (before == TokenKind::Hour || before == TokenKind::ElapsedHours ||
          after == TokenKind::Second || after == TokenKind::ElapsedSeconds)
        toks[k].kind = TokenKind::Minute;
    }
  }

  // In a date or time section, ".00" after seconds is fractions of a second;
  // other digits and points there are shown as written.
  void resolveSubSeconds() {
    auto& toks = out_.tokens;
    bool dateTime = std::any_of(toks.begin(), toks.end(),
                                [](const Token& t) { return isDateTimeKind(t.kind); });
    if (!dateTime) return;
    std::vector<Token> result;
    bool seenSecond = false;
    for (std::size_t k = 0; k < toks.size(); ++k) {
      const Token& t = toks[k];
      if (t.kind == TokenKind::Second || t.kind == TokenKind::ElapsedSeconds) seenSecond = true;
      if (t.kind == TokenKind::DecimalPoint && seenSecond) {
        int n = 0;
        while (k + 1 < toks.size() && toks[k + 1].kind == TokenKind::Digit &&
               toks[k + 1].text == "0")
          ++k, ++n;
        if (n > 0) {
          result.push_back(Token{TokenKind::SubSecond, {}, std::min(n, 3)});
          continue;
        }
      }
      if (t.kind == TokenKind::Digit || t.kind == TokenKind::DecimalPoint ||
          t.kind == TokenKind::Comma || t.kind == TokenKind::FractionBar ||
          t.kind == TokenKind::Percent)
        result.push_back(Token{TokenKind::Literal, t.text, 0});
      else
        result.push_back(t);
    }
    toks = std::move(result);
  }

  // '/' is a fraction bar only between a placeholder and a placeholder or digit.
  void resolveFractionBars() {
    auto& toks = out_.tokens;
    for (std::size_t k = 0; k < toks.size(); ++k) {
      if (toks[k].kind != TokenKind::FractionBar) continue;
      bool before = k > 0 && toks[k - 1].kind == TokenKind::Digit;
      bool after = k + 1 < toks.size() &&
                   (toks[k + 1].kind == TokenKind::Digit ||
                    (toks[k + 1].kind == TokenKind::Literal && toks[k + 1].text.size() == 1 &&
                     std::isdigit(static_cast<unsigned char>(toks[k + 1].text[0]))));
      if (!before || !after) toks[k].kind = TokenKind::Literal;
    }
  }

  std::string_view s_;
  std::size_t i_ = 0;
  Section out_;
};

}  // namespace

bool Condition::matches(double v) const {
  switch (op) {
    case Op::Less:
      return v < value;
    case Op::LessEqual:
      return v <= value;
    case Op::Greater:
      return v > value;
    case Op::GreaterEqual:
      return v >= value;
    case Op::Equal:
      return v == value;
    case Op::NotEqual:
      return v != value;
  }
  return false;
}

FormatCode parseFormatCode(std::string_view code) {
  FormatCode fc;
  if (code.empty() || lowered(code) == "general") {
    fc.general = true;
    fc.sections.push_back(Section{{Token{TokenKind::General, {}, 0}}, {}, {}, false, false, true});
    return fc;
  }
  for (std::string_view part : splitSections(code))
    fc.sections.push_back(SectionParser(part).run());
  return fc;
}

const FormatCode& cachedFormatCode(std::string_view code) {
  thread_local std::unordered_map<std::string, FormatCode> cache;
  std::string key(code);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  if (cache.size() > 512) cache.clear();
  return cache.emplace(std::move(key), parseFormatCode(code)).first->second;
}

}  // namespace spreadsheet::format
