// Fennor: the program's state and its lessons.
#pragma once

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

  // Problem and answer builders of the product formulas, chosen by
  // gFennorFormulaCase; they read gFennorLetter, gTermText(1 to 6),
  // gLineStartX and gLineY, and place each line 80 below the one before.
  void ShowBinomialProductProblem();
  void ShowFormula1Expansion();
  // The two selection lists, indexed by gFennorFormulaCase.
  void ShowFormulaCaseProblem();
  void ShowFormulaCaseExpansion();

  // Program globals.
  float gFennorSubMenuChoice = 0;
  float gFennorFigureOriginX = 0, gFennorFigureOriginY = 0;
  float gFennorSavedLineY = 0;
  Text gFennorLetter;
  float gFennorFormulaCase = 0;
  Text gFennorFormulaCaseText;
  float gFennorPreviousFirstCoefficient = 0;

 protected:
  float FigureOriginX() const override { return gFennorFigureOriginX; }
  float FigureOriginY() const override { return gFennorFigureOriginY; }

 private:
  // One line of a formula block: gTextColour = colour, the pen at
  // (gLineStartX + 44, gLineY + 80), the text typeset, the line following
  // the pen.
  void PlaceFormulaLine(int colour, const Text& text);
  // Box 1 (the sum) or 2 (the product) of the task's expansion line, 120 by
  // 50, at its corner kept in gPointX/gPointY(box).
  void DrawTaskBox(int box, const Text& label);
  // A new box 20 right of the line's end, its corner kept for the value; the
  // line goes on from its top-right corner.
  void PlaceTaskBox(int box, const Text& label);
  // "+" in front of the texts of the positive gTermValue(1 to 4).
  void PutPlusSigns();
  // The area figure with the sides only, a key wait, then with the areas;
  // labels 1 to 8 from `labels` (UTF-8).
  void DrawAreaFigureInTwoSteps(const char* const (&labels)[8]);
  void SetAreaLabels(const char* const (&labels)[8], int lastSlot);
};

}  // namespace lesson
