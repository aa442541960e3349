// Every input the birth details window can hand over (years 1900 to 2050,
// twelve months, days 1 to 31, both sexes, impossible dates included), run
// through the check and the whole reading as the program runs them, and held
// against rules written out apart from the engine.
#include "birth_date_lists.h"
#include "reading_for.h"
#include "sign_ranges.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <chrono>

using namespace korvane;

namespace {

bool IsCalendarDate(int year, int month, int day) {
    return std::chrono::year_month_day(std::chrono::year(year),
                                       std::chrono::month(static_cast<unsigned>(month)),
                                       std::chrono::day(static_cast<unsigned>(day)))
        .ok();
}

// The year a reading counts from, as far as the date alone tells it: Li
// Chun falls on 3, 4 or 5 February, so only those days depend on the table.
std::optional<int> CountedYear(int year, int month, int day) {
    if (month == 1 || (month == 2 && day < 3))
        return year - 1;
    if (month > 2 || day > 5)
        return year;
    return std::nullopt;
}

} // namespace

class TestReadingDomain : public QObject {
    Q_OBJECT
private slots:
    void everyListInput() {
        QStringList faults; // what went wrong, naming the input
        int inputs = 0;
        ForEveryListedChoice("Domain", [&](const BirthDetails& in) {
            ++inputs;
            const int year = kFirstListedYear + in.yearIndex;
            const int month = in.monthIndex + 1;
            const int day = in.dayIndex + 1;
            const auto fault = [&](const char* what) {
                faults << QStringLiteral("%1/%2/%3 %4: %5")
                              .arg(day)
                              .arg(month)
                              .arg(year)
                              .arg(in.maleSelected ? "male" : "female", what);
            };
            // The window accepts exactly the real dates, and those have a reading.
            const bool real = IsCalendarDate(year, month, day);
            const bool accepted =
                CheckBirthDate(year, in.monthIndex, in.dayIndex) == BirthDateCheck::Valid;
            if (accepted != real)
                fault(real ? "real date refused" : "impossible date accepted");
            const auto birth = BirthOf(in);
            const auto reading = birth ? ReadingFor(*birth) : std::nullopt;
            if (reading.has_value() != real)
                fault("a reading where the date is not real, or none where it is");
            if (!reading)
                return;

            if (const auto counted = CountedYear(year, month, day);
                counted && reading->year.year != *counted)
                fault("counted in the wrong year");
            if (reading->year.year != year && reading->year.year != year - 1)
                fault("counted neither in its year nor in the one before");
            if (reading->kuaNumber < 1 || reading->kuaNumber > 9)
                fault("Kua number outside 1 to 9");
            if (!std::all_of(reading->purposes.begin(), reading->purposes.end(),
                             [](const PurposeColour& p) { return p.name && p.swatch; }))
                fault("a Feng Shui purpose without its colour");
            if (EnglishText(reading->astrology.sunSign) != SignRangeOn(month, day).sign)
                fault("sun sign not the one of its dates");
            const auto& elements = reading->elements;
            if (elements.suit.empty() || elements.avoid.empty() ||
                std::any_of(elements.avoid.begin(), elements.avoid.end(), [&](const auto& c) {
                    return std::find(elements.suit.begin(), elements.suit.end(), c) !=
                           elements.suit.end();
                }))
                fault("a colour both to choose and to avoid, or a list empty");
        });
        QCOMPARE(inputs, 151 * 12 * 31 * 2);
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, first: %2")
                                                  .arg(faults.size())
                                                  .arg(faults.mid(0, 10).join("; "))));
    }
};

QTEST_APPLESS_MAIN(TestReadingDomain)
#include "test_reading_domain.moc"
