// Chapter 2, example 2: random sums a x (b x + c) + d x (e x + f), the
// brackets removed one product at a time and the like terms collected.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// Each monomial with the first term of its bracket (colour 9), then with the
// constant (colour 7, higher); points 1 to 6 are the problem's pieces.
constexpr ArcRow kExample2Arcs[] = {
    {1, 2, 9, 0, -1, 1, Fixed(1), ""},
    {1, 3, 7, 0, -1, 1, Fixed(2), ""},
    {4, 5, 9, 0, -1, 1, Fixed(1), ""},
    {4, 6, 7, 0, -1, 1, Fixed(2), ""},
};
// The product each arc yields: its coefficient's slot and its letters.
constexpr int kExample2ProductSlots[] = {7, 8, 9, 10};
constexpr const char* kExample2ProductLetters[] = {"x^2", "x", "x^2", "x"};

constexpr Piece kExample2Summary[] = {
    LineStart(640, 30),
    NextLine(0, 5, "<多項式と単項式の乗法>"),
    NextLine(50, 7, "1 分配法則を使って、かっこをはずす"),
    NextLine(50, 0, "(a+b)*c=ac+bc", 54),
    NextLine(50, 0, "c(a+b)=ac+bc", 54),
    NextLine(70, 7, "2 同類項をまとめる"),
    Wait(),
    At(44, 570, 3, "教科書P13 問２ をやろう。"),
};

}  // namespace

void Dellmir::RunDistributiveExample2() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), LineStart(88, 30), PenWidth(5), At(88, 30, 0, "例2　次の計算をしなさい。")});
  gNumListA(31) = gLineStartX;
  gNumListB(31) = gLineY + 50;
  gInputValue = 3;
  while (gInputValue != 1) {
    DrawExample2();
    ShowExample2();
    AskNextStep();
  }
  DrawPieces(*this, kExample2Summary);
}

// a ±1 to ±5, b ±1 to ±7, c ±2 to ±6, d 1 to 5 (negative two times in
// three), e ±1 to ±7, f ±2 to ±6; no guard against the problem before.
void Dellmir::DrawExample2() {
  DrawSignedTerm(1, 5, 1);
  DrawSignedTerm(2, 7, 1);
  DrawSignedTerm(3, 5, 2);
  DrawSignedTerm(4, 5, 1, 3);
  DrawSignedTerm(5, 7, 1);
  DrawSignedTerm(6, 5, 2);
  gTermValue(7) = gTermValue(1) * gTermValue(2);
  gTermValue(8) = gTermValue(1) * gTermValue(3);
  gTermValue(9) = gTermValue(4) * gTermValue(5);
  gTermValue(10) = gTermValue(4) * gTermValue(6);
  gTermValue(11) = gTermValue(7) + gTermValue(9);
  gTermValue(12) = gTermValue(8) + gTermValue(10);
  gTermValue2(3) = gTermValue(3);
  gTermValue2(6) = gTermValue(6);
}

void Dellmir::ShowExample2() {
  PrepareTextsAndKeyChoice();
  MakeCoefficientTexts(1, 12);
  for (int i = 1; i <= 12; ++i)
    if (gTermValue2(i) > 0) gTermText2(i) = "+" + gTermText2(i);
  // The constants keep their digits.
  gTermText(3) = gTermText2(3);
  gTermText(6) = gTermText2(6);
  DrawPieces(*this, {Wipe(0, gNumListB(31), 1320, gNumListB(31) + 1300)});
  gLineStartX = gNumListA(31);
  gLineY = gNumListB(31);
  StripPlusOf({1, 2, 5});
  gFracUnreduced = gTermText(1) + "x";
  gFracReduced = gTermText(2) + "x";
  gFracEquation = gTermText(4) + "x";
  gDellmirInnerTermText = gTermText(5) + "x";

  gLineY = gLineY + 60;
  const Text pieces[] = {gFracUnreduced + "(", gFracReduced,          gTermText(3) + ")",
                         gFracEquation + "(",  gDellmirInnerTermText, gTermText(6) + ")"};
  static constexpr int kAnchors[] = {1, 2, 3, 4, 5, 6};
  DrawAnchoredPieces(gLineStartX + 40, pieces, kAnchors);
  WaitForKey();
  StripPlusOf({7});
  DrawTextLine(*this, gLineStartX, gLineY + 70, 0, Literal("="));
  for (size_t k = 0; k < std::size(kExample2Arcs); ++k) {
    WaitForKey();
    DrawArcRows(std::span(kExample2Arcs).subspan(k, 1));
    WaitForKey();
    DrawTextLine(*this, gLineEndX, gLineY, 0,
                 gTermText(kExample2ProductSlots[k]) + Literal(kExample2ProductLetters[k]));
  }
  WaitForKey();
  DrawTextLine(*this, gLineStartX, gLineY + 70, 0,
               "=" + gTermText(7) + "x^2" + gTermText(9) + "x^2" + gTermText(8) + "x" + gTermText(10) + "x");
  WaitForKey();
  StripPlusOf({11});
  // With no x^2 term the x term follows "=" without a "+"; with neither
  // the result is 0.
  if (gTermValue(11) != 0) {
    DrawTextLine(*this, gLineStartX, gLineY + 70, 5, "=" + gTermText(11) + "x^2");
  } else if (gTermValue(12) != 0) {
    DrawTextLine(*this, gLineStartX, gLineY + 70, 5, Literal("="));
    StripPlusOf({12});
  } else {
    DrawTextLine(*this, gLineStartX, gLineY + 70, 5, Literal("=0"));
  }
  WaitForKey();
  if (gTermValue(12) != 0) DrawTextLine(*this, gLineEndX, gLineY, 5, gTermText(12) + "x");
}

}  // namespace lesson
