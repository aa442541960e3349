#include "astrology.h"
#include "catalogue.h"
#include "colour_catalogue.h"

#include <QTest>

using namespace korvane;

class TestReadingTexts : public QObject {
    Q_OBJECT
private slots:
    void signTexts_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<QString>("opening");
        const struct {
            int paragraphs;
            const char* opening;
        } rows[12] = {
            {1, "Arians are typically pioneers"},
            {4, "As the second sign of the zodiac"},
            {5, "The one thing, which strikes you"},
            {4, "Cancer is the fourth sign of the zodiac"},
            {5, "Of all the zodiac signs, Leos"},
            {4, "Virgo is represented by the Virgin"},
            {5, "Libra is the only sign of the zodiac"},
            {4, "Children are taught, often at a very young age"},
            {4, "Persons belonging to the sun sign Sagittarius"},
            {3, "Part of the tenth sign of the zodiac"},
            {4, "If you meet a person"},
            {5, "The typical Pisces individual"},
        };
        for (int i = 0; i < 12; ++i) {
            QTest::newRow(EnglishText(SunSigns()[i].name).data())
                << i << rows[i].paragraphs << QString::fromLatin1(rows[i].opening);
        }
    }

    void signTexts() {
        QFETCH(int, index);
        QFETCH(int, paragraphs);
        QFETCH(QString, opening);
        const auto english = EnglishText(SunSigns()[index].text);
        const QString text = QString::fromUtf8(english.data(), english.size());
        QVERIFY(text.startsWith(opening));
        const QStringList parts = text.split(QStringLiteral("\n\n"));
        QCOMPARE(parts.size(), paragraphs);
        for (const QString& part : parts) {
            // Nothing but the separators breaks a line, and no paragraph is
            // empty or padded.
            QVERIFY(!part.isEmpty());
            QVERIFY(!part.contains(QLatin1Char('\r')) && !part.contains(QLatin1Char('\n')));
            QCOMPARE(part.trimmed(), part);
        }
    }

    void colourDescriptions_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("opening");
        const char* openings[15] = {"Violet is such a color",
                                    "Indigo is said to affect",
                                    "Blue is said to be the color",
                                    "If seen from a positive perspective, Green",
                                    "Yellow symbolizes intelligence",
                                    "Orange is the color of the Sun",
                                    "Red is such a color",
                                    "White signifies purity",
                                    "Because of its rarity lavender",
                                    "Gold symbolizes honor and devotion",
                                    "Peach is also a member of the orange family",
                                    "Pink is the color, which represents creativity",
                                    "As it is known to all of us, that Brown",
                                    "This is the color, which indicates strong-will",
                                    "Turquoise is a color that is very popular"};
        const auto catalogue = ColourCatalogue();
        for (int i = 0; i < 15; ++i)
            QTest::newRow(EnglishText(catalogue[i].name).data())
                << i << QString::fromLatin1(openings[i]);
    }

    void colourDescriptions() {
        QFETCH(int, index);
        QFETCH(QString, opening);
        const auto description = EnglishText(ColourCatalogue()[index].description);
        const QString text = QString::fromUtf8(description.data(), description.size());
        QVERIFY(text.startsWith(opening));
        QVERIFY(!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')));
        QCOMPARE(text.trimmed(), text);
    }
};

QTEST_APPLESS_MAIN(TestReadingTexts)
#include "test_reading_texts.moc"
