// Chapter 7, mixed operations: entry, goal, sub-menu, the fixed worked
// example 2(x+5)^2-(x+3)(x-3) and the random practice of
// (x+a)(x+b)+k(x+d)^2 that follows it.
#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::StartMixedOperationsChapter() {
  ShowMixedOperationsGoal();
  ShowMixedOperationsMenu();
}

void Fennor::ShowMixedOperationsGoal() {
  DrawPieces(*this, {
                        LineStart(44, 240),
                        At(44, 240, 5, "<めあて>"),
                        NextLine(65, 0, "3(x+5)^2-(x+3)(x-3) のような式を計算しよう。"),
                    });
}

void Fennor::ShowMixedOperationsMenu() {
  static constexpr SubMenu kMenu = {"①例7　②問10　③( )^3　④終了", 4, true};
  RunSubMenu<Fennor>(*this, kMenu, gFennorSubMenuChoice,
                     {&Fennor::ShowMixedOperationsWorkedExample, &Fennor::ShowMixedOperationsQ10Answers,
                      &Fennor::ShowBinomialCubePage, nullptr});
}

void Fennor::ShowMixedOperationsWorkedExample() {
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1760, 1800),
                        LineStart(44, 30),
                        At(22, 30, 0, "例7　次の式を計算しなさい。"),
                        NextLine(70, 3, "①"),
                        NextLine(0, 0, "2(x+5)^2-(x+3)(x-3)", 44),
                        Wait(),
                        NextLine(50, 3, "(x+5)^2 と(x+3)(x-3) を展開する", 176),
                        Wait(),
                        NextLine(80, 0, "="),
                    });
  // The line without brackets is laid out whole: the pieces still to come
  // are drawn in the background colour, so that each stands in its gap when
  // it is drawn again, visibly, at a later key. Their x are kept by piece.
  struct LinePiece {
    int k;
    const char* text;
    int colour;
  };
  static constexpr LinePiece kLine[] = {
      {8, "2", 15}, {1, "(", 15}, {2, "x^2+10x+25", 0}, {3, ")", 15},
      {4, "-", 15}, {5, "(", 15}, {6, "x^2-9", 0},      {7, ")", 15},
  };
  for (const LinePiece& p : kLine) {
    gPointX(p.k) = gLineEndX;
    gPointY(1) = gLineY;
    DrawTextAt(*this, gLineEndX, gLineY, p.colour, Literal(p.text));
    gLineEndX = gPenX;
  }
  // The hidden pieces by key: the factor and the minus sign, then one pair
  // of brackets a key.
  static constexpr LinePiece kReveals[][2] = {
      {{8, "2", 0}, {4, "-", 0}},
      {{1, "(", 5}, {3, ")", 5}},
      {{5, "(", 5}, {7, ")", 5}},
  };
  for (const auto& pair : kReveals) {
    WaitForKey();
    for (const LinePiece& p : pair) {
      DrawTextAt(*this, gPointX(p.k), gPointY(1), p.colour, Literal(p.text));
      gLineEndX = gPenX;
    }
  }
  DrawTextLine(*this, gPointX(7) + 88, gPointY(1), 5, SJ("( )をつける"));
  DrawPieces(*this, {
                        Wait(),
                        NextLine(80, 0, "=2x^2+20x+50-x^2+9"),
                        Wait(),
                        Continue(3, "同類項をまとめる", 88),
                        Wait(),
                        NextLine(80, 0, "=2x^2-x^2+20x+50+9"),
                        Wait(),
                        NextLine(80, 5, "=x^2+20x+59"),
                        Wait(),
                    });
  gInputValue = 3;
  gFennorProblemCount = 0;
  RunMixedOperationsPractice();
}

void Fennor::RunMixedOperationsPractice() {
  while (gInputValue != 1) {
    DrawMixedOperationsNumbers();
    ShowMixedOperationsProblem();
    AskNextStep();
    gFennorProblemCount = gFennorProblemCount + 1;
  }
  DrawTextLine(*this, 132, 570, 7, SJ("教科書P21 問10　をしなさい。"));
}

void Fennor::DrawMixedOperationsNumbers() {
  // A whole number from 1 to n, and a sign coin that makes it negative on
  // face 1.
  auto draw = [this](int n) { return plat::Int(scr.Rnd() * static_cast<float>(n) + 1); };
  auto signCoin = [&](float v) {
    gRandomPick = draw(2);
    return gRandomPick == 1 ? -v : v;
  };
  float a = signCoin(draw(4));
  float b = signCoin(plat::Int(scr.Rnd() * 4 + 2));
  // Equal constants would make a square: a moves on by 5.
  if (a == b) a = a + 5;
  // Every second problem is a sum times a difference.
  if (FloorModFn(gFennorProblemCount, 2) == 1) b = -a;
  gTermValue(1) = a;
  gTermValue(2) = b;
  gTermValue(3) = signCoin(draw(5));
  // The factor: negative on two faces of three.
  gTermValue2(11) = draw(3);
  gRandomPick = draw(3);
  if (gRandomPick != 1) gTermValue2(11) = -gTermValue2(11);
}

void Fennor::ShowMixedOperationsProblem() {
  const float a = gTermValue(1), b = gTermValue(2), d = gTermValue(3), k = gTermValue2(11);
  gTermValue(4) = a + b;
  gTermValue2(1) = a * b;
  gTermValue(5) = 2 * d;
  gTermValue2(2) = d * d;
  gTermValue(6) = k;
  gTermValue(7) = 2 * k * d;
  gTermValue2(3) = k * d * d;
  gTermValue(8) = 1 + k;
  gTermValue(9) = a + b + 2 * k * d;
  gTermValue2(4) = a * b + k * d * d;
  PrepareMixedOperationsTexts();

  scr.SetDrawWidth(0, 5);
  DrawPieces(*this, {
                        LineStart(44, 18),
                        lesson::Wipe(0, 0, 1320, 1300),
                        NextLine(0, 3, "例7　次の式を計算しなさい。", 88),
                        NextLine(80, 3, "②", 88),
                    });
  DrawTextLine(*this, gLineStartX + 176, gLineY, 0,
               "(x" + gTermText(1) + ")(x" + gTermText(2) + ")" + gTermText2(11) + "(x" + gTermText(3) + ")^2");
  WaitForKey();
  DrawTextLine(*this, gLineStartX + 132, gLineY + 70, 0, "=x^2" + gTermText(4) + gTermText2(1));
  WaitForKey();
  DrawTextLine(*this, gLineEndX, gLineY, 0, gTermText2(11) + "(x^2" + gTermText(5) + gTermText2(2) + ")");
  WaitForKey();
  DrawTextLine(*this, gLineStartX + 132, gLineY + 70, 0,
               "=x^2" + gTermText(4) + gTermText2(1) + gTermText(6) + gTermText(7) + gTermText2(3));
  WaitForKey();
  DrawTextLine(*this, gLineStartX + 132, gLineY + 70, 0,
               "=x^2" + gTermText(6) + gTermText(4) + gTermText(7) + gTermText2(1) + gTermText2(3));
  WaitForKey();
  // Without an x^2 term a positive x term leads the result.
  if (gTermValue(8) == 0 && gTermValue(9) > 0) {
    gWorkText = gTermText(9);
    StripLeadingPlus();
    gTermText(9) = gWorkText;
  }
  DrawTextLine(*this, gLineStartX + 132, gLineY + 70, 5, "=" + gTermText(8) + gTermText(9) + gTermText2(4));
}

void Fennor::PrepareMixedOperationsTexts() {
  PrepareTextsAndKeyChoice();
  // The factor before the bracket: +, -, +2, +3, -2 or -3.
  const float k = gTermValue2(11);
  if (k > 0) gTermText2(11) = "+" + gTermText2(11);
  if (k == 1) gTermText2(11) = "+";
  if (k == -1) gTermText2(11) = "-";
  for (int i = 1; i <= 3; ++i) {
    if (gTermValue(i) > 0) gTermText(i) = "+" + gTermText(i);
    if (gTermValue2(i) > 0) gTermText2(i) = "+" + gTermText2(i);
  }
  // Unit coefficients show the letter alone.
  for (int i = 4; i <= 9; ++i) {
    if (gTermValue(i) == 1) gTermText(i) = Text();
    if (gTermValue(i) == -1) gTermText(i) = "-";
  }
  if (gTermValue2(4) == 0) {
    gTermText2(4) = Text();
  } else if (gTermValue2(4) > 0) {
    gTermText2(4) = "+" + gTermText2(4);
  }
  // The letter terms; the x^2 term of the result leads it, without "+".
  auto letterTerm = [this](int i, const char* letter, bool plus) {
    if (gTermValue(i) == 0) {
      gTermText(i) = Text();
    } else {
      gTermText(i) = (plus && gTermValue(i) > 0 ? "+" : "") + gTermText(i) + letter;
    }
  };
  letterTerm(6, "x^2", true);
  letterTerm(8, "x^2", false);
  for (int i : {4, 5, 7, 9}) letterTerm(i, "x", true);
}

}  // namespace lesson
