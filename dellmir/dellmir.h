// Dellmir: the program's state and its lessons.
#pragma once

#include <array>
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
  // The ends moved off their points: the x of each end, and the y of both
  // (an arc under a written line stands on a segment lower down).
  float fromDx = 0, toDx = 0, dy = 0;
};

// Chapter 4: a pairing arc over a written product, one dot per degree,
// between the pen positions recorded where two terms begin; side -1 above
// the line, 1 below it on a segment dy lower. The label's vertical offset
// rides in the nudge.
constexpr ArcRow PairingArc(int from, float fromDx, int to, float toDx, float dy, float side, float height,
                            int colour, int labelColour, const char* label, float labelDy) {
  return {from, to, colour, labelColour, side, 1, Fixed(height), label, 0, labelDy, fromDx, toDx, dy};
}

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

  // --- Chapter 2: polynomials times monomials ---
  Text gDellmirInnerTermText;    // example 2: e x, the second bracket's first term
  float gDellmirFigureTop = 0;   // the flower bed's top edge
  float gDellmirFigureLeft = 0;  // the flower bed's left edge
  float gDellmirSavedLineY = 0;  // the line of the area expression
  // The signed first coefficient of the last random problem, never drawn
  // twice in a row (program-wide; 0 at start).
  float gDellmirPreviousFirstCoefficient = 0;
  void ShowPolynomialByMonomialIntro();
  void RunDistributiveExample1();
  void ShowDistributiveQ1Answers();
  void RunDistributiveExample2();
  void ShowDistributiveQ2Answers();
  // Example 1 in three kinds of random problems, each kind's draws kept
  // apart from the problem shown from them (up to its last answer term):
  // kind 1, a x (b x + c y + d), in gTermValue 1 to 7 and 14;
  void DrawExample1Kind1();
  void ShowExample1Kind1();
  // kind 2, (p x + q y + k) * m x, in gTermValue 1 to 7 and 14;
  void DrawExample1Kind2();
  void ShowExample1Kind2();
  // kind 3, (n/d) x (a x + b): d in gTermValue2(1), n in gTermValue(1), a, b,
  // n p, n q in 2 to 5, p and q in 12 and 13;
  void DrawExample1Kind3();
  void ShowExample1Kind3();
  // the summary of the distributive law, below the last line.
  void ShowExample1Summary();
  // Example 2, a x (b x + c) + d x (e x + f): the draws into gTermValue 1 to
  // 12 and gTermValue2 3 and 6, then one problem shown from them up to its
  // result.
  void DrawExample2();
  void ShowExample2();
  // Kinds 1 and 2: the texts, the block wiped; `stripped` lose their "+".
  void PrepareExample1Problem(std::initializer_list<int> stripped);
  // Kinds 1 and 2: key, arc to a term, key, its product, for each term.
  void RevealPairedProducts(std::span<const ArcRow> arcs);
  // Kind 3: the fraction times a factor, the places kept for the cancelling.
  void DrawFractionProduct(const Text& factor, int factorPoint, int denominatorPoint);
  // Kind 3: an arc from 20 above the fraction's anchor to a term's anchor.
  void DrawArcFromFraction(const ArcRow& arc);
  // A problem line from (x, gLineY) in colour 0, piece after piece; before
  // piece i with anchors[i] = k > 0, gPointX/Y(k) = (pen x + 27, line y).
  // gLineEndX follows the pen.
  void DrawAnchoredPieces(float x, std::span<const Text> pieces, std::span<const int> anchors);
  // Strikes a number (gNumListA/B(number)) and writes `reduced` above it,
  // strikes a denominator (gNumListA/B(denominator)) and writes 1 below it.
  void ShowCancelling(int number, float numberCharacters, const Text& reduced, int denominator,
                      float denominatorCharacters);
  // gTermValue(slot) = INT(RND * count + lowest), then a coin of coinSides
  // sides: every side but the highest negates it.
  void DrawSignedTerm(int slot, float count, float lowest, float coinSides = 2);
  void SignCoin(int slot, float coinSides = 2);
  // A first coefficient from ±1 to ±5 unlike the previous one, which it
  // becomes.
  void DrawFirstCoefficient(int slot);
  // gTermText first to last as coefficients: 1 "+", -1 "-", 0 empty, others
  // their digits with "+" before a positive one.
  void MakeCoefficientTexts(int first, int last);
  // StripLeadingPlus on these gTermText slots.
  void StripPlusOf(std::initializer_list<int> slots);

  // --- Chapter 4: multiplication of polynomials ---
  void ShowPolynomialProductGoal();
  void ShowPolynomialProductMenu();
  void ShowExpansionQuestion();
  void ShowSubstituteNExpansion();
  void RunExpansionExample1();
  void ShowExpansionSummary();
  void ShowExpansionQ1Answers();
  void RunExpansionExample2();
  void ShowExpansionQ2Answers();
  void RunExpansionExample3();
  void ShowExpansionQ3Answers();
  // One problem of question 1: (p L1 + q)(L2 + r) with gFracUnreduced its
  // label, gLabelList(1, 2) the letters, gTermValue(2) p, gTermValue2(1, 2)
  // q and r; drawn 100 below gLineY, expanded from gLineStartX.
  void ShowBinomialExpansionSteps();
  // One problem of question 2: (px + q)(rx + s) with gTermValue(1) p,
  // gTermValue2(1) q, gTermValue(2) r, gTermValue2(2) s; three lines from
  // 80 below gLineY, which ends 210 lower.
  void ShowLikeTermsExpansionSteps();

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
  // One arc of a table between two given points (the row's points unread).
  void DrawArcBetween(const ArcRow& row, float x1, float y1, float x2, float y2);
  void DrawPointLabels(std::span<const PointLabel> labels);
  // Figure points in grid units to screen units (see the figure items).
  void FigureToScreen(std::initializer_list<int> points, int radii);
  void DrawDisc(float x, float y, int colour);
  // One row of flower-bed cells, or two rows of squares (see the intro).
  void DrawFlowerBedCells(int rows, float height, int fill, const char* text);
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

  // --- Chapter 4 helpers ---
  // "a+", "b)(", "c+", "d)" from the line end, each beginning recorded in
  // gPointX/gPointY; points 3 and 4 get the y lowerBy lower.
  void DrawLetterFactors(float lowerBy);
  // Four pieces of a product of two binomials from the line end in colour 0:
  // points 1 and 3 where the first and third begin, 2 and 4 `secondInto`
  // into the second and fourth (27: past their signs; 0 when they begin
  // with their letter).
  void DrawPairedFactors(const std::array<Text, 4>& pieces, float secondInto = 27);
  // Under the pieces: key, pairing arc, key, term, four times; the first
  // term 80 below the line, the others after it.
  void ShowPairedTerms(const std::array<Text, 4>& terms, int colour);
  // (p L1 + q)(L2 + r) and its expansion p L1L2 + pr L1 + q L2 + qr: the
  // texts of the terms up to gTermValue(last), their signs, the factors and
  // the terms under their arcs.
  void PrepareBinomialTexts(int last);
  void ShowBinomialProduct();
  // (px + q)(rx + s): the products, the collected x coefficient and their
  // texts; then the factors, the terms under their arcs, and the collected
  // line collectedDy below the expanded one.
  void ComputeLikeTerms();
  void ShowLikeTermsProduct(float collectedDy);
  std::array<Text, 6> TrinomialProducts() const;
};

}  // namespace lesson
