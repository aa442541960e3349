#pragma once

#include "platform.h"

#include <QList>
#include <QMap>
#include <QStringList>

namespace korvane {

// A stand-in for the desktop in tests: it records what the program asks of
// it, answers message boxes from a queue and never blocks.
class RecordingPlatform : public Platform {
public:
    struct Message {
        QWidget* parent = nullptr;
        QString text;
        MessageIcon icon = MessageIcon::Information;
        MessageButtons buttons = MessageButtons::Ok;
        bool operator==(const Message&) const = default;
    };

    RecordingPlatform();
    ~RecordingPlatform() override;

    MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    void OpenAddress(const QString& address) override;
    std::optional<QString> OwnClipboardText(ClipboardPart part) override;
    void ClearClipboard(ClipboardPart part) override;
    std::optional<QString> ReadSetting(const QString& section, const QString& key) override;
    bool WriteSetting(const QString& section, const QString& key, const QString& value) override;
    QDate Today() override;
    void KeepOnTop(QWidget* window) override;
    std::optional<SaveAnswer> AskWhereToSave(QWidget* parent, const QString& title,
                                             const QString& suggestedPath,
                                             const QList<FileKind>& kinds) override;
    QString UserFolderPath(UserFolder folder) override;
    bool UsesLetterPaper() override;

    // What happened.
    QList<Message> messages;
    QStringList openedAddresses;
    QList<ClipboardPart> clipboardClears;
    QList<QWidget*> keptOnTop;
    struct SaveQuestion {
        QString title;
        QString suggestedPath;
        QList<FileKind> kinds;
    };
    QList<SaveQuestion> saveQuestions;

    // How to answer.
    QList<MessageAnswer> answers;    // taken in order; Yes or Ok when empty
    QMap<QString, QString> settings; // "section/key" -> value
    bool settingsReadable = true;
    bool settingsWritable = true;
    QDate today{2026, 12, 8};
    // The save dialog's answer (nothing: cancelled), the user's folders and paper.
    std::optional<SaveAnswer> saveAnswer;
    QString picturesFolder;
    QString documentsFolder;
    bool letterPaper = false;
    // What this program holds on the clipboard and the selection; nothing
    // where another program owns it. Clearing leaves an empty text.
    std::optional<QString> ownClipboard;
    std::optional<QString> ownSelection;
};

} // namespace korvane
