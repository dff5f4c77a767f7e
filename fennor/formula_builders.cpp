// The problem and answer builders of the four product formulas, their
// selection lists and the exercise frame that the examples and the practice
// of chapters 1 to 4 share.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::CallForFormulaCase(std::span<const Builder> list) {
  int c = plat::CInt(gFennorFormulaCase);
  if (c < 1 || c > static_cast<int>(list.size())) plat::RaiseFault(plat::kFaultIndexOutOfRange);
  (this->*list[c - 1])();
}

void Fennor::PlaceFormulaLine(int colour, const Text& text) {
  DrawTextLine(*this, gLineStartX + 44, gLineY + 80, colour, text);
}

void Fennor::ShowBinomialProductProblem() {
  const Text& x = gFennorLetter;
  PlaceFormulaLine(0, " (" + x + gTermText(1) + ")(" + x + gTermText(2) + ")");
}

void Fennor::ShowBinomialSquareProblem() { PlaceFormulaLine(0, " (" + gFennorLetter + gTermText(1) + ")^2"); }

// The same text as the product of case 1: a list entry of its own.
void Fennor::ShowSumTimesDifferenceProblem() { ShowBinomialProductProblem(); }

void Fennor::ShowFormula1Expansion() {
  const Text& x = gFennorLetter;
  PlaceFormulaLine(0, "=" + x + "^2+(" + gTermText(5) + gTermText(2) + ")" + x + gTermText(1) + "*" + gTermText(6));
  WaitForKey();
  PlaceFormulaLine(5, "=" + x + "^2" + gTermText(3) + x + gTermText(4));
}

void Fennor::ShowFormula2Expansion() {
  const Text& x = gFennorLetter;
  PlaceFormulaLine(0, "=" + x + "^2+2*" + gTermText(5) + "*" + x + gTermText(1) + "^2");
  WaitForKey();
  PlaceFormulaLine(5, "=" + x + "^2" + gTermText(3) + x + gTermText(4));
}

void Fennor::ShowFormula3Expansion() {
  const Text& x = gFennorLetter;
  PlaceFormulaLine(0, "=" + x + "^2-2*" + gTermText(5) + "*" + x + "+" + gTermText(5) + "^2");
  WaitForKey();
  PlaceFormulaLine(5, "=" + x + "^2" + gTermText(3) + x + gTermText(4));
}

void Fennor::ShowFormula4Expansion() {
  const Text& x = gFennorLetter;
  PlaceFormulaLine(0, "=" + x + "^2-" + gTermText(5) + "^2");
  WaitForKey();
  PlaceFormulaLine(5, "=" + x + "^2" + gTermText(4));
}

void Fennor::ShowFormulaCaseProblem() {
  static constexpr Builder kProblems[] = {&Fennor::ShowBinomialProductProblem, &Fennor::ShowBinomialSquareProblem,
                                          &Fennor::ShowBinomialSquareProblem, &Fennor::ShowSumTimesDifferenceProblem};
  CallForFormulaCase(kProblems);
}

void Fennor::ShowFormulaCaseExpansion() {
  static constexpr Builder kAnswers[] = {&Fennor::ShowFormula1Expansion, &Fennor::ShowFormula2Expansion,
                                         &Fennor::ShowFormula3Expansion, &Fennor::ShowFormula4Expansion};
  CallForFormulaCase(kAnswers);
}

void Fennor::PrepareFormulaTermTexts() {
  PrepareTextsAndKeyChoice();
  if (gTermValue(3) == 1) {
    gTermText(3) = Text();
  } else if (gTermValue(3) == -1) {
    gTermText(3) = "-";
  }
  PutPlusSigns();
  gTermText(6) = gTermValue(2) < 0 ? "(" + gTermText(2) + ")" : gTermText(12);
}

void Fennor::PickFormulaLetter() {
  static constexpr const char* kLetters[] = {"x", "y", "a", "b"};
  gRandomPick = plat::Int(scr.Rnd() * 4 + 1);
  gFennorLetter = kLetters[plat::CInt(gRandomPick) - 1];
}

void Fennor::ShowFormulaExercise(const char* heading, float wipeRight) {
  DrawPieces(*this, {LineStart(44, 18), lesson::Wipe(0, 0, wipeRight, 1300), At(44, 18, 0, heading)});
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

}  // namespace lesson
