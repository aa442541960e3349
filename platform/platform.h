#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class QWidget;

namespace korvane {

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };
enum class ClipboardPart { Clipboard, Selection };
enum class UserFolder { Pictures, Documents };

// A kind of file the save dialog offers: its words, with its pattern
// ("PNG picture (*.png)"), and its suffix ("png").
struct FileKind {
    QString description;
    QString suffix;
};

// Where the user chose to save, and the kind chosen with it (its place among
// the kinds offered).
struct SaveAnswer {
    QString path;
    int kind = 0;
};

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

    // The desktop's own dialog for saving a file, modal over the parent: it
    // starts at the suggested path with the first kind chosen, gives a name
    // without a suffix the chosen kind's, and asks before replacing a file.
    // Nothing when the user cancels.
    virtual std::optional<SaveAnswer> AskWhereToSave(QWidget* parent, const QString& title,
                                                     const QString& suggestedPath,
                                                     const QList<FileKind>& kinds) = 0;

    // The folder where the user keeps pictures or documents.
    virtual QString UserFolderPath(UserFolder folder) = 0;

    // Whether the user's paper is US Letter rather than A4: where the
    // system's locale measures in inches.
    virtual bool UsesLetterPaper() = 0;
};

// The platform in use; the Qt one unless a test has installed another.
Platform& ThePlatform();

// Installs a platform (tests); nullptr goes back to the Qt one.
void SetPlatform(Platform* platform);

} // namespace korvane
