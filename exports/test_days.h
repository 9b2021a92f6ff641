// Test helper: days of the day model built by hand, as the calendar would fill them.
#pragma once

#include <string>

#include "calendar/report_frame.h"
#include "reckoning/movable_cycle.h"

namespace velorith::exports::testing {

// A day of the Gregorian date d.m.y with its three dates, weekday and indiction filled in.
inline DayInfo DayOn(int y, int m, int d) {
    DayInfo day;
    day.Day = DayNumber(kGregorian, d, m, y);
    day.Reckoning = kGregorian;
    day.Dates = DatesOfDay(day.Day);
    day.WeekDay = WeekDayOf(day.Day);
    day.Indiction = GreatIndictionOf(day.Dates.World.Year);
    day.RedWhy.Sunday = day.WeekDay == 7;
    return day;
}

inline DayEntry Entry(int group, Rank sign, std::string text,
                      EntrySource source = EntrySource::MonthFile, int section = 0) {
    DayEntry e;
    e.Group = group;
    e.Sign = sign;
    e.Source = source;
    e.Section = section;
    e.Text = std::move(text);
    return e;
}

// Pascha of 2025: 20 April new style, 7 April old style.
inline DayInfo Pascha2025() {
    DayInfo day = DayOn(2025, 4, 20);
    day.Line.Titles.Text = "Светлое Христово Воскресение.";
    day.RedWhy.Entry = true;
    day.Entries = {Entry(0, Rank::GreatFeast, "Пасха Господня.", EntrySource::Relocatable, 1),
                   Entry(1, Rank::None, "Мч. Калиопия.")};
    day.Entries[0].Markup = "{\\b Пасха Господня.}";
    day.Fast = DayFast{FastLevel::FastFree, FastPeriod::BrightWeek};
    ServiceReadings liturgy;
    liturgy.Service = ServiceKind::Liturgy;
    liturgy.Readings = {{ReadingKind::Apostle, "Деян. 1:1-8", 1, 0},
                        {ReadingKind::Gospel, "Ин. 1:1-17"}};
    liturgy.Groups = {{GroupRole::Ordinary, "Ряд."}};
    day.Readings = DayReadings{{liturgy}, NoLiturgyKind::None};
    return day;
}

// A Wednesday of the Nativity fast (20 November old style) with an entry of group 1 and one of
// group 2.
inline DayInfo FastWednesday() {
    DayInfo day = DayOn(2025, 12, 3);
    day.Line.Cycle = CyclePlace{CycleSeason::AfterPentecost, 26, false};
    day.Tone = 1;
    day.Entries = {Entry(1, Rank::None, "Предпразднство Введения во храм Пресвятой Богородицы."),
                   Entry(2, Rank::None, "Прп. Григория Декаполита.")};
    day.Fast = DayFast{FastLevel::HotNoOil, FastPeriod::NativityFast};
    return day;
}

inline ReportFrame FrameOf(ReportKind kind, std::vector<DayInfo> days) {
    ReportFrame frame;
    frame.Kind = kind;
    frame.Reckoning = kGregorian;
    frame.Days = std::move(days);
    if (!frame.Days.empty()) {
        frame.First = frame.Days.front().Day;
        frame.Last = frame.Days.back().Day;
    }
    return frame;
}

}  // namespace velorith::exports::testing
