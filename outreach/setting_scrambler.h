#pragma once

#include <QString>

namespace korvane {

// The stored form of a setting: the text reversed with every 8-bit code
// raised by 85. A character whose code would leave 0 to 255, or that has no
// 8-bit code at all, is dropped.
QString ScrambleSetting(const QString& text);

// The inverse: reversed with every code lowered by 85, with the same rule.
QString UnscrambleSetting(const QString& text);

} // namespace korvane
