// Every input the birth details window can hand over (years 1900 to 2050,
// twelve months, days 1 to 31, both sexes, impossible dates included), run
// through the whole reading as the program runs it.
#include "astrology.h"
#include "birth_date_lists.h"
#include "feng_shui.h"
#include "recording_displays.h"

#include <QStringList>
#include <QTest>

#include <chrono>

using namespace korvane;

namespace {

// Collects what went wrong, naming the input; shows the first few.
class Faults {
public:
    void Note(const BirthDetails& in, const char* what) {
        if (++count_ <= 10)
            shown_ << QStringLiteral("%1 %2 %3 (%4): %5")
                          .arg(QString::fromStdString(ListedDayText(in.dayIndex)),
                               QString::fromUtf8(ListedMonthText(in.monthIndex).data()),
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

bool IsRealDate(int year, int month, int day) {
    return std::chrono::year_month_day(std::chrono::year(year),
                                       std::chrono::month(static_cast<unsigned>(month)),
                                       std::chrono::day(static_cast<unsigned>(day)))
        .ok();
}

} // namespace

class TestReadingDomain : public QObject {
    Q_OBJECT
private slots:
    void everyListInput() {
        Faults faults;
        ReadingRecord record; // one record for the whole run, as in the program
        int inputs = 0;
        ForEveryListedChoice("Domain", [&](const BirthDetails& in) {
            ++inputs;
            const int year = kFirstListedYear + in.yearIndex;
            const int monthIndex = in.monthIndex;
            const int day = in.dayIndex + 1;
            const auto previousDate = record.dtBirthDate;
            RecordingFengShuiDisplay fengShui;
            RecordingAstrologyDisplay astrology;
            FillReadingRecord(record, in);
            FengShuiReading(record.intKuaNumber, record, fengShui);
            AstrologyReading(record, astrology);

            // The window accepts exactly the real dates; for those the
            // record keeps the true birth date, for the others the
            // previous one.
            const bool real = IsRealDate(year, monthIndex + 1, day);
            const bool accepted =
                CheckBirthDate(year, monthIndex, in.dayIndex) == BirthDateCheck::Valid;
            if (accepted != real)
                faults.Note(in, real ? "real date refused" : "impossible date accepted");
            const auto expectedDate =
                real ? std::optional(CalendarDate{year, monthIndex + 1, day}) : previousDate;
            if (record.dtBirthDate != expectedDate)
                faults.Note(in, "record does not hold the birth date");
            // January and February births count for the year before.
            const int kuaYear = monthIndex <= 1 ? year - 1 : year;
            if (record.strBirthYear != std::to_string(kuaYear))
                faults.Note(in, "birth year not moved for January/February only");

            if (record.intKuaNumber < 1 || record.intKuaNumber > 9)
                faults.Note(in, "Kua number outside 1 to 9");
            if (fengShui.names.size() != 4 || fengShui.swatches.size() != 4)
                faults.Note(in, "Feng Shui reading did not fill its four purposes");
            for (const auto& [purpose, name] : fengShui.names) {
                if (name.empty())
                    faults.Note(in, "Feng Shui colour without a name");
            }
            if (astrology.values["kua"] != std::to_string(record.intKuaNumber))
                faults.Note(in, "astrology panel shows another Kua number");
            const auto choice = ChooseSignAndColour(day, ListedMonthText(monthIndex));
            if (astrology.values["sign"] != EnglishText(SunSigns()[choice.signIndex].name) ||
                record.strSunSign != astrology.values["sign"])
                faults.Note(in, "sun sign differs from the sign chosen for the date");
            if (record.strSunSignDesc.empty() || record.strCarColour.empty())
                faults.Note(in, "empty sign description or car colour");
        });
        QCOMPARE(inputs, 151 * 12 * 31 * 2);
        QVERIFY2(faults.Count() == 0, faults.Report().constData());
    }
};

QTEST_APPLESS_MAIN(TestReadingDomain)
#include "test_reading_domain.moc"
