#pragma once

#include "colour.h"

namespace korvane {

// Korvane's blue, behind both main windows and the web page: one value for
// every face.
inline constexpr ColourValue kKorvaneBlue = MakeColour(68, 109, 217);

// The darker blue of the web page's bars and of the picture's band and frames.
inline constexpr ColourValue kKorvaneDarkBlue = MakeColour(31, 47, 107);

} // namespace korvane
