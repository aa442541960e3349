#include "fuzz_check.h"
#include "setting_scrambler.h"
#include "update_reminder.h"

#include <cstdint>

// Whatever the store holds, reading the reminder date never fails in an
// unsafe way, and a date it reads is one it would have written.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString stored =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const korvane::StoredReminder reminder = korvane::ReadStoredReminder(stored);
    using Kind = korvane::StoredReminder::Kind;
    FUZZ_CHECK(reminder.kind != Kind::None || korvane::UnscrambleSetting(stored).isEmpty());
    if (reminder.kind == Kind::Date) {
        FUZZ_CHECK(reminder.date.isValid());
        const QString rewritten =
            korvane::ScrambleSetting(reminder.date.toString(QStringLiteral("yyyy-MM-dd")));
        const korvane::StoredReminder again = korvane::ReadStoredReminder(rewritten);
        FUZZ_CHECK(again.kind == Kind::Date && again.date == reminder.date);
    }
    return 0;
}
