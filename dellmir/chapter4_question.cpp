// Chapter 4, item 1: the flower bed lengthened both ways, read off as
// (a+b)(c+d)=ac+ad+bc+bd, and the same product by putting c+d=M.
#include <algorithm>
#include <span>

#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// A rectangle of the figure: border colour 0, its text centred in it.
struct BedCell {
  float x, y, width, height;
  int fill;
  int textColour;
  const char* text;  // UTF-8; empty for a plain rectangle
};

void DrawCells(Dellmir& d, std::span<const BedCell> cells) {
  for (const BedCell& c : cells) {
    d.gPenX = c.x;
    d.gPenY = c.y;
    d.gCellWidth = c.width;
    d.gCellHeight = c.height;
    d.gFigureColour = 0;
    d.gAccentColour = static_cast<float>(c.fill);
    d.gTextColour = static_cast<float>(c.textColour);
    d.gWorkText = Literal(c.text);
    d.DrawBoxedCell();
  }
}

// The bed is a high and c wide, lengthened by b downwards and by d to the
// right: a = 132, b = 88, c = 220, d = 132.
constexpr BedCell kCellA = {132, 270, 220, 132, 13, 5, ""};
constexpr BedCell kCellB = {352, 270, 132, 132, 13, 5, ""};
constexpr BedCell kCellC = {132, 402, 220, 88, 13, 5, ""};
constexpr BedCell kCellD = {352, 402, 132, 88, 13, 5, ""};
constexpr BedCell kProducts[] = {
    {132, 270, 220, 132, 13, 5, "ac"},
    {352, 270, 132, 132, 13, 5, "ad"},
    {132, 402, 220, 88, 13, 5, "bc"},
    {352, 402, 132, 88, 13, 5, "bd"},
};
constexpr BedCell kMergedRows[] = {
    {132, 270, 352, 132, 13, 5, ""},
    {132, 402, 352, 88, 11, 5, ""},
};
constexpr BedCell kMergedRowProducts[] = {
    {132, 270, 352, 132, 13, 5, "a(c+d)"},
    {132, 402, 352, 88, 11, 5, "b(c+d)"},
};

// The "(c+d)" cell over a line of text: its box stands on the line and is 56
// high, so that the brackets' feet stay inside it and the pairing arcs from
// "(a+b)" still end on its top border; its text stays on the line, centred
// across the box.
void DrawBracketCell(Dellmir& d, float x, float lineY) {
  constexpr float kWidth = 176;
  const BedCell box = {x, lineY, kWidth, 56, 13, 0, ""};
  DrawCells(d, {&box, 1});
  d.gWorkText = Literal("(c+d)");
  d.MeasureTextWidth();
  DrawTextAt(d, x + std::max(0.0f, (kWidth - d.gMeasuredEndX) / 2), lineY, 0, d.gWorkText);
}

// Points of screen 1: 1 the bed's corner, 2 and 5 the left ends of the lower
// row, 3 and 4 the top of the right column; 6 to 9 the ends of the pairing
// arcs over "(a+b)(c+d)".
struct Point {
  float x, y;
};
constexpr Point kBedPoints[] = {{132, 270}, {132, 402}, {352, 270}, {484, 270}, {132, 490},
                                {616, 270}, {836, 270}, {674, 270}, {806, 270}};

// Side 1 puts an arc left of a segment drawn downwards, -1 above one drawn
// to the right.
constexpr ArcRow kSideA[] = {{1, 2, 9, 0, 1, 2, Fixed(1), "a"}};
constexpr ArcRow kSideC[] = {{1, 3, 9, 0, -1, 1, Fixed(1), "c"}};
constexpr ArcRow kSideD[] = {{3, 4, 9, 0, -1, 1, Fixed(1), "d"}};
constexpr ArcRow kSideB[] = {{2, 5, 9, 0, 1, 2, Fixed(1), "b"}};
constexpr ArcRow kPairingA[] = {{6, 7, 9, 0, -1, 1, Fixed(2), ""}};
constexpr ArcRow kPairingB[] = {{8, 9, 7, 0, -1, 1, Fixed(1), ""}};
// Screen 2: from "a" and from "b" (points 1 and 2) to 60 into the cell
// (point 3).
constexpr ArcRow kCompactPairings[] = {
    PairingArc(1, 0, 3, 60, 0, -1, 2, 9, 0, "", 0),
    PairingArc(2, 0, 3, 60, 0, -1, 1, 7, 0, "", 0),
};

constexpr Piece kBedQuestion[] = {
    Wipe(0, 0, 1320, 1300),
    LineStart(44, 30),
    PenWidth(5),
    At(44, 30, 0, "縦am,横cmの長方形の花壇があります。"),
    At(44, 90, 0, "縦をbm,横をdmのばしたとき"),
    At(44, 150, 0, "花壇の面積を求めなさい。"),
};
constexpr Piece kAreaAsProduct[] = {
    Wait(), At(528, 210, 5, "<式>"), Wait(), At(572, 270, 0, "(a+b)(c+d)"), Wait(),
};
constexpr Piece kAreaAsSum[] = {Wait(), At(528, 410, 5, "=ac+ad+bc+bd (m^2)"), Wait()};
// Drawn last, between the first and the last line of the derivation.
constexpr Piece kAreaByRows[] = {Wait(), At(528, 340, 0, "=a(c+d)+b(c+d)"), Wait()};

constexpr Piece kCompactStart[] = {
    Wipe(0, 0, 1320, 1300),
    LineStart(44, 30),
    At(88, 90, 0, "("),
};
constexpr Piece kCompactLines[] = {
    At(44, 230, 5, "=ac+ad+bc+bd "),
    At(44, 160, 0, "=a(c+d)+b(c+d)"),
};
constexpr Piece kPutM[] = {
    LineStart(660, 30),
    At(704, 90, 0, "(a+b)(c+d)"),
    Wait(),
    At(660, 160, 3, "  c+d=M とおくと、"),
    Wait(),
    At(660, 230, 0, "=(a+b)"),
    Continue(3, "M"),
    Wait(),
    At(660, 300, 0, "=a"),
    Continue(3, "M"),
    Continue(0, "+b"),
    Continue(3, "M"),
    Wait(),
    At(660, 370, 3, "  Mをc+d　にもどすと、"),
    Wait(),
    At(660, 440, 0, "=a(c+d)+b(c+d)"),
    Wait(),
    At(660, 510, 5, "=ac+ad+bc+bd "),
    Wait(),
    LineStart(44, 510),
    At(44, 340, 3, "このように、積の形を和の形"),
    At(44, 400, 3, "に表すことを、もとの式を"),
    At(44, 460, 5, "展開"),
    Continue(3, "するという。"),
    Wait(),
    At(44, 570, 3, "Q "),
    Continue(7, "a+b=N とおいて (a+b)(c+d) を計算しよう。"),
};

}  // namespace

void Dellmir::ShowExpansionQuestion() {
  // Screen 1: the flower bed.
  DrawPieces(*this, kBedQuestion);
  for (int k = 1; k <= static_cast<int>(std::size(kBedPoints)); ++k) {
    gPointX(k) = kBedPoints[k - 1].x;
    gPointY(k) = kBedPoints[k - 1].y;
  }
  DrawCells(*this, {&kCellA, 1});
  DrawArcRows(kSideA);
  DrawArcRows(kSideC);
  WaitForKey();
  DrawCells(*this, {&kCellB, 1});
  DrawArcRows(kSideD);
  DrawCells(*this, {&kCellC, 1});
  DrawArcRows(kSideB);
  DrawCells(*this, {&kCellD, 1});
  DrawPieces(*this, kAreaAsProduct);
  DrawCells(*this, kProducts);
  DrawPieces(*this, kAreaAsSum);
  DrawCells(*this, kMergedRows);
  WaitForKey();
  DrawCells(*this, kMergedRowProducts);
  DrawPieces(*this, kAreaByRows);
  DrawBracketCell(*this, 712, 270);
  WaitForKey();
  DrawArcRows(kPairingA);
  WaitForKey();
  DrawArcRows(kPairingB);
  WaitForKey();

  // Screen 2: the compact form, c+d = M, and what expanding means.
  DrawPieces(*this, kCompactStart);
  gPointX(1) = gLineEndX;
  gPointY(1) = gLineY;
  DrawPieces(*this, {Continue(0, "a+")});
  gPointX(2) = gLineEndX;
  gPointY(2) = gLineY;
  DrawPieces(*this, {Continue(0, "b)")});
  gPointX(3) = gLineEndX + 20;
  gPointY(3) = gLineY;
  DrawPieces(*this, kCompactLines);
  DrawBracketCell(*this, gPointX(3), 90);
  DrawArcRows(kCompactPairings, true);
  DrawPieces(*this, kPutM);
}

}  // namespace lesson
