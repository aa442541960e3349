#pragma once

#include <QDate>
#include <QString>

namespace korvane {

// What the stored reminder value says.
struct StoredReminder {
    enum class Kind {
        None,       // nothing stored: a first run
        Date,       // the date of the last reminder
        Unreadable, // something that does not read as a date
    };
    Kind kind = Kind::None;
    QDate date;
};

// Reads the stored (scrambled) value of the last reminder.
StoredReminder ReadStoredReminder(const QString& storedValue);

// At start-up: once 15 or more days lie between today and the last reminder
// (either way), asks whether to look for an update and, on Yes, opens the
// download page. The date of the last reminder is kept scrambled in the
// per-user settings store.
void CheckUpdateReminder();

} // namespace korvane
