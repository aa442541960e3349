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

// Collects what went wrong, naming the input; shows the first few.
class Faults {
public:
    void Note(const BirthDetails& in, const char* what) {
        if (++count_ <= 10)
            shown_ << QStringLiteral("%1/%2/%3 (%4): %5")
                          .arg(QString::fromStdString(ListedDayText(in.dayIndex)),
                               QString::number(in.monthIndex + 1),
                               QString::fromStdString(ListedYearText(in.yearIndex)),
                               in.maleSelected ? QStringLiteral("male") : QStringLiteral("female"),
                               QString::fromUtf8(what));
    }
    int Count() const { return count_; }
    QByteArray Report() const {
        return QStringLiteral("%1 faults, first: %2").arg(count_).arg(shown_.join("; ")).toUtf8();
    }

private:
    int count_ = 0;
    QStringList shown_;
};

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
        Faults faults;
        int inputs = 0;
        ForEveryListedChoice("Domain", [&](const BirthDetails& in) {
            ++inputs;
            const int year = kFirstListedYear + in.yearIndex;
            const int month = in.monthIndex + 1;
            const int day = in.dayIndex + 1;
            // The window accepts exactly the real dates, and those have a reading.
            const bool real = IsCalendarDate(year, month, day);
            const bool accepted =
                CheckBirthDate(year, in.monthIndex, in.dayIndex) == BirthDateCheck::Valid;
            if (accepted != real)
                faults.Note(in, real ? "real date refused" : "impossible date accepted");
            const auto birth = BirthOf(in);
            const auto reading = birth ? ReadingFor(*birth) : std::nullopt;
            if (reading.has_value() != real)
                faults.Note(in, "a reading where the date is not real, or none where it is");
            if (!reading)
                return;

            if (const auto counted = CountedYear(year, month, day);
                counted && reading->year.year != *counted)
                faults.Note(in, "counted in the wrong year");
            if (reading->year.year != year && reading->year.year != year - 1)
                faults.Note(in, "counted neither in its year nor in the one before");
            if (reading->kuaNumber < 1 || reading->kuaNumber > 9)
                faults.Note(in, "Kua number outside 1 to 9");
            if (!std::all_of(reading->purposes.begin(), reading->purposes.end(),
                             [](const PurposeColour& p) { return p.name && p.swatch; }))
                faults.Note(in, "a Feng Shui purpose without its colour");
            if (EnglishText(reading->astrology.sunSign) != SignRangeOn(month, day).sign)
                faults.Note(in, "sun sign not the one of its dates");
            const auto& elements = reading->elements;
            if (elements.suit.empty() || elements.avoid.empty() ||
                std::any_of(elements.avoid.begin(), elements.avoid.end(), [&](const auto& c) {
                    return std::find(elements.suit.begin(), elements.suit.end(), c) !=
                           elements.suit.end();
                }))
                faults.Note(in, "a colour both to choose and to avoid, or a list empty");
        });
        QCOMPARE(inputs, 151 * 12 * 31 * 2);
        QVERIFY2(faults.Count() == 0, faults.Report().constData());
    }
};

QTEST_APPLESS_MAIN(TestReadingDomain)
#include "test_reading_domain.moc"
