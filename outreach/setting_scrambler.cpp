#include "setting_scrambler.h"

namespace korvane {
namespace {

constexpr int kShift = 85;

QString ShiftReversed(const QString& text, int shift) {
    QString result;
    result.reserve(text.size());
    for (auto it = text.crbegin(); it != text.crend(); ++it) {
        const int code = it->unicode();
        if (code > 255)
            continue;
        const int shifted = code + shift;
        if (shifted < 0 || shifted > 255)
            continue;
        result.append(QChar(static_cast<char16_t>(shifted)));
    }
    return result;
}

} // namespace

QString ScrambleSetting(const QString& text) {
    return ShiftReversed(text, kShift);
}

QString UnscrambleSetting(const QString& text) {
    return ShiftReversed(text, -kShift);
}

} // namespace korvane
