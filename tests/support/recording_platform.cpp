#include "recording_platform.h"

namespace korvane {

RecordingPlatform::RecordingPlatform() {
    SetPlatform(this);
}

RecordingPlatform::~RecordingPlatform() {
    SetPlatform(nullptr);
}

MessageAnswer RecordingPlatform::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                             MessageButtons buttons) {
    messages.append({parent, text, icon, buttons});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answers.isEmpty() ? MessageAnswer::Yes : answers.takeFirst();
}

void RecordingPlatform::OpenAddress(const QString& address) {
    openedAddresses.append(address);
}

std::optional<QString> RecordingPlatform::OwnClipboardText(ClipboardPart part) {
    return part == ClipboardPart::Selection ? ownSelection : ownClipboard;
}

void RecordingPlatform::ClearClipboard(ClipboardPart part) {
    clipboardClears.append(part);
    (part == ClipboardPart::Selection ? ownSelection : ownClipboard) = QString();
}

std::optional<QString> RecordingPlatform::ReadSetting(const QString& section, const QString& key) {
    if (!settingsReadable)
        return std::nullopt;
    return settings.value(section + QLatin1Char('/') + key);
}

bool RecordingPlatform::WriteSetting(const QString& section, const QString& key,
                                     const QString& value) {
    if (!settingsWritable)
        return false;
    settings.insert(section + QLatin1Char('/') + key, value);
    return true;
}

QDate RecordingPlatform::Today() {
    return today;
}

void RecordingPlatform::KeepOnTop(QWidget* window) {
    keptOnTop.append(window);
}

std::optional<SaveAnswer> RecordingPlatform::AskWhereToSave(QWidget*, const QString& title,
                                                            const QString& suggestedPath,
                                                            const QList<FileKind>& kinds) {
    saveQuestions.append({title, suggestedPath, kinds});
    return saveAnswer;
}

QString RecordingPlatform::UserFolderPath(UserFolder folder) {
    return folder == UserFolder::Pictures ? picturesFolder : documentsFolder;
}

bool RecordingPlatform::UsesLetterPaper() {
    return letterPaper;
}

} // namespace korvane
