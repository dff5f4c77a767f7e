// Fennor: the program's state and its lessons.
#pragma once

#include <span>

#include "fennor/area_figures.h"

namespace lesson {

extern const ProgramSettings kFennorSettings;

class Fennor : public AreaFigures {
 public:
  explicit Fennor(plat::Screen& screen) : AreaFigures(screen, kFennorSettings) {}
  void ShowMainMenu() override;

  // Main menu: the program's main loop; it ends the program through its end
  // item (or the closing of the window).
  void FennorShowMainMenu();
  // The blank menu item: straight back to the menu.
  void FennorReturnToMenu() {}

  // Chapter 1, the formula (x+a)(x+b): the entry returns when the sub-menu's
  // end item is chosen, and the main menu is drawn again.
  void StartFormula1Chapter();
  void ShowFormula1Goal();
  void ShowFormula1Menu();
  void ShowFormula1Task();
  void RunFormula1Example1();
  void ShowFormula1Q1Answers();
  void ShowFormula1Q2Answers();

  // Chapter 2, the formulas (x+a)^2 and (x-a)^2: entered and left as
  // chapter 1.
  void StartFormulas23Chapter();
  void ShowFormulas23Goal();
  void ShowFormulas23Menu();
  void ShowFormula2Task();
  void ShowFormula3Derivation();
  void RunFormulas23Example3();
  void ShowFormulas23Q3Answers();
  // The square x by x with its two strips a by x and the corner a by a, at
  // the figure origin; labels from gTermText2 (1 to 7). The second stage
  // (two key waits) moves the right strip under the lower one and joins the
  // two; labels 3, 6 and 8.
  void DrawSquareAreaFigure();
  void DrawRegroupedSquareFigure();

  // Chapter 3, the formula (x+a)(x-a).
  void StartFormula4Chapter();
  void ShowFormula4Goal();
  void ShowFormula4Menu();
  void RunFormula4Task();
  void RunFormula4Examples();
  void ShowFormula4Q4Answers();
  // The area figures of (x+a)(x-a) = x^2-a^2 at the figure origin (x is
  // 264, a 88): the square with its right strip cut off and the strip below
  // (labels 1 to 6); that strip emptied, a key wait, and the strip set
  // upright in the cut-off place (labels 2, 3, 5 to 7); the square less the
  // small square (labels 2, 4, 7).
  void DrawSumTimesDifferenceFigure();
  void DrawMovedStripFigure();
  void DrawSquareLessSquareFigure();

  // Chapter 4, practice of the four formulas.
  void StartFormulaPracticeChapter();
  void ShowFormulaPracticeGoal();
  void ShowFormulaPracticeMenu();
  void RunFormulaPracticeTask();
  void ShowFormulaPracticeQ5Answers();

  // Chapter 5, substitution with ax and by: two tasks with boxed gaps, two
  // area figures, the example with M, three answer pages and two practices.
  void StartMonomialSubstitutionChapter();
  void ShowMonomialSubstitutionGoal();
  void ShowMonomialSubstitutionMenu();
  void RunMonomialTask1();
  void MakeMonomialTermProblem();
  void ShowMonomialAreaFigure();
  void ShowMonomialSubstitutionExample();
  void RunMonomialPractice1();
  void ShowQuestion6Answers();
  void RunMonomialTask2();
  void MakeTwoLetterSquareProblem();
  void ShowTwoLetterSquareAreaFigure();
  // The square (2x+3y)^2 at the figure origin: 2x drawn 220 long, 3y 264;
  // labels from gTermText2 (1 to 7).
  void DrawTwoLetterSquareFigure();
  void RunMonomialPractice2();
  void ShowQuestion7Answers();
  void ShowQuestion8Answer();
  // The practices' texts from k, a, b (gTermValue 1 to 3) and the letter
  // kind in gRandomPick; their problem and answer builders, chosen by
  // gFennorFormulaCase through two lists of their own.
  void PrepareMonomialPracticeTexts();
  void ShowMonomialProductProblem();
  void ShowMonomialSquareProblem();
  void ShowMonomialSumDifferenceProblem();
  void ShowMonomialFormula1Expansion();
  void ShowMonomialFormula2Expansion();
  void ShowMonomialFormula3Expansion();
  void ShowMonomialFormula4Expansion();

  // Problem and answer builders of the product formulas, chosen by
  // gFennorFormulaCase; they read gFennorLetter, gTermText(1 to 6),
  // gLineStartX and gLineY, and place each line 80 below the one before.
  void ShowBinomialProductProblem();
  void ShowBinomialSquareProblem();
  void ShowSumTimesDifferenceProblem();
  void ShowFormula1Expansion();
  void ShowFormula2Expansion();
  void ShowFormula3Expansion();
  void ShowFormula4Expansion();
  // The two selection lists, indexed by gFennorFormulaCase (1 to 4).
  void ShowFormulaCaseProblem();
  void ShowFormulaCaseExpansion();
  using Builder = void (Fennor::*)();
  // Calls entry gFennorFormulaCase of a selection list (a case outside it is
  // a run-time fault).
  void CallForFormulaCase(std::span<const Builder> list);

  // Program globals.
  float gFennorSubMenuChoice = 0;
  float gFennorFigureOriginX = 0, gFennorFigureOriginY = 0;
  float gFennorSavedLineY = 0;
  Text gFennorLetter;
  float gFennorFormulaCase = 0;
  Text gFennorFormulaCaseText;
  float gFennorPreviousFirstCoefficient = 0;
  float gFennorProblemCount = 0;
  float gFennorColumnX = 0;
  float gFennorProblemY = 0;
  float gFennorCounter = 0;

 protected:
  float FigureOriginX() const override { return gFennorFigureOriginX; }
  float FigureOriginY() const override { return gFennorFigureOriginY; }

 private:
  // One line of a formula block: gTextColour = colour, the pen at
  // (gLineStartX + 44, gLineY + 80), the text typeset, the line following
  // the pen.
  void PlaceFormulaLine(int colour, const Text& text);
  // The formula term texts from gTermValue(1 to 4), (2) and (12): every
  // value as text, a coefficient 1 or -1 of the middle term as its sign
  // alone, "+" in front of the positive values 1 to 4, and the second number
  // bracketed in text 6 when it is negative.
  void PrepareFormulaTermTexts();
  // gFennorLetter drawn from "x", "y", "a", "b".
  void PickFormulaLetter();
  // One exercise of the builders on the page wiped from (0, 0) to
  // (wipeRight, 1300) (a formula card right of it stays): the heading at
  // (44, 18), the problem, a key, the formula to use, a key, the answer
  // (with its own key) and the step prompt.
  void ShowFormulaExercise(const char* heading, float wipeRight);

  // The colours of the two answer boxes of a task.
  struct TaskBoxStyle {
    int text;
    int border[2], fill[2];
  };
  // Box 1 or 2 of a task's expansion line, 120 by 50, at its corner kept in
  // gPointX/gPointY(box).
  void DrawTaskBox(int box, const Text& label, const TaskBoxStyle& style);
  // A new box 20 right of the line's end, its corner kept for the value; the
  // line goes on from its top-right corner.
  void PlaceTaskBox(int box, const Text& label, const TaskBoxStyle& style);
  // One problem of a task on a wiped page: the question, the problem,
  // "=x^2 [①] x [②]" (`between` drawn `gap` after box ①, or nothing), a
  // key, the boxes again in their `revealed` colours with their values, and
  // the step prompt.
  void ShowBoxedTaskProblem(const Text& problem, const TaskBoxStyle& style, const char* between, float gap,
                            const TaskBoxStyle& revealed, const Text& first, const Text& second);
  // A boxed gap 60 high and `width` wide around the text line (text 13):
  // placed `gap` right of the line's end with its pen kept in
  // gPointX/gPointY(slot), or drawn again there with its content; the line
  // follows the pen.
  void PlaceGapBox(int slot, float gap, float width, int border, int fill, const Text& label);
  void FillGapBox(int slot, float width, int border, int fill, const Text& content);
  // One practice of chapter 5: `heading`, the formula case for the problem
  // number (0 for a random case 2 to 4) and the closing line (or none).
  void RunMonomialPractice(const char* heading, int (*caseFor)(int problem), const char* closing);
  // "+" in front of the texts of the positive gTermValue(1 to 4).
  void PutPlusSigns();
  // An area figure with the sides only, a key wait, then with the areas;
  // labels 1 to 8 from `labels` (UTF-8).
  void DrawFigureInTwoSteps(void (Fennor::*figure)(), const char* const (&labels)[8]);
  void SetAreaLabels(const char* const (&labels)[8], int lastSlot);
  // The three (x+a)(x-a) figures in turn with the sides only, a key after
  // each, then the last again with the areas (labels 4 and 7) and a key.
  void DrawSumTimesDifferenceSequence(const char* const (&labels)[8]);
};

}  // namespace lesson
