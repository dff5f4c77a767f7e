// Chapter 9, items 3 and 4: products of decimal numbers by the product
// formulas, and the products of two-digit numbers read from a string of
// digits, whose third part is drawn in the place of the first.
#include "corvana/corvana.h"

namespace lesson {

// The right column's first heading keeps the usual step, level with problem (1).
void Corvana::ShowProblemsBNumberCalculations() {
  static constexpr auto kHeader = ProblemsPageHeader(40, 30, "P39章の問題B", kProblemsBNumber, 44, "3");
  static constexpr Step kPage[] = {
      Heading(60, 3, "(1)"),
      Continue(0, "4.03*3.97"),
      NextLine(50, 0, "=(4+0.03)*(4-0.03)"),
      NextLine(50, 0, "=4^2-0.03^2"),
      NextLine(50, 0, "=16-0.0009"),
      NextLine(50, 5, "=15.9991"),
      Wait(),
      Column(580, 30),
      Heading(60, 3, "(2)"),
      Continue(0, "5.5^2*3.14-4.5^2*3.14"),
      NextLine(50, 0, "=3.14*(5.5^2-4.5^2)"),
      NextLine(50, 0, "=3.14*(5.5+4.5)*(5.5-4.5)"),
      NextLine(50, 0, "=3.14*10*1"),
      NextLine(50, 5, "=31.4"),
  };
  RunSteps(kHeader);
  RunSteps(kPage);
}

// Part (1) shows a string whose two products differ, part (2) when they are
// equal; part (1)'s band (kept in gNumListB(1), (2)) is then wiped and part
// (3), a string whose products agree, takes its place. Headings 70 apart.
void Corvana::ShowProblemsBDigitProducts() {
  static constexpr auto kHeader = ProblemsPageHeader(30, 20, "P39章の問題B", kProblemsBNumber, 44, "4");
  static constexpr Step kFirstHeading[] = {
      Heading(70, 3, "(1)"),
      Wait(),
      Continue(0, "a=2,b=3,c=9,d=5 とすると、"),
  };
  static constexpr Step kFirst[] = {
      NextLine(50, 0, "数字の並びは 23955932 だから、"),
      Wait(),
      NextLine(50, 0, "前の2つの数どうしの積は、23*95=2185"),
      Wait(),
      NextLine(50, 0, "後ろの2つの数どうしの積は、59*32=1888 "),
      Wait(),
      NextLine(50, 0, "したがって、"),
      Continue(5, "いつでも成り立つとはいえない。"),
  };
  static constexpr Step kSecond[] = {
      Wait(),
      Heading(70, 3, "(2)"),
      Wait(),
      Continue(0, "前の2つの数どうしの積は、"),
      NextLine(50, 0, "(10a+b)(10c+d)=100ac+10(ad+bc)+bd"),
      Wait(),
      NextLine(50, 0, "後ろの2つの数どうしの積は、"),
      NextLine(50, 0, "(10d+c)(10b+a)=100bd+10(ad+bc)+ac"),
      Wait(),
      NextLine(50, 0, "したがって、"),
      Continue(5, "ac=bd であればよい。"),
      Wait(),
  };
  static constexpr Step kThird[] = {
      Wait(),
      Continue(0, "a=2,b=4,c=6,d=3 とすると、"),
      NextLine(50, 0, "数字の並びは 24633642 だから、"),
      Wait(),
      NextLine(50, 0, "前の2つの数どうしの積は、24*63=1512"),
      Wait(),
      NextLine(50, 0, "後ろの2つの数どうしの積は、36*42=1512 "),
      Wait(),
      NextLine(50, 0, "したがって、"),
      Continue(5, "24633642"),
  };
  RunSteps(kHeader);
  RunSteps(kFirstHeading);
  gNumListB(1) = gPenY;
  RunSteps(kFirst);
  gNumListB(2) = gPenY + 50;
  RunSteps(kSecond);
  scr.Line(0, gNumListB(1), 1320, gNumListB(2), 15, plat::kFilledBox, 15);
  DrawPieces(*this, {At(gCorvanaHeadingX, gNumListB(1), 3, "(3)")});
  RunSteps(kThird);
}

}  // namespace lesson
