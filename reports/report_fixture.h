// Test helper: a small data set around Pascha 2025 (Julian 7 April, Gregorian 20 April), written
// into a temporary folder, and a calendar on it with a selected date.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "data/test_folder.h"
#include "reports/calendar.h"

namespace velorith::testing {

inline void WriteSmallDataSet(const TempFolder& folder) {
    folder.Write("April.DAT",
                 "[7]\n"
                 "0={1}Пасха Господня.\n"
                 "1=Мч. Калиопия.\n"
                 "4=Поста нет.\n"
                 "[8]\n"
                 "0={3}Свт. Георгия.\n");
    folder.Write("January.DAT",
                 "[15]\n"
                 "red=0\n"
                 "1=Прп. Серафима.\n"
                 "[16]\n"
                 "1=Поклонение веригам ап. Петра.\n");
    folder.Write("February29.DAT",
                 "[28]\n"
                 "1=Двадцать восьмое високосного.\n"
                 "[29]\n"
                 "1=Прп. Кассиана Римлянина.\n");
    folder.Write("February28.DAT",
                 "[28]\n"
                 "1=Двадцать восьмое простого.\n");
    folder.Write("Relocatable.DAT",
                 "[1]\n"
                 "days=0\n"
                 "red=1\n"
                 "0={1}СВЕТЛОЕ ХРИСТОВО ВОСКРЕСЕНИЕ.\n"
                 "11=Перед.\n"
                 "19=После.\n"
                 "[2]\n"
                 "days=0\n"
                 "11=Второе перед.\n"
                 "19=Второе после.\n"
                 "[3]\n"
                 "days=1\n"
                 "0=Переходящее.\n");
    folder.Write("Weekdays.DAT",
                 "[1]\n"
                 "days=0\n"
                 "red=1\n"
                 "0=Светлое Христово Воскресение.\n"
                 "[2]\n"
                 "days=1\n"
                 "0=, хвост.\n"
                 "[3]\n"
                 "days=2\n"
                 "0=Первый.\n"
                 "[4]\n"
                 "days=2\n"
                 "0=Второй.\n"
                 "[5]\n"
                 "days=3\n"
                 "0=, один.\n"
                 "[6]\n"
                 "days=3\n"
                 "0=, два.\n"
                 "[7]\n"
                 "days=4\n"
                 "0=Заглавие.\n"
                 "[8]\n"
                 "days=4\n"
                 "0=, хвост.\n");
}

// A calendar on `folder` with the working range 1901..2100 and the date selected.
inline std::unique_ptr<Calendar> CalendarOn(const TempFolder& folder, int cal, int year, int month,
                                            int day) {
    auto calendar = std::make_unique<Calendar>(folder.path());
    calendar->State().SetRange(1901, 2100);
    calendar->SelectDate(cal, year, month, day);
    return calendar;
}

// The number of non-overlapping occurrences of `what` in `text`.
inline int Count(std::string_view text, std::string_view what) {
    int n = 0;
    for (auto p = text.find(what); p != std::string_view::npos;
         p = text.find(what, p + what.size()))
        ++n;
    return n;
}

}  // namespace velorith::testing
