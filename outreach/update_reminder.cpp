#include "update_reminder.h"

#include "platform.h"
#include "setting_scrambler.h"
#include "shown_text.h"
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

StoredReminder ReadStoredReminder(const QString& storedValue) {
    const QString text = UnscrambleSetting(storedValue);
    if (text.isEmpty())
        return {};
    const QDate date = QDate::fromString(text, kDateFormat);
    if (!date.isValid())
        return {StoredReminder::Kind::Unreadable, {}};
    return {StoredReminder::Kind::Date, date};
}

void CheckUpdateReminder() {
    Platform& platform = ThePlatform();
    const auto stored = platform.ReadSetting(kSection, StoredKey());
    if (!stored)
        return;
    const StoredReminder last = ReadStoredReminder(*stored);
    switch (last.kind) {
    case StoredReminder::Kind::None:
        StoreToday(platform);
        return;
    case StoredReminder::Kind::Unreadable:
        // The reminder ends here and the value stays as it is.
        return;
    case StoredReminder::Kind::Date:
        break;
    }
    const qint64 days = platform.Today().daysTo(last.date);
    if (days >= -kQuietDays && days <= kQuietDays)
        return;

    const MessageAnswer answer = platform.ShowMessage(
        nullptr,
        // Its two sentences are parted by a carriage return alone.
        ShownText(TextId::MessageUpdateQuestion).replace(QLatin1Char('\n'), QLatin1Char('\r')),
        MessageIcon::Information, MessageButtons::YesNo);
    if (!StoreToday(platform))
        return;
    if (answer == MessageAnswer::Yes)
        OpenDownloadPage();
}

} // namespace korvane
