// Chapter 1, item 2: the four courses from A to B compared by their lengths,
// and the course figures.
#include "common/frame/screens.h"
#include "dellmir/dellmir.h"

namespace lesson {

namespace {

// Points of the course base: 1 A, 2 B, 3 to 5 at 40, 60 and 90 cm from A.
// Radii: 1 to 3 those on 40, 60 and 90 cm, kWholeCourseRadius that on 120 cm.
// Each part of a course is labelled with its length on a flat arc on the
// other side of AB.
constexpr ArcRow kCourse40And80[] = {
    {1, 3, 3, 3, -1, 1, Radius(1), "ア", 80, 30},
    {3, 2, 3, 3, 1, 1, Radius(1, 2), ""},
    {1, 3, 0, 0, 1, 10, Fixed(-15), "40cm"},
    {3, 2, 0, 0, -1, 6, Fixed(-15), "80cm"},
};
constexpr ArcRow kCourse60And60[] = {
    {1, 4, 9, 9, -1, 1, Radius(2), "イ", 40, 0},
    {4, 2, 9, 9, 1, 1, Radius(2), ""},
    {1, 4, 0, 0, 1, 7, Fixed(-15), "60cm"},
    {4, 2, 0, 0, -1, 7, Fixed(-15), "60cm"},
};
constexpr ArcRow kCourse90And30[] = {
    {1, 5, 7, 7, -1, 1, Radius(3), "ウ", 40, 0},
    {5, 2, 7, 7, 1, 1, Radius(3, 1, 3), ""},
    {1, 5, 0, 0, 1, 5, Fixed(-15), "90cm"},
    {5, 2, 0, 0, -1, 11, Fixed(-15), "30cm"},
};
constexpr ArcRow kCourse120[] = {
    {1, 2, 5, 5, -1, 1, Radius(kWholeCourseRadius), "エ"},
    {1, 2, 0, 0, 1, 3, Fixed(-15), "120cm"},
};
// AB labelled as a whole, and course ア over AP and PB.
constexpr ArcRow kCoursePointP[] = {
    {1, 2, 0, 0, 1, 6, Fixed(-30), "120cm"},
    {1, 3, 5, 5, -1, 1, Radius(1), ""},
    {3, 2, 5, 5, 1, 1, Radius(1, 2), ""},
};
constexpr PointLabel kLetterP[] = {{3, 4, -50, 3, "P"}};

constexpr Piece kCompareHeading[] = {At(30, 30, 3, "ア～エの長さを比べよう。"), Wait()};

// The length of each course, built up key by key.
constexpr Piece kLengthOfA[] = {
    At(30, 100, 7, "ア "), Wait(), Continue(0, "40*π*ﾀ1/2ﾀ+"), Wait(), Continue(0, "80*π*ﾀ1/2ﾀ"), Wait(),
    NextLine(60, 0, "="),  Wait(), Continue(0, "20π+40π="),    Wait(), Continue(3, "60π"),        Wait(),
};
constexpr Piece kLengthOfI[] = {
    At(30, 230, 7, "イ "), Wait(), Continue(0, "60*π*ﾀ1/2ﾀ+"), Wait(), Continue(0, "60*π*ﾀ1/2ﾀ"), Wait(),
    NextLine(60, 0, "="),  Wait(), Continue(0, "30π+30π="),    Wait(), Continue(3, "60π"),        Wait(),
};
constexpr Piece kLengthOfU[] = {
    At(30, 360, 7, "ウ "), Wait(), Continue(0, "90*π*ﾀ1/2ﾀ+"), Wait(), Continue(0, "30*π*ﾀ1/2ﾀ"), Wait(),
    NextLine(60, 0, "="),  Wait(), Continue(0, "45π+15π="),    Wait(), Continue(3, "60π"),        Wait(),
};
constexpr Piece kLengthOfE[] = {
    At(30, 490, 7, "エ "), Wait(), Continue(0, "120*π*ﾀ1/2ﾀ="), Wait(), Continue(3, "60π"), Wait(),
};
constexpr Piece kSameLength[] = {NextLine(60, 7, "同じ長さになる。"), Wait()};

// The question block stands at gDellmirHeadingX, 36 left of gLineStartX.
constexpr Piece kQuestionAndConjecture[] = {
    NextLine(0, 3, "Q ", -36),
    Continue(7, "先にゴールするコースは?"),
    NextLine(50, 3, "予想…", -36),
    Wait(),
    Continue(0, "すべてのコースが同時にゴールする"),
    Wait(),
};
constexpr Piece kQuestionPointP[] = {
    NextLine(70, 3, "Q ", -36),
    Continue(7, "点PをAB上のどこにとっても"),
    NextLine(50, 7, "長さは同じだろうか?"),
};

struct SingleCourse {
  void (Dellmir::*figure)();
  std::span<const Piece> length;
};

}  // namespace

void Dellmir::CompareCourseLengthsP11() {
  // Screen 1: the four courses, two by two, each grid beside or below the
  // one laid out before it.
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), PenWidth(5)});
  gDellmirHeadingX = 30;
  gLineY = 30;
  LayOutGrid(120, 0, 30);
  DrawCourseBase();
  DrawCourse40And80();
  LayOutGrid(gAxisRight + 80, 0, 30);
  DrawCourseBase();
  DrawCourse60And60();
  LayOutGrid(120, gAxisBottom, 30);
  DrawCourseBase();
  DrawCourse90And30();
  LayOutGrid(gAxisRight + 80, gAxisTop, 30);
  DrawCourseBase();
  DrawCourse120();
  DrawPieces(*this, kCompareHeading);

  // Screens 2 to 5: one course at a time at the right, its length at the left.
  DrawPieces(*this, {Wipe(0, 0, 1320, 1300), PenWidth(5)});
  gDellmirHeadingX = 30;
  gLineStartX = gDellmirHeadingX + 27;
  gLineY = 30;
  LayOutGrid(800, 50, 30);
  DrawCourseBase();
  DrawCourse40And80();
  DrawPieces(*this, kCompareHeading);
  DrawPieces(*this, kLengthOfA);
  static constexpr SingleCourse kNextCourses[] = {
      {&Dellmir::DrawCourse60And60, kLengthOfI},
      {&Dellmir::DrawCourse90And30, kLengthOfU},
      {&Dellmir::DrawCourse120, kLengthOfE},
  };
  for (const SingleCourse& course : kNextCourses) {
    // The figure goes, the text column at the left stays.
    WipeBox(gAxisLeft - 70, 0, gAxisLeft - 70 + 1320, 1300);
    DrawCourseBase();
    (this->*course.figure)();
    DrawPieces(*this, course.length);
  }
  DrawPieces(*this, kSameLength);

  // Screen 6: the question and the conjecture, placed from the grid.
  gDellmirHeadingX = gAxisLeft - 280;
  gLineStartX = gDellmirHeadingX + 36;
  gLineY = gAxisBottom - 40;
  DrawPieces(*this, kQuestionAndConjecture);

  // Screen 7: a point P anywhere on AB. The wipe reaches down only to the
  // figure's bottom, so the question and the conjecture stay.
  WipeBox(gAxisLeft - 70, 0, gAxisLeft - 70 + 1320, 10 * gAxisUnit);
  LayOutGrid(680, -100, 40);
  DrawCourseBase();
  DrawCoursePointP();
  DrawPieces(*this, kQuestionPointP);
}

void Dellmir::DrawCourseBase() { LayCourseBase("A", "B"); }

void Dellmir::DrawCourse40And80() { DrawArcRows(kCourse40And80); }
void Dellmir::DrawCourse60And60() { DrawArcRows(kCourse60And60); }
void Dellmir::DrawCourse90And30() { DrawArcRows(kCourse90And30); }
void Dellmir::DrawCourse120() { DrawArcRows(kCourse120); }

void Dellmir::DrawCoursePointP() {
  DrawArcRows(kCoursePointP);
  DrawDisc(gPointX(3), gPointY(3), 3);
  DrawPointLabels(kLetterP);
}

}  // namespace lesson
