#include "feng_shui.h"
#include "recording_displays.h"

#include <QTest>

using namespace korvane;

class TestFengShui : public QObject {
    Q_OBJECT
private slots:
    void colourNamesForEachKua_data() {
        QTest::addColumn<int>("kua");
        QTest::addColumn<QStringList>("colours");
        QTest::newRow("1") << 1 << QStringList{"Brown", "Maroon", "Red", "Blue"};
        QTest::newRow("2") << 2 << QStringList{"Beige", "Gold", "White", "Coral"};
        QTest::newRow("3") << 3 << QStringList{"Red", "Blue", "Brown", "Maroon"};
        QTest::newRow("4") << 4 << QStringList{"Blue", "Red", "Maroon", "Brown"};
        QTest::newRow("5 as 2") << 5 << QStringList{"Beige", "Gold", "White", "Coral"};
        QTest::newRow("6") << 6 << QStringList{"Gold", "Beige", "Coral", "White"};
        QTest::newRow("7") << 7 << QStringList{"White", "Coral", "Beige", "Gold"};
        QTest::newRow("8") << 8 << QStringList{"Coral", "White", "Gold", "Beige"};
        QTest::newRow("9") << 9 << QStringList{"Maroon", "Brown", "Blue", "Red"};
    }

    void colourNamesForEachKua() {
        QFETCH(int, kua);
        QFETCH(QStringList, colours);
        ReadingRecord record;
        RecordingFengShuiDisplay display;
        FengShuiReading(static_cast<std::int16_t>(kua), record, display);
        const Purpose purposes[] = {Purpose::Success, Purpose::Health, Purpose::Relationships,
                                    Purpose::PersonalDevelopment};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(QString::fromStdString(display.names[purposes[i]]), colours[i]);
        QCOMPARE(display.swatches.size(), std::size_t(4));
        // Name first, then swatch, purpose by purpose.
        QCOMPARE(display.calls, (std::vector<std::string>{"name", "swatch", "name", "swatch",
                                                          "name", "swatch", "name", "swatch"}));
    }

    void kuaOneSwatches() {
        ReadingRecord record;
        RecordingFengShuiDisplay display;
        FengShuiReading(1, record, display);
        QCOMPARE(display.swatches[Purpose::Success], MakeColour(128, 0, 0));
        QCOMPARE(display.swatches[Purpose::Health], MakeColour(180, 50, 100));
        QCOMPARE(display.swatches[Purpose::Relationships], MakeColour(255, 0, 0));
        QCOMPARE(display.swatches[Purpose::PersonalDevelopment], MakeColour(0, 0, 255));
    }

    void kuaOutsideTheTableLeavesSwatches() {
        for (const std::int16_t kua : {std::int16_t(0), std::int16_t(10), std::int16_t(-1)}) {
            ReadingRecord record;
            RecordingFengShuiDisplay display;
            FengShuiReading(kua, record, display);
            QCOMPARE(display.names.size(), std::size_t(4));
            for (const auto& [purpose, name] : display.names)
                QVERIFY(name.empty());
            QVERIFY(display.swatches.empty());
        }
    }

    void directionMatchingIsExact_data() {
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rgb");
        struct Row {
            const char* tag;
            QString direction;
            QString name;
            QString rgb;
        };
        const Row rows[] = {
            {"North East", "North East", "Beige", "255,200,150,"},
            {"North", "North", "Blue", "0,0,255,"},
            {"East", "East", "Maroon", "180,50,100,"},
            {"lower case", "north east", "", ""},
            {"no blank", "NorthEast", "", ""},
            {"trailing blank", "North ", "", ""},
            {"empty", "", "", ""},
        };
        for (const Row& row : rows)
            QTest::newRow(row.tag) << row.direction << row.name << row.rgb;
    }

    void directionMatchingIsExact() {
        QFETCH(QString, direction);
        QFETCH(QString, name);
        QFETCH(QString, rgb);
        ReadingRecord record;
        record.strColourPair = {"stale", "stale", "stale"};
        GetDirectionColour(record, direction.toStdString());
        QCOMPARE(QString::fromStdString(record.strColourPair[0]), name);
        QCOMPARE(QString::fromStdString(record.strColourPair[1]), rgb);
        QCOMPARE(QString::fromStdString(record.strColourPair[2]), QString());
    }

    void colourPairHoldsTheLastPurpose() {
        ReadingRecord record;
        RecordingFengShuiDisplay display;
        FengShuiReading(8, record, display);
        QCOMPARE(record.strColourPair[0], std::string("Beige"));
        QCOMPARE(record.strColourPair[1], std::string("255,200,150,"));
    }
};

QTEST_APPLESS_MAIN(TestFengShui)
#include "test_feng_shui.moc"
