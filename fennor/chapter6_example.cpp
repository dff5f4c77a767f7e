// Chapter 6, example 6: (a+b-2)(a+b+2) worked through M beside the figures
// of the square less a square, then the random drills (M+p)(M+q) and
// (M+k)^2 with M taken from a table of polynomials.
#include <cmath>
#include <utility>

#include "common/frame/screens.h"
#include "fennor/fennor.h"

namespace lesson {

void Fennor::RunSubstitutionExample6() {
  static constexpr const char* kSides[8] = {"a+b", "2", "2", "", "", "", "", ""};
  static constexpr const char* kAreas[8] = {"a+b", "2", "2", "(a+b)^2", "", "", "4", ""};
  DrawPieces(*this, {
                        lesson::Wipe(0, 0, 1320, 1300),
                        LineStart(44, 30),
                        At(22, 30, 3, "例6　次の式を展開しなさい。"),
                        Tag(NextLine(70, 0, "①(a+b-2)(a+b+2)")),
                    });
  gFennorSavedLineY = gPenY;
  WaitForKey();
  gFennorFigureOriginX = 836;
  gFennorFigureOriginY = 100;
  SetAreaLabels(kSides, 8);
  DrawSumTimesDifferenceFigure();
  DrawPieces(*this, {
                        Wait(),
                        At(gLineStartX + 132, gFennorSavedLineY + 55, 3, "a+b=M とおくと、"),
                        Wait(),
                        NextLine(70, 3, "=(M-2)(M+2)", 88),
                        Wait(),
                        NextLine(70, 3, "=M^2-4", 88),
                        Wait(),
                        Tag(NextLine(70, 0, "=(a+b)^2-4")),
                    });
  gFennorSavedLineY = gPenY;
  WaitForKey();
  DrawMovedStripFigure();
  WaitForKey();
  SetAreaLabels(kAreas, 8);
  DrawSquareLessSquareFigure();
  DrawPieces(*this, {
                        Wait(),
                        At(gLineStartX, gFennorSavedLineY + 70, 5, "=a^2+2ab+b^2-4"),
                        Wait(),
                        At(44, 500, 7, "※ a+b をM におきかえて、公式を使う。"),
                        Wait(),
                        lesson::Wipe(0, 0, 1760, 1800),
                    });
  gFennorColumnX = 40;
  DrawPieces(*this, {LineStart(gFennorColumnX + 36, 30), At(gFennorColumnX, 30, 3, "例6 次の式を展開しなさい。")});
  RunSubstitutionDrill(false);
  RunSubstitutionDrill(true);
  DrawPieces(*this, {At(132, 570, 0, "教科書 問9　をしなさい。")});
}

void Fennor::RunSubstitutionDrill(bool square) {
  gInputValue = 3;
  while (gInputValue != 1) {
    // p (or k) from -5..-1, 1..5; q from 1 to 5, raised by 1 once when it
    // has the size of p.
    gRandomPick = plat::Int(scr.Rnd() * 2);
    if (gRandomPick == 0) gRandomPick = -1;
    gTermValue(1) = gRandomPick * plat::Int(scr.Rnd() * 5 + 1);
    if (square) {
      gTermValue(2) = gTermValue(1);
    } else {
      gTermValue(2) = plat::Int(scr.Rnd() * 4 + 1);
      if (gTermValue(2) == std::fabs(gTermValue(1))) gTermValue(2) = gTermValue(2) + 1;
    }
    gTermValue(3) = gTermValue(1) + gTermValue(2);
    gTermValue(4) = gTermValue(1) * gTermValue(2);
    gTermValue(5) = 2 * gTermValue(3);
    gTermValue2(3) = -gTermValue(3);
    PrepareTextsAndKeyChoice();
    // A coefficient 1 or -1 of M is its sign alone (2k never is one).
    for (auto [value, text] : {std::pair{&gTermValue(3), &gTermText(3)}, std::pair{&gTermValue2(3), &gTermText2(3)}}) {
      if (*value == 1) {
        *text = Text();
      } else if (*value == -1) {
        *text = "-";
      }
    }
    for (int i = 1; i <= 6; ++i)
      if (gTermValue(i) > 0) gTermText(i) = "+" + gTermText(i);
    if (gTermValue2(3) > 0) gTermText2(3) = "+" + gTermText2(3);
    // The substitution table: the polynomial, its square, s times it.
    const Text &T3 = gTermText(3), &U3 = gTermText2(3), &T5 = gTermText(5);
    static constexpr const char* kPolynomials[] = {"a+b", "b-c", "a-b", "b+c", "2a+c"};
    static constexpr const char* kSquares[] = {"a^2+2ab+b^2", "b^2-2bc+c^2", "a^2-2ab+b^2", "b^2+2bc+c^2",
                                               "4a^2+4ac+c^2"};
    for (int r = 1; r <= 5; ++r) {
      gLabelList(r) = kPolynomials[r - 1];
      gLabelList(r + 5) = kSquares[r - 1];
    }
    gLabelList(11) = T3 + "a" + T3 + "b";
    gLabelList(12) = T3 + "b" + U3 + "c";
    gLabelList(13) = T3 + "a" + U3 + "b";
    gLabelList(14) = T3 + "b" + T3 + "c";
    gLabelList(15) = T5 + "a" + T3 + "c";
    gRandomPick = plat::Int(scr.Rnd() * 5 + 1);
    for (int k = 1; k <= 3; ++k) gTextListB(k) = gLabelList(gRandomPick + 5 * (k - 1));
    const Text& M = gTextListB(1);
    const Text &T1 = gTermText(1), &T2 = gTermText(2), &T4 = gTermText(4);

    if (square) {
      gFennorColumnX = 600;
      gLineStartX = gFennorColumnX + 36;
      // The product drill's lines go whole (its longest ones reach past x 600);
      // the square problem stands beside the title, where the last one stood.
      DrawPieces(*this, {lesson::Wipe(0, 90, 1760, 1890), lesson::Wipe(600, 0, 2360, 1800),
                         At(gFennorColumnX, 30, 0, "③")});
      DrawTextLine(*this, gLineStartX + 27, gLineY, 0, "(" + M + T1 + ")^2");
    } else {
      gLineStartX = 88;
      DrawPieces(*this, {lesson::Wipe(0, 90, 1760, 1890), At(gFennorColumnX, 100, 0, "②")});
      DrawTextLine(*this, gLineStartX + 27, gLineY, 0, "(" + M + T1 + ")(" + M + T2 + ")");
    }
    // The next line from 54 right of the line start: box ①, "=M とおくと".
    DrawTextLine(*this, gLineStartX + 54, gLineY + 60, 0, Text());
    PlaceGapBox(1, 10, 144, 7, 6, SJ("①"), 48);
    DrawTextLine(*this, gLineEndX, gLineY, 3, SJ("=M とおくと"));
    WaitForKey();
    FillGapBox(1, 144, 7, 6, M, 48);
    WaitForKey();
    const Text first = square ? "=(M" + T1 + ")^2" : "=(M" + T1 + ")(M" + T2 + ")";
    DrawTextLine(*this, gLineStartX, gLineY + 60, 0, first);
    WaitForKey();
    DrawTextLine(*this, gLineStartX, gLineY + 60, 0, "=M^2" + T3 + "M" + T4);
    WaitForKey();
    DrawTextLine(*this, gLineStartX, gLineY + 60, 0, "=(" + M + ")^2" + T3 + "(" + M + ")" + T4);
    WaitForKey();
    DrawTextLine(*this, gLineStartX, gLineY + 60, 5, "=" + gTextListB(2) + gTextListB(3) + T4);
    AskNextStep();
  }
}

}  // namespace lesson
