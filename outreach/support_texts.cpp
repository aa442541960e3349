#include "support_texts.h"

#include "shown_text.h"

namespace korvane {

QStringList SupportTexts() {
    return {ShownText(TextId::ExitSupport1), ShownText(TextId::ExitSupport2),
            ShownText(TextId::ExitSupport3), ShownText(TextId::ExitSupport4)};
}

int SupportTextIndex(float r) {
    return static_cast<int>(static_cast<double>(r) * 4.0);
}

QString CatalogueText() {
    return ShownText(TextId::ExitCatalogue1) + QString(61, QLatin1Char(' ')) +
           ShownText(TextId::ExitCatalogue2) + QLatin1Char(' ');
}

} // namespace korvane
