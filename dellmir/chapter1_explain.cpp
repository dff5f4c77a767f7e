// Chapter 1, items 3 and 4: the semicircle on AB is as long as the
// semicircles on the parts of AB, once with one point P, once with C and D.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// --- Item 3: points 4 A, 7 P, 5 B; radii 1 ① on AB, 2 ② on AP, 3 ③ on PB.
constexpr int kA3 = 4, kP3 = 7, kB3 = 5;

constexpr Piece kExplainTask[] = {
    At(44, 30, 0, "半円①,②,③で、AB=a,AP=bとするとき、"),
    NextLine(60, 0, "①と(②＋③)の長さが等しいことを説明しよう。"),
};
// The lengths a and b, drawn before the line AB.
constexpr ArcRow kExplainDimensions[] = {
    {kA3, kB3, 0, 0, 1, 3, Fixed(30), "a"},
    {kA3, kP3, 0, 0, -1, 10, Fixed(20), "b"},
};
constexpr ArcRow kExplainSemicircles[] = {
    {kA3, kB3, 3, 0, -1, 0.5f, Radius(1), "①"},
    {kA3, kP3, 5, 0, -1, 1, Radius(2), "②"},
    {kP3, kB3, 5, 0, 1, 1, Radius(3), "③"},
};
constexpr ArcRow kExplainPB[] = {
    {kP3, kB3, 0, 0, -1, 6, Fixed(20), "a-b"},
};
constexpr PointLabel kExplainLetters[] = {
    {kA3, -44, -22, 0, "A"},
    {kB3, 4, -22, 0, "B"},
};
constexpr PointLabel kExplainLetterP[] = {{kP3, 4, -50, 3, "P"}};

constexpr Piece kExplainToPB[] = {
    Wait(), NextLine(50, 7, "<説明>"),
    Wait(), NextLine(60, 3, "②+③の長さは、"), Continue(7, "PB="),
    Wait(),
};
constexpr Piece kExplainFromPB[] = {
    Continue(7, "a-b"),
    Continue(0, " だから"),
    Wait(),
    NextLine(60, 0, "b*π*ﾀ1/2ﾀ+(a-b)*π*ﾀ1/2ﾀ", 44),
    Wait(),
    NextLine(70, 0, "=ﾀ1/2ﾀπb+ﾀ1/2ﾀπa-ﾀ1/2ﾀπb"),
    Wait(),
    Continue(5, "=ﾀ1/2ﾀπa"),
    Wait(),
    NextLine(80, 3, "①の長さは、"),
    Wait(),
    NextLine(60, 0, "a*π*ﾀ1/2ﾀ", 44),
    Wait(),
    Continue(5, "=ﾀ1/2ﾀπa"),
    Wait(),
    NextLine(70, 0, "したがって、"),
    Continue(3, "同じ長さになる。"),
};

// --- Item 4: points 5 A, 6 C, 7 D, 8 B; radii 1 ① on AB, 2 ② on AC,
// 3 ③ on CD, 4 ④ on DB. Each part gets one half above and one below AB.
constexpr int kA4 = 5, kC4 = 6, kD4 = 7, kB4 = 8;

constexpr ArcRow kPointsCDDiameters[] = {
    {kA4, kB4, 3, 0, 1, 2, Radius(1), ""},
    {kA4, kC4, 5, 5, 1, 5, Radius(2), "2a"},
    {kC4, kD4, 5, 5, -1, 12, Radius(3), "2b"},
    {kD4, kB4, 5, 5, 1, 3, Radius(4), "2c"},
};
constexpr ArcRow kPointsCDNumbers[] = {
    {kA4, kB4, 3, 0, -1, 0.5f, Radius(1), "①"},
    {kA4, kC4, 5, 0, -1, 1, Radius(2), "②"},
    {kC4, kD4, 5, 0, 1, 1, Radius(3), "③"},
    {kD4, kB4, 5, 0, -1, 1, Radius(4), "④"},
};
constexpr PointLabel kPointsCDLetters[] = {
    {kA4, -44, -22, 0, "A"},
    {kB4, 0, -22, 0, "B"},
    {kC4, -48, 0, 0, "C"},
    {kD4, 0, 0, 0, "D"},
};
constexpr Piece kPointsCDExplanation[] = {
    Wait(), NextLine(60, 3, "②+③＋④の長さは、"),
    Wait(), NextLine(60, 0, "2πa*ﾀ1/2ﾀ+2πb*ﾀ1/2ﾀ+2πc*ﾀ1/2ﾀ", 22),
    Wait(), NextLine(80, 5, "=πa+πb+πc"),
    Wait(), NextLine(80, 3, "①の長さは、"),
    Wait(), NextLine(60, 0, "2π*(a+b+c)*ﾀ1/2ﾀ", 44),
    Wait(), NextLine(90, 0, "=π*(a+b+c)"),
    Wait(), NextLine(80, 5, "=πa+πb+πc"),
    Wait(), NextLine(0, 7, "同じ長さになる。", 440),
};

}  // namespace

// The points lie 6 units above the origin, on one line: their common y is
// gPointY(1). Grid units become screen units, 40 to the unit.
void Dellmir::FigureToScreen(std::initializer_list<int> points, int radii) {
  gPointY(1) = 6;
  for (int k : points) gPointX(k) = gAxisOriginX + 40 * gPointX(k);
  gPointY(1) = gAxisOriginY - 40 * gPointY(1);
  for (int k = 1; k <= radii; ++k) gPrimeList(k) = gPrimeList(k) * 40;
}

void Dellmir::ExplainSemicircleLengths() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), LineStart(44, 30), PenWidth(5)});
  LayOutGrid(720, 125, 40);
  DrawPieces(*this, kExplainTask);
  // AB = 12 units = 2 x r①, AP = 4 units = 2 x r②.
  gPrimeList(1) = 6;
  gPrimeList(2) = 2;
  gPrimeList(3) = 4;
  gPointX(kA3) = 0;
  gPointX(kP3) = 2 * gPrimeList(2);
  gPointX(kB3) = 2 * gPrimeList(1);
  FigureToScreen({kA3, kP3, kB3}, 3);

  DrawArcRows(kExplainDimensions, true);
  DrawPieces(*this, {PenWidth(5)});
  scr.Line(gPointX(kA3), gPointY(1), gPointX(kB3), gPointY(1), 0);
  DrawArcRows(kExplainSemicircles, true);
  DrawPointLabels(kExplainLetters);
  DrawDisc(gPointX(kP3), gPointY(1), 3);
  DrawPointLabels(kExplainLetterP);

  DrawPieces(*this, kExplainToPB);
  DrawArcRows(kExplainPB, true);
  DrawPieces(*this, kExplainFromPB);
}

void Dellmir::CompareWithPointsCD() {
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), LineStart(44, 30), PenWidth(5)});
  LayOutGrid(720, 80, 40);
  DrawPieces(*this, {At(44, 30, 0, "①と(②＋③+④)の長さを比べなさい。")});
  // AC = 2 x r②, CD = 2 x r③, AB = 2 x r①.
  gPrimeList(1) = 6;
  gPrimeList(2) = 2;
  gPrimeList(3) = 1;
  gPrimeList(4) = 3;
  gPointX(kA4) = 0;
  gPointX(kC4) = 2 * gPrimeList(2);
  gPointX(kD4) = gPointX(kC4) + 2 * gPrimeList(3);
  gPointX(kB4) = 2 * gPrimeList(1);
  FigureToScreen({kA4, kC4, kD4, kB4}, 4);

  DrawArcRows(kPointsCDDiameters, true);
  DrawPieces(*this, {PenWidth(5)});
  scr.Line(gPointX(kA4), gPointY(1), gPointX(kB4), gPointY(1), 0);
  DrawArcRows(kPointsCDNumbers, true);
  for (int k : {kA4, kC4, kD4, kB4}) DrawDisc(gPointX(k), gPointY(1), 0);
  DrawPieces(*this, {PenWidth(2)});
  DrawPointLabels(kPointsCDLetters);
  DrawPieces(*this, kPointsCDExplanation);
}

}  // namespace lesson
