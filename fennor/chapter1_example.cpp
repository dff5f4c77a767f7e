// Chapter 1, example 1: random expansions of (x+a)(x+b) beside the formula
// card, and the problem and answer builders of the product formulas.
#include <iterator>

#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {
namespace {

using Builder = void (Fennor::*)();

// Calls entry gFennorFormulaCase of a selection list.
template <size_t N>
void CallForFormulaCase(Fennor& f, const Builder (&list)[N]) {
  int c = plat::CInt(f.gFennorFormulaCase);
  if (c < 1 || c > static_cast<int>(N)) plat::RaiseFault(plat::kFaultIndexOutOfRange);
  Builder builder = list[c - 1];
  (f.*builder)();
}

}  // namespace

void Fennor::PlaceFormulaLine(int colour, const Text& text) {
  DrawTextLine(*this, gLineStartX + 44, gLineY + 80, colour, text);
}

void Fennor::ShowBinomialProductProblem() {
  const Text& x = gFennorLetter;
  PlaceFormulaLine(0, " (" + x + gTermText(1) + ")(" + x + gTermText(2) + ")");
}

void Fennor::ShowFormula1Expansion() {
  const Text& x = gFennorLetter;
  PlaceFormulaLine(0, "=" + x + "^2+(" + gTermText(5) + gTermText(2) + ")" + x + gTermText(1) + "*" + gTermText(6));
  WaitForKey();
  PlaceFormulaLine(5, "=" + x + "^2" + gTermText(3) + x + gTermText(4));
}

// The lists by formula case; the cases 2 to 4 come with their chapters.
void Fennor::ShowFormulaCaseProblem() {
  static constexpr Builder kProblems[] = {&Fennor::ShowBinomialProductProblem};
  CallForFormulaCase(*this, kProblems);
}

void Fennor::ShowFormulaCaseExpansion() {
  static constexpr Builder kAnswers[] = {&Fennor::ShowFormula1Expansion};
  CallForFormulaCase(*this, kAnswers);
}

void Fennor::RunFormula1Example1() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(748, 30),
                        At(748, 30, 3, "公式１"),
                        NextLine(80, 5, " (x+a)(x+b)"),
                        NextLine(70, 5, "=x^2+(a+b)x+ab"),
                        NextLine(50, 3, "和    積", 176),
                    });
  gInputValue = 3;
  while (gInputValue != 1) {
    // a and b from -8..-1, 1..8: no square, no missing x term, and never the
    // a of the example before.
    float a, b;
    do {
      a = plat::Int(scr.Rnd() * 8 + 1);
      b = plat::Int(scr.Rnd() * 8 + 1);
      gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
      if (gRandomPick == 1) a = -a;
      gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
      if (gRandomPick == 2) b = -b;
      gTermValue(1) = a;
      gTermValue(2) = b;
      gTermValue(3) = a + b;
      gTermValue(4) = a * b;
    } while (a == b || a + b == 0 || a == gFennorPreviousFirstCoefficient);
    gTermValue(5) = a;
    gFennorPreviousFirstCoefficient = a;
    gFennorFormulaCase = 1;
    gTermValue(11) = a;
    gTermValue(12) = b;

    // The formula term texts: a coefficient 1 is left out, positive terms
    // carry their "+", a negative b is bracketed in the product.
    PrepareTextsAndKeyChoice();
    if (a + b == 1) {
      gTermText(3) = Text();
    } else if (a + b == -1) {
      gTermText(3) = "-";
    }
    PutPlusSigns();
    gTermText(6) = b < 0 ? "(" + gTermText(2) + ")" : gTermText(12);
    static constexpr const char* kLetters[] = {"x", "y", "a", "b"};
    gRandomPick = plat::Int(scr.Rnd() * 4 + 1);
    gFennorLetter = kLetters[plat::CInt(gRandomPick) - 1];

    // The left part is wiped; the card stays.
    DrawPieces(*this, {LineStart(44, 18), lesson::Wipe(0, 0, 704, 1300), At(44, 18, 0, "例1　次の式を展開しなさい。")});
    ShowFormulaCaseProblem();
    gWorkText = plat::Str(gFennorFormulaCase);
    StripBlanks();
    gFennorFormulaCaseText = gWorkText;
    WaitForKey();
    DrawTextLine(*this, gLineStartX + 132, gLineY + 80, 3, SJ("公式") + gFennorFormulaCaseText + SJ("を使う"));
    WaitForKey();
    ShowFormulaCaseExpansion();
    AskNextStep();
  }
  DrawPieces(*this, {At(132, 570, 0, "教科書P17 問1　をしなさい。")});
}

}  // namespace lesson
