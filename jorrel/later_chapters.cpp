// Chapters 4 to 8 are not written yet: their menu items lead straight back
// to the main menu.
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::StartFormula4BackwardsChapter() {}
void Jorrel::StartSquaredTermsChapter() {}
void Jorrel::StartCommonFactorFormulaChapter() {}
void Jorrel::StartFactorSubstitutionChapter() {}
void Jorrel::StartBasicProblemsP30Chapter() {}

}  // namespace lesson
