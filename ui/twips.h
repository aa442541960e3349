#pragma once

#include <QRect>

#include <cmath>

namespace korvane {

// Window measures are designed in twips; 15 twips make one logical pixel.
// Qt scales logical pixels to the screen's device pixels.
constexpr int kTwipsPerPixel = 15;

inline int Px(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

} // namespace korvane
