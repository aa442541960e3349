#include "astrology.h"
#include "catalogue.h"
#include "colour_catalogue.h"
#include "month_names.h"
#include "recording_displays.h"

#include <QTest>

using namespace korvane;

namespace {

struct SignRange {
    const char* sign;
    const char* planet;
    int fromMonth, fromDay, toMonth, toDay;
};

// The signs by their dates, inclusive.
const SignRange kRanges[] = {
    {"Aries", "Mars", 3, 21, 4, 20},
    {"Taurus", "Venus", 4, 21, 5, 20},
    {"Gemini", "Mercury", 5, 21, 6, 20},
    {"Cancer", "Moon", 6, 21, 7, 20},
    {"Leo", "Sun", 7, 21, 8, 21},
    {"Virgo", "Mercury", 8, 22, 9, 23},
    {"Libra", "Venus", 9, 24, 10, 23},
    {"Scorpio", "Mars", 10, 24, 11, 22},
    {"Sagittarius", "Jupiter", 11, 23, 12, 20},
    {"Capricorn", "Saturn", 12, 21, 1, 19},
    {"Aquarius", "Saturn", 1, 20, 2, 18},
    {"Pisces", "Jupiter", 2, 19, 3, 20},
};

const SignRange& RangeOn(int month, int day) {
    const int key = month * 100 + day;
    for (const auto& range : kRanges) {
        const int from = range.fromMonth * 100 + range.fromDay;
        const int to = range.toMonth * 100 + range.toDay;
        const bool inside = from <= to ? (key >= from && key <= to) : (key >= from || key <= to);
        if (inside)
            return range;
    }
    qFatal("no sign for %d/%d", month, day);
}

// The colours of the 24 half-months, January's first half first.
const char* const kHalfMonthColours[24] = {
    "Violet",   "Indigo", "Blue",  "Green",  "Yellow", "Orange", "Red",       "White",
    "Lavender", "Gold",   "Peach", "Pink",   "Brown",  "Black",  "Turquoise", "Violet",
    "Indigo",   "Blue",   "Green", "Yellow", "Orange", "Red",    "White",     "Lavender"};

QString Str(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

} // namespace

class TestAstrology : public QObject {
    Q_OBJECT
private slots:
    void everyDayOfTheYear() {
        const int daysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const auto catalogue = ColourCatalogue();
        for (int month = 1; month <= 12; ++month) {
            const SignRange& firstOfMonth = RangeOn(month, 1);
            for (int day = 1; day <= daysInMonth[month - 1]; ++day) {
                const SignRange& expected = RangeOn(month, day);
                const bool secondHalf = &expected != &firstOfMonth;
                const auto choice = ChooseSignAndColour(day, EnglishText(kMonthTextIds[month - 1]));
                const QByteArray where = QByteArray::number(day) + "/" + QByteArray::number(month);
                QVERIFY2(Str(EnglishText(SunSigns()[choice.signIndex].name)) == expected.sign,
                         where);
                QVERIFY2(Str(EnglishText(SunSigns()[choice.signIndex].rulingPlanet)) ==
                             expected.planet,
                         where);
                const char* colour = kHalfMonthColours[2 * (month - 1) + (secondHalf ? 1 : 0)];
                QVERIFY2(Str(EnglishText(catalogue[choice.catalogueIndex].name)) == colour, where);
            }
        }
    }

    void boundaryDays_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("colour");
        struct Row {
            const char* name;
            int day;
            const char *month, *sign, *colour;
        };
        const Row rows[] = {
            {"19 January", 19, "January", "Capricorn", "Violet"},
            {"20 January", 20, "January", "Aquarius", "Indigo"},
            {"18 February", 18, "February", "Aquarius", "Blue"},
            {"19 February", 19, "February", "Pisces", "Green"},
            {"20 March", 20, "March", "Pisces", "Yellow"},
            {"21 March", 21, "March", "Aries", "Orange"},
            {"31 July", 31, "July", "Leo", "Black"},
            {"21 August", 21, "August", "Leo", "Turquoise"},
            {"22 August", 22, "August", "Virgo", "Violet"},
            {"23 September", 23, "September", "Virgo", "Indigo"},
            {"24 September", 24, "September", "Libra", "Blue"},
            {"22 November", 22, "November", "Scorpio", "Orange"},
            {"23 November", 23, "November", "Sagittarius", "Red"},
            {"20 December", 20, "December", "Sagittarius", "White"},
            {"21 December", 21, "December", "Capricorn", "Lavender"},
            {"lower-case january is December", 19, "january", "Sagittarius", "White"},
            {"empty month is December", 25, "", "Capricorn", "Lavender"},
            {"30 February falls to the second sign", 30, "February", "Pisces", "Green"},
            {"day 0 falls to the first sign", 0, "March", "Pisces", "Yellow"},
        };
        for (const Row& row : rows)
            QTest::newRow(row.name)
                << row.day << QString(row.month) << QString(row.sign) << QString(row.colour);
    }

    void boundaryDays() {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(QString, sign);
        QFETCH(QString, colour);
        ReadingRecord record;
        record.intBirthDay = static_cast<std::int16_t>(day);
        record.strBirthMonth = month.toStdString();
        RecordingAstrologyDisplay display;
        AstrologyReading(record, display);
        QCOMPARE(QString::fromStdString(record.strSunSign), sign);
        QCOMPARE(QString::fromStdString(record.strCarColour), colour);
        QCOMPARE(QString::fromStdString(display.values["sign"]), sign);
        QCOMPARE(QString::fromStdString(display.values["car colour"]), colour);
    }

    void writesThePanelInOrder() {
        ReadingRecord record;
        record.intBirthDay = 25;
        record.strBirthMonth = "July";
        record.intKuaNumber = 7;
        RecordingAstrologyDisplay display;
        AstrologyReading(record, display);
        QCOMPARE(display.order,
                 (std::vector<std::string>{"car colour", "description", "kua", "planet", "sign",
                                           "sign text", "swatch"}));
        QCOMPARE(display.values["kua"], std::string("7"));
        QCOMPARE(display.values["planet"], std::string("Sun"));
        QCOMPARE(display.values["car colour"], std::string("Black"));
        QCOMPARE(display.swatch, MakeColour(0, 0, 0));
        QCOMPARE(display.values["sign text"], std::string(EnglishText(SunSigns()[4].text)));
        QCOMPARE(record.strSunSignDesc, SunSignDescription(4));
        QCOMPARE(record.strRulingPlanet, std::string("Sun"));
        QCOMPARE(record.strCarColourDesc, EnglishText(ColourCatalogue()[13].description));
        QCOMPARE(display.values["description"], std::string(record.strCarColourDesc));
    }

    void sameResultWhateverTheOtherInputs() {
        ReadingRecord first;
        first.intBirthDay = 3;
        first.strBirthMonth = "May";
        first.strSex = "Male";
        first.strUserName = "A";
        first.strBirthYear = "1950";
        ReadingRecord second = first;
        second.strSex = "Female";
        second.strUserName = "Someone Else";
        second.strBirthYear = "2049";
        RecordingAstrologyDisplay a, b;
        AstrologyReading(first, a);
        AstrologyReading(second, b);
        QCOMPARE(first.strSunSign, second.strSunSign);
        QCOMPARE(first.strSunSignDesc, second.strSunSignDesc);
        QCOMPARE(first.strCarColour, second.strCarColour);
        QCOMPARE(a.swatch, b.swatch);
    }
};

QTEST_APPLESS_MAIN(TestAstrology)
#include "test_astrology.moc"
