// Dellmir: the program's state and its lessons.
#pragma once

#include <initializer_list>
#include <span>

#include "common/figures/figures.h"

namespace lesson {

extern const ProgramSettings kDellmirSettings;

// The height of a dotted arc in a course figure: a fixed value, or one of the
// figure's radii times a factor.
struct ArcHeight {
  int radius;     // 0: fixed; kWholeCourseRadius; k > 0: gPrimeList(k)
  float times;    // the fixed value, or the factor of the radius
  float divisor;  // the radius is divided by it (a third of the 90 cm radius)
};
inline constexpr int kWholeCourseRadius = -1;  // gDellmirCourseHalfLength
constexpr ArcHeight Fixed(float h) { return {0, h, 1}; }
constexpr ArcHeight Radius(int k, float times = 1, float divisor = 1) { return {k, times, divisor}; }

// One dotted arc of a figure: over the segment between two numbered points
// (gPointX), with its dots, side, step and label.
struct ArcRow {
  int from, to;
  int colour;       // the dots
  int labelColour;  // the label
  float side, step;
  ArcHeight height;
  const char* label;  // UTF-8; empty for none
  float nudgeX = 0, nudgeY = 0;
};

// A letter beside a figure point: at (gPointX(point) + dx, gPointY(1) + dy).
struct PointLabel {
  int point;
  float dx, dy;
  int colour;
  const char* text;  // UTF-8
};

// Chapter 3: a divisor's letter part and the letter parts of the two quotient
// terms.
struct LetterParts {
  const char *divisor, *first, *second;  // UTF-8
};

class Dellmir : public Lesson {
 public:
  explicit Dellmir(plat::Screen& screen) : Lesson(screen, kDellmirSettings) {}
  void ShowMainMenu() override { DellmirShowMainMenu(); }

  // --- Program globals ---
  float gDellmirSubMenuChoice = 0;     // the choice typed at any sub-menu
  float gDellmirHeadingX = 0;          // x of a chapter 1 screen's heading
  float gDellmirCourseHalfLength = 0;  // half the course base, then the radius of its semicircle
  Text gLeadingSign;                   // the sign split off a term
  Text gTermRest;                      // scratch: a term after its first character

  // --- Main menu ---
  void DellmirShowMainMenu();
  void DellmirMenuSlot5();
  void StartPolynomialByMonomialChapter();
  void ShowPolynomialByMonomialGoal();
  void ShowPolynomialByMonomialMenu();
  void StartDivisionByMonomialChapter();
  void StartPolynomialProductChapter();

  // --- Chapter 1: semicircle courses ---
  void StartSemicircleCoursesChapter();
  void ShowSemicircleCoursesGoal();
  void ShowSemicircleCoursesMenu();
  void ShowCoursesTaskP10();
  void DrawDominoCourses();
  void CompareCourseLengthsP11();
  void DrawCourseBase();
  void DrawCourse40And80();
  void DrawCourse60And60();
  void DrawCourse90And30();
  void DrawCourse120();
  void DrawCoursePointP();
  void ExplainSemicircleLengths();
  void CompareWithPointsCD();

  // --- Additions to the typesetter and the term routines ---
  bool DellmirStrokeMarkRules() override;
  void SplitLeadingSign();

 private:
  // An invisible 12 x 12 grid that only sets the figure's origin and edges.
  void LayOutGrid(float left, float top, float unit);
  // The course base in grid units, turned into screen units, with its line
  // and its two end letters.
  void LayCourseBase(const char* startLetter, const char* endLetter);
  // The arcs of a table, in order. With commonY every point has gPointY(1)
  // as its y, else each point its own.
  void DrawArcRows(std::span<const ArcRow> rows, bool commonY = false);
  void DrawPointLabels(std::span<const PointLabel> labels);
  // Figure points in grid units to screen units (see the figure items).
  void FigureToScreen(std::initializer_list<int> points, int radii);
  void DrawDisc(float x, float y, int colour);
  void WipeBox(float x1, float y1, float x2, float y2);

  // --- Chapter 3: dividing a polynomial by a monomial ---
 public:
  float gDellmirPassCount = 0;  // the row of the reciprocal table shown

  void ShowDivisionByMonomialGoal();
  void ShowDivisionByMonomialMenu();
  void RunReciprocalReview();
  void RunDivisionExample3();
  void Example3Kind2Loop();
  void Example3Summary();
  void ShowDivisionQ3Answers();

 private:
  void MakeDivisionReviewProblem();
  void ShowDivisionReviewWork();
  void DrawReviewArc(float x, int colour, float height);
  void KeepFractionPlace(int k);
  void MakeCoefficientText(int k);
  void StrikeFractionNumbers(int k, const Text& struck, const Text& factor, const Text& denominator, bool factorLast);
  void ShowReciprocalTable();
  void MakeExample3XyProblem();
  void MakeExample3AbProblem();
  void DrawQuotientFactors();
  void MakeExample3TermTexts(const char* firstLetters, const char* secondLetters);
  void MakeExample3DivisorTexts(std::span<const LetterParts> choices, const Text& coefficient, const Text& top,
                                const Text& digits, bool negative);
  void ShowExample3Work(const Text& factor, const Text& divisorDigits, bool xyKind);
  void StrikeFractionLetters(int k, const Text& digits, bool secondFraction, bool denominatorFirst);
  void StrikeLastFraction(const char* numeratorMarks, const char* denominatorMarks);
};

}  // namespace lesson
