#include "support_texts.h"

namespace korvane {

QStringList SupportTexts() {
    return {
        QStringLiteral("Quillory lives on its visitors. Drop by often, join a discussion or start "
                       "one, and help our community grow."),
        QStringLiteral("Please support Quillory by visiting us regularly and taking part in our "
                       "discussions"),
        QStringLiteral("Like this software? Support Quillory the easy way: visit the site "
                       "regularly and share your ideas in the discussions. Every visit counts."),
        QStringLiteral("Help keep Quillory lively. Come back often, read what others say and "
                       "add your own voice to the discussions."),
    };
}

int SupportTextIndex(float r) {
    return static_cast<int>(static_cast<double>(r) * 4.0);
}

QString CatalogueText() {
    return QStringLiteral(
               "If you have enjoyed this software you will surely be interested in our other "
               "Quillory Softwares. They cover astrology, numerology, Feng Shui, names and "
               "their meanings, love and compatibility, health and fitness, and a good deal "
               "of fun for the whole family.") +
           QString(61, QLatin1Char(' ')) +
           QStringLiteral("Download them, try them at your leisure and tell your friends and "
                          "family what you found. ");
}

} // namespace korvane
