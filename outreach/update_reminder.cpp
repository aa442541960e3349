#include "update_reminder.h"

#include "platform.h"
#include "setting_scrambler.h"
#include "web_links.h"

#include <QDate>

namespace korvane {
namespace {

const QString kSection = QStringLiteral("Settings");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
constexpr qint64 kQuietDays = 14;

QString StoredKey() {
    return ScrambleSetting(QStringLiteral("Duration"));
}

bool StoreToday(Platform& platform) {
    const QString today = platform.Today().toString(kDateFormat);
    return platform.WriteSetting(kSection, StoredKey(), ScrambleSetting(today));
}

} // namespace

void CheckUpdateReminder() {
    Platform& platform = ThePlatform();
    const auto stored = platform.ReadSetting(kSection, StoredKey());
    if (!stored)
        return;
    const QString lastReminder = UnscrambleSetting(*stored);
    if (lastReminder.isEmpty()) {
        StoreToday(platform);
        return;
    }
    // A value that is not a date ends the reminder here; it stays as it is.
    const QDate last = QDate::fromString(lastReminder, kDateFormat);
    if (!last.isValid())
        return;
    const qint64 days = platform.Today().daysTo(last);
    if (days >= -kQuietDays && days <= kQuietDays)
        return;

    const MessageAnswer answer =
        platform.ShowMessage(nullptr,
                             QStringLiteral("There maybe an update to this software available\r"
                                            "Do you want to check for an update?"),
                             MessageIcon::Information, MessageButtons::YesNo);
    if (!StoreToday(platform))
        return;
    if (answer == MessageAnswer::Yes)
        OpenDownloadPage();
}

} // namespace korvane
