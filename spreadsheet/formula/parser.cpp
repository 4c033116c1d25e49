// Formula text to tree, with the application's operator precedence, from
// loosest to tightest: comparisons; &; + -; * /; ^; %; unary - +.
// Parentheses stay in the tree so the formula prints back as written.
#include <utility>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/tokenizer.h"

namespace spreadsheet::formula {
namespace {

// Deeper nesting than this is refused rather than risking the stack.
constexpr int kMaxNesting = 200;

class Parser {
 public:
  Parser(std::string_view text, std::vector<Token> tokens)
      : text_(text), tokens_(std::move(tokens)) {}

  FormulaNode run() {
    if (peek().kind == TokenKind::End) fail("the formula is empty");
    FormulaNode root = expression();
    if (peek().kind == TokenKind::Close) fail("a ')' without its '('");
    if (peek().kind != TokenKind::End) fail("an operator is missing");
    return root;
  }

 private:
  const Token& peek() const { return tokens_[i_]; }
  const Token& next() { return tokens_[i_++]; }
  [[noreturn]] void fail(const std::string& problem) const {
    throwFormulaError(text_, peek().position, problem);
  }

  bool atOperator(std::initializer_list<std::string_view> ops) const {
    if (peek().kind != TokenKind::Operator) return false;
    for (std::string_view op : ops)
      if (peek().text == op) return true;
    return false;
  }

  static FormulaNode binary(std::string op, FormulaNode left, FormulaNode right) {
    FormulaNode node;
    node.kind = FormulaKind::Binary;
    node.text = std::move(op);
    node.children.push_back(std::move(left));
    node.children.push_back(std::move(right));
    return node;
  }

  // One left-associative level of binary operators over `operand`.
  template <typename Operand>
  FormulaNode level(std::initializer_list<std::string_view> ops, Operand operand) {
    FormulaNode left = (this->*operand)();
    while (atOperator(ops)) {
      std::string op = next().text;
      left = binary(std::move(op), std::move(left), (this->*operand)());
    }
    return left;
  }

  FormulaNode expression() { return level({"=", "<>", "<", "<=", ">", ">="}, &Parser::concat); }
  FormulaNode concat() { return level({"&"}, &Parser::additive); }
  FormulaNode additive() { return level({"+", "-"}, &Parser::multiplicative); }
  FormulaNode multiplicative() { return level({"*", "/"}, &Parser::power); }
  FormulaNode power() { return level({"^"}, &Parser::percent); }

  FormulaNode percent() {
    FormulaNode node = unary();
    while (atOperator({"%"})) {
      next();
      FormulaNode wrapped;
      wrapped.kind = FormulaKind::Percent;
      wrapped.children.push_back(std::move(node));
      node = std::move(wrapped);
    }
    return node;
  }

  FormulaNode unary() {
    if (!atOperator({"-", "+"})) return primary();
    Nesting guard(*this);
    FormulaNode node;
    node.kind = FormulaKind::Unary;
    node.text = next().text;
    node.children.push_back(unary());
    return node;
  }

  FormulaNode primary() {
    switch (peek().kind) {
      case TokenKind::Operand:
        return std::move(tokens_[i_++].operand);
      case TokenKind::Function:
        return function();
      case TokenKind::Open: {
        Nesting guard(*this);
        next();
        FormulaNode node;
        node.kind = FormulaKind::Parentheses;
        node.children.push_back(expression());
        if (peek().kind != TokenKind::Close) fail("a '(' without its ')'");
        next();
        return node;
      }
      case TokenKind::End:
        fail("the formula ends where a value is expected");
      case TokenKind::Close:
        fail("a value is missing before ')'");
      case TokenKind::Comma:
        fail("a ',' outside a function's arguments");
      case TokenKind::Operator:
        fail("the operator '" + peek().text + "' has no value before it");
    }
    fail("unexpected text");
  }

  FormulaNode function() {
    Nesting guard(*this);
    FormulaNode node;
    node.kind = FormulaKind::Function;
    node.text = next().text;
    if (peek().kind == TokenKind::Close) {
      next();
      return node;
    }
    while (true) {
      if (peek().kind == TokenKind::Comma || peek().kind == TokenKind::Close) {
        node.children.emplace_back();  // an omitted argument
      } else {
        node.children.push_back(expression());
      }
      if (peek().kind == TokenKind::Close) break;
      if (peek().kind != TokenKind::Comma) {
        if (peek().kind == TokenKind::End) fail("a '(' without its ')'");
        fail("',' or ')' expected in the arguments of " + node.text);
      }
      next();
    }
    next();
    return node;
  }

  struct Nesting {
    explicit Nesting(Parser& p) : parser(p) {
      if (++parser.depth_ > kMaxNesting) parser.fail("too many levels of nesting");
    }
    ~Nesting() { --parser.depth_; }
    Parser& parser;
  };

  std::string_view text_;
  std::vector<Token> tokens_;
  std::size_t i_ = 0;
  int depth_ = 0;
};

}  // namespace

FormulaNode parse(std::string_view text, Notation n, CellAddress at) {
  if (at.row < 1 || at.row > kMaxRows || at.column < 1 || at.column > kMaxColumns)
    throwFormulaError(text, 0, "the formula's cell is off the sheet");
  return Parser(text, tokenize(text, n, at)).run();
}

}  // namespace spreadsheet::formula
