#include "qt_platform.h"

#include "program_identity.h"
#include "top_most.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace korvane {
namespace {

// Text copied out of a text box comes back with plain line feeds.
QString WithPlainLineFeeds(QString text) {
    text.remove(QLatin1Char('\r'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void ClearModeIfOwnTextIn(QClipboard* clipboard, QClipboard::Mode mode,
                          const QStringList& guarded) {
    const bool owned =
        mode == QClipboard::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard();
    if (!owned)
        return;
    const QString held = WithPlainLineFeeds(clipboard->text(mode));
    if (held.isEmpty())
        return;
    for (const QString& text : guarded) {
        if (text.contains(held)) {
            clipboard->clear(mode);
            return;
        }
    }
}

QString& SettingsStoreName() {
    static QString name = kApplicationName;
    return name;
}

// The user's own store: korvane.conf in the config folder, or on Windows the
// registry key HKEY_CURRENT_USER\Software\korvane.
QSettings UserSettings() {
#ifdef Q_OS_WIN
    // Named directly: an organisation alone would put it under a further
    // "OrganizationDefaults" key.
    return QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + SettingsStoreName(),
                     QSettings::NativeFormat);
#else
    return QSettings(QSettings::UserScope, SettingsStoreName());
#endif
}

} // namespace

void UseSettingsStoreName(const QString& name) {
    SettingsStoreName() = name.isEmpty() ? kApplicationName : name;
}

QString MessageTextForDisplay(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

MessageAnswer QtPlatform::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                      MessageButtons buttons) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical
                                                  : QMessageBox::Information,
                    kProgramTitle, MessageTextForDisplay(text), QMessageBox::NoButton, parent);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    box.setWindowModality(Qt::ApplicationModal);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtPlatform::OpenAddress(const QString& address) {
    // The desktop starts the browser detached; its answer is not examined.
    QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode));
}

void QtPlatform::ClearClipboardIfOwnTextFrom(const QString& source) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    if (!source.isEmpty())
        RememberGuardedText(source);
    ClearModeIfOwnTextIn(clipboard, QClipboard::Clipboard, guardedTexts_);
    if (clipboard->supportsSelection())
        ClearModeIfOwnTextIn(clipboard, QClipboard::Selection, guardedTexts_);
}

void QtPlatform::RememberGuardedText(const QString& source) {
    // The program shows only a handful of different texts, so the list
    // stays short; the cap is there all the same.
    constexpr qsizetype kMostRemembered = 64;
    const QString text = WithPlainLineFeeds(source);
    const qsizetype known = guardedTexts_.indexOf(text);
    if (known == 0)
        return;
    if (known > 0)
        guardedTexts_.removeAt(known);
    guardedTexts_.prepend(text);
    if (guardedTexts_.size() > kMostRemembered)
        guardedTexts_.removeLast();
}

std::optional<QString> QtPlatform::ReadSetting(const QString& section, const QString& key) {
    QSettings settings = UserSettings();
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    const QVariant value = settings.value(section + QLatin1Char('/') + key);
    return value.toString();
}

bool QtPlatform::WriteSetting(const QString& section, const QString& key, const QString& value) {
    QSettings settings = UserSettings();
    if (!settings.isWritable())
        return false;
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QDate QtPlatform::Today() {
    return QDate::currentDate();
}

void QtPlatform::KeepOnTop(QWidget* window) {
    // Only the stacking changes; activation stays with showing the window.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    KeepTopMostWithoutActivating(window);
}

} // namespace korvane
