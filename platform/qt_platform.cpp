#include "qt_platform.h"

#include "program_identity.h"
#include "top_most.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QUrl>
#include <QWidget>

namespace korvane {
namespace {

void ClearModeIfOwnTextFrom(QClipboard* clipboard, QClipboard::Mode mode, const QString& source) {
    const bool owned =
        mode == QClipboard::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard();
    if (!owned)
        return;
    const QString held = clipboard->text(mode);
    if (held.isEmpty())
        return;
    // Text copied out of a text box comes back with plain line feeds.
    QString normalisedSource = source;
    normalisedSource.remove(QLatin1Char('\r'));
    QString normalisedHeld = held;
    normalisedHeld.remove(QLatin1Char('\r'));
    normalisedHeld.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    if (normalisedSource.contains(normalisedHeld))
        clipboard->clear(mode);
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
    if (!clipboard || source.isEmpty())
        return;
    ClearModeIfOwnTextFrom(clipboard, QClipboard::Clipboard, source);
    if (clipboard->supportsSelection())
        ClearModeIfOwnTextFrom(clipboard, QClipboard::Selection, source);
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
