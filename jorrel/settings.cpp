#include "jorrel/jorrel.h"

namespace lesson {

const ProgramSettings kJorrelSettings = {
    .title = "Ｊｏｒｒｅｌ",
    .ellSize = 16,
    .ellH = 6,
    .ellV = 3,
    .ellRaiseInFraction = 0,
    .ellRaiseOutside = 0,
    .typesetBlankRule = true,
    .hasDivisorPairs = true,
};

}  // namespace lesson
