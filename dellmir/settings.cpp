#include "dellmir/dellmir.h"

namespace lesson {

const ProgramSettings kDellmirSettings = {
    .title = "Ｄｅｌｌｍｉｒ",
    .ellSize = 16, .ellH = 6, .ellV = 3, .ellRaiseInFraction = 0, .ellRaiseOutside = 0,
    .typesetBlankRule = false,
    .hasDivisorPairs = false,
};

}  // namespace lesson
