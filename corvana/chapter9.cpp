// Chapter 9, the chapter problems B of page 39: the entry and sub-menu (no
// goal screen), and the expansions and factorisations by substitution.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::StartProblemsBChapter() { ShowProblemsBMenu(); }

void Corvana::ShowProblemsBMenu() {
  static constexpr SubMenu kMenu = {"P39章の問題B　①１　②２　③３　④４　⑤終了", 5, false};
  RunSubMenu<Corvana>(*this, kMenu, gCorvanaSubMenuChoice,
                      {&Corvana::ShowProblemsBExpansions, &Corvana::ShowProblemsBFactorizations,
                       &Corvana::ShowProblemsBNumberCalculations, &Corvana::ShowProblemsBDigitProducts, nullptr});
}

// Each problem and its whole answer at once, a key between problems; the
// right column starts level with the title cell.
void Corvana::ShowProblemsBExpansions() {
  static constexpr auto kHeader = ProblemsPageHeader(40, 30, "P39章の問題B", kProblemsBNumber, 44, "1");
  static constexpr Step kPage[] = {
      Heading(60, 3, "(1)"),
      Continue(0, "(x+y-1)(x+y+6)"),
      NextLine(50, 3, "x+y=M とすると", 40),
      NextLine(50, 0, "=(M-1)(M+6)"),
      Continue(3, "=M^2+5M-6"),
      NextLine(50, 0, "=(x+y)^2+5(x+y)-6"),
      NextLine(50, 5, "=x^2+2xy+y^2+5x+5y-6"),
      Wait(),
      Heading(60, 3, "(2)"),
      Continue(0, "(a+2b-3)^2"),
      NextLine(50, 3, "a+2b=M とすると", 40),
      NextLine(50, 0, "=(M-3)^2"),
      Continue(3, "=M^2-6M+9"),
      NextLine(50, 0, "=(a+2b)^2-6(a+2b)+9"),
      NextLine(50, 5, "=a^2+4ab+4b^2-6a-12b+9"),
      Wait(),
      Column(640, 30),
      Heading(0, 3, "(3)"),
      Continue(0, "(x+y-5)(x+y+5)"),
      NextLine(50, 3, "x+y=M とすると", 40),
      NextLine(50, 0, "=(M-5)(M+5)"),
      Continue(3, "=M^2-25"),
      NextLine(50, 0, "=(x+y)^2-25"),
      NextLine(50, 5, "=x^2+2xy+y^2-25"),
      Wait(),
      Heading(60, 3, "(4)"),
      Continue(0, "(a+b-1)(a-b+1)"),
      NextLine(50, 3, "=(a+b-1){a-(b-1)}"),
      NextLine(50, 3, "b-1=M とすると", 40),
      NextLine(50, 0, "=(a+M)(a-M)"),
      Continue(3, "=a^2-M^2"),
      NextLine(50, 0, "=a^2-(b-1)^2"),
      NextLine(50, 0, "=a^2-(b^2-2b+1)"),
      NextLine(50, 5, "=a^2-b^2+2b-1"),
  };
  RunSteps(kHeader);
  RunSteps(kPage);
}

void Corvana::ShowProblemsBFactorizations() {
  static constexpr auto kHeader = ProblemsPageHeader(40, 30, "P39章の問題B", kProblemsBNumber, 44, "2");
  static constexpr Step kPage[] = {
      Heading(60, 3, "(1)"),
      Continue(0, "2x(x+3)-(x+3)^2"),
      NextLine(50, 3, "x+3=M とすると", 40),
      NextLine(50, 0, "=2xM-M^2"),
      Continue(3, "=M(2x-M)"),
      NextLine(50, 0, "=(x+3){2x-(x+3)}"),
      NextLine(50, 0, "=(x+3)(2x-x-3)"),
      NextLine(50, 5, "=(x+3)(x-3)"),
      Wait(),
      Heading(60, 3, "(2)"),
      Continue(0, "(x-1)^2+4(x-1)-12"),
      NextLine(50, 3, "x-1=M とすると", 40),
      NextLine(50, 0, "=M^2+4M-12"),
      Continue(3, "=(M+6)(M-2)"),
      NextLine(50, 0, "=(x-1+6)(x-1-2)"),
      NextLine(50, 5, "=(x+5)(x-3)"),
      Wait(),
      Column(640, 30),
      Heading(0, 3, "(3)"),
      Continue(0, "a^2-4a+4-b^2"),
      NextLine(50, 0, "=(a-2)^2-b^2"),
      NextLine(50, 3, "a-2=M とすると", 40),
      NextLine(50, 0, "=M^2-b^2"),
      Continue(3, "=(M+b)(M-b)"),
      NextLine(50, 0, "=(a-2+b)(a-2-b)"),
      NextLine(50, 5, "=(a+b-2)(a-b-2)"),
      Wait(),
      Heading(60, 3, "(4)"),
      Continue(0, "xy-y-2x+2"),
      NextLine(50, 0, "=y(x-1)-2(x-1)"),
      NextLine(50, 3, "x-1=M とすると", 40),
      NextLine(50, 0, "=yM-2M"),
      Continue(3, "=M(y-2)"),
      NextLine(50, 5, "=(x-1)(y-2)"),
  };
  RunSteps(kHeader);
  RunSteps(kPage);
}

}  // namespace lesson
