#pragma once

#include "platform.h"

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
};

// The text of a message box as it is shown: a lone carriage return, as well
// as CR LF, becomes a line break.
QString MessageTextForDisplay(const QString& text);

} // namespace korvane
