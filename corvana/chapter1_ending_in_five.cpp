// Chapter 1, item 1: squares of two-digit numbers that end in 5. Three worked
// squares, then as many of the pupil's own as wished (the typed tens digit
// chooses the number), the conjecture with two blanks, and its proof.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::ShowSquaresEndingInFive() {
  static constexpr Step kClaim[] = {
      Heading(0, 3, "Q "),
      Continue(0, "1の位が5である2けたの自然数の2乗は速算で求められる。"),
      NextLine(50, 3, "その方法を考えよう。"),
  };
  static constexpr Step kConjectureHead[] = {
      Heading(70, 7, "<速算の方法予想>"),
      Wait(),
      NextLine(50, 0, "一の位が5である2けたの自然数の2乗は"),
      Wait(),
  };
  static constexpr auto kConjecture = TwoBlankConjecture(120, "25");
  static constexpr Step kProof[] = {
      NextLine(0, 3, "＜証明＞"),
      NextLine(55, 0, "一の位が5である2けたの自然数は、十の位を"),
      NextLine(55, 0, "xとすると、10x+5 と表すことができる。"),
      NextLine(55, 0, "この数の2乗は"),
      NextLine(55, 0, "(10x+5)^2"),
      ColumnStart(0, "=(10x)^2+2*5*10x+25"),
      AtColumn(55, 0, "=100x^2+100x+25"),
      AtColumn(55, 0, "="),
      Box(1, 0, 360, 9, 5, "①"),
      Wait(),
      BoxAgain(1, 360, 9, 5, "100x(x+1)+25"),
      Wait(),
      NextLine(60, 3, "25が"),
      Wait(),
      Continue(0, "下2けたの数を表し、"),
      Continue(3, "x(x+1)が"),
      Wait(),
      Continue(0, "百以上の位の数を表して"),
      NextLine(55, 0, "いるから、十の位と一の位の計算には影響しない。よって、"),
      NextLine(55, 0, "一の位が5である2けたの自然数の2乗は、"),
      Continue(3, "下2けたが25"),
      Continue(0, "で、"),
      NextLine(55, 3, "百以上の位が、十の位の数とその数に1を加えた数の積"),
      Continue(0, "となる。"),
      Wait(),
      Heading(40, 7, "速算で求めることができる他の計算は?"),  // 40: clear of the bottom band
  };
  // The worked squares, and how far right of its column each product starts.
  static constexpr float kWorked[] = {15, 25, 35};
  static constexpr float kProductIndent[] = {27, 27, 0};

  BeginQuickScreen(1600, 20);
  RunSteps(kClaim);

  for (int k = 1; k <= 3; ++k) {
    gTermValue2(k) = kWorked[k - 1];
    gTermValue(k) = gTermValue2(k) * gTermValue2(k);
  }
  PrepareTextsAndKeyChoice();

  // Each column starts 54 right of where the lower factor of the one before
  // it ended; the fourth column is the pupil's.
  gPointX(1) = gLineStartX;
  gPointY(1) = gLineY + 50;
  gPointY(2) = gPointY(1) + 50;
  gPointY(3) = gPointY(2) + 50;
  for (int k = 1; k <= 3; ++k) {
    DrawFactorColumn(gPointX(k), gTermText2(k), gTermText2(k));
    FollowPen();
    gPointX(k + 1) = gLineEndX + 54;
  }
  for (int k = 1; k <= 3; ++k) {
    WaitForKey();
    DrawTextLine(*this, gPointX(k) + kProductIndent[k - 1], gPointY(3), 3, gTermText(k));
  }

  // The pupil's own examples: the typed tens digit d gives 10d + 5.
  gInputValue = 3;
  while (gInputValue != 1) {
    scr.Line(gPointX(4), gPointY(1), gPointX(4) + 108, gPointY(1) + 150, 15, plat::kFilledBox, 15);
    AskDigitOneToNine("十");
    gTermValue(2) = plat::Checked(10 * gTermValue(1) + 5);
    gTermValue(3) = plat::Checked(gTermValue(2) * gTermValue(2));
    PrepareTextsAndKeyChoice();
    DrawFactorColumn(gPointX(4), gTermText(2), gTermText(2));
    FollowPen();
    WaitForKey();
    DrawTextLine(*this, gPointX(4), gPointY(3), 3, gTermText(3));
    AskNextStep();
  }

  RunSteps(kConjectureHead);
  RunSteps(kConjecture);

  BeginQuickScreen(1760, 10);
  RunSteps(kProof);
}

}  // namespace lesson
