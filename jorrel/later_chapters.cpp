// Chapters 7 and 8 are not written yet: their menu items lead straight back
// to the main menu.
#include "jorrel/jorrel.h"

namespace lesson {

void Jorrel::StartFactorSubstitutionChapter() {}
void Jorrel::StartBasicProblemsP30Chapter() {}

}  // namespace lesson
