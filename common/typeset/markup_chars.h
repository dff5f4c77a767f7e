// The characters and font names of the expression markup that are not plain
// ASCII, in the lessons' code page (converted once, on first use).
#pragma once

#include "platform/text.h"

namespace lesson::mark {

// The marker around a stacked fraction
inline const plat::Text& kFractionMarker() { return SJ("ﾀ"); }
// Ends an open root's overline
inline const plat::Text& kRootEnd() { return SJ("ﾝ"); }
// What "%" becomes
inline const plat::Text& kDegree() { return SJ("°"); }
// What "*" becomes
inline const plat::Text& kTimes() { return SJ("×"); }
// What "/" becomes
inline const plat::Text& kDivide() { return SJ("÷"); }
// What "@" becomes
inline const plat::Text& kPlusMinus() { return SJ("±"); }
// What "!" becomes
inline const plat::Text& kRootSign() { return SJ("√"); }
// The standing face
inline const plat::Text& kGothicFace() { return SJ("ゴシック"); }
// The face of the italic letters
inline const plat::Text& kSerifFace() { return SJ("Times New Roman"); }
// The face of the script ell
inline const plat::Text& kEllFace() { return SJ("MT Extra"); }

}  // namespace lesson::mark
