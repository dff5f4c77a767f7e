// Jorrel: the program's state and its lessons.
#pragma once

#include <initializer_list>
#include <span>

#include "fennor/area_figures.h"

namespace lesson {

extern const ProgramSettings kJorrelSettings;

class Jorrel : public AreaFigures {
 public:
  explicit Jorrel(plat::Screen& screen) : AreaFigures(screen, kJorrelSettings) {}
  void ShowMainMenu() override { JorrelShowMainMenu(); }

  // --- Main menu ---
  void JorrelShowMainMenu();
  void JorrelReturnToMenu();

  // --- Chapter 1: factors and common factors ---
  void StartCommonFactorChapter();
  void ShowCommonFactorGoal();
  void ShowCommonFactorMenu();
  void ShowFactorisationMeaning();  // ① the meaning of factorisation
  void ShowCommonFactorSummary1();  // ② summary 1
  void ShowCommonFactors();         // ③ common factors
  void RunCommonFactorPractice();   // ④ practice from two fixed tables
  void LoadLetterFactorTable();
  void LoadCoefficientFactorTable();
  void ShowTakeOutCommonFactorSummary();  // ⑤ summary 2
  void ShowCommonFactorQ1Answers();       // ⑥ answers to question 1
  void ShowCommonFactorQ2Answers();       // ⑦ answers to question 2

  // Factor rectangles: one product, or a common factor times a sum.
  void DrawFactorRectangle();
  void DrawCommonFactorRectangles();

  // --- Chapter 2: formula 1 used backwards ---
  void StartFormula1BackwardsChapter();
  void ShowFormula1BackwardsGoal();
  void ShowFormula1BackwardsMenu();
  void ShowFormula1BackwardsTask();       // ① x^2+7x+12 with the area figures
  void RunFormula1BackwardsPractice1();   // ② both numbers of one sign
  void ShowFormula1BackwardsQ1Answers();  // ③
  void RunFormula1BackwardsPractice2();   // ④ one number negative
  void ShowFormula1BackwardsQ2Answers();  // ⑤
  void RunFormula1BackwardsPractice3();   // ⑥ random signs
  void ShowFormula1BackwardsQ3Answers();  // ⑦

  // The table of candidate pairs: header cells gLabelList(1), (2); rows
  // gTermText2(i) and (i + 20), i = 1 to gDivisorPairCount; each marked by
  // whether gTermValue2(i) + gJorrelPairSign * gTermValue2(i + 20) is the
  // sum gPointX(1). Two key waits inside, none after the marks.
  void ShowFactorPairTable();
  // Rows of the pair table for the product gDivisorNumber: each factor pair
  // (d, product / d) with d from 1 up to the square root, then the same pairs
  // with both signs flipped; gDivisorPairCount is the number of pairs, half
  // the rows.
  void ListCandidatePairs();
  // One kind of factor pair practice (chapter 2).
  struct PairPractice;

  // --- Factorisation builders: one line each of a random exercise, for the
  // formula type gJorrelFormulaType in the letter gJorrelLetter. Problems
  // colour 0 at (gLineStartX + 88, gLineY + 80), answers colour 5 at
  // (gLineStartX + 44, gLineY + 80), both moving the lesson line; reasons
  // colour 0 at (gLineEndX, gLineY), leaving it.
  void ShowTrinomialProblem();
  void ShowPerfectSquareProblem();
  void ShowDifferenceOfSquaresProblem();
  void ShowFormula1BackwardsReason();
  void ShowSquarePlusReason();
  void ShowSquareMinusReason();
  void ShowDifferenceOfSquaresReason();
  void ShowFactorPairAnswer();
  void ShowSquareFactorAnswer();
  void ShowSumDifferenceFactorAnswer();
  // The builders by formula type: chapter 3's practice (types 1 to 3) and
  // chapter 4's mixed practice (types 1 to 4).
  void ShowSquarePracticeProblem();
  void ShowSquarePracticeAnswer();
  void ShowMixedPracticeProblem();
  void ShowMixedPracticeReason();
  void ShowMixedPracticeAnswer();

  // --- Chapter 3: formulas 2 and 3 used backwards ---
  void StartFormulas23BackwardsChapter();
  void ShowFormulas23BackwardsGoal();
  void ShowFormulas23BackwardsMenu();
  void RunPerfectSquareTask();        // ① perfect squares and the pair table
  void ShowPerfectSquareExample3();   // ② x^2+10x+25 beside x^2-26x+25
  void RunPerfectSquarePractice();    // ③ formula 1', 2' or 3', named
  void ShowPerfectSquareQ4Answers();  // ④

  // --- Chapters 4 to 8 ---
  void StartFormula4BackwardsChapter();
  void StartSquaredTermsChapter();
  void StartCommonFactorFormulaChapter();
  void StartFactorSubstitutionChapter();
  void StartBasicProblemsP30Chapter();

  // --- Program globals ---
  float gJorrelSubMenuChoice = 0;
  float gJorrelFigureOriginX = 0, gJorrelFigureOriginY = 0;
  float gJorrelSavedLineY = 0;
  float gJorrelExpandLineEndX = 0, gJorrelExpandLineEndY = 0;
  float gJorrelFactorLineEndX = 0, gJorrelFactorLineEndY = 0;
  float gJorrelCounter = 0;
  float gJorrelPairTableX = 0, gJorrelPairTableY = 0;
  float gJorrelPairSign = 0;
  float gJorrelSavedX = 0, gJorrelSavedY = 0;
  float gJorrelSavedX2 = 0, gJorrelSavedY2 = 0;
  float gJorrelFormulaType = 0;
  Text gJorrelFormulaTypeText;  // the type's digits, for the line "公式" + n + "'を使う"
  Text gJorrelLetter;

  // One step of a figure drawn from a table, relative to the figure origin:
  // a boxed cell (x, y, width, height, fill) or a dimension mark over the side
  // from (x, y) to (x2, y2) (arc side, angle step). The label is gTermText2(slot).
  struct FigureStep {
    bool box;
    float x, y, x2, y2;
    int fillOrSide;
    int step;
    int slot;
  };
  // A piece of a factor line; a piece with a point number keeps the x at
  // which it starts in gPointX(point), to be drawn again in another colour.
  struct KeptPiece {
    const char* text;  // UTF-8
    int point;
  };
  // A kept piece drawn again: its text, the point that holds its x, its line.
  struct RedrawnPiece {
    const char* text;  // UTF-8
    int point;
    float y;
  };

 protected:
  float FigureOriginX() const override { return gJorrelFigureOriginX; }
  float FigureOriginY() const override { return gJorrelFigureOriginY; }

 private:
  void DrawFigureSteps(std::span<const FigureStep> steps);
  void DrawMeaningAreaFigure();
  void ShowFactorRectangle(int rectangle);
  void DrawSummaryArrow(float dy, float headEnd);
  void DrawKeptRow(float x, float y, std::initializer_list<KeptPiece> pieces);
  void RedrawKept(int colour, std::initializer_list<RedrawnPiece> pieces);
  void DrawPracticeBox(float x, float y, float width, int fill, const Text& label);

  void RunPairPractice(const PairPractice& practice);
  void DrawPairNumbers(const PairPractice& practice);
  void ShowPairProblem(const PairPractice& practice);
  // A factorisation line at (gLineStartX + dx, gLineY + 80).
  void PlaceFactorLine(float dx, int colour, const Text& text);
  // Puts "+" before the texts of slots 1 to 4 whose values are positive.
  void PrefixPlusSigns();
  // The terms of x^2+(p+q)x+pq for positive p and q in slots 1 to 6: p, q,
  // the sum and the product signed, then the sum and the product plain; the
  // candidate pairs of the product.
  void PrepareProductTerms(float p, float q);
  // The pair table of a problem at (gLineStartX + 640, 60): headers from the
  // plain product gTermText(6) and sum gTermText(5), the sum gTermValue(3)
  // wanted, every pair listed with both signs.
  void ShowProblemPairTable();
};

}  // namespace lesson
