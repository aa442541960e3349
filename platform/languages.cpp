#include "languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace korvane {

std::vector<std::string> UserLanguages() {
    std::vector<std::string> tags;
    for (const QString& tag : QLocale::system().uiLanguages())
        tags.push_back(tag.toStdString());
    return tags;
}

void UseQtTranslations(const QString& catalogueCode) {
    static std::unique_ptr<QTranslator> translator;
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
    if (catalogueCode == QLatin1String("en"))
        return;
    // Qt's own translations, or those deployed beside the program (Windows).
    auto candidate = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + catalogueCode;
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (candidate->load(name, folder)) {
            QCoreApplication::installTranslator(candidate.get());
            translator = std::move(candidate);
            return;
        }
    }
}

namespace {
MessageButtonTexts buttonTexts;
} // namespace

void SetMessageButtonTexts(const MessageButtonTexts& texts) {
    buttonTexts = texts;
}

const MessageButtonTexts& TheMessageButtonTexts() {
    return buttonTexts;
}

} // namespace korvane
