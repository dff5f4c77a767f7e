// Chapter 7, item 2: the area S of a circular road of width a around a circle
// of radius r is a times the length l of its centre line; the figure is built
// up beside the proof, one step per key.
#include "corvana/corvana.h"

namespace lesson {

// A double arrow: one head at the tip, one at the tail.
void Corvana::DrawDoubleArrow(float tipX, float tipY, float tailX, float tailY) {
  for (float end : {-1.0f, 1.0f}) {
    gP1X = tipX;
    gP1Y = tipY;
    gArrowFromX = tailX;
    gArrowFromY = tailY;
    gFigureColour = 7;
    gArrowHead = 16;
    gArrowHeadEnd = end;
    DrawArrowLine();
  }
}

void Corvana::ShowCircularRoadExample() {
  static constexpr Piece kHeading[] = {
      Wipe(0, 0, 1320, 1300),
      LineStart(44, 20),
      NextLine(0, 3, "例2　S=al を証明しなさい。"),
      NextLine(50, 5, "＜証明＞"),
  };
  // The circumference of the centre line and the road's area: each placeholder
  // keeps the line where it began, so that the filled-in text replaces it.
  static constexpr Piece kCentreLine[] = {
      Wait(),
      NextLine(60, 5, "l"),
      Continue(0, "="),
      Wait(),
  };
  static constexpr Piece kCentreLineFilled[] = {
      Continue(0, "2π(r+ﾀa/2ﾀ)"),
      Wait(),
      Continue(5, "=2πr+πa"),
      Wait(),
      NextLine(100, 5, "S"),
      Tag(Continue(0, "=π(   )^2-πr^2")),
      Wait(),
  };
  static constexpr Piece kProof[] = {
      Continue(0, "=π(r+a)^2-πr^2"),
      Wait(),
      NextLine(60, 0, " =π(r^2+2ar+a^2)-πr^2"),
      Wait(),
      NextLine(60, 0, " =πr^2+2πar+πa^2-πr^2"),
      Wait(),
      NextLine(60, 0, " ="),
      Continue(5, "2πar+πa^2"),
      Continue(0, "…①"),
      Wait(),
      NextLine(60, 5, "al"),
      Continue(0, "=a(2πr+πa)"),
      Wait(),
      NextLine(60, 0, "=", 88),
      Continue(5, "2πar+πa^2"),
      Continue(0, "…②"),
      Wait(),
      NextLine(70, 0, "①,②より、"),
      Continue(5, "S=al"),
      PenWidth(2),
  };
  // From 10 above the line, 70 high: the tall bracket of "2π(   )" reaches
  // further down than the line's own height.
  auto wipePlaceholder = [this] {
    scr.Line(gLineEndX, gLineY - 10, gLineEndX + 528, gLineY - 10 + 70, 15, plat::kFilledBox, 15);
  };

  DrawPieces(*this, kHeading);
  SetFigureOrigin(704, 80, 10, 10);
  scr.SetDrawWidth(0, 6);
  static constexpr FigurePoint kPoints[] = {{1, 5, 5}, {2, 8, 5}, {4, 5, 0}};
  PlaceFigurePoints(kPoints);
  gCorvanaInnerRadius = 3 * gAxisUnit;
  gCorvanaCentreLineRadius = 4 * gAxisUnit;
  gCorvanaOuterRadius = 5 * gAxisUnit;
  const float ox = gPointX(1), oy = gPointY(1), ax = gPointX(2), ay = gPointY(2), bx = gPointX(4), by = gPointY(4);

  // The outer disc; the road, the inner disc and its radius r.
  WaitForKey();
  scr.Circle(ox, oy, gCorvanaOuterRadius, 0, 0, 0, 13);
  WaitForKey();
  scr.Circle(ox, oy, gCorvanaOuterRadius, 0, 0, 0, 11);
  scr.Circle(ox, oy, gCorvanaInnerRadius, 0, 0, 0, 13);
  scr.Circle(ox, oy, 6, 0, 0, 0, 0);
  DrawDoubleArrow(ox, oy, ox + gCorvanaInnerRadius, oy);
  DrawTextAt(*this, ox + 10, oy - 50, 7, Literal("rm"));
  // The width a; the centre line l, the width drawn again over it.
  WaitForKey();
  DrawDoubleArrow(ax, ay, ax + 80, ay);
  DrawTextAt(*this, ax, oy - 50, 7, Literal("am"));
  WaitForKey();
  scr.Circle(ox, oy, gCorvanaCentreLineRadius, 5);
  DrawDoubleArrow(ax, ay, ax + 80, ay);
  DrawTextAt(*this, ax, oy - 50, 7, Literal("am"));
  DrawTextAt(*this, bx + 20, by, 7, Literal("lm"));
  gP1X = bx;
  gP1Y = by + 20;
  gArrowFromX = bx;
  gArrowFromY = oy + gCorvanaCentreLineRadius;
  gFigureColour = 7;
  gArrowHead = 16;
  gArrowHeadEnd = 1;
  DrawArrowLine();
  WaitForKey();
  DrawTextAt(*this, ox - gCorvanaOuterRadius, oy + gCorvanaOuterRadius + 50, 7, Literal("道の面積…Sm^2"));

  // The proof.
  DrawPieces(*this, kCentreLine);
  gTallBrackets = 1;
  DrawPieces(*this, {Tag(Continue(0, "2π(   )"))});
  WaitForKey();
  wipePlaceholder();
  gTallBrackets = 1;
  DrawPieces(*this, kCentreLineFilled);
  wipePlaceholder();
  DrawPieces(*this, kProof);
}

}  // namespace lesson
