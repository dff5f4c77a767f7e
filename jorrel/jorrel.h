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
  // Puts "+" before the texts of slots 1 to `last` whose values are positive.
  void PrefixPlusSigns(int last = 4);
  // The texts of all term values, then slot 3, a coefficient of a letter, as
  // its sign alone for 1 and -1, and "+" before the positive ones to `last`.
  void PrepareSignedTermTexts(int last);
  // One random part of a chapter 5 practice.
  struct SquaredTermsPart;

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
  // After the problem: the type's digits into gJorrelFormulaTypeText, a key,
  // then "公式" + n + "'を使う" in colour 3 at (gLineStartX + 132, gLineY + 80).
  void ShowFormulaHint();

  // --- Chapter 3: formulas 2 and 3 used backwards ---
  void StartFormulas23BackwardsChapter();
  void ShowFormulas23BackwardsGoal();
  void ShowFormulas23BackwardsMenu();
  void RunPerfectSquareTask();        // ① perfect squares and the pair table
  void ShowPerfectSquareExample3();   // ② x^2+10x+25 beside x^2-26x+25
  void RunPerfectSquarePractice();    // ③ formula 1', 2' or 3', named
  void ShowPerfectSquareQ4Answers();  // ④

  // --- Chapter 4: formula 4 used backwards, and the choice of formula ---
  void StartFormula4BackwardsChapter();
  void ShowFormula4BackwardsGoal();
  void ShowFormula4BackwardsMenu();
  void ShowFormula4BackwardsTask();     // ① x^2-a^2 with the pair table
  void ShowFormula4BackwardsExample();  // ② x^2-25
  void ShowTextbookQ5Answers();         // ③
  void RunMixedFactorPractice();        // ④ the four formulas mixed
  void ShowTextbookQ6Answers();         // ⑤
  void ShowTextbookQ7Answers();         // ⑥
  // The mixed practice's fifth kind: x^2+(p+q)x+pq with a square constant pq
  // (4, 16, 36 or 64) that is no perfect square; formula type 1.
  void MakeSquareConstantTrinomial();
  // a and b from -9..-1, 1..9 (a negated on the first coin's 1, b on the
  // second coin's 2) and a formula type from 1 to `types` other than the one
  // drawn last; a type 1 whose numbers are equal or cancel is drawn again,
  // numbers too. Leaves a, b, a + b, ab in slots 1 to 4.
  void DrawFormulaNumbers(int types);

  // --- Chapter 5: squared terms such as 9x^2 and 4y^2 ---
  void StartSquaredTermsChapter();
  void ShowSquaredTermsGoal();
  void ShowSquaredTermsMenu();
  void RunSquaredTermsFormula4Practice();    // ① four kinds of differences of squares
  void RunSquaredTermsFormulas23Practice();  // ② (px±qy)^2
  void ShowTextbookQ9Answers();              // ③
  // p from 2 to 6 and q from 1 to 9 with no common factor, p^2, 2pq, q^2 and
  // their texts, the letters (x, y or a, b), the middle sign, the squared
  // letters in gLabelList(1), (2).
  void MakeCoprimeCoefficients();

  // --- Chapter 6: the common factor, then a formula ---
  void StartCommonFactorFormulaChapter();
  void ShowCommonFactorFormulaGoal();
  void ShowCommonFactorFormulaMenu();
  void RunCommonFactorFormulaExample5();     // ① a common factor alone, then a formula problem
  void ShowCommonFactorFormulaQ8Answers();   // ②
  void RunCommonFactorFormulaTask();         // ③ formula problems with a letter in the factor
  void ShowCommonFactorFormulaQ10Answers();  // ④
  // A problem k(x^2+...) of formula type 1 ((x+a)(x+b)), 2 ((x+a)^2) or 3
  // ((x+a)(x-a)), never the type drawn last; its numbers and signed texts in
  // slots 1 to 6, k in gTermValue2(1).
  void MakeCommonFactorProblem();
  // The problem with the common factor taken out (lines 1 and 2) and line 3
  // up to box ② (types 1 and 2); the ends of line 3 for type 1 and type 2;
  // all three lines for type 3.
  void ShowCommonFactorOutLine();
  void ShowFactoredPairLine();
  void ShowFactoredSquareLine();
  void ShowCommonFactorDifferenceSteps();

  // --- Chapter 7: factorising by substitution ---
  void StartFactorSubstitutionChapter();
  void ShowFactorSubstitutionGoal();
  void ShowFactorSubstitutionMenu();
  void RunFactorSubstitutionExample7();     // ① problems (1) to (4)
  void ShowFactorSubstitutionQ11Answers();  // ②

  // --- Chapter 8: the elementary problems of page 30 ---
  void StartBasicProblemsP30Chapter();
  void ShowBasicProblemsP30Menu();
  void ShowBasicProblems123Answers();  // ① problems 1 to 3
  void ShowBasicProblems456Answers();  // ② problems 4 to 6

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
  float gJorrelHeadingX = 0;
  // The formula type drawn last (1 to 5), by the mixed practices of chapters
  // 4 and 6 alike; kept for the whole run.
  float gJorrelPreviousFormulaType = 0;
  Text gJorrelSecondLetter;
  Text gJorrelMiddleSign;
  Text gJorrelProblemLabel;

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
  // The terms of x^2+(p+q)x+pq for positive p and q in slots 1 to 6: p, q,
  // the sum and the product signed, then the sum and the product plain; the
  // candidate pairs of the product.
  void PrepareProductTerms(float p, float q);
  void RunSquaredTermsPart(const SquaredTermsPart& part);
  void SquaredTermsPageStart();
  // Line 2 (the factor in box ① with the bracket) and line 3 up to box ②.
  void ShowCommonFactorBracket(const Text& bracket);
  // The next piece of a step display: 10 right of the line's end.
  void NextStepText(const Text& text);
  // Shows the generator's problem by its formula type, labelled, from gLineY.
  void ShowCommonFactorProblemSteps();
  void DrawProblemBox(float x, float dy, bool heading, const Text& text);
  // Example 7's random problems (1), (3) and (4), and the fixed problem (2).
  void RunSubstitutionProblem1();
  void ShowSubstitutionProblem2();
  void RunSubstitutionProblem3();
  void RunSubstitutionProblem4();
  // The pair table of a problem at (gLineStartX + 640, 60): headers from the
  // plain product gTermText(6) and sum gTermText(5), the sum gTermValue(3)
  // wanted, every pair listed with both signs.
  void ShowProblemPairTable();
};

}  // namespace lesson
