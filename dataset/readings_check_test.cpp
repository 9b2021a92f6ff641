// The calendar's readings set beside published day calendars, day by day, and swept over two
// centuries for the faults a reader would notice first.
//
// checks/*.tsv hold what published calendars print for a day (the source named on each line):
// the civil date, the address, then "label=reference + reference | ...". A day agrees when the
// Liturgy reads the same readings (each known by its book, chapter and first verse, so that two
// ways of writing one pericope agree) and Matins the same Gospel where the page gives it.
// checks/differences.tsv names the days whose difference is a choice between sources, with why.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "reports/calendar.h"

namespace velorith {
namespace {

const std::filesystem::path kSources = VELORITH_DATASET_SOURCE_DIR;
const std::filesystem::path kBuilt = VELORITH_BUILT_DATA_DIR;

std::vector<std::string> Split(std::string_view text, std::string_view by) {
    std::vector<std::string> parts;
    while (true) {
        const std::size_t at = text.find(by);
        parts.emplace_back(text.substr(0, at));
        if (at == std::string_view::npos) break;
        text.remove_prefix(at + by.size());
    }
    return parts;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "Деян. 6:8-7:5, 47-60 (17)" -> "Деян. 6:8": a pericope by its book and its first verse.
std::string StartOf(std::string_view ref) {
    // A label written before the reference ("Ряд.: Гал. 2:16-20") is dropped.
    if (const std::size_t colon = ref.find(": ");
        colon != std::string_view::npos && ref.find(':') == colon)
        ref.remove_prefix(colon + 2);
    while (!ref.empty() && ref.front() == ' ')
        ref.remove_prefix(1);
    const std::size_t colon = ref.find(':');
    if (colon == std::string_view::npos) return {};
    std::size_t end = colon + 1;
    while (end < ref.size() && IsDigit(ref[end]))
        ++end;
    std::size_t bookEnd = colon;
    while (bookEnd > 0 && IsDigit(ref[bookEnd - 1]))
        --bookEnd;
    std::string book(ref.substr(0, bookEnd));
    while (!book.empty() && book.back() == ' ')
        book.pop_back();
    if (!book.empty() && book.back() != '.') book += '.';  // "Иов" and "Иов." alike
    // The Thessalonians by their Slavonic name as some calendars print it.
    if (book.ends_with("Сол."))
        book.replace(book.size() - std::string("Сол.").size(), std::string::npos, "Фес.");
    return book + " " + std::string(ref.substr(bookEnd, end - bookEnd));
}

bool IsMatins(std::string_view label) {
    return label.starts_with("Утр") || label.starts_with("Matins");
}
bool IsOtherService(std::string_view label) {
    return label.starts_with("Веч") || label.find("вечерн") != std::string_view::npos ||
           label.find("освящени") != std::string_view::npos ||
           label.find("час") != std::string_view::npos ||
           label.find("Час") != std::string_view::npos || label.starts_with("Царск") ||
           label.find("Hour") != std::string_view::npos || label.starts_with("Vespers") ||
           label.find("водоосвящ") != std::string_view::npos;
}
// A label that names no group: the Liturgy's readings as one list.
bool IsUngrouped(std::string_view label) {
    return label == "Лит." || label == "Epistle" || label == "Gospel" || label == "Праздник";
}
// The day's ordinary readings: "Ряд.", read "под зачало", or named by the weekday.
bool IsOrdinary(std::string_view label) {
    static constexpr std::string_view kWeekdays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                     "Friday", "Saturday", "Sunday"};
    for (const std::string_view w : kWeekdays)
        if (label.starts_with(w)) return true;
    return label.starts_with("Ряд") || label.starts_with("под зачало");
}

struct PageDay {
    std::string Date;
    std::string Source;
    std::multiset<std::string> Liturgy;
    std::multiset<std::string> Matins;
    bool Grouped = true;                  // every Liturgy reading under its group's label
    std::multiset<std::string> Ordinary;  // grouped pages: the ordinary readings
};

std::vector<PageDay> LoadPages() {
    std::vector<PageDay> pages;
    for (const auto& entry : std::filesystem::directory_iterator(kSources / "checks")) {
        if (entry.path().extension() != ".tsv" || entry.path().stem() == "differences") continue;
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            const std::vector<std::string> cols = Split(line, "\t");
            if (cols.size() < 3 || cols[0].size() != 10) continue;
            PageDay page;
            page.Date = cols[0];
            page.Source = cols[1];
            for (const std::string& item : Split(cols[2], " | ")) {
                const std::size_t eq = item.find('=');
                if (eq == std::string::npos) continue;
                const std::string label = item.substr(0, eq);
                if (IsOtherService(label)) continue;
                if (IsUngrouped(label)) page.Grouped = false;
                for (const std::string& ref : Split(std::string_view(item).substr(eq + 1), " + ")) {
                    const std::string start = StartOf(ref);
                    if (start.empty()) continue;
                    (IsMatins(label) ? page.Matins : page.Liturgy).insert(start);
                    if (!IsMatins(label) && IsOrdinary(label)) page.Ordinary.insert(start);
                }
            }
            // A record without a Gospel holds part of the day only.
            const bool gospel =
                std::any_of(page.Liturgy.begin(), page.Liturgy.end(), [](const std::string& s) {
                    return s.starts_with("Мф.") || s.starts_with("Мк.") || s.starts_with("Лк.") ||
                           s.starts_with("Ин.");
                });
            if (gospel) pages.push_back(std::move(page));
        }
    }
    const auto key = [](const PageDay& p) {
        return std::tie(p.Date, p.Source, p.Liturgy, p.Matins);
    };
    std::sort(pages.begin(), pages.end(),
              [&](const PageDay& a, const PageDay& b) { return key(a) < key(b); });
    pages.erase(std::unique(pages.begin(), pages.end(),
                            [&](const PageDay& a, const PageDay& b) { return key(a) == key(b); }),
                pages.end());
    return pages;
}

std::map<std::string, std::string> LoadDifferences() {
    std::map<std::string, std::string> known;
    std::ifstream in(kSources / "checks" / "differences.tsv");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> cols = Split(line, "\t");
        if (cols.size() >= 2) known[cols[0]] = cols[1];
    }
    return known;
}

std::multiset<std::string> StartsOf(const DayReadings& readings, ServiceKind service,
                                    bool ordinaryOnly = false) {
    std::multiset<std::string> starts;
    for (const ServiceReadings& s : readings.Services) {
        if (s.Service != service) continue;
        for (const Reading& r : s.Readings) {
            const GroupRole role = s.Groups.empty() ? GroupRole::Ordinary : s.Groups[r.Group].Role;
            if (!ordinaryOnly || role != GroupRole::Feast) starts.insert(StartOf(r.Reference));
        }
    }
    return starts;
}

std::string Joined(const std::multiset<std::string>& set) {
    std::string out;
    for (const std::string& s : set)
        out += (out.empty() ? "" : " + ") + s;
    return out;
}

class PublishedReadings : public ::testing::Test {
  protected:
    void SetUp() override {
        calendar_.State().SetRange(1901, 2100);
        calendar_.Settings().ShowReadings = true;
        calendar_.SelectDate(kGregorian, 2026, 12, 7);
    }
    DayReadings Of(DayNum day) {
        const DayInfo info = calendar_.DayAt(day);
        return info.Readings.value_or(DayReadings{});
    }
    Calendar calendar_{kBuilt};
};

TEST_F(PublishedReadings, AgreeWithPublishedCalendarsDayByDay) {
    const std::vector<PageDay> pages = LoadPages();
    std::map<std::string, std::string> known = LoadDifferences();
    ASSERT_GT(pages.size(), 300u);
    int agreed = 0, documented = 0, gaps = 0, ordinaryOnly = 0;
    std::set<std::string> seen;
    std::string unexplained;
    for (const PageDay& page : pages) {
        const int y = std::stoi(page.Date.substr(0, 4));
        const int m = std::stoi(page.Date.substr(5, 2));
        const int d = std::stoi(page.Date.substr(8, 2));
        const DayReadings readings = Of(DayNumber(kGregorian, d, m, y));
        const auto liturgy = StartsOf(readings, ServiceKind::Liturgy);
        const auto matins = StartsOf(readings, ServiceKind::Matins);
        const bool agrees =
            liturgy == page.Liturgy && (page.Matins.empty() || matins == page.Matins);
        // A page that prints a saint's readings the data does not hold yet, and otherwise the
        // program's: the day's rules agree, the data is short.
        const bool gap =
            std::includes(page.Liturgy.begin(), page.Liturgy.end(), liturgy.begin(),
                          liturgy.end()) &&
            std::includes(page.Matins.begin(), page.Matins.end(), matins.begin(), matins.end());
        // A page that prints the day's ordinary readings alone: those agree.
        const bool pageOrdinaryOnly =
            page.Grouped && page.Ordinary == page.Liturgy &&
            StartsOf(readings, ServiceKind::Liturgy, true) == page.Ordinary;
        seen.insert(page.Date);
        if (agrees) {
            ++agreed;
        } else if (pageOrdinaryOnly) {
            ++ordinaryOnly;
        } else if (gap) {
            ++gaps;
        } else if (known.count(page.Date)) {
            ++documented;
        } else {
            unexplained += page.Date + " " + page.Source + "\n  page:    " + Joined(page.Liturgy) +
                           " / " + Joined(page.Matins) + "\n  program: " + Joined(liturgy) + " / " +
                           Joined(matins) + "\n";
        }
    }
    std::cout << "[ readings ] " << pages.size() << " page-days compared, " << agreed << " agree, "
              << ordinaryOnly << " agree in the ordinary readings the page prints "
              << "alone, " << gaps << " print more saints' readings than the data holds, "
              << documented << " differ by a noted choice\n";
    EXPECT_EQ(unexplained, "") << "days that differ from their published calendar without a note";
    for (const auto& [date, why] : known)
        EXPECT_TRUE(seen.count(date)) << date << ": a noted difference for a day not compared";
}

// The Annunciation on a weekday of Holy Week is kept with the full Liturgy: the movable day's
// note of the Presanctified Liturgy gives way; the next day keeps it.
TEST_F(PublishedReadings, TheAnnunciationTakesNoPresanctifiedNote) {
    const auto notes = [&](int d) {
        std::string text;
        for (const DayEntry& e : calendar_.DayAt(DayNumber(kGregorian, d, 4, 2026)).Entries)
            if (e.Group == 4) text += e.Text;
        return text;
    };
    EXPECT_EQ(notes(7).find("Преждеосвященных"), std::string::npos) << notes(7);
    EXPECT_NE(notes(8).find("Преждеосвященных"), std::string::npos) << notes(8);
}

// With the zachala on, the day's report writes each reading's number after it.
TEST_F(PublishedReadings, TheZachalaSwitch) {
    calendar_.SelectDate(kGregorian, 2026, 10, 4);
    const std::string plain = calendar_.RenderText(ReportKind::Day);
    EXPECT_NE(plain.find("Ев. Мк. 8:34-9:1."), std::string::npos) << plain;
    calendar_.Settings().ShowZachala = true;
    const std::string numbered = calendar_.RenderText(ReportKind::Day);
    EXPECT_NE(numbered.find("Ев. Мк. 8:34-9:1 (зач. 37)."), std::string::npos) << numbered;
}

// The faults a reader notices first, over two centuries of days.
TEST_F(PublishedReadings, SweepOverTwoCenturies) {
    std::string lastSundayGospel;
    DayNum lastSunday = 0;
    int days = 0;
    for (DayNum day = DayNumber(kGregorian, 1, 1, 1901); day <= DayNumber(kGregorian, 31, 12, 2100);
         ++day, ++days) {
        const DayReadings r = Of(day);
        const auto liturgy = StartsOf(r, ServiceKind::Liturgy);
        // Every day has its readings, or says why it has none.
        ASSERT_TRUE(!liturgy.empty() || r.NoLiturgy != NoLiturgyKind::None)
            << DateOfDay(kGregorian, day).Year << "-" << DateOfDay(kGregorian, day).Month << "-"
            << DateOfDay(kGregorian, day).Day;
        // A Lenten announcement never stands beside a Liturgy of the day's own.
        if (r.NoLiturgy != NoLiturgyKind::None) {
            ASSERT_TRUE(std::none_of(liturgy.begin(), liturgy.end(), [](const std::string& s) {
                return s.starts_with("Мф.") || s.starts_with("Мк.") || s.starts_with("Лк.") ||
                       s.starts_with("Ин.");
            })) << day;
        }
        // No pericope read twice in one Liturgy.
        ASSERT_EQ(std::set<std::string>(liturgy.begin(), liturgy.end()).size(), liturgy.size())
            << "twice on day " << day << ": " << Joined(liturgy);
        // No Sunday reads the ordinary Gospel of the Sunday before it.
        if (WeekDayOf(day) == 7) {
            std::string gospel;
            for (const ServiceReadings& s : r.Services)
                if (s.Service == ServiceKind::Liturgy)
                    for (const Reading& reading : s.Readings)
                        if (reading.Kind == ReadingKind::Gospel &&
                            s.Groups[reading.Group].Role == GroupRole::Ordinary)
                            gospel = reading.Reference;
            if (!gospel.empty() && lastSunday == day - 7) {
                ASSERT_NE(gospel, lastSundayGospel)
                    << "the same Gospel two Sundays running: " << day;
            }
            if (!gospel.empty()) lastSunday = day;
            lastSundayGospel = gospel;
        }
    }
    EXPECT_EQ(days, 73049);
}

// A weekday's ordinary readings displaced by its feast are read on exactly one neighbouring day.
TEST_F(PublishedReadings, DisplacedReadingsLandOnOneNeighbour) {
    int moved = 0;
    for (DayNum day = DayNumber(kGregorian, 1, 1, 2000); day <= DayNumber(kGregorian, 31, 12, 2040);
         ++day) {
        const DayReadings r = Of(day);
        bool hasOrdinary = false, feastAlone = false;
        for (const ServiceReadings& s : r.Services) {
            if (s.Service != ServiceKind::Liturgy) continue;
            for (const ReadingGroup& g : s.Groups)
                hasOrdinary = hasOrdinary || g.Role == GroupRole::Ordinary;
            feastAlone = !s.Groups.empty() && !hasOrdinary;
        }
        if (!feastAlone || WeekDayOf(day) == 7) continue;
        int neighbours = 0;
        for (const DayNum n : {day - 1, day + 1}) {
            for (const ServiceReadings& s : Of(n).Services)
                for (const ReadingGroup& g : s.Groups)
                    if ((g.Role == GroupRole::NextDay && n == day - 1) ||
                        (g.Role == GroupRole::PriorDay && n == day + 1))
                        ++neighbours;
        }
        if (neighbours > 0) ++moved;
        ASSERT_LE(neighbours, 1) << day;
    }
    EXPECT_GT(moved, 100);
}

}  // namespace
}  // namespace velorith
