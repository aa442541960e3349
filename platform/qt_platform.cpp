#include "qt_platform.h"

#include "languages.h"
#include "line_breaks.h"
#include "program_identity.h"
#include "top_most.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace korvane {
namespace {

QClipboard::Mode ModeOf(ClipboardPart part) {
    return part == ClipboardPart::Selection ? QClipboard::Selection : QClipboard::Clipboard;
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

MessageAnswer QtPlatform::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                      MessageButtons buttons) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical
                                                  : QMessageBox::Information,
                    kProgramTitle, WithLineFeeds(text), QMessageBox::NoButton, parent);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const MessageButtonTexts& texts = TheMessageButtonTexts();
    for (const auto& [button, text] :
         {std::pair{QMessageBox::Ok, texts.ok}, std::pair{QMessageBox::Yes, texts.yes},
          std::pair{QMessageBox::No, texts.no}}) {
        if (QAbstractButton* shown = box.button(button); shown && !text.isEmpty())
            shown->setText(text);
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

std::optional<QString> QtPlatform::OwnClipboardText(ClipboardPart part) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return std::nullopt;
    if (part == ClipboardPart::Selection && !clipboard->supportsSelection())
        return std::nullopt;
    const bool owned =
        part == ClipboardPart::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard();
    if (!owned)
        return std::nullopt;
    return clipboard->text(ModeOf(part));
}

void QtPlatform::ClearClipboard(ClipboardPart part) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear(ModeOf(part));
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

std::optional<SaveAnswer> QtPlatform::AskWhereToSave(QWidget* parent, const QString& title,
                                                     const QString& suggestedPath,
                                                     const QList<FileKind>& kinds) {
    QFileDialog dialog(parent, title, suggestedPath);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileKind& kind : kinds)
        filters << kind.description;
    dialog.setNameFilters(filters);
    const auto kindOf = [&](const QString& filter) {
        return std::max<qsizetype>(0, filters.indexOf(filter));
    };
    if (!kinds.isEmpty()) {
        dialog.selectNameFilter(filters.front());
        dialog.setDefaultSuffix(kinds.front().suffix);
    }
    // A name typed without a suffix takes the chosen kind's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(kinds.value(kindOf(filter)).suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveAnswer{dialog.selectedFiles().front(),
                      static_cast<int>(kindOf(dialog.selectedNameFilter()))};
}

QString QtPlatform::UserFolderPath(UserFolder folder) {
    const QString path = QStandardPaths::writableLocation(folder == UserFolder::Pictures
                                                              ? QStandardPaths::PicturesLocation
                                                              : QStandardPaths::DocumentsLocation);
    return path.isEmpty() ? QDir::homePath() : path;
}

bool QtPlatform::UsesLetterPaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
}

} // namespace korvane
