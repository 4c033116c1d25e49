#include "spreadsheet/formula/tokenizer.h"

#include <cctype>
#include <charconv>

#include "spreadsheet/formula/reference_text.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::formula {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool startsName(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '\\' ||
         static_cast<unsigned char>(c) >= 0x80;
}

std::string upperCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

class Tokenizer {
 public:
  Tokenizer(std::string_view text, Notation n, CellAddress at) : t_(text), n_(n), at_(at) {}

  std::vector<Token> run() {
    if (t_.size() > kMaxFormulaLength) throwFormulaError(t_, kMaxFormulaLength, "text too long");
    if (t_.empty() || t_[0] != '=') throwFormulaError(t_, 0, "a formula starts with '='");
    p_ = 1;
    out_.reserve(t_.size() / 2 + 2);
    while (true) {
      while (p_ < t_.size() && std::isspace(static_cast<unsigned char>(t_[p_]))) ++p_;
      Token token;
      token.position = p_;
      if (p_ >= t_.size()) {
        out_.push_back(std::move(token));
        return std::move(out_);
      }
      readToken(token);
      out_.push_back(std::move(token));
    }
  }

 private:
  void readToken(Token& token) {
    char c = t_[p_];
    if (c == '"') return readText(token);
    if (c == '#') return readError(token);
    if (c == '\'') return readQuotedSheet(token);
    if (c == '(' || c == ')' || c == ',') {
      token.kind = c == '(' ? TokenKind::Open : c == ')' ? TokenKind::Close : TokenKind::Comma;
      ++p_;
      return;
    }
    if (isDigit(c) || c == '.' || c == '$' || startsName(c)) {
      if (readReferenceInto(token, "")) return;
      if (isDigit(c) || c == '.') return readNumber(token);
      if (c != '$') return readWord(token);
    }
    readOperator(token);
  }

  bool readReferenceInto(Token& token, const std::string& sheet) {
    auto ref = readReference(t_, p_, n_, at_);
    if (!ref) return false;
    token.kind = TokenKind::Operand;
    token.operand.kind = ref->area ? FormulaKind::Area : FormulaKind::Cell;
    token.operand.first = ref->first;
    token.operand.last = ref->area ? ref->last : ref->first;
    token.operand.sheet = sheet;
    p_ += ref->length;
    return true;
  }

  // Text between `quote` characters at p_, a doubled quote standing for one.
  std::string readQuoted(char quote, const char* missingEnd) {
    std::string value;
    std::size_t p = p_ + 1;
    while (true) {
      if (p >= t_.size()) throwFormulaError(t_, p_, missingEnd);
      if (t_[p] == quote) {
        if (p + 1 >= t_.size() || t_[p + 1] != quote) break;
        ++p;
      }
      value += t_[p++];
    }
    p_ = p + 1;
    return value;
  }

  void readText(Token& token) {
    token.operand.text = readQuoted('"', "text without its closing quote");
    token.kind = TokenKind::Operand;
    token.operand.kind = FormulaKind::Text;
  }

  void readError(Token& token) {
    for (ErrorCode e : {ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value, ErrorCode::Ref,
                        ErrorCode::Name, ErrorCode::Num, ErrorCode::NA}) {
      std::string_view text = errorText(e);
      if (upperCase(t_.substr(p_, text.size())) == text) {
        token.kind = TokenKind::Operand;
        token.operand.kind = FormulaKind::Error;
        token.operand.error = e;
        p_ += text.size();
        return;
      }
    }
    throwFormulaError(t_, p_, "unknown error value");
  }

  void readNumber(Token& token) {
    std::size_t start = p_;
    while (p_ < t_.size() && isDigit(t_[p_])) ++p_;
    if (p_ < t_.size() && t_[p_] == '.') ++p_;
    while (p_ < t_.size() && isDigit(t_[p_])) ++p_;
    if (p_ < t_.size() && (t_[p_] == 'E' || t_[p_] == 'e')) {
      ++p_;
      if (p_ < t_.size() && (t_[p_] == '+' || t_[p_] == '-')) ++p_;
      if (p_ >= t_.size() || !isDigit(t_[p_])) throwFormulaError(t_, start, "malformed number");
      while (p_ < t_.size() && isDigit(t_[p_])) ++p_;
    }
    double value = 0;
    auto [end, ec] = std::from_chars(t_.data() + start, t_.data() + p_, value);
    if (ec != std::errc() || end != t_.data() + p_)
      throwFormulaError(t_, start, "malformed number");
    if (p_ < t_.size() && isNameChar(t_[p_])) throwFormulaError(t_, start, "malformed number");
    token.kind = TokenKind::Operand;
    token.operand.kind = FormulaKind::Number;
    token.operand.number = value;
  }

  // A name, a function, TRUE/FALSE, or a sheet qualifier followed by '!'.
  void readWord(Token& token) {
    std::size_t start = p_;
    while (p_ < t_.size() && isNameChar(t_[p_])) ++p_;
    std::string word(t_.substr(start, p_ - start));
    if (p_ < t_.size() && t_[p_] == '!') {
      ++p_;
      return readQualified(token, word, start);
    }
    if (p_ < t_.size() && t_[p_] == '(') {
      ++p_;
      token.kind = TokenKind::Function;
      token.text = upperCase(word);
      return;
    }
    token.kind = TokenKind::Operand;
    std::string upper = upperCase(word);
    if (upper == "TRUE" || upper == "FALSE") {
      token.operand.kind = FormulaKind::Boolean;
      token.operand.boolean = upper == "TRUE";
      return;
    }
    if (readsAsReference(word))
      throwFormulaError(t_, start, "\"" + word + "\" is not a valid name");
    token.operand.kind = FormulaKind::Name;
    token.operand.text = std::move(word);
  }

  void readQuotedSheet(Token& token) {
    std::size_t start = p_;
    std::string sheet = readQuoted('\'', "sheet name without its closing quote");
    if (sheet.empty() || p_ >= t_.size() || t_[p_] != '!')
      throwFormulaError(t_, start, "a quoted sheet name must be followed by '!'");
    ++p_;
    readQualified(token, sheet, start);
  }

  // What follows "Sheet!": a reference, or a name local to that sheet.
  void readQualified(Token& token, const std::string& sheet, std::size_t start) {
    if (p_ < t_.size() && readReferenceInto(token, sheet)) return;
    if (p_ < t_.size() && upperCase(t_.substr(p_, 5)) == "#REF!") {
      token.kind = TokenKind::Operand;
      token.operand.kind = FormulaKind::RefError;
      token.operand.sheet = sheet;
      p_ += 5;
      return;
    }
    if (p_ >= t_.size() || !startsName(t_[p_]))
      throwFormulaError(t_, start, "a sheet name must be followed by a reference");
    std::size_t nameStart = p_;
    while (p_ < t_.size() && isNameChar(t_[p_])) ++p_;
    std::string name(t_.substr(nameStart, p_ - nameStart));
    if (readsAsReference(name))
      throwFormulaError(t_, nameStart, "\"" + name + "\" is not a valid name");
    token.kind = TokenKind::Operand;
    token.operand.kind = FormulaKind::Name;
    token.operand.text = std::move(name);
    token.operand.sheet = sheet;
  }

  void readOperator(Token& token) {
    static constexpr std::string_view kTwo[] = {"<>", "<=", ">="};
    for (std::string_view op : kTwo) {
      if (t_.substr(p_, 2) == op) {
        token.kind = TokenKind::Operator;
        token.text = std::string(op);
        p_ += 2;
        return;
      }
    }
    static constexpr std::string_view kOne = "+-*/^&=<>%";
    if (kOne.find(t_[p_]) == std::string_view::npos)
      throwFormulaError(t_, p_, std::string("unknown operator '") + t_[p_] + "'");
    token.kind = TokenKind::Operator;
    token.text = std::string(1, t_[p_++]);
  }

  std::string_view t_;
  Notation n_;
  CellAddress at_;
  std::size_t p_ = 0;
  std::vector<Token> out_;
};

}  // namespace

void throwFormulaError(std::string_view text, std::size_t position, const std::string& problem) {
  throw Error("There's a problem with this formula: " + problem + " at character " +
              std::to_string(position + 1) + " of \"" + std::string(text.substr(0, 200)) + "\".");
}

std::vector<Token> tokenize(std::string_view text, Notation n, CellAddress at) {
  return Tokenizer(text, n, at).run();
}

}  // namespace spreadsheet::formula
