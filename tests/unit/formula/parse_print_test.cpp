#include <gtest/gtest.h>

#include <functional>

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::formula {
namespace {

constexpr CellAddress kF12{12, 6};

struct RoundTrip {
  const char* r1c1;
  const char* a1;  // the same formula written in A1 in cell F12
};

// Every formula the time-sheet layout writes, and their A1 readings in F12.
const RoundTrip kLayoutFormulas[] = {
    {"=IF((OR(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]<R[-1]C[-1]),((RC[-1]-R[-1]C[-1])*24)+24,"
     "(RC[-1]-R[-1]C[-1])*24))",
     "=IF((OR(E12=\"\",E11=\"\")),0,IF((E12<E11),((E12-E11)*24)+24,(E12-E11)*24))"},
    {"=IF((AND(RC[-1]=\"\",R[-1]C[-1]=\"\")),0,IF((RC[-1]=\"\"),(((R[-1]C[-1]))*24),(RC[-1]+R[-1]"
     "C[-1])*24))",
     "=IF((AND(E12=\"\",E11=\"\")),0,IF((E12=\"\"),(((E11))*24),(E12+E11)*24))"},
    {"=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)",
     "=SUMIF(G8:G8,\">0\")-IF(G11>0,G11,0)"},
    {"=SUMIF(R[-10]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)",
     "=SUMIF(G2:G8,\">0\")-IF(G11>0,G11,0)"},
    {"=RC[-2]*RC[-1]", "=D12*E12"},
    {"=IF(R4C18=0,\"\",R4C18+6)", "=IF($R$4=0,\"\",$R$4+6)"},
    {"=IF(R4C21=0,\"\",R4C21+13)", "=IF($U$4=0,\"\",$U$4+13)"},
    {"=TimeSheet!R201C29:R295C29", "=TimeSheet!$AC$201:$AC$295"},
    {"=TimeSheet!R200C30:R224C30", "=TimeSheet!$AD$200:$AD$224"},
    {"=Time0", "=Time0"},
    {"=LunchTime*24", "=LunchTime*24"},
};

TEST(ParsePrint, LayoutFormulasReadBackCharacterForCharacter) {
  for (const RoundTrip& f : kLayoutFormulas) {
    FormulaNode tree = parse(f.r1c1, Notation::R1C1, kF12);
    EXPECT_EQ(print(tree, Notation::R1C1, kF12), f.r1c1);
    EXPECT_EQ(print(tree, Notation::A1, kF12), f.a1) << f.r1c1;
    EXPECT_EQ(parse(f.a1, Notation::A1, kF12), tree) << f.a1;
  }
  // The daily total stands in column R (18): RC[-15]:RC[-2] is C12:P12.
  FormulaNode total = parse("=SUM(RC[-15]:RC[-2])", Notation::R1C1, {12, 18});
  EXPECT_EQ(print(total, Notation::A1, {12, 18}), "=SUM(C12:P12)");
  EXPECT_EQ(print(total, Notation::R1C1, {12, 18}), "=SUM(RC[-15]:RC[-2])");
}

TEST(ParsePrint, OtherFormulasRoundTripInBothNotations) {
  const char* r1c1[] = {
      "=1+2*3-4/5^6",
      "=-2^2",
      "=+A",
      "=-(-1)",
      "=50%",
      "=-5%%",
      "=1.5E+20",
      "=0.25",
      "=\"say \"\"hi\"\"\"",
      "=\"\"",
      "=TRUE",
      "=FALSE<>TRUE",
      "=#N/A",
      "=#DIV/0!",
      "=#NULL!",
      "=#NUM!",
      "=#VALUE!",
      "=#NAME?",
      "=#REF!",
      "=\"a\"&\"b\"&1",
      "=R1C1",
      "=R[1]C[1]",
      "=R[-11]C[-5]",
      "=RC",
      "=R1",
      "=R[2]:R[3]",
      "=C5",
      "=C[-1]:C[1]",
      "=R1048576C16384",
      "=SUM(R1C1:R3C3,R[1]C,5)",
      "=IF(RC[-1]>=1,,2)",
      "=NOW()",
      "='My sheet'!R1C1",
      "='It''s'!RC[1]:RC[2]",
      "=Sheet2!Total",
      "=UNKNOWN(1,2)",
      "=ROUND(AVERAGE(R1C1:R2C2),2)",
      "=MAX(1,MIN(2,3))",
      "=1<2",
      "=1<=2",
      "=1>2",
      "=1>=2",
      "=1=2",
      "=COUNTIF(C1,\"a*\")",
      "='2024'!R1C1",
      "='A1'!R1C1",
      "='R1C1'!R1C1",
      "=Sheet.One!R1C1",
  };
  for (const char* text : r1c1) {
    FormulaNode tree = parse(text, Notation::R1C1, kF12);
    EXPECT_EQ(print(tree, Notation::R1C1, kF12), text);
    std::string a1 = print(tree, Notation::A1, kF12);
    EXPECT_EQ(parse(a1, Notation::A1, kF12), tree) << text << " as " << a1;
  }
  const std::pair<const char*, const char*> a1[] = {
      {"=$A$1+A$1+$A1+A1", "=R1C1+R1C[-5]+R[-11]C1+R[-11]C[-5]"},
      {"=SUM($A:$A,B:C)", "=SUM(C1,C[-4]:C[-3])"},
      {"=SUM(1:1,$2:$3)", "=SUM(R[-11],R2:R3)"},
      {"=XFD1048576", "=R[1048564]C[16378]"},
      {"=Sheet2!B2:C3", "=Sheet2!R[-10]C[-4]:R[-9]C[-3]"},
      {"=tax2024", "=R[2012]C[13564]"},
      {"=Rate*2", "=Rate*2"},
  };
  for (auto [text, inR1C1] : a1) {
    FormulaNode tree = parse(text, Notation::A1, kF12);
    EXPECT_EQ(print(tree, Notation::A1, kF12), text == std::string("=tax2024") ? "=TAX2024" : text);
    EXPECT_EQ(print(tree, Notation::R1C1, kF12), inR1C1) << text;
  }
}

TEST(ParsePrint, NormalisesWhatTheApplicationNormalises) {
  const std::pair<const char*, const char*> cases[] = {
      {"=sum( 1 , 2 )", "=SUM(1,2)"},
      {"=.5", "=0.5"},
      {"=1e3", "=1000"},
      {"=true", "=TRUE"},
      {"=#n/a", "=#N/A"},
      {"=r1c1", "=R1C1"},
      {"=R3C1:R1C1", "=R1C1:R3C1"},
      {"=RC[0]", "=RC"},
      {"=R[+2]C", "=R[2]C"},
      {"=0.1+0.2", "=0.1+0.2"},
      {"=123456789012345678", "=1.23456789012346E+17"},
  };
  for (auto [text, printed] : cases)
    EXPECT_EQ(print(parse(text, Notation::R1C1, kF12), Notation::R1C1, kF12), printed) << text;
  EXPECT_EQ(print(parse("=b3:a1", Notation::A1, kF12), Notation::A1, kF12), "=A1:B3");
}

TEST(ParsePrint, PrecedenceShapesTheTree) {
  auto shape = [](const char* text) {
    // Prints the tree fully bracketed to make its structure visible.
    std::function<std::string(const FormulaNode&)> show = [&](const FormulaNode& n) {
      switch (n.kind) {
        case FormulaKind::Binary:
          return "[" + show(n.children[0]) + n.text + show(n.children[1]) + "]";
        case FormulaKind::Unary:
          return "[" + n.text + show(n.children[0]) + "]";
        case FormulaKind::Percent:
          return "[" + show(n.children[0]) + "%]";
        case FormulaKind::Parentheses:
          return "(" + show(n.children[0]) + ")";
        default:
          return print(n, Notation::A1, {1, 1}).substr(1);
      }
    };
    return show(parse(text, Notation::A1, {1, 1}));
  };
  EXPECT_EQ(shape("=-2^2"), "[[-2]^2]");
  EXPECT_EQ(shape("=2^3^2"), "[[2^3]^2]");
  EXPECT_EQ(shape("=1+2*3"), "[1+[2*3]]");
  EXPECT_EQ(shape("=1-2-3"), "[[1-2]-3]");
  EXPECT_EQ(shape("=-2%"), "[[-2]%]");
  EXPECT_EQ(shape("=2^50%"), "[2^[50%]]");
  EXPECT_EQ(shape("=1&2+3"), "[1&[2+3]]");
  EXPECT_EQ(shape("=1=2&3"), "[1=[2&3]]");
  EXPECT_EQ(shape("=1<2=TRUE"), "[[1<2]=TRUE]");
  EXPECT_EQ(shape("=2*-3"), "[2*[-3]]");
  EXPECT_EQ(shape("=(1+2)*3"), "[([1+2])*3]");
}

TEST(ParsePrint, MovedFormulaPrintsItsNewOffsets) {
  FormulaNode tree =
      parse("=SUMIF(R[-4]C[1]:R[-4]C[1],\">0\")-IF(R[-1]C[1]>0,R[-1]C[1],0)", Notation::R1C1, kF12);
  // The tree holds targets; printed two rows lower and one column left, the
  // offsets change and the absolute references do not.
  EXPECT_EQ(print(tree, Notation::R1C1, {14, 5}),
            "=SUMIF(R[-6]C[2]:R[-6]C[2],\">0\")-IF(R[-3]C[2]>0,R[-3]C[2],0)");
  FormulaNode mixed = parse("=R4C18+R[1]C+RC[-1]+R2C[1]+R[3]C4", Notation::R1C1, {10, 10});
  EXPECT_EQ(print(mixed, Notation::R1C1, {20, 5}), "=R4C18+R[-9]C[5]+R[-10]C[4]+R2C[6]+R[-7]C4");
  EXPECT_EQ(print(mixed, Notation::A1, {20, 5}), "=$R$4+J11+I10+K$2+$D13");
}

TEST(ParsePrint, ReferenceErrorNodesPrintAsRefError) {
  FormulaNode tree = parse("=A1+Sheet2!B2", Notation::A1, {1, 2});
  tree.children[0] = FormulaNode();
  tree.children[0].kind = FormulaKind::RefError;
  tree.children[1].kind = FormulaKind::RefError;
  EXPECT_EQ(print(tree, Notation::A1, {1, 2}), "=#REF!+Sheet2!#REF!");
  EXPECT_EQ(print(tree, Notation::R1C1, {1, 2}), "=#REF!+Sheet2!#REF!");
  EXPECT_EQ(parse("=Sheet2!#REF!", Notation::R1C1, {1, 1}).kind, FormulaKind::RefError);
}

TEST(Parse, RefusesMalformedText) {
  const char* bad[] = {
      "",
      "SUM(1)",
      "=",
      "=(1",
      "=1)",
      "=SUM(1,2",
      "=1+",
      "=*2",
      "=1**2",
      "=1 2",
      "=1!2",
      "=\"open",
      "=#BAD!",
      "=R0C1",
      "=RC0",
      "=R[-12]C",
      "=RC[-6]",
      "=R1048577C1",
      "=R[x]C",
      "=R[1C",
      "=1.2.3",
      "=1E",
      "=2A",
      "='Sheet",
      "='Sheet'A1",
      "=Sheet!",
      "=,1",
      "=SUM(1 2)",
      "=()",
      "=A1:",
      "=$",
      "=1;2",
      "=a{1}",
      // Names that would read as references in the other notation.
      "=A1",
      "=b22+1",
      "=Sheet2!A1",
      "=IF(1,XFD1)",
  };
  for (const char* text : bad) EXPECT_THROW(parse(text, Notation::R1C1, kF12), Error) << text;
  for (const char* text : {"=A0", "=$A$0", "=A1048577", "=B1:C0", "=$A", "=SUM(A1 B1)", "=R1C1",
                           "=rc", "=C+1", "=R", "=Sheet2!R2C2"})
    EXPECT_THROW(parse(text, Notation::A1, kF12), Error) << text;

  std::string deep = "=" + std::string(500, '(') + "1" + std::string(500, ')');
  EXPECT_THROW(parse(deep, Notation::A1, kF12), Error);
  std::string longText = "=" + std::string(9000, '1');
  EXPECT_THROW(parse(longText, Notation::A1, kF12), Error);
  EXPECT_THROW(parse("=1", Notation::A1, {0, 1}), Error);
}

TEST(Parse, ErrorMessageNamesTheFormula) {
  try {
    parse("=SUM(1,", Notation::A1, {1, 1});
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("=SUM(1,"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace spreadsheet::formula
