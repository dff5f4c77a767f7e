// Corvana: the program's state and its lessons.
#pragma once

#include <array>
#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

#include "common/figures/figures.h"
#include "common/frame/screens.h"

namespace lesson {

extern const ProgramSettings kCorvanaSettings;

// One step of a Corvana lesson screen: a shared text piece, or one of the
// things only these screens do (headings at the left margin, lines placed
// under a table, a column of equals signs, boxed blanks whose place is kept
// so that the answer is later drawn into the same cell, the boxed title and
// number cells and the columns of the chapter-problem pages).
struct Step {
  enum class Kind : uint8_t {
    kPiece,        // a shared piece, run by DrawPieces
    kHeading,      // text at (gCorvanaHeadingX, gLineY + dy)
    kUnderTable,   // text at (gCorvanaHeadingX, gPointY(3) + dy)
    kColumnStart,  // text that continues the line; its start x becomes the equals column
    kAtColumn,     // text at (equals column, gLineY + dy)
    kBox,          // boxed cell at (gLineEndX + dx, gLineY), place kept in slot
    kBoxAgain,     // boxed cell redrawn at the place kept in slot
    kCell,         // boxed cell from its corner; the line follows the pen after it
    kColumn,       // a column: gCorvanaHeadingX = dx, gLineStartX = dx + 54, gLineY = dy
  };
  // Where a cell's corner is measured from.
  enum class From : uint8_t { kLineStart, kLineEnd, kHeading };
  Kind kind = Kind::kPiece;
  Piece piece{};
  float dx = 0, dy = 0;
  int colour = 0;  // text colour (of the text inside a box too)
  const char* text = nullptr;
  int slot = 0;       // boxes: where the place is kept (gNumListA/B)
  float width = 0;    // boxes: cell width
  int border = 0;     // boxes: border colour
  float height = 50;  // cells: height
  int fill = 13;      // cells: fill colour
  From from = From::kLineStart;

  constexpr Step(Piece p) : piece(p) {}  // NOLINT: tables mix pieces and steps
  constexpr Step(Kind k, float dx_, float dy_, int colour_, const char* text_, int slot_ = 0, float width_ = 0,
                 int border_ = 0)
      : kind(k), dx(dx_), dy(dy_), colour(colour_), text(text_), slot(slot_), width(width_), border(border_) {}
};

// A boxed cell w x h whose corner stands (dx, dy) from its reference; the
// line continues after it.
struct CellStyle {
  float width, height;
  int colour, border, fill;
};
constexpr Step Cell(Step::From from, float dx, float dy, const CellStyle& style, const char* text) {
  Step s{Step::Kind::kCell, dx, dy, style.colour, text, 0, style.width, style.border};
  s.height = style.height;
  s.fill = style.fill;
  s.from = from;
  return s;
}
// The title and problem-number cells of the chapter-problem pages.
inline constexpr CellStyle kProblemsTitle = {324, 48, 0, 3, 13};
inline constexpr CellStyle kProblemsANumber = {40, 44, 13, 4, 3};
inline constexpr CellStyle kProblemsBNumber = {44, 44, 13, 4, 3};

// The headings of a column at x, its lines 54 further in; the line at y.
constexpr Step Column(float x, float y) { return {Step::Kind::kColumn, x, y, 0, nullptr}; }

// A chapter-problem page: the wiped page, its column at (x, y), the title
// cell at the line's start and the problem's number cell `gap` after it.
constexpr std::array<Step, 4> ProblemsPageHeader(float x, float y, const char* title, const CellStyle& number,
                                                 float gap, const char* digit) {
  return {{
      Wipe(0, 0, 1320, 1300),
      Column(x, y),
      Cell(Step::From::kLineStart, 0, 0, kProblemsTitle, title),
      Cell(Step::From::kLineEnd, gap, 0, number, digit),
  }};
}

constexpr Step Heading(float dy, int colour, const char* text) { return {Step::Kind::kHeading, 0, dy, colour, text}; }
constexpr Step UnderTable(float dy, int colour, const char* text) {
  return {Step::Kind::kUnderTable, 0, dy, colour, text};
}
constexpr Step ColumnStart(int colour, const char* text) { return {Step::Kind::kColumnStart, 0, 0, colour, text}; }
constexpr Step AtColumn(float dy, int colour, const char* text) {
  return {Step::Kind::kAtColumn, 0, dy, colour, text};
}
// A boxed cell `gap` units after the line's end; the line continues after it.
constexpr Step Box(int slot, float gap, float width, int border, int colour, const char* text) {
  return {Step::Kind::kBox, gap, 0, colour, text, slot, width, border};
}
// The same cell drawn again with the answer; the line position stays.
constexpr Step BoxAgain(int slot, float width, int border, int colour, const char* text) {
  return {Step::Kind::kBoxAgain, 0, 0, colour, text, slot, width, border};
}

// The conjecture of a quick method, shared by items 1 and 4: the last two
// digits go in blank ① (its width and answer differ), the digits from the
// hundreds up in blank ②; the answers come one key at a time, then the
// invitation to prove, which needs two key presses.
constexpr std::array<Step, 15> TwoBlankConjecture(float firstWidth, const char* firstAnswer) {
  return {{
      NextLine(55, 0, "・下2けたが"),
      Box(1, 10, firstWidth, 2, 5, "①"),
      Continue(0, "になる。", 10),
      NextLine(50, 0, "・百以上の位が、"),
      NextLine(55, 0, "　"),
      Box(2, 10, 720, 2, 5, "②"),
      NextLine(55, 0, "　になる。"),
      Wait(),
      BoxAgain(1, firstWidth, 2, 5, firstAnswer),
      Wait(),
      BoxAgain(2, 720, 2, 5, "十の位の数とその数に1を加えた数の積"),
      Wait(),
      Heading(50, 7, "文字を使って証明しよう。"),
      Wait(),
      Wait(),
  }};
}

// A chapter's goal screen: the heading, and the goal one line down and a
// little in.
constexpr std::array<Piece, 3> GoalPieces(const char* goal) {
  return {{
      LineStart(44, 240),
      NextLine(0, 5, "<めあて>"),
      NextLine(65, 0, goal, 32),
  }};
}

// A figure's point: list element, and its place in figure units (y upwards).
struct FigurePoint {
  int element;
  float u, v;
};

class Corvana : public Lesson {
 public:
  explicit Corvana(plat::Screen& screen) : Lesson(screen, kCorvanaSettings) {}
  void ShowMainMenu() override { CorvanaShowMainMenu(); }

  // Main menu: runs until its end item ends the program.
  void CorvanaShowMainMenu();

  // Chapter 1, quick calculation.
  void StartQuickCalculationChapter();
  void ShowQuickCalculationGoal();
  void ShowQuickCalculationMenu();
  void CorvanaAskDigit();
  void ShowSquaresEndingInFive();
  void ShowSquaresOtherOnesDigit();
  void ExplainQuickSquaringLimit();
  void ShowOnesSumToTenProducts();

  // Chapter 2, number calculation.
  void StartNumberCalculationChapter();
  void ShowNumberCalculationGoal();
  void ShowNumberCalculationMenu();
  void ShowNumberCalculationIntro();
  void ShowNumberCalculationExample1();
  void RunNumberCalculationExercises();
  void ShowNumberCalculationQ1Answers();

  // Chapter 3, values of expressions.
  void StartExpressionValueChapter();
  void ShowExpressionValueGoal();
  void ShowExpressionValueMenu();
  void RunExpressionValueReview();
  void StartReviewTwo();
  void FinishReviewTwo();
  void ShowExpressionValueTask1();
  void ShowExpressionValueTask2();
  void ShowExpressionValueQ2Answers();
  // One problem of review 2 from its numbers A to F (gTermValue2(1),
  // gTermValue(2), (3), gTermValue2(4), gTermValue(5), (6)), X and Y
  // (gTermValue2(5), (6)): its texts, then its rows with their key waits.
  void MakeReviewTwoTexts();
  void ShowReviewTwoScreens();

  // Chapter 4, representing numbers.
  void StartRepresentingNumbersChapter();
  void ShowRepresentingNumbersGoal();
  void ShowRepresentingNumbersMenu();
  void ShowMultipleOfThreeFormQ1();
  void ShowEvenNumberFormQ2();
  void ShowOddNumberFormQ3();
  void ShowConsecutiveAndPairFormsQ4();
  void ShowRepresentationsSummary();
  void RunLetterExpressionsExercise1();
  void RunMultipleOrNotExercise2();

  // Chapter 7, proofs about figures.
  void StartFigureProofsChapter();
  void ShowFigureProofsGoal();
  void ShowFigureProofsMenu();
  void ShowRoadAreaQuestion();
  void ShowCircularRoadExample();
  void DrawRoadFigure15();
  void DrawRoadFigure20();
  void PrepareSquareRoadStrip();

  // Chapter 5, odd numbers.
  void StartOddNumbersChapter();
  void ShowOddNumbersGoal();
  void ShowOddNumbersMenu();
  void ShowOddProductConjecture();
  void ShowOddProductProof();
  void ShowOddProductSecondProof();
  void ShowOddProductSquares();

  // Chapter 6, even numbers.
  void StartEvenNumbersChapter();
  void ShowEvenNumbersGoal();
  void ShowEvenNumbersMenu();
  void ShowEvenProductConjecture();
  void ShowEvenProductProof();

  // Chapter 8, the chapter problems A.
  void StartProblemsAChapter();
  void ShowProblemsAMenu();
  void ShowProblemsACalculations();
  void ShowProblemsAExpansions();
  void ShowProblemsASimplifications();
  void ShowProblemsAFactorizations();
  void ShowProblemsAProof();

  // Chapter 9, the chapter problems B.
  void StartProblemsBChapter();
  void ShowProblemsBMenu();
  void ShowProblemsBExpansions();
  void ShowProblemsBFactorizations();
  void ShowProblemsBNumberCalculations();
  void ShowProblemsBDigitProducts();

  // The number chosen on the current chapter's sub-menu.
  float gCorvanaSubMenuChoice = 0;
  // The x of a lesson screen's headings.
  float gCorvanaHeadingX = 0;
  // The first operand of the last random problem accepted anywhere in the
  // program: the next one, of whatever item, may not repeat it.
  float gCorvanaPreviousValue = 0;
  // The circles of the circular road: the inner one, the road's centre line,
  // the outer one.
  float gCorvanaInnerRadius = 0;
  float gCorvanaCentreLineRadius = 0;
  float gCorvanaOuterRadius = 0;
  // The x of a second column of questions on a line.
  float gCorvanaSecondColumnX = 0;

 private:
  // Chapter 1 helpers.
  void RunSteps(std::span<const Step> steps);
  void BeginQuickScreen(float wipeWidth, float firstY);
  void AskDigitOneToNine(const char* placeName);
  void FollowPen();
  void DrawFactorColumn(float x, const Text& upper, const Text& lower);
  void PadThreeDigitProducts();
  void DrawProductTable(int lowerOffset, bool keyBeforeEachProduct);
  void FillSquares(float step, float offset);

  // Chapter 2 helpers.
  void DrawSumToHundredPair();
  void DrawOnesAndTens(float onesSpan, float onesLow, float tensSpan, float tensLow);
  void DrawAroundTensPair();
  void DrawSquareOfSumPair();
  std::vector<Text> PoseDifferenceOfSquares();
  std::vector<Text> PoseSquareOfSum();
  std::vector<Text> PoseSumTimesDifference();
  void RunExerciseKind(const char* label, bool wholeWidth, std::vector<Text> (Corvana::*pose)());

  // Chapter 3 helpers.
  void DrawNextLine(float dx, float dy, int colour, const Text& text);
  void DrawOnLine(int colour, const Text& text);
  void RunValueSection(const char* heading, float headingX, int slot, float lineStartX, void (Corvana::*pose)(),
                       void (Corvana::*show)());
  void MakeReviewOneProblem();
  void ShowReviewOneScreens();
  void MakeReviewTwoProblem();
  void MakeTaskOneProblem();
  void ShowTaskOneScreens();
  void MakeTaskTwoProblem();
  void ShowTaskTwoScreens();

  // Chapter 4 helpers.
  void KeepAnswerPoint(int n);
  void DrawLinePieces(float x, float y, std::initializer_list<std::pair<int, Text>> pieces);
  void RunWholeWindowExercise(void (Corvana::*pass)());
  void PoseLetterExpressions();
  void PoseMultipleOrNot();

  // Chapter 7 helpers.
  void SetFigureOrigin(float left, float top, float columns, float rows);
  void PlaceFigurePoints(std::span<const FigurePoint> points);
  std::pair<float, float> PointAt(int element);
  void MarkRoadWidth(float x1, float y1, float x2, float y2);
  void CutRoad(int from, int to);
  void DrawRoadPiece(int a, int b, int c, int d);
  void DrawDoubleArrow(float tipX, float tipY, float tailX, float tailY);

  // Chapters 5 and 6 helpers.
  void DrawTableCell(float x, float y, const Text& text, const CellStyle& style, bool around);
  void DrawNeighbourProductTable(float first, const char* label, const CellStyle& numbers,
                                 const CellStyle& products, const CellStyle& plusOne, bool keyBeforeTable);
  void DrawSquaresRow(float first, const CellStyle& style);
  Text CellNumber(float v);
};

}  // namespace lesson
