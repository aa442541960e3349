#include "fuzz_check.h"
#include "setting_scrambler.h"

#include <QString>

#include <cstdint>

// Scrambling and unscrambling give the text back, less the characters that
// have no stored form (codes above 170 would leave 0 to 255).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString stored = korvane::ScrambleSetting(text);
    for (const QChar c : stored)
        FUZZ_CHECK(c.unicode() >= 85 && c.unicode() <= 255);

    QString kept;
    for (const QChar c : text) {
        if (c.unicode() <= 170)
            kept.append(c);
    }
    FUZZ_CHECK(korvane::UnscrambleSetting(stored) == kept);
    FUZZ_CHECK(stored.size() == kept.size());

    // Unscrambling anything never yields a code outside 0 to 170.
    const QString latin1 =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QChar c : korvane::UnscrambleSetting(latin1))
        FUZZ_CHECK(c.unicode() <= 170);
    return 0;
}
