#include "fennor/fennor.h"

namespace lesson {

const ProgramSettings kFennorSettings = {
    .title = "Ｆｅｎｎｏｒ",
    .ellSize = 16, .ellH = 6, .ellV = 3, .ellRaiseInFraction = 0, .ellRaiseOutside = 0,
    .typesetBlankRule = true,
    .hasDivisorPairs = false,
};

}  // namespace lesson
