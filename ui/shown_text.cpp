#include "shown_text.h"

#include "catalogue.h"

namespace korvane {
namespace {
int shownCatalogue = kEnglish;
} // namespace

void SetShownCatalogue(int catalogue) {
    shownCatalogue = catalogue;
}

int ShownCatalogue() {
    return shownCatalogue;
}

QString ShownText(TextId id) {
    return QString::fromUtf8(ShownUtf8(id));
}

std::string_view ShownUtf8(TextId id) {
    return Text(id, shownCatalogue);
}

QString ShownPhrase(const Phrase& phrase) {
    return QString::fromStdString(Filled(phrase, ShownUtf8));
}

} // namespace korvane
