// Chapter 1, item 2: squares with a ones digit other than 5 (the pupil picks
// the digit) and with tens digit 5, and the proof for tens digit 5.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::ShowSquaresOtherOnesDigit() {
  static constexpr Step kQuestion[] = {
      Heading(0, 3, "Q "),
      Continue(0, "1の位が5以外でも2けたの自然数の2乗は速算で求められる?"),
      NextLine(50, 3, "5のとき"),
  };
  static constexpr Step kTensFiveQuestion[] = {
      Continue(5, "速算では求められない", 80),
      Wait(),
      UnderTable(80, 3, "Q "),
      Continue(0, "十の位が5の2けたの自然数の2乗は速算で求められる?"),
      NextLine(50, 3, "  "),
  };
  static constexpr Step kTensFiveAnswer[] = {
      Continue(5, "速算で求められる", 80),
      Wait(),
      UnderTable(50, 7, "文字を使って証明しよう。"),
      Wait(),
      Wait(),
  };
  static constexpr Step kProof[] = {
      NextLine(0, 3, "＜証明＞"),
      NextLine(55, 0, "十の位が5である2けたの自然数は、一の位を"),
      NextLine(55, 0, "aとすると、"),
      Box(1, 10, 120, 9, 3, "①"),
      Continue(0, "と表すことができる。", 10),
      NextLine(55, 0, "この数の2乗は "),
      Wait(),
      BoxAgain(1, 120, 9, 5, "50+a"),
      Wait(),
      Continue(0, "(50+a)^2"),
      Wait(),
      ColumnStart(0, "=50^2+2*a*50+a^2"),
      Wait(),
      AtColumn(55, 0, "=2500+100a+a^2"),
      Wait(),
      AtColumn(55, 0, "=100(25+a)+a^2"),
      Wait(),
      NextLine(60, 3, "a^2が"),
      Wait(),
      Continue(0, "下2けたの数を表し、"),
      Continue(3, "100(25+a)が"),
      Wait(),
      Continue(0, "百以上の位の数を表して"),
      NextLine(55, 0, "いるから、十の位と一の位の計算には影響しない。よって、"),
      NextLine(55, 0, "十の位が5である2けたの自然数の2乗は、"),
      Continue(3, "下2けたがa^2"),
      Continue(0, "で、"),
      NextLine(55, 3, "百以上の位が、25に一の位の数を加えた数"),
      Continue(0, "となる。"),
      Wait(),
      Heading(50, 7, "1の位が5以外で求められない理由は?"),
  };

  BeginQuickScreen(1600, 20);
  RunSteps(kQuestion);
  FillSquares(10, 5);
  DrawProductTable(0, false);

  // The pupil's ones digits: each replaces the label line and the table.
  gInputValue = 3;
  while (gInputValue != 1) {
    AskDigitOneToNine("一");
    scr.Line(0, gPointY(1) - 50, 3200, gPointY(1) + 150, 15, plat::kFilledBox, 15);
    gTermValue(11) = gTermValue(1);
    FillSquares(10, gTermValue(11));
    DrawTextLine(*this, gLineStartX, gPointY(1) - 50, 3, gTermText(11) + Literal("のとき"));
    DrawProductTable(0, true);
    AskNextStep();
  }

  RunSteps(kTensFiveQuestion);
  FillSquares(1, 50);
  DrawProductTable(0, true);
  WaitForKey();
  RunSteps(kTensFiveAnswer);

  BeginQuickScreen(1760, 30);
  RunSteps(kProof);
}

}  // namespace lesson
