#include "fennor/area_figures.h"

#include <span>

namespace lesson {
namespace {

// The square x by x (220), the strip b by x on its right (b is 132 wide), the
// strip x by a below it (a is 88 high) and the corner; marks on the sides
// outside the figure, to the left and above.
constexpr FigureStep kAreaFigure[] = {
    Box(88, 0, 220, 220, 3, 4),
    Mark(88, 0, 88, 220, 1, 2, 1),
    Mark(88, 0, 308, 0, -1, 1, 1),
    Box(308, 0, 132, 220, 4, 6),
    Mark(308, 0, 440, 0, -1, 1, 3),
    Box(88, 220, 220, 88, 6, 5),
    Mark(88, 220, 88, 308, 1, 2, 2),
    Box(308, 220, 132, 88, 8, 7),
};

// The right strip taken away (its border stays), laid turned under the lower
// strip, and the two strips joined into one box (a+b)x.
constexpr FigureStep kRegroupedAreaFigure[] = {
    Box(308, 0, 132, 220, 15, 0),
    KeyWait(),
    Box(88, 308, 220, 132, 4, 6),
    Mark(88, 308, 88, 440, 1, 2, 3),
    KeyWait(),
    Box(88, 220, 220, 220, 6, 8),
};

}  // namespace

// Each box: border 0, the lesson line left at the box's top-right corner.
// Each mark: colour 9, an arc 16 high.
void AreaFigures::DrawFigureSteps(std::span<const FigureStep> steps) {
  AreaFigures& f = *this;
  const float x0 = FigureOriginX(), y0 = FigureOriginY();
  for (const FigureStep& s : steps) {
    switch (s.kind) {
      case FigureStep::Kind::kBox:
        f.gPenX = x0 + s.x;
        f.gPenY = y0 + s.y;
        f.gCellWidth = s.w;
        f.gCellHeight = s.h;
        f.gFigureColour = 0;
        f.gAccentColour = static_cast<float>(s.fillOrSide);
        f.gTextColour = static_cast<float>(s.textColour);
        f.gWorkText = s.label ? f.gTermText2(s.label) : Text();
        f.DrawBoxedCell();
        f.gLineEndX = f.gPenX;
        f.gLineY = f.gPenY;
        break;
      case FigureStep::Kind::kMark:
        f.gP1X = x0 + s.x;
        f.gP1Y = y0 + s.y;
        f.gP2X = x0 + s.w;
        f.gP2Y = y0 + s.h;
        f.gFigureColour = 9;
        f.gTextColour = static_cast<float>(s.textColour);
        f.gArcSide = static_cast<float>(s.fillOrSide);
        f.gCellWidth = static_cast<float>(s.step);
        f.gArcHeight = 1;
        f.gLabelText = f.gTermText2(s.label);
        f.DrawDottedArcOverSegment();
        break;
      case FigureStep::Kind::kWait:
        f.WaitForKey();
        break;
    }
  }
}

void AreaFigures::DrawAreaFigure() { DrawFigureSteps(kAreaFigure); }

void AreaFigures::DrawRegroupedAreaFigure() { DrawFigureSteps(kRegroupedAreaFigure); }

}  // namespace lesson
