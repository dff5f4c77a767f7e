// Chapter 8, the chapter problems A of page 38: the entry and sub-menu (no
// goal screen), and the worked answers of problems 1 and 2.
#include "corvana/corvana.h"

namespace lesson {

void Corvana::StartProblemsAChapter() { ShowProblemsAMenu(); }

void Corvana::ShowProblemsAMenu() {
  static constexpr SubMenu kMenu = {"P38章の問題A　①1,2　②３　③４　④５　⑤６　⑥終了", 6, false};
  RunSubMenu<Corvana>(*this, kMenu, gCorvanaSubMenuChoice,
                      {&Corvana::ShowProblemsACalculations, &Corvana::ShowProblemsAExpansions,
                       &Corvana::ShowProblemsASimplifications, &Corvana::ShowProblemsAFactorizations,
                       &Corvana::ShowProblemsAProof, nullptr});
}

// Problem 1, a given working and its correction, at once; after a key,
// problem 2, whose part (2) goes on at the top of a second column.
void Corvana::ShowProblemsACalculations() {
  static constexpr Step kPage[] = {
      Wipe(0, 0, 1320, 1300),
      Column(40, 30),
      Cell(Step::From::kLineStart, 0, 0, kProblemsTitle, "P38章の問題A"),
      Cell(Step::From::kHeading, 0, 60, kProblemsANumber, "1"),
      Continue(3, "(1)"),
      Continue(0, "(x-7)(x+6)"),
      NextLine(50, 0, "=x^2+x-42"),
      NextLine(50, 5, "x^2-x-42"),
      Heading(60, 3, "(2)"),
      Continue(0, "x^2-3x-18"),
      NextLine(50, 0, "=x(x-3)-18"),
      Heading(50, 5, "因数の積で表されていない。"),
      NextLine(50, 5, "(x-6)(x+3)"),
      Wait(),
      Cell(Step::From::kHeading, 0, 70, kProblemsANumber, "2"),
      Continue(3, "(1)"),
      Continue(0, "2a(a-2b)"),
      NextLine(50, 5, "=2a^2-4ab"),
      Heading(60, 3, "(2)"),
      Continue(0, "(6x^2-3x)/(-3x)"),
      Column(494, 30),
      NextLine(0, 0, "=(6x^2-3x)*(-ﾀ1/3xﾀ)"),
      NextLine(70, 0, "=ﾀ6x^2/-3xﾀ+ﾀ-3x/-3xﾀ"),
      NextLine(60, 5, "=-2x+1"),
      Heading(80, 3, "(3)"),
      Continue(0, "(3ab-9b^2)/ﾀ3/4ﾀb"),
      NextLine(70, 0, "=(3ab-9b^2)*ﾀ4/3bﾀ"),
      NextLine(70, 0, "=ﾀ3ab*4/3bﾀ+ﾀ-9b^2*4/3bﾀ"),
      NextLine(60, 5, "=4a-12b"),
      Heading(50, 3, "(4)"),
      Continue(0, "5x(x-1)-x(4x+5)"),
      NextLine(50, 0, "=5x^2-5x-4x^2-5x"),
      NextLine(50, 0, "=5x^2-4x^2-5x-5x"),
      Continue(5, "=x^2-10x"),
  };
  RunSteps(kPage);
}

}  // namespace lesson
