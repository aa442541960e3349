#pragma once

#include "colour.h"

namespace korvane {

// Korvane's blue, behind both main windows and the web page: one value for
// every face.
inline constexpr ColourValue kKorvaneBlue = MakeColour(68, 109, 217);

} // namespace korvane
