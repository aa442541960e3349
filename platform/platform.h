#pragma once

#include <QDate>
#include <QString>

#include <optional>

class QWidget;

namespace korvane {

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };
enum class ClipboardPart { Clipboard, Selection };

// Everything the program asks of the desktop goes through here, so that the
// windows stay portable and tests can stand in for the desktop.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box titled with the program's name. With Yes and No,
    // Yes is the default button.
    virtual MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                      MessageButtons buttons) = 0;

    // Hands an address to the desktop's browser without waiting for it.
    // Failure is not reported.
    virtual void OpenAddress(const QString& address) = 0;

    // The text of the clipboard (or of the X selection) while this program
    // owns it; nothing while another program does, and nothing for a
    // selection where the desktop has none.
    virtual std::optional<QString> OwnClipboardText(ClipboardPart part) = 0;
    // Empties it. Only to be called while this program owns it.
    virtual void ClearClipboard(ClipboardPart part) = 0;

    // The per-user settings store. Reading a missing key gives an empty text;
    // nothing comes back when the store cannot be read. Writing reports
    // whether the value reached the store.
    virtual std::optional<QString> ReadSetting(const QString& section, const QString& key) = 0;
    virtual bool WriteSetting(const QString& section, const QString& key, const QString& value) = 0;

    // Today's date by the system clock.
    virtual QDate Today() = 0;

    // Keeps a top-level window above other programs' windows without making
    // it the active one. Call before showing it.
    virtual void KeepOnTop(QWidget* window) = 0;
};

// The platform in use; the Qt one unless a test has installed another.
Platform& ThePlatform();

// Installs a platform (tests); nullptr goes back to the Qt one.
void SetPlatform(Platform* platform);

} // namespace korvane
