// Chapters 6 to 8 are not written yet: their menu items lead straight back
// to the main menu.
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::StartCommonFactorFormulaChapter() {}
void Jorrel::StartFactorSubstitutionChapter() {}
void Jorrel::StartBasicProblemsP30Chapter() {}

}  // namespace lesson
