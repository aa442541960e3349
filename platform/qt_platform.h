#pragma once

#include "platform.h"

namespace korvane {

class QtPlatform : public Platform {
public:
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
};

// Names the per-user settings store; an empty name goes back to the
// program's own. Tests use a store of their own so as to leave the user's
// alone.
void UseSettingsStoreName(const QString& name);

} // namespace korvane
