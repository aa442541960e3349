#pragma once

#include "platform.h"

#include <QStringList>

namespace korvane {

class QtPlatform : public Platform {
public:
    MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    void OpenAddress(const QString& address) override;
    void ClearClipboardIfOwnTextFrom(const QString& source) override;
    std::optional<QString> ReadSetting(const QString& section, const QString& key) override;
    bool WriteSetting(const QString& section, const QString& key, const QString& value) override;
    QDate Today() override;
    void KeepOnTop(QWidget* window) override;

private:
    void RememberGuardedText(const QString& source);

    // Every text guarded in this run, newest first, with plain line feeds:
    // text copied from an earlier reading's description is as much ours to
    // take back as text from the current one.
    QStringList guardedTexts_;
};

// Names the per-user settings store; an empty name goes back to the
// program's own. Tests use a store of their own so as to leave the user's
// alone.
void UseSettingsStoreName(const QString& name);

// The text of a message box as it is shown: a lone carriage return, as well
// as CR LF, becomes a line break.
QString MessageTextForDisplay(const QString& text);

} // namespace korvane
