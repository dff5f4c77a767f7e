// Chapter 8, problems 3 to 6 of the chapter problems A: expansions,
// simplifications, factorisations (each a page drawn at once) and a proof.
#include "corvana/corvana.h"

namespace lesson {

namespace {

// The page header: the title cell and the problem's number cell beside it.
constexpr auto ProblemsAHeader(const char* digit) {
  return ProblemsPageHeader(40, 30, "P38章の問題A", kProblemsANumber, 10, digit);
}

}  // namespace

void Corvana::ShowProblemsAExpansions() {
  static constexpr auto kHeader = ProblemsAHeader("3");
  static constexpr Step kPage[] = {
      Heading(60, 3, "(1)"),
      Continue(0, "(x+4)(x+5)"),
      NextLine(50, 5, "=x^2+9x+20"),
      Heading(60, 3, "(2)"),
      Continue(0, "(a+8)(a-4)"),
      NextLine(50, 5, "=a^2+4a-32"),
      Heading(60, 3, "(3)"),
      Continue(0, "(3a+1)^2"),
      NextLine(50, 0, "=(3a)^2+2*3a*1+1^2"),
      NextLine(50, 5, "=9a^2+6a+1"),
      Heading(60, 3, "(4)"),
      Continue(0, "(2x+7)(2x-7)"),
      NextLine(50, 0, "=(2x)^2-7^2"),
      NextLine(50, 5, "=4x^2-49"),
      Column(600, 30),
      Heading(60, 3, "(5)"),
      Continue(0, "(a-9b)(2a-7b)"),
      NextLine(50, 0, "=a(2a-7b)-9b(2a-7b)"),
      NextLine(50, 0, "=2a^2-7ab-18ab+63b^2"),
      NextLine(50, 5, "=2a^2-25ab+63b^2"),
      Heading(60, 3, "(6)"),
      Continue(0, "(-4a-b)^2"),
      NextLine(50, 0, "=(4a+b)^2"),
      NextLine(50, 0, "=(4a)^2+2*4a*b+b^2"),
      NextLine(50, 5, "=16a^2+8ab+b^2"),
  };
  RunSteps(kHeader);
  RunSteps(kPage);
}

// The number cell stands on a line of its own; the labels follow 50 under it.
void Corvana::ShowProblemsASimplifications() {
  static constexpr Step kPage[] = {
      Wipe(0, 0, 1320, 1300),
      Column(40, 30),
      Cell(Step::From::kLineStart, 0, 0, kProblemsTitle, "P38章の問題A"),
      Cell(Step::From::kHeading, 0, 50, kProblemsANumber, "4"),
      Heading(50, 3, "(1)"),
      Continue(0, "(a-3)^2-(a+4)(a-4)"),
      NextLine(50, 0, "=a^2-6a+9-(a^2-16)"),
      NextLine(50, 0, "=a^2-6a+9-a^2+16"),
      NextLine(50, 0, "=a^2-a^2-6a+9+16"),
      NextLine(50, 5, "=-6a+25"),
      Heading(60, 3, "(2)"),
      Continue(0, "(x+7)^2-(x-6)(x-2)"),
      NextLine(50, 0, "=x^2+14x+49-(x^2-8x+12)"),
      NextLine(50, 0, "=x^2+14x+49-x^2+8x-12"),
      NextLine(50, 0, "=x^2-x^2+14x+8x+49-12"),
      NextLine(50, 5, "=22x+37"),
  };
  RunSteps(kPage);
}

// The second column starts on the title line.
void Corvana::ShowProblemsAFactorizations() {
  static constexpr auto kHeader = ProblemsAHeader("5");
  static constexpr Step kPage[] = {
      Heading(60, 3, "(1)"),
      Continue(0, "4m^2n+2mn"),
      NextLine(50, 5, "=2mn(2m+1)"),
      Heading(60, 3, "(2)"),
      Continue(0, "x^2+4x-5"),
      NextLine(50, 5, "=(x+5)(x-1)"),
      Heading(60, 3, "(3)"),
      Continue(0, "x^2-11x+24"),
      NextLine(50, 5, "=(x-3)(x-8)"),
      Heading(60, 3, "(4)"),
      Continue(0, "x^2-12x+36"),
      NextLine(50, 5, "=(x-6)^2"),
      Column(600, 30),
      Heading(0, 3, "(5)"),
      Continue(0, "3x^2-12x-36"),
      NextLine(50, 0, "=3(x^2-4x-12)"),
      NextLine(50, 5, "=3(x-6)(x+2)"),
      Heading(60, 3, "(6)"),
      Continue(0, "xy^2-9x"),
      NextLine(50, 0, "=x(y^2-9)"),
      NextLine(50, 5, "=x(y+3)(y-3)"),
      Heading(60, 3, "(7)"),
      Continue(0, "25x^2-9y^2"),
      NextLine(50, 0, "=(5x)^2-(3y)^2"),
      NextLine(50, 5, "=(5x+3y)(5x-3y)"),
      Heading(60, 3, "(8)"),
      Continue(0, "x^2-18xy+81y^2"),
      NextLine(50, 0, "=x^2-2*x*9y+(9y)^2"),
      NextLine(40, 5, "=(x-9y)^2"),  // 40: clear of the bottom band
  };
  RunSteps(kHeader);
  RunSteps(kPage);
}

// The conjecture, a key, then its proof.
void Corvana::ShowProblemsAProof() {
  static constexpr auto kHeader = ProblemsAHeader("6");
  static constexpr Step kPage[] = {
      Heading(60, 0, "予想…"),
      Continue(5, "2つの続いた整数の平方の差は奇数になる。"),
      NextLine(60, 3, "<証明>"),
      Wait(),
      Heading(50, 0, "2つの続いた整数を"),
      Continue(3, "n,n+1"),
      Continue(0, "とすると、"),
      Heading(50, 0, "大きい数の平方から小さい数の平方をひいた差は"),
      NextLine(50, 0, " (n+1)^2-n^2"),
      NextLine(50, 0, "=n^2+2n+1-n^2"),
      NextLine(50, 3, "=2n+1"),
      Heading(50, 0, "したがって、"),
      Heading(50, 0, "大きい数の平方から小さい数の平方をひいた差は奇数になる。"),
  };
  RunSteps(kHeader);
  RunSteps(kPage);
}

}  // namespace lesson
