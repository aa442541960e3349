#include "catalogue.h"
#include "table_rows.h"

#include <QTest>

#include <string>
#include <vector>

using korvane::CatalogueFor;
using korvane::Catalogues;

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void languageFromPreferredTags_data() {
        Columns<QStringList, QString>("preferred", "catalogue");
        const auto row = [](const char* name, QStringList preferred, const char* code) {
            QTest::newRow(name) << preferred << QString::fromLatin1(code);
        };
        row("nothing preferred", {}, "en");
        row("English", {"en-US", "en"}, "en");
        row("mainland Chinese", {"zh-CN", "zh-Hans-CN", "zh"}, "zh_CN");
        row("POSIX form", {"zh_CN"}, "zh_CN");
        row("Singapore reads Simplified", {"zh-SG"}, "zh_CN");
        row("Hong Kong reads Traditional", {"zh-HK"}, "zh_TW");
        row("Macau reads Traditional", {"zh_MO"}, "zh_TW");
        row("Traditional script anywhere", {"zh-Hant-SG"}, "zh_TW");
        row("Simplified script anywhere", {"zh-Hans-HK"}, "zh_CN");
        row("Chinese alone", {"zh"}, "zh_CN");
        row("letter case", {"ZH-tw"}, "zh_TW");
        row("Vietnamese", {"vi-VN"}, "vi");
        row("Spanish of Mexico", {"es-MX"}, "es");
        row("first language without a catalogue", {"de-DE", "de", "es-ES"}, "es");
        row("English before Chinese", {"en-GB", "zh-CN"}, "en");
        row("none known", {"de", "fr-FR"}, "en");
    }

    void languageFromPreferredTags() {
        const auto [preferred, catalogue] = Fetch<QStringList, QString>("preferred", "catalogue");
        std::vector<std::string> tags;
        for (const QString& tag : preferred)
            tags.push_back(tag.toStdString());
        QCOMPARE(QString::fromUtf8(Catalogues()[CatalogueFor(tags)].code), catalogue);
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
