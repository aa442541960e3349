#include "birth_details.h"

#include "birth_date_lists.h"
#include "catalogue.h"
#include "kua_number.h"
#include "month_names.h"
#include "text_utils.h"

#include <algorithm>
#include <array>

namespace korvane {
namespace {

constexpr int kFebruary = 1;
constexpr int kLastDayIndexOfThirtyDayMonth = 29;

bool IsThirtyDayMonth(int monthIndex) {
    // April, June, September, November
    return monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    if (month == 2)
        return IsLeapYear(year) ? 29 : 28;
    return IsThirtyDayMonth(month - 1) ? 30 : 31;
}

// Splits a text into exactly three words at blanks; nothing when it has
// more or fewer.
std::optional<std::array<std::string_view, 3>> ThreeWords(std::string_view text) {
    std::array<std::string_view, 3> words;
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto start = text.find_first_not_of(' ', pos);
        if (start == std::string_view::npos)
            break;
        auto end = text.find(' ', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (count == words.size())
            return std::nullopt;
        words[count++] = text.substr(start, end - start);
        pos = end;
    }
    if (count != words.size())
        return std::nullopt;
    return words;
}

// The date that the day number, month name and year words name.
std::optional<CalendarDate> DateFromWords(std::string_view dayWord, std::string_view monthWord,
                                          std::string_view yearWord) {
    const auto day = ParseInt16(dayWord);
    const auto year = ParseInt16(yearWord);
    const auto month = std::find_if(kMonthTextIds.begin(), kMonthTextIds.end(),
                                    [&](TextId name) { return EnglishText(name) == monthWord; });
    if (!day || !year || month == kMonthTextIds.end() || *year < 1)
        return std::nullopt;
    const int monthNumber = static_cast<int>(month - kMonthTextIds.begin()) + 1;
    if (*day < 1 || *day > DaysInMonth(*year, monthNumber))
        return std::nullopt;
    return CalendarDate{*year, monthNumber, *day};
}

} // namespace

BirthDateCheck CheckBirthDate(int year, int monthIndex, int dayIndex) {
    const int lastFebruaryDayIndex = IsLeapYear(year) ? 28 : 27;
    if (monthIndex == kFebruary && dayIndex > lastFebruaryDayIndex)
        return BirthDateCheck::WrongFebruaryDay;
    if (IsThirtyDayMonth(monthIndex) && dayIndex > kLastDayIndexOfThirtyDayMonth)
        return BirthDateCheck::WrongThirtyFirst;
    return BirthDateCheck::Valid;
}

std::optional<CalendarDate> DateFromText(std::string_view text) {
    const auto words = ThreeWords(text);
    if (!words)
        return std::nullopt;
    return DateFromWords((*words)[0], (*words)[1], (*words)[2]);
}

void FillReadingRecord(ReadingRecord& record, const BirthDetails& details) {
    record.strUserName.assign(TrimmedBlanks(details.nameText));
    record.strSex = details.maleSelected ? "Male" : "Female";
    record.intBirthDay = static_cast<std::int16_t>(details.dayIndex + 1);
    record.strBirthDay = ListedDayText(details.dayIndex);
    record.strBirthMonth = ListedMonthText(details.monthIndex);
    record.strBirthYear = ListedYearText(details.yearIndex);

    // Taken before the year moves, so the date keeps the true birth year.
    std::string dateText;
    dateText.reserve(record.strBirthDay.size() + record.strBirthMonth.size() +
                     record.strBirthYear.size() + 2);
    dateText.append(record.strBirthDay).append(1, ' ').append(record.strBirthMonth);
    dateText.append(1, ' ').append(record.strBirthYear);
    if (const auto date = DateFromText(dateText))
        record.dtBirthDate = *date;

    record.strBirthYear = KuaBirthYear(record.strBirthYear, record.strBirthMonth);
    if (const auto kua = GetKuaNumber(record.strBirthYear, record.strSex))
        record.intKuaNumber = *kua;
}

} // namespace korvane
