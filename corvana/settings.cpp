#include "corvana/corvana.h"

namespace lesson {

const ProgramSettings kCorvanaSettings = {
    .title = "Ｃｏｒｖａｎａ",
    .ellSize = 15, .ellH = 5, .ellV = 4, .ellRaiseInFraction = 15, .ellRaiseOutside = 6,
    .typesetBlankRule = true,
    .hasDivisorPairs = true,
};

}  // namespace lesson
