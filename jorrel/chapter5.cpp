// Chapter 5, squared terms such as 9x^2 and 4y^2: the entry, the goal screen,
// the sub-menu, the two practices with their coprime coefficients, and the
// answers to question 9.
#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::StartSquaredTermsChapter() {
  ShowSquaredTermsGoal();
  ShowSquaredTermsMenu();
}

void Jorrel::ShowSquaredTermsGoal() {
  gLineStartX = 44;
  gLineY = 240;
  DrawPieces(*this, {At(44, 240, 3, "<めあて>"), NextLine(65, 0, " 2乗の項が9x^2や4a^2などの式を因数分解しよう。")});
}

// Returns when the end item is chosen, back to the main menu.
void Jorrel::ShowSquaredTermsMenu() {
  static constexpr SubMenu kMenu = {"①公式4　②公式2,3　③問9　④終了", 4, false};
  RunSubMenu(*this, kMenu, gJorrelSubMenuChoice,
             {&Jorrel::RunSquaredTermsFormula4Practice, &Jorrel::RunSquaredTermsFormulas23Practice,
              &Jorrel::ShowTextbookQ9Answers, nullptr});
}

void Jorrel::ShowTextbookQ9Answers() {
  static constexpr Piece kPage[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(44, 30),
      At(44, 30, 3, "問9の解答"),
      NextLine(75, 0, "(1) 9x^2+6x+1=(3x+1)^2"),
      Wait(),
      NextLine(75, 0, "(2) x^2-20xy+100y^2=(x-10y)^2"),
      Wait(),
      NextLine(75, 0, "(3) x^2-49y^2=(x+7y)(x-7y)"),
      Wait(),
      NextLine(75, 0, "(4) 4a^2-25b^2=(2a+5b)(2a-5b)"),
  };
  DrawPieces(*this, kPage);
}

void Jorrel::MakeCoprimeCoefficients() {
  // Both numbers are drawn again until q/p cannot be reduced.
  do {
    gTermValue(1) = plat::Int(scr.Rnd() * 5 + 2);
    gTermValue(2) = plat::Int(scr.Rnd() * 9 + 1);
    gFracDen = gTermValue(1);
    gFracNum = gTermValue(2);
    FormatFraction();
  } while (gFracDen != gTermValue(1));
  const float p = gTermValue(1), q = gTermValue(2);
  gTermValue(3) = p * p;
  gTermValue(4) = 2 * p * q;
  gTermValue(5) = q * q;
  PrepareTextsAndKeyChoice();
  gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
  const bool xy = gRandomPick == 1;
  gJorrelLetter = Text(1, xy ? 'x' : 'a');
  gJorrelSecondLetter = Text(1, xy ? 'y' : 'b');
  gRandomPick = plat::Int(scr.Rnd() * 2 + 1);
  gJorrelMiddleSign = Text(1, gRandomPick == 2 ? '-' : '+');
  gLabelList(1) = gJorrelLetter + "^2";
  gLabelList(2) = gJorrelSecondLetter + "^2";
}

// --- The practices ---

// The texts of a part are patterns: "%P" p, "%Q" q, "%p" p^2, "%M" 2pq, "%q"
// q^2, "%x" and "%y" the letters, "%X" and "%Y" the squared letters, "%s" the
// middle sign; everything else stands as it is. Every "%" of a pattern is
// one of these.
struct Jorrel::SquaredTermsPart {
  bool blanksOne;  // q = 1 is not written before the second letter
  const char* problem;
  const char* opening;
  float boxWidth;
  const char* middle;
  const char* closing;
  const char* answer1;
  const char* answer2;
};

namespace {

using Part = Jorrel::SquaredTermsPart;

constexpr Part kFormula4Parts[] = {
    {false, "(1) %X-%q", "=(%x+", 88, ")(%x-", ")", "%Q", "%Q"},
    {false, "(2) %p%X-%q", "=(", 88, "+%Q)(", "-%Q)", "%P%x", "%P%x"},
    {true, "(3) %X-%q%Y", "=(%x+", 88, ")(%x-", ")", "%Q%y", "%Q%y"},
    {true, "(4) %p%X-%q%Y", "=(", 150, ")(", ")", "%P%x+%Q%y", "%P%x-%Q%y"},
};
constexpr Part kFormulas23Part = {true, "(1) %p%X%s%M%x%y+%q%Y", "=(", 88, "%s", ")^2", "%P%x", "%Q%y"};

Text Expand(const Jorrel& j, const char* pattern) {
  Text out;
  for (const char* c = pattern; *c; ++c) {
    if (*c != '%' || !c[1]) {
      out += *c;
      continue;
    }
    switch (*++c) {
      case 'P': out += j.gTermText(1); break;
      case 'Q': out += j.gTermText(2); break;
      case 'p': out += j.gTermText(3); break;
      case 'M': out += j.gTermText(4); break;
      case 'q': out += j.gTermText(5); break;
      case 'x': out += j.gJorrelLetter; break;
      case 'y': out += j.gJorrelSecondLetter; break;
      case 'X': out += j.gLabelList(1); break;
      case 'Y': out += j.gLabelList(2); break;
      case 's': out += j.gJorrelMiddleSign; break;
    }
  }
  return out;
}

}  // namespace

void Jorrel::SquaredTermsPageStart() {
  DrawPieces(*this, {Wipe(0, 0, 1760, 1800), LineStart(88, 20), At(44, 20, 0, "問　次の式を因数分解しなさい。")});
}

// Problems on one row, 100 below the row before, until the step prompt gets
// 1; a new problem wipes its row and all below it.
void Jorrel::RunSquaredTermsPart(const SquaredTermsPart& part) {
  gInputValue = 3;
  gPointY(0) = gLineY + 100;
  while (gInputValue != 1) {
    MakeCoprimeCoefficients();
    if (part.blanksOne && gTermValue(2) == 1) {
      gTermText(5) = Text();
      gTermText(2) = Text();
    }
    gLineStartX = 88;
    gLineY = gPointY(0);
    DrawPieces(*this, {Wipe(0, gPointY(0) - 10, 1760, gPointY(0) + 1790)});
    DrawTextLine(*this, gLineStartX - 66, gLineY, 0, Expand(*this, part.problem));
    DrawTextLine(*this, gLineEndX, gLineY, 0, Expand(*this, part.opening));
    gPointX(1) = gLineEndX + 10;
    gPointY(1) = gLineY;
    DrawPracticeBox(gPointX(1), gPointY(1), part.boxWidth, 13, SJ("①"));
    DrawTextLine(*this, gLineEndX + 10, gLineY, 0, Expand(*this, part.middle));
    gPointX(2) = gLineEndX + 10;
    gPointY(2) = gLineY;
    DrawPracticeBox(gPointX(2), gPointY(2), part.boxWidth, 13, SJ("②"));
    DrawTextLine(*this, gLineEndX + 10, gLineY, 0, Expand(*this, part.closing));
    WaitForKey();
    DrawPracticeBox(gPointX(1), gPointY(1), part.boxWidth, 13, Expand(*this, part.answer1));
    DrawPracticeBox(gPointX(2), gPointY(2), part.boxWidth, 13, Expand(*this, part.answer2));
    AskNextStep();
  }
}

void Jorrel::RunSquaredTermsFormula4Practice() {
  SquaredTermsPageStart();
  for (const Part& part : kFormula4Parts) RunSquaredTermsPart(part);
}

void Jorrel::RunSquaredTermsFormulas23Practice() {
  SquaredTermsPageStart();
  RunSquaredTermsPart(kFormulas23Part);
  // The fixed example below the row.
  gPointY(0) = gLineY + 120;
  gLineStartX = 88;
  gLineY = gPointY(0);
  DrawPieces(*this, {Wipe(0, gPointY(0) - 10, 1760, gPointY(0) + 1790), NextLine(80, 0, "(2) 4x^2+12xy+9y^2", -66),
                     Wait(), NextLine(70, 0, "=(2x)^2+2*3y*2x+(3y)^2", 22), Wait(), NextLine(70, 5, "=(2x+3y)^2", 22),
                     Wait(), At(88, 570, 0, "教科書P29 問9　をしなさい。")});
}

}  // namespace lesson
