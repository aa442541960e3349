#pragma once

#include <QString>

#include <string>
#include <vector>

namespace korvane {

// The languages the user reads, best first, as language tags ("zh-CN",
// "zh-Hant-HK", "vi"): on Linux from LANGUAGE, LC_ALL, LC_MESSAGES and LANG,
// on Windows the user's display language.
std::vector<std::string> UserLanguages();

// Qt's own words (a text box's context menu, standard dialogs) in the
// language of a catalogue code ("zh_CN"), from Qt's translations where they
// have that language. English needs nothing.
void UseQtTranslations(const QString& catalogueCode);

// The buttons of the program's message boxes, in its language. Qt's words
// stay where a text is empty.
struct MessageButtonTexts {
    QString ok;
    QString yes;
    QString no;
};
void SetMessageButtonTexts(const MessageButtonTexts& texts);
const MessageButtonTexts& TheMessageButtonTexts();

} // namespace korvane
