// Chapter 7, factorising by putting M in place of a repeated part: the entry,
// the goal screen, the sub-menu, example 7 (random problems (1), (3) and (4)
// around the fixed problem (2)) and the answers to question 11.
#include <cmath>

#include "common/frame/screens.h"
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::StartFactorSubstitutionChapter() {
  ShowFactorSubstitutionGoal();
  ShowFactorSubstitutionMenu();
}

void Jorrel::ShowFactorSubstitutionGoal() {
  gLineStartX = 44;
  gLineY = 240;
  DrawPieces(*this, {At(44, 240, 3, "<めあて>"), NextLine(90, 0, " 置きかえて因数分解しよう。")});
}

// Returns when the end item is chosen, back to the main menu.
void Jorrel::ShowFactorSubstitutionMenu() {
  static constexpr SubMenu kMenu = {"①例７　②問11　③終了", 3, true};
  RunSubMenu(*this, kMenu, gJorrelSubMenuChoice,
             {&Jorrel::RunFactorSubstitutionExample7, &Jorrel::ShowFactorSubstitutionQ11Answers, nullptr});
}

namespace {

// A sign drawn as 0 or 1, 0 taken as -1.
float DrawSign(Jorrel& j) {
  j.gRandomPick = plat::Int(j.scr.Rnd() * 2);
  if (j.gRandomPick == 0) j.gRandomPick = -1;
  return j.gRandomPick;
}

// A number from -5 to -1 or 1 to 5: its sign drawn first, then its size (two
// draws in one expression would leave their order to the compiler).
float DrawSignedUpToFive(Jorrel& j) {
  const float sign = DrawSign(j);
  const float size = plat::Int(j.scr.Rnd() * 5 + 1);
  return sign * size;
}

// A box of the example, drawn (again) at the kept place k of gPointX/Y.
void KeptBox(Jorrel& j, int k, float width, const Text& text) {
  j.gPenX = j.gPointX(k);
  j.gPenY = j.gPointY(k);
  j.gWorkText = text;
  j.gCellWidth = width;
  j.gCellHeight = 60;
  j.gTextColour = 5;
  j.gFigureColour = 3;
  j.gAccentColour = 13;
  j.DrawBoxedCellAround();
  j.gLineEndX = j.gPenX;
  j.gLineY = j.gPenY;
}

// A new box `gap` right of the line's end, its place kept in k.
void NewBox(Jorrel& j, int k, float gap, float width, const char* number) {
  j.gPointX(k) = j.gLineEndX + gap;
  j.gPointY(k) = j.gLineY;
  KeptBox(j, k, width, Literal(number));
}

void NextPiece(Jorrel& j, float gap, int colour, const Text& text) {
  DrawTextLine(j, j.gLineEndX + gap, j.gLineY, colour, text);
}

// The problem row under its label, and the line "① =M とおくと" 80 below,
// 44 in from the line start.
void ProblemAndSubstitution(Jorrel& j, const char* label, float labelX, const Text& problem, float box1Width) {
  DrawTextLine(j, labelX, 100, 0, Literal(label));
  NextPiece(j, 22, 0, problem);
  j.gLineEndX = j.gLineStartX + 44;
  j.gLineY += 80;
  NewBox(j, 1, 10, box1Width, "①");
  NextPiece(j, 0, 3, SJ("=M とおくと"));
}

// The trinomial in M and its factorisation: =M^2+sM+p, =(M ② )(M ③ ) and
// =( ④ a)( ④ b), the boxes kept in 2 to 5.
void TrinomialInM(Jorrel& j) {
  DrawTextLine(j, j.gLineStartX, j.gLineY + 80, 0, "=M^2" + j.gTermText(3) + "M" + j.gTermText(4));
  DrawTextLine(j, j.gLineStartX, j.gLineY + 80, 0, SJ("=(M"));
  NewBox(j, 2, 10, 90, "②");
  NextPiece(j, 10, 0, SJ(")(M"));
  NewBox(j, 3, 10, 90, "③");
  NextPiece(j, 10, 0, SJ(")"));
  DrawTextLine(j, j.gLineStartX, j.gLineY + 90, 0, SJ("=("));
  NewBox(j, 4, 10, 120, "④");
  NextPiece(j, 0, 0, j.gTermText(1) + ")(");
  NewBox(j, 5, 10, 120, "④");
  NextPiece(j, 10, 0, j.gTermText(2) + ")");
}

// After a key each: the part in box ①, a and b in ② and ③, the part in both
// boxes ④.
void RevealTrinomialInM(Jorrel& j, const Text& part) {
  j.WaitForKey();
  KeptBox(j, 1, 120, part);
  j.WaitForKey();
  KeptBox(j, 2, 90, j.gTermText(1));
  j.WaitForKey();
  KeptBox(j, 3, 90, j.gTermText(2));
  j.WaitForKey();
  KeptBox(j, 4, 120, part);
  j.WaitForKey();
  KeptBox(j, 5, 120, part);
}

// The pair a, b of a trinomial in M: |a| from 1 to 5 with a sign, b from 1 to
// 4 raised by one when it is |a|.
void DrawFactorPair(Jorrel& j) {
  j.gTermValue(1) = DrawSignedUpToFive(j);
  j.gTermValue(2) = plat::Int(j.scr.Rnd() * 4 + 1);
  if (j.gTermValue(2) == std::fabs(j.gTermValue(1))) j.gTermValue(2) += 1;
  j.gTermValue(3) = j.gTermValue(1) + j.gTermValue(2);
  j.gTermValue(4) = j.gTermValue(1) * j.gTermValue(2);
}

}  // namespace

// L(x+p) ± (x+p) = M(L ± 1) = (x+p)(L ± 1).
void Jorrel::RunSubstitutionProblem1() {
  gTermValue(1) = DrawSignedUpToFive(*this);
  gTermValue(2) = DrawSign(*this);
  PrepareTextsAndKeyChoice();
  gTermText(12) = Text(1, gTermValue(2) == 1 ? '+' : '-');
  PrefixPlusSigns(6);
  gLabelList(1) = Text(1, 'a');
  gLabelList(2) = Text(1, 'b');
  gLabelList(3) = Text(1, 'c');
  gRandomPick = plat::Int(scr.Rnd() * 3 + 1);
  const Text letter = gLabelList(gRandomPick);
  const Text part = "x" + gTermText(1);
  const Text& sign = gTermText(12);

  gLineStartX = 88;
  DrawPieces(*this, {Wipe(0, 90, 1760, 1890)});
  ProblemAndSubstitution(*this, "(1)", 48, letter + "(" + part + ")" + sign + "(" + part + ")", 132);
  DrawTextLine(*this, gLineStartX, gLineY + 80, 0, "=" + letter + "M" + sign + "M");
  DrawTextLine(*this, gLineStartX, gLineY + 80, 0, SJ("=M("));
  NewBox(*this, 2, 10, 132, "②");
  NextPiece(*this, 10, 0, SJ(")"));
  DrawTextLine(*this, gLineStartX, gLineY + 80, 0, SJ("=("));
  NewBox(*this, 3, 10, 132, "③");
  NextPiece(*this, 10, 0, ")(" + letter + gTermText(2) + ")");
  WaitForKey();
  KeptBox(*this, 1, 132, part);
  WaitForKey();
  KeptBox(*this, 2, 132, letter + gTermText(2));
  WaitForKey();
  KeptBox(*this, 3, 132, part);
}

void Jorrel::ShowSubstitutionProblem2() {
  DrawPieces(*this, {LineStart(704, 100), At(664, 100, 0, "(2)"), Continue(0, "a(x+y)-b(x+y)", 22), Wait(),
                     At(792, 180, 3, "x+y=M とおくと"), Wait(), NextLine(80, 0, "=aM-bM"), Wait(),
                     NextLine(80, 0, "=M(a-b)"), Wait(), NextLine(80, 5, "=(x+y)(a-b)"), Wait()});
}

// (E)^2+s(E)+p = M^2+sM+p = (M+a)(M+b) = (E+a)(E+b).
void Jorrel::RunSubstitutionProblem3() {
  DrawFactorPair(*this);
  PrepareSignedTermTexts(6);
  static constexpr const char* kParts[] = {"a+b", "b-c", "a-b", "2a+c", "b+3c"};
  for (int k = 1; k <= 5; ++k) gLabelList(k) = Literal(kParts[k - 1]);
  gRandomPick = plat::Int(scr.Rnd() * 5 + 1);
  const Text part = gLabelList(gRandomPick);

  gLineStartX = 88;
  DrawPieces(*this, {Wipe(0, 90, 1760, 1890)});
  ProblemAndSubstitution(*this, "(3)", 48,
                         "(" + part + ")^2" + gTermText(3) + "(" + part + ")" + gTermText(4), 120);
  TrinomialInM(*this);
  RevealTrinomialInM(*this, part);
}

// (x+k)^2+s(x+k)+p with M for x+k, ending in (x+(k+a))(x+(k+b)); right of
// x 704, beside the last problem (3).
void Jorrel::RunSubstitutionProblem4() {
  do {
    DrawFactorPair(*this);
    gTermValue2(1) = DrawSignedUpToFive(*this);
    gTermValue(5) = gTermValue2(1) + gTermValue(1);
    gTermValue(6) = gTermValue2(1) + gTermValue(2);
  } while (gTermValue(5) == 0 || gTermValue(6) == 0);
  PrepareSignedTermTexts(6);
  for (int i = 1; i <= 6; ++i)
    if (gTermValue2(i) > 0) gTermText2(i) = "+" + gTermText2(i);
  const Text part = "x" + gTermText2(1);

  gLineStartX = 704;
  DrawPieces(*this, {Wipe(704, 90, 2464, 1890)});
  ProblemAndSubstitution(*this, "(4)", 704,
                         "(" + part + ")^2" + gTermText(3) + "(" + part + ")" + gTermText(4), 120);
  TrinomialInM(*this);
  DrawTextLine(*this, gLineStartX, gLineY + 90, 0, SJ("=(x"));
  NewBox(*this, 6, 10, 90, "⑤");
  NextPiece(*this, 10, 0, SJ(")(x"));
  NewBox(*this, 7, 10, 90, "⑥");
  NextPiece(*this, 10, 0, SJ(")"));
  RevealTrinomialInM(*this, part);
  WaitForKey();
  KeptBox(*this, 6, 90, gTermText(5));
  WaitForKey();
  KeptBox(*this, 7, 90, gTermText(6));
}

void Jorrel::RunFactorSubstitutionExample7() {
  DrawPieces(*this, {Wipe(0, 0, 1760, 1800), LineStart(88, 20), At(44, 20, 3, "例7　次の式を因数分解しなさい。")});
  using Problem = void (Jorrel::*)();
  for (Problem problem : {&Jorrel::RunSubstitutionProblem1, &Jorrel::RunSubstitutionProblem3,
                          &Jorrel::RunSubstitutionProblem4}) {
    if (problem == &Jorrel::RunSubstitutionProblem3) {
      ShowSubstitutionProblem2();
      gLineStartX = 88;
      gLineY = 20;
    }
    gInputValue = 3;
    while (gInputValue != 1) {
      (this->*problem)();
      AskNextStep();
    }
  }
  DrawPieces(*this, {Wait(), At(132, 570, 3, "教科書P29 問11　をしなさい。")});
}

void Jorrel::ShowFactorSubstitutionQ11Answers() {
  constexpr float kLabel = -54;
  static constexpr lesson::Piece kPage[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(94, 30),
      At(40, 30, 7, "問11の解答"),
      Wait(),
      NextLine(50, 3, "(1)", kLabel),
      Continue(0, "(a-2)x+(a-2)y"),
      NextLine(50, 3, "a-2=Mとすると", 90),
      Wait(),
      NextLine(50, 0, "=Mx+My"),
      Wait(),
      NextLine(50, 0, "=M(x+y)"),
      NextLine(50, 5, "=(a-2)(x+y)"),
      Wait(),
      NextLine(80, 3, "(2)", kLabel),
      Continue(0, "(a+b)^2+5(a+b)+6"),
      NextLine(50, 3, "a+b=Mとすると", 90),
      Wait(),
      NextLine(50, 0, "=M^2+5M+6"),
      NextLine(50, 0, "=(M+2)(M+3)"),
      NextLine(50, 5, "=(a+b+2)(a+b+3)"),
      Wait(),
      LineStart(614, 0),  // the right column: (4)'s last brackets end above the bottom band and its redraw
      NextLine(0, 3, "(3)", kLabel),
      Continue(0, "(a-4)^2-(a-4)-12"),
      NextLine(50, 3, "a-4=Mとすると", 90),
      Wait(),
      NextLine(50, 0, "=M^2-M-12"),
      NextLine(50, 0, "=(M-4)(M+3)"),
      NextLine(50, 0, "=(a-4-4)(a-4+3)"),
      NextLine(50, 5, "=(a-8)(a-1)"),
      Wait(),
      NextLine(50, 3, "(4)", kLabel),  // 50, not 60: the last answer stays above the bottom band
      Continue(0, "(2x+7)^2-(x-3)^2"),
      NextLine(50, 3, "2x+7=M,x-3=Nとすると", 90),
      Wait(),
      NextLine(50, 0, "=M^2-N^2"),
      Continue(0, "=(M+N)(M-N)"),
      Wait(),
      NextLine(50, 0, "={(2x+7)+(x-3)}"),
      NextLine(50, 0, "{(2x+7)-(x-3)}", 162),
      Wait(),
      NextLine(50, 0, "=(2x+7+x-3)(2x+7-x+3)"),
      NextLine(50, 5, "=(3x+4)(x+10)"),
  };
  DrawPieces(*this, kPage);
}

}  // namespace lesson
