// The readings of a day from the lectionary as built into the Calendar folder: the great
// feasts and the principal Sundays in several years, the Lukan jump and the Sunday of the
// Canaanite woman as the lines show them, how a saint's readings join the day's, and a sweep
// over two centuries that every day has its Gospel (or says why not) and every reference names
// a real book and chapter.
#include "calendar/readings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "calendar/lectionary_cycle.h"
#include "calendar/scripture.h"
#include "data/ini_file.h"
#include "reports/day_phrases.h"

namespace velorith {
namespace {

const Lectionary& Data() {
    static const Lectionary lx =
        Lectionary::Load(std::filesystem::path(VELORITH_BUILT_DATA_DIR) / "Readings.DAT");
    return lx;
}

DayNum Julian(int d, int m, int y) {
    return DayNumber(kJulian, d, m, y);
}

constexpr ServiceKind kMatinsService = ServiceKind::Matins;
constexpr ServiceKind kFirstHourService = ServiceKind::FirstHour;
constexpr ServiceKind kSixthHourService = ServiceKind::SixthHour;
constexpr ServiceKind kVespersService = ServiceKind::Vespers;
constexpr ServiceKind kLiturgyService = ServiceKind::Liturgy;
constexpr NoLiturgyKind kNoLiturgy = NoLiturgyKind::NoLiturgy;
constexpr NoLiturgyKind kPresanctified = NoLiturgyKind::Presanctified;

std::string LineOf(const DayReadings& r, ServiceKind service) {
    for (const ServiceReadings& s : r.Services)
        if (s.Service == service) return ServiceLineText(s);
    return {};
}

std::string Liturgy(DayNum day, Rank rank = Rank::None) {
    return LineOf(ReadingsOf(Data(), day, rank), kLiturgyService);
}

std::string Matins(DayNum day, Rank rank = Rank::None) {
    return LineOf(ReadingsOf(Data(), day, rank), kMatinsService);
}

class Readings : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(Data().Empty()) << "Readings.DAT was not built"; }
};

TEST_F(Readings, PaschaAndThePentecostarion) {
    for (int year : {1960, 2021, 2024, 2025, 2090}) {
        const DayNum pascha = JulianPascha(year);
        const DayReadings p = ReadingsOf(Data(), pascha, Rank::GreatFeast);
        EXPECT_EQ(LineOf(p, kLiturgyService), "Лит.: Ап. Деян. 1:1-8. Ев. Ин. 1:1-17.");
        EXPECT_EQ(LineOf(p, kMatinsService), "");  // the Paschal Matins has no Gospel
        EXPECT_EQ(Liturgy(pascha + 7), "Лит.: Ап. Деян. 5:12-20. Ев. Ин. 20:19-31.");
        EXPECT_EQ(Matins(pascha + 7), "Утр.: Ев. Ин. 20:19-31.");
        EXPECT_EQ(Liturgy(pascha + 39), "Лит.: Ап. Деян. 1:1-12. Ев. Лк. 24:36-53.");
        EXPECT_EQ(Matins(pascha + 39), "Утр.: Ев. Мк. 16:9-20.");
        EXPECT_EQ(Liturgy(pascha + 49), "Лит.: Ап. Деян. 2:1-11. Ев. Ин. 7:37-52; 8:12.");
        EXPECT_EQ(Liturgy(pascha + 56),
                  "Лит.: Ап. Евр. 11:33-12:2. Ев. Мф. 10:32-33, 37-38; 19:27-30.");
        EXPECT_EQ(Matins(pascha + 56), "Утр.: Ев. Мф. 28:16-20.");
        EXPECT_EQ(Matins(pascha + 63), "Утр.: Ев. Мк. 16:1-8.");
    }
}

TEST_F(Readings, TheTriodionAndLent) {
    // 1931: the Meeting of the Lord on the Sunday of the Last Judgement, its readings first.
    EXPECT_EQ(JulianPascha(1931) - 56, Julian(2, 2, 1931));
    EXPECT_EQ(Liturgy(Julian(2, 2, 1931), Rank::GreatFeast),
              "Лит.: Праздника: Ап. Евр. 7:7-17. Ев. Лк. 2:22-40. Ряд. (под зачало): Ап. 1 Кор. "
              "8:8-9:2. Ев. Мф. 25:31-46.");
    for (int year : {1932, 2022, 2025}) {
        const DayNum pascha = JulianPascha(year);
        EXPECT_EQ(Liturgy(pascha - 70), "Лит.: Ап. 2 Тим. 3:10-15. Ев. Лк. 18:10-14.");
        EXPECT_EQ(Liturgy(pascha - 63), "Лит.: Ап. 1 Кор. 6:12-20. Ев. Лк. 15:11-32.");
        EXPECT_EQ(Liturgy(pascha - 56), "Лит.: Ап. 1 Кор. 8:8-9:2. Ев. Мф. 25:31-46.");
        EXPECT_EQ(Liturgy(pascha - 49), "Лит.: Ап. Рим. 13:11-14:4. Ев. Мф. 6:14-21.");
        EXPECT_EQ(Liturgy(pascha - 42), "Лит.: Ап. Евр. 11:24-26, 32-12:2. Ев. Ин. 1:43-51.");
        EXPECT_EQ(Liturgy(pascha - 28), "Лит.: Ап. Евр. 4:14-5:6. Ев. Мк. 8:34-9:1.");
        EXPECT_EQ(Liturgy(pascha - 7), "Лит.: Ап. Флп. 4:4-9. Ев. Ин. 12:1-18.");
        EXPECT_EQ(Matins(pascha - 7), "Утр.: Ев. Мф. 21:1-11, 15-17.");
        EXPECT_FALSE(Matins(pascha - 14).empty());  // Lent's Sundays keep the turn

        const DayReadings clean = ReadingsOf(Data(), pascha - 48, Rank::None);
        EXPECT_EQ(LineOf(clean, kSixthHourService), "6-й час: Ис. 1:1-20.");
        EXPECT_EQ(LineOf(clean, kVespersService), "Веч.: Быт. 1:1-13. Притч. 1:1-20.");
        EXPECT_EQ(LineOf(clean, kLiturgyService), "");
        EXPECT_EQ(clean.NoLiturgy, kNoLiturgy);
        EXPECT_EQ(ReadingsOf(Data(), pascha - 46, Rank::None).NoLiturgy, kPresanctified);
        EXPECT_EQ(ReadingsOf(Data(), pascha - 2, Rank::None).NoLiturgy, kNoLiturgy);
        // Great Monday: the Presanctified Liturgy has its Gospel.
        const DayReadings monday = ReadingsOf(Data(), pascha - 6, Rank::None);
        EXPECT_EQ(LineOf(monday, kLiturgyService), "Лит.: Ев. Мф. 24:3-35.");
        EXPECT_EQ(LineOf(monday, kSixthHourService), "6-й час: Иез. 1:1-20.");
        EXPECT_TRUE(monday.NoLiturgy == NoLiturgyKind::None);
        // The services come in the order of the day.
        ASSERT_EQ(monday.Services.size(), 4u);
        EXPECT_EQ(monday.Services[0].Service, kMatinsService);
        EXPECT_EQ(monday.Services[3].Service, kLiturgyService);
        // Great Thursday: Jeremiah at the First Hour (joined to Matins), not at the Sixth.
        const DayReadings thursday = ReadingsOf(Data(), pascha - 3, Rank::None);
        EXPECT_EQ(LineOf(thursday, kFirstHourService), "1-й час: Иер. 11:18-12:5, 9-11, 14-15.");
        EXPECT_EQ(LineOf(thursday, kSixthHourService), "");
        ASSERT_EQ(thursday.Services.size(), 4u);
        EXPECT_EQ(thursday.Services[1].Service, kFirstHourService);
    }
}

TEST_F(Readings, GreatFeastsOfTheLordReadTheirOwnAlone) {
    for (int year : {1999, 2020, 2023, 2024, 2051}) {
        EXPECT_EQ(Liturgy(Julian(25, 12, year), Rank::GreatFeast),
                  "Лит.: Ап. Гал. 4:4-7. Ев. Мф. 2:1-12.");
        EXPECT_EQ(Matins(Julian(25, 12, year)), "Утр.: Ев. Мф. 1:18-25.");
        EXPECT_EQ(Liturgy(Julian(6, 1, year), Rank::GreatFeast),
                  "Лит.: Ап. Тит. 2:11-14; 3:4-7. Ев. Мф. 3:13-17.");
        EXPECT_EQ(Liturgy(Julian(6, 8, year), Rank::GreatFeast),
                  "Лит.: Ап. 2 Пет. 1:10-19. Ев. Мф. 17:1-9.");
        EXPECT_EQ(Matins(Julian(6, 8, year)), "Утр.: Ев. Лк. 9:28-36.");
        EXPECT_EQ(Liturgy(Julian(14, 9, year), Rank::GreatFeast),
                  "Лит.: Ап. 1 Кор. 1:18-24. Ев. Ин. 19:6-11, 13-20, 25-28, 30-35.");
        // A saint's rank on the same day adds nothing.
        EXPECT_EQ(Liturgy(Julian(6, 8, year), Rank::Vigil), Liturgy(Julian(6, 8, year)));
    }
}

TEST_F(Readings, TheDormitionReadsItsOwnFirstOnASundayAndAloneOnAWeekday) {
    const std::string feast = "Лит.: Ап. Флп. 2:5-11. Ев. Лк. 10:38-42; 11:27-28.";
    // 15 August (old style) is a Sunday in 2022: the feast's, then the Sunday's.
    {
        const DayNum day = Julian(15, 8, 2022);
        const std::string line = Liturgy(day, Rank::GreatFeast);
        EXPECT_TRUE(
            line.starts_with("Лит.: Богородицы:" + feast.substr(std::string("Лит.:").size()) +
                             " Ряд. (под зачало): Ап. "))
            << line;
        const CyclePosition pos = PositionOf(day);
        const std::string ordinary =
            "Ев. " + std::string(Data().Gospel(pos.GospelWeek, pos.WeekDay));
        EXPECT_TRUE(line.ends_with(ordinary + ".")) << line;
        EXPECT_EQ(Matins(day, Rank::GreatFeast), "Утр.: Ев. Лк. 1:39-49, 56.");
    }
    // A Saturday (2021) and a Friday (2026): the feast's alone; the day's own are read the day
    // before, after that day's.
    for (const auto& [year, weekday] : {std::pair{2021, "субботу"}, std::pair{2026, "пятницу"}}) {
        const DayNum day = Julian(15, 8, year);
        EXPECT_EQ(Liturgy(day, Rank::GreatFeast), feast) << year;
        const CyclePosition pos = PositionOf(day);
        const CyclePosition eve = PositionOf(day - 1);
        const std::string expected =
            "Лит.: Ряд.: Ап. " + std::string(Data().Apostle(eve.ApostleWeek, eve.WeekDay)) +
            ". Ев. " + std::string(Data().Gospel(eve.GospelWeek, eve.WeekDay)) + ". Ряд. за " +
            weekday + " (под зачало): Ап. " +
            std::string(Data().Apostle(pos.ApostleWeek, pos.WeekDay)) + ". Ев. " +
            std::string(Data().Gospel(pos.GospelWeek, pos.WeekDay)) + ".";
        EXPECT_EQ(Liturgy(day - 1, Rank::None), expected) << year;
    }
    // The Beheading on a Wednesday (2019): its own alone.
    ASSERT_EQ(PositionOf(Julian(29, 8, 2019)).WeekDay, 3);
    EXPECT_EQ(Liturgy(Julian(29, 8, 2019), Rank::GreatFeast),
              "Лит.: Ап. Деян. 13:25-32. Ев. Мк. 6:14-30.");
    // When the Entry falls on a Monday, the Sunday before reads its own alone, and the
    // Monday's are read on the Tuesday.
    for (int year = 1990; year <= 2030; ++year) {
        const DayNum entry = Julian(21, 11, year);
        if (PositionOf(entry).WeekDay != 1) continue;
        const CyclePosition sunday = PositionOf(entry - 1);
        const std::string own = "Ев. " + std::string(Data().Gospel(sunday.GospelWeek, 7)) + ".";
        EXPECT_TRUE(Liturgy(entry - 1, Rank::None).ends_with(own)) << year;
        const CyclePosition monday = PositionOf(entry);
        const std::string moved = "Ряд. за понедельник (под зачало): Ап. " +
                                  std::string(Data().Apostle(monday.ApostleWeek, 1)) + ". Ев. " +
                                  std::string(Data().Gospel(monday.GospelWeek, 1)) + ".";
        EXPECT_NE(Liturgy(entry + 1, Rank::None).find(moved), std::string::npos) << year;
    }
}

TEST_F(Readings, ASaintIsReadAfterTheDayAtItsRank) {
    // 6 December 2022 (old style) is a Monday: at polyeleos the saint's after the day's.
    const DayNum nicholas = Julian(6, 12, 2022);
    const std::string plain = Liturgy(nicholas, Rank::None);
    const std::string polyeleos = Liturgy(nicholas, Rank::Polyeleos);
    ASSERT_TRUE(plain.starts_with("Лит.: ")) << plain;
    EXPECT_EQ(polyeleos, "Лит.: Ряд.: " + plain.substr(std::string("Лит.: ").size()) +
                             " Свт.: Ап. Евр. 13:17-21. Ев. Лк. 6:17-23.");
    EXPECT_EQ(plain.find("Евр. 13:17-21"), std::string::npos);
    // With a vigil on a weekday the saint's after the day's; on a Saturday alone, the day's
    // read on the Friday.
    const std::string alone = "Лит.: Ап. Евр. 13:17-21. Ев. Лк. 6:17-23.";
    EXPECT_EQ(Liturgy(nicholas, Rank::Vigil), polyeleos);
    // On a Saturday at polyeleos the saint's come first, then the day's.
    int saturdays = 0;
    for (int year = 2000; year <= 2040; ++year) {
        const DayNum day = Julian(6, 12, year);
        if (PositionOf(day).WeekDay != 6) continue;
        ++saturdays;
        const std::string day_only = Liturgy(day, Rank::None);
        ASSERT_TRUE(day_only.starts_with("Лит.: ")) << day_only;
        EXPECT_EQ(Liturgy(day, Rank::Polyeleos),
                  "Лит.: Свт.: Ап. Евр. 13:17-21. Ев. Лк. 6:17-23. Ряд. (под зачало): " +
                      day_only.substr(std::string("Лит.: ").size()))
            << year;
        EXPECT_EQ(Liturgy(day, Rank::Vigil), alone) << year;
        const std::string friday = LineOf(
            ReadingsOf(Data(), day - 1, Rank::None, {Rank::None, Rank::Vigil}), kLiturgyService);
        EXPECT_TRUE(friday.ends_with("Ряд. за субботу (под зачало): " +
                                     day_only.substr(std::string("Лит.: ").size())))
            << friday;
    }
    EXPECT_GT(saturdays, 3);
    // In Holy Week and Bright Week a saint's readings give way.
    int passion = 0;
    for (int year = 1901; year <= 2100; ++year) {
        const DayNum george = Julian(23, 4, year);
        const int off = george - JulianPascha(year);
        if (off < -6 || off > 6) continue;
        ++passion;
        EXPECT_EQ(Liturgy(george, Rank::Polyeleos), Liturgy(george, Rank::None)) << year;
    }
    EXPECT_GT(passion, 10);
    // The Forty Martyrs on a weekday of Lent: their readings at the Presanctified Liturgy.
    const DayNum martyrs = Julian(9, 3, 2022);  // Tuesday of the third week
    ASSERT_EQ(martyrs, JulianPascha(2022) - 33);
    const DayReadings lent = ReadingsOf(Data(), martyrs, Rank::Polyeleos);
    EXPECT_EQ(LineOf(lent, kLiturgyService), "Лит.: Ап. Евр. 12:1-10. Ев. Мф. 20:1-16.");
    EXPECT_EQ(LineOf(lent, kSixthHourService), "6-й час: Ис. 9:9-10:4.");
    EXPECT_TRUE(lent.NoLiturgy == NoLiturgyKind::None);
}

TEST_F(Readings, SundaysBeforeTheNativityAndAfterTheTheophany) {
    // 2022 (old style): 25 December is a Saturday; the Sunday before it is the 19th, the
    // Sunday of the Forefathers the 12th.
    EXPECT_EQ(Liturgy(Julian(19, 12, 2022)),
              "Лит.: Ап. Евр. 11:9-10, 17-23, 32-40. Ев. Мф. 1:1-25.");
    EXPECT_EQ(Liturgy(Julian(12, 12, 2022)), "Лит.: Ап. Кол. 3:4-11. Ев. Лк. 14:16-24.");
    // 6 January 2023 is a Thursday: the Sunday after is the 9th.
    EXPECT_EQ(Liturgy(Julian(9, 1, 2023)), "Лит.: Ап. Еф. 4:7-13. Ев. Мф. 4:12-17.");
    // 4 December 2017 (old style) would read the Great Supper that the Forefathers read a week
    // later: it reads the ten lepers.
    EXPECT_NE(Liturgy(Julian(4, 12, 2017)).find("Ев. Лк. 17:12-19."), std::string::npos)
        << Liturgy(Julian(4, 12, 2017));
    // The Sunday after the Exaltation reads the Cross's readings first, the day's "под зачало".
    const std::string cross = Liturgy(Julian(16, 9, 2024));
    EXPECT_TRUE(
        cross.starts_with("Лит.: Недели по Воздвижении: Ап. Гал. 2:16-20. Ев. Мк. "
                          "8:34-9:1. Ряд. (под зачало): "))
        << cross;
}

TEST_F(Readings, TheLukanJumpAndTheCanaaniteWomanInTheLines) {
    // Pascha 2024 was late: the Monday after the Sunday after the Exaltation begins Luke while
    // the Apostle reads its 15th week.
    EXPECT_EQ(Liturgy(Julian(17, 9, 2024)), "Лит.: Ап. Гал. 2:11-16. Ев. Лк. 3:19-22.");
    // Pascha 2026 was early: the Apostle is in its 19th week.
    EXPECT_EQ(Liturgy(Julian(22, 9, 2026)), "Лит.: Ап. Флп. 1:1-7. Ев. Лк. 3:19-22.");
    // Before the Publican of 2021: the Canaanite woman, then Zacchaeus.
    const DayNum publican = JulianPascha(2021) + kPublicanFromPascha;
    EXPECT_EQ(Liturgy(publican - 14), "Лит.: Ап. 1 Тим. 1:15-17. Ев. Мф. 15:21-28.");
    EXPECT_EQ(Liturgy(publican - 7), "Лит.: Ап. 1 Тим. 4:9-15. Ев. Лк. 19:1-10.");
    EXPECT_EQ(Liturgy(publican - 1), "Лит.: Ап. 2 Тим. 2:11-19. Ев. Лк. 18:2-8.");
    // 2010's Publican came with Luke's own count: no Canaanite woman before it.
    const DayNum early = JulianPascha(2010) + kPublicanFromPascha;
    EXPECT_EQ(Liturgy(early - 14).find("Мф. 15:21-28"), std::string::npos);
}

// ---- the sweep ----

struct Book {
    std::string_view Abbr;
    int Chapters;
};
constexpr Book kBooks[] = {
    {"Мф.", 28},    {"Мк.", 16},    {"Лк.", 24},    {"Ин.", 21},    {"Деян.", 28}, {"Рим.", 16},
    {"1 Кор.", 16}, {"2 Кор.", 13}, {"Гал.", 6},    {"Еф.", 6},     {"Флп.", 4},   {"Кол.", 4},
    {"1 Фес.", 5},  {"2 Фес.", 3},  {"1 Тим.", 6},  {"2 Тим.", 4},  {"Тит.", 3},   {"Флм.", 1},
    {"Евр.", 13},   {"Иак.", 5},    {"1 Пет.", 5},  {"2 Пет.", 3},  {"1 Ин.", 5},  {"2 Ин.", 1},
    {"3 Ин.", 1},   {"Иуд.", 1},    {"Быт.", 50},   {"Исх.", 40},   {"Иов", 42},   {"Притч.", 31},
    {"Ис.", 66},    {"Иер.", 52},   {"Иез.", 48},   {"Иоил.", 3},   {"Зах.", 14},  {"Чис.", 36},
    {"Нав.", 24},   {"Суд.", 21},   {"3 Цар.", 22}, {"4 Цар.", 25}, {"Вар.", 5},   {"Дан.", 14},
    {"Ион.", 4},    {"Мих.", 7},    {"Соф.", 3},
};

bool TakeNumber(std::string_view& s, int& n) {
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || n <= 0) return false;
    s.remove_prefix(static_cast<std::size_t>(ptr - s.data()));
    return true;
}

// An error message, empty when "Book C:V-V, V; C:V-C:V" names a real book and chapters.
std::string CheckReference(std::string_view ref) {
    const Book* book = nullptr;
    for (const Book& b : kBooks)
        if (ref.starts_with(std::string(b.Abbr) + " ") &&
            (book == nullptr || b.Abbr.size() > book->Abbr.size()))
            book = &b;
    if (book == nullptr) return "unknown book";
    std::string_view rest = ref.substr(book->Abbr.size() + 1);
    int chapter = 0;
    bool expectChapter = true;
    bool more = true;  // a separator promises another number
    while (!rest.empty()) {
        more = false;
        int n = 0;
        if (!TakeNumber(rest, n)) return "a number expected";
        if (expectChapter || rest.starts_with(":")) {
            if (!rest.starts_with(":")) return "a chapter without verses";
            if (n > book->Chapters) return "chapter " + std::to_string(n) + " out of range";
            chapter = n;
            rest.remove_prefix(1);
            if (!TakeNumber(rest, n)) return "a verse expected";
        }
        expectChapter = false;
        if (rest.starts_with("; ")) {
            rest.remove_prefix(2);
            expectChapter = more = true;
        } else if (rest.starts_with(", ") || rest.starts_with("-")) {
            rest.remove_prefix(rest.front() == '-' ? 1 : 2);
            more = true;
        } else if (!rest.empty()) {
            return "unexpected text";
        }
    }
    if (more) return "a number expected at the end";
    return chapter > 0 ? "" : "no chapter";
}

TEST(ReferenceCheck, TellsGoodFromBad) {
    EXPECT_EQ(CheckReference("Ин. 1:1-17"), "");
    EXPECT_EQ(CheckReference("Лк. 10:38-42; 11:27-28"), "");
    EXPECT_EQ(CheckReference("Гал. 1:1-10, 20-2:5"), "");
    EXPECT_EQ(CheckReference("1 Ин. 1:8-2:6"), "");
    EXPECT_EQ(CheckReference("Иов 38:1-23; 42:1-5"), "");
    EXPECT_NE(CheckReference("Ин. 22:1-5"), "");
    EXPECT_NE(CheckReference("Гал. 1:1-7:2"), "");
    EXPECT_NE(CheckReference("Ам. 3:1"), "");  // a book the lectionary never reads
    EXPECT_NE(CheckReference("Мф. 5"), "");
    EXPECT_NE(CheckReference("Мф. 5:1-"), "");
}

TEST_F(Readings, EveryDayOfTwoCenturiesHasItsGospelAndRealReferences) {
    int days = 0, withoutGospel = 0;
    std::map<std::string, std::string> bad;
    for (DayNum day = Julian(1, 1, 1901); day <= Julian(31, 12, 2100); ++day, ++days) {
        const DayReadings r = ReadingsOf(Data(), day, Rank::Vigil);
        const std::string liturgy = LineOf(r, kLiturgyService);
        const bool gospel = liturgy.find("Ев. ") != std::string::npos;
        if (!gospel) {
            ++withoutGospel;
            ASSERT_FALSE(r.NoLiturgy == NoLiturgyKind::None)
                << "no Gospel and no reason on day " << day;
        }
        const CyclePosition pos = PositionOf(day);
        if (WeekDayOf(day) == 7 && !(pos.Movable && pos.FromPascha == 0)) {
            ASSERT_FALSE(LineOf(r, kMatinsService).empty()) << "no Matins Gospel on " << day;
        }
        for (const ServiceReadings& s : r.Services) {
            ASSERT_FALSE(s.Readings.empty());
            for (const Reading& reading : s.Readings) {
                const std::string error = CheckReference(reading.Reference);
                if (!error.empty()) bad.emplace(reading.Reference, error);
                // Every reference of the lectionary reads as a book with verse spans.
                const ScriptureRef parsed = ParseReference(reading.Reference);
                if (parsed.BookKey.empty() || parsed.Spans.empty())
                    bad.emplace(reading.Reference, "not a book with verses");
            }
        }
    }
    EXPECT_EQ(days, 73050);
    EXPECT_TRUE(bad.empty()) << bad.size() << " bad references, the first: " << bad.begin()->first
                             << ": " << bad.begin()->second;
    // Lent's weekdays, Cheesefare's Wednesday and Friday and Great Friday: about 32 a year.
    EXPECT_GT(withoutGospel, 200 * 28);
    EXPECT_LT(withoutGospel, 200 * 36);
}

// The day a rule gives in a Julian year, counted out step by step.
DayNum NearDayCounted(const NearDayRule& rule, int year) {
    const DayNum base = DayNumber(kJulian, rule.Day, rule.Month, year);
    DayNum d = base + (rule.WeekDay > 0 ? 1 : -1);
    while (WeekDayOf(d) != std::abs(rule.WeekDay))
        d += rule.WeekDay > 0 ? 1 : -1;
    return d;
}

TEST(ReadingsData, RulesNearADateAreFoundOnTheirDaysThroughTheIndex) {
    // Every weekday rule of dates around the ends of the months, those past a month's end
    // included; over leap and common years and the turn of the year.
    std::string text = "[Near]\n";
    int n = 0;
    for (const int month : {1, 2, 3, 4, 12}) {
        for (const int day : {1, 2, 28, 29, 30, 31}) {
            for (const int wd : {-7, -6, -3, 1, 6, 7}) {
                ++n;
                text += std::to_string(n) + ".when=" + std::to_string(day) + "." +
                        std::to_string(month) + "." + std::to_string(wd) + "\n";
                text += std::to_string(n) + ".a=x" + std::to_string(n) + "\n";
            }
        }
    }
    const Lectionary lx = Lectionary::FromIni(IniFile::FromText(text));
    ASSERT_EQ(lx.NearDays().size(), static_cast<std::size_t>(n));
    int found = 0;
    for (DayNum day = Julian(1, 12, 2022); day <= Julian(31, 3, 2025); ++day) {
        std::vector<const NearDayRule*> counted;
        const int year = JulianYearOfDay(day);
        for (const NearDayRule& rule : lx.NearDays()) {
            for (int y = year - 1; y <= year + 1; ++y)
                if (NearDayCounted(rule, y) == day) counted.push_back(&rule);
        }
        ASSERT_EQ(lx.NearRulesOn(day), counted) << day;
        found += static_cast<int>(counted.size());
    }
    EXPECT_GT(found, n * 2);
}

TEST(ReadingsData, MissingOrMalformedLectionaryReadsAsEmpty) {
    const Lectionary missing = Lectionary::Load("/nonexistent/Readings.DAT");
    EXPECT_TRUE(missing.Empty());
    const DayReadings none = ReadingsOf(missing, JulianPascha(2024), Rank::GreatFeast);
    EXPECT_TRUE(none.Services.empty());

    const Lectionary junk = Lectionary::FromIni(
        IniFile::FromText("[Apostle]\n0.1=x\n34.1=x\n1.8=x\n1.=x\n.1=x\n99999999999.1=x\n=\n"
                          "[Movable]\n-71.a=x\n50.g=x\n0.q=x\nabc.a=x\n"
                          "[Fixed]\n0.1.a=x\n1.13.a=x\n1.1.0.a=x\n1.1.10.a=x\n"
                          "[Near]\n1.when=1.1.0\n2.when=garbage\n3.when=25.12.-8\n4.a=Ин. 1:1\n"
                          "[Matins]\n0=x\n12=x\n"));
    EXPECT_TRUE(junk.Empty());
    for (DayNum day = Julian(1, 1, 2024); day <= Julian(31, 12, 2024); ++day)
        EXPECT_TRUE(ReadingsOf(junk, day, Rank::Vigil).Services.empty());
}

}  // namespace
}  // namespace velorith

namespace velorith {
namespace {

// When the Exaltation falls on a Sunday, the Sunday after it is a full week later, and the
// Sunday before it a full week earlier: a near-weekday rule never gives the feast's own day.
TEST_F(Readings, TheSundaysAboutTheExaltationWhenItIsASunday) {
    int years = 0;
    for (int y = 1901; y <= 2100; ++y) {
        const DayNum exaltation = Julian(14, 9, y);
        if (WeekDayOf(exaltation) != 7) continue;
        ++years;
        EXPECT_NE(Liturgy(exaltation + 7).find("Гал. 2:16-20"), std::string::npos) << y;
        EXPECT_NE(Liturgy(exaltation - 7).find("Гал. 6:11-18"), std::string::npos) << y;
        EXPECT_EQ(Liturgy(exaltation).find("Гал. 2:16-20"), std::string::npos) << y;
        EXPECT_EQ(Liturgy(exaltation).find("Гал. 6:11-18"), std::string::npos) << y;
    }
    EXPECT_GT(years, 20);
}

}  // namespace
}  // namespace velorith

namespace velorith {
namespace {

// The lectionary's own fields: labels, numbered sets of one date, zachala, the Royal Hours and
// the phrases of the labels, read from a text the test writes.
TEST(ReadingsData, LabelsSetsZachalaAndHours) {
    const Lectionary lx = Lectionary::FromIni(IniFile::FromText(
        "[Fixed]\n"
        "1.8.label=Креста\n1.8.order=own\n1.8.a=1 Кор. 1:18-24 (125)\n1.8.g=Ин. 19:6-11 (60)\n"
        "1.8.2.label=Мчч.\n1.8.2.read=always\n1.8.2.a=Евр. 11:33-12:2 (330) + Рим. 8:28-39\n"
        "1.8.2.g=Мф. 10:32-36; 11:1\n"
        "5.8.3.a=orphan\n"
        "24.12.h1=Мих. 5:2-4 + Евр. 1:1-12 (303) + Мф. 1:18-25 (2)\n24.12.order=own\n"
        "24.12.v=Быт. 1:1-13\n24.12.a=Евр. 1:1-12\n24.12.g=Лк. 2:1-20\n"
        "[Labels]\nordinary=Ряд.\nafter=Ряд. (под зачало)\nmoved=Ряд. за {day} (под зачало)\n"
        "day3=среду\nhour1=Час 1-й\n"));
    const auto cross = lx.Fixed(1, 8);
    ASSERT_EQ(cross.size(), 2u);
    EXPECT_EQ(cross[0].Label, "Креста");
    EXPECT_EQ(cross[0].Apostle.front(), (Lection{"1 Кор. 1:18-24", 125}));
    EXPECT_EQ(cross[1].Label, "Мчч.");
    EXPECT_TRUE(cross[1].Always);
    ASSERT_EQ(cross[1].Apostle.size(), 2u);
    EXPECT_EQ(cross[1].Apostle[1], (Lection{"Рим. 8:28-39", 0}));
    EXPECT_EQ(cross[1].Gospel.front().Reference, "Мф. 10:32-36; 11:1");
    // A set numbered past a gap stands alone; it is not lost.
    EXPECT_EQ(lx.Fixed(5, 8).size(), 1u);
    EXPECT_TRUE(lx.Fixed(24, 12).front().HasRoyalHours());
    EXPECT_EQ(lx.Labels().Moved, "Ряд. за {day} (под зачало)");
    EXPECT_EQ(lx.Labels().ForDay[2], "среду");
    EXPECT_EQ(lx.Labels().Hours[0], "Час 1-й");
    EXPECT_EQ(ParseLections("Ин. 1:1-17 (1) + Лк. 2:1 (x) + Мф. 1:1 ()"),
              (std::vector<Lection>{{"Ин. 1:1-17", 1}, {"Лк. 2:1 (x)", 0}, {"Мф. 1:1 ()", 0}}));

    // The Procession of the Cross on a weekday (a Tuesday in 2018) reads the Cross's and the
    // martyrs' in place of the day's; the groups carry their labels.
    const DayNum tuesday = Julian(1, 8, 2018);
    ASSERT_EQ(WeekDayOf(tuesday), 2);
    const DayReadings r = ReadingsOf(lx, tuesday, Rank::None);
    EXPECT_EQ(LineOf(r, kLiturgyService),
              "Лит.: Креста: Ап. 1 Кор. 1:18-24. Ев. Ин. 19:6-11. Мчч.: Ап. Евр. 11:33-12:2. "
              "Ап. Рим. 8:28-39. Ев. Мф. 10:32-36; 11:1.");
    // The eve on a weekday: the Royal Hours, each reading's kind by its book.
    const DayReadings eve = ReadingsOf(lx, Julian(24, 12, 2025), Rank::None);
    ASSERT_FALSE(eve.Services.empty());
    const auto hours = std::find_if(eve.Services.begin(), eve.Services.end(), [](const auto& s) {
        return s.Service == ServiceKind::RoyalHours;
    });
    ASSERT_NE(hours, eve.Services.end());
    ASSERT_EQ(hours->Readings.size(), 3u);
    EXPECT_EQ(hours->Readings[0].Kind, ReadingKind::OldTestament);
    EXPECT_EQ(hours->Readings[1].Kind, ReadingKind::Apostle);
    EXPECT_EQ(hours->Readings[2].Kind, ReadingKind::Gospel);
    EXPECT_EQ(hours->Readings[2].Zachalo, 2);
    // With the zachala on, each reading carries its number.
    EXPECT_EQ(ServiceLineText(*hours, PhrasesOf(), {true}),
              "Царские часы: Мих. 5:2-4. Ап. Евр. 1:1-12 (зач. 303). Ев. Мф. 1:18-25 (зач. 2).");
    EXPECT_EQ(ServiceLineText(*hours),
              "Царские часы: Мих. 5:2-4. Ап. Евр. 1:1-12. Ев. Мф. 1:18-25.");
}

// Each field of a set lands in its own list, named as the data names it.
TEST(ReadingsData, EveryFieldFillsItsOwnList) {
    const Lectionary lx = Lectionary::FromIni(IniFile::FromText(
        "[Fixed]\n1.9.a=A\n1.9.g=G\n1.9.m=M\n1.9.f=F\n1.9.h=H\n1.9.v=V\n1.9.wa=WA\n"
        "1.9.wg=WG\n1.9.h1=H1\n1.9.h3=H3\n1.9.h6=H6\n1.9.h9=H9\n1.9.x=unknown\n"));
    ASSERT_EQ(lx.Fixed(1, 9).size(), 1u);
    const ReadingSet& set = lx.Fixed(1, 9).front();
    const auto only = [](const std::vector<Lection>& list) {
        return list.size() == 1 ? list.front().Reference : std::string("-");
    };
    EXPECT_EQ(only(set.Apostle), "A");
    EXPECT_EQ(only(set.Gospel), "G");
    EXPECT_EQ(only(set.Matins), "M");
    EXPECT_EQ(only(set.FirstHour), "F");
    EXPECT_EQ(only(set.SixthHour), "H");
    EXPECT_EQ(only(set.Vespers), "V");
    EXPECT_EQ(only(set.WeekendApostle), "WA");
    EXPECT_EQ(only(set.WeekendGospel), "WG");
    EXPECT_EQ(only(set.RoyalHours[0]), "H1");
    EXPECT_EQ(only(set.RoyalHours[1]), "H3");
    EXPECT_EQ(only(set.RoyalHours[2]), "H6");
    EXPECT_EQ(only(set.RoyalHours[3]), "H9");
}

// The shipped lectionary: the days the readers found wrong print as published calendars do.
TEST_F(Readings, EvesFeastsAndMovesAsPublishedCalendarsPrintThem) {
    // The Nativity eve on a Tuesday (2026): the Royal Hours, Vespers and St Basil's Liturgy
    // readings, not the Tuesday's.
    const DayReadings eve = ReadingsOf(Data(), Julian(24, 12, 2025), Rank::None);
    EXPECT_EQ(eve.Services.at(0).Service, ServiceKind::RoyalHours);
    EXPECT_EQ(LineOf(eve, kLiturgyService), "Лит.: Ап. Евр. 1:1-12. Ев. Лк. 2:1-20.");
    // On a Saturday (2023, the 24th old style): the Royal Hours on the Friday, a day without a
    // Liturgy; the eve's Liturgy reads the Saturday before the Nativity.
    const DayNum saturday = Julian(24, 12, 2023);
    ASSERT_EQ(WeekDayOf(saturday), 6);
    const DayReadings friday = ReadingsOf(Data(), saturday - 1, Rank::None);
    EXPECT_EQ(friday.Services.at(0).Service, ServiceKind::RoyalHours);
    EXPECT_EQ(friday.NoLiturgy, kNoLiturgy);
    EXPECT_EQ(LineOf(ReadingsOf(Data(), saturday, Rank::None), kLiturgyService),
              "Лит.: Ап. Гал. 3:8-12. Ев. Лк. 13:18-29.");
    // The Theophany eve on a Monday (2027): its Vespers and Liturgy, not the Monday's.
    const DayReadings theophany = ReadingsOf(Data(), Julian(5, 1, 2027), Rank::None);
    EXPECT_EQ(LineOf(theophany, kLiturgyService), "Лит.: Ап. 1 Кор. 9:19-27. Ев. Лк. 3:1-18.");
    // The Transfiguration on a Wednesday (2026): the Tuesday reads the Wednesday's too.
    const std::string tuesday = Liturgy(Julian(5, 8, 2026));
    EXPECT_NE(tuesday.find("Ряд. за среду (под зачало): "), std::string::npos) << tuesday;
    // The Protection on a Thursday (2027): the Wednesday reads the Thursday's.
    EXPECT_NE(Liturgy(Julian(30, 9, 2027)).find("Ряд. за четверг (под зачало): "),
              std::string::npos);
    // Great Friday: the Royal Hours of the Passion.
    const DayReadings greatFriday = ReadingsOf(Data(), JulianPascha(2026) - 2, Rank::None);
    EXPECT_EQ(greatFriday.Services.at(0).Service, ServiceKind::RoyalHours);
    // The Annunciation on Great Tuesday (2026): no Presanctified announcement.
    EXPECT_EQ(ReadingsOf(Data(), Julian(25, 3, 2026), Rank::GreatFeast).NoLiturgy,
              NoLiturgyKind::None);
    // Zacchaeus keeps his Gospel on the Sunday after the Theophany (12 January 2026).
    EXPECT_NE(Liturgy(Julian(12, 1, 2026)).find("Лк. 19:1-10"), std::string::npos);
    // No Sunday reads Лк. 5:1-11 twice running (2026).
    EXPECT_NE(Liturgy(Julian(21, 9, 2026)), Liturgy(Julian(28, 9, 2026)));
}

}  // namespace
}  // namespace velorith

namespace velorith {
namespace {

// The saints a movable day keeps are read after the day's, under their label: St Theodore's
// Saturday, the Sunday of St Gregory Palamas, the Saturday of the Akathist and the Sunday of
// All Saints of Russia (the second after Pentecost, past the Triodion's keys).
TEST_F(Readings, AMovableDayReadsItsSaintsAfterItsOwn) {
    for (int year : {2020, 2021, 2023}) {
        const DayNum pascha = JulianPascha(year);
        EXPECT_EQ(Liturgy(pascha - 43),
                  "Лит.: Ряд.: Ап. Евр. 1:1-12. Ев. Мк. 2:23-3:5. Вмч.: Ап. "
                  "2 Тим. 2:1-10. Ев. Ин. 15:17-16:2.")
            << year;
        EXPECT_EQ(Liturgy(pascha - 35),
                  "Лит.: Ряд.: Ап. Евр. 1:10-2:3. Ев. Мк. 2:1-12. Свт.: Ап. "
                  "Евр. 7:26-8:2. Ев. Ин. 10:9-16.")
            << year;
        EXPECT_EQ(Liturgy(pascha - 15),
                  "Лит.: Ряд.: Ап. Евр. 9:24-28. Ев. Мк. 8:27-31. "
                  "Богородицы: Ап. Евр. 9:1-7. Ев. Лк. 10:38-42; 11:27-28.")
            << year;
        EXPECT_EQ(Liturgy(pascha + 63),
                  "Лит.: Ряд.: Ап. Рим. 2:10-16. Ев. Мф. 4:18-23. Свв.: Ап. "
                  "Евр. 11:33-12:2. Ев. Мф. 4:25-5:12.")
            << year;
        // The Sunday keeps its Resurrection Gospel at Matins; the week's days keep no saint.
        EXPECT_EQ(Matins(pascha + 63), "Утр.: Ев. Мк. 16:1-8.");
        EXPECT_EQ(Liturgy(pascha + 62).find("Мф. 4:25-5:12"), std::string::npos) << year;
        EXPECT_EQ(Liturgy(pascha - 42).find("Ин. 10:9-16"), std::string::npos) << year;
    }
    // The Annunciation on the Saturday of the Akathist reads its own before the day's, in
    // place of the Theotokos's readings of the Akathist.
    int annunciations = 0;
    for (int year = 1901; year <= 2100; ++year) {
        const DayNum akathist = JulianPascha(year) - 15;
        if (akathist != Julian(25, 3, year)) continue;
        ++annunciations;
        const std::string line = Liturgy(akathist, Rank::GreatFeast);
        EXPECT_TRUE(line.starts_with("Лит.: Благовещения: Ап. Евр. 2:11-18.")) << line;
        EXPECT_EQ(line.find("Евр. 9:1-7"), std::string::npos) << line;
    }
    EXPECT_GT(annunciations, 0);
    // 2024: the Nativity of the Forerunner on the Sunday of All Saints of Russia reads its
    // own, then the Sunday's.
    ASSERT_EQ(JulianPascha(2024) + 63, Julian(24, 6, 2024));
    EXPECT_EQ(Liturgy(Julian(24, 6, 2024)).find("Мф. 4:25-5:12"), std::string::npos);
}

// The third finding of the Forerunner's head (25 May) is kept on the Thursday before Pentecost
// and on the Friday before the Sunday of All Saints when either falls on it; otherwise on its
// date. Read once a year in any case, unless the Ascension takes its date.
TEST_F(Readings, TheForerunnersHeadIsKeptEarlierWhenAFeastOfPentecostHidesIt) {
    const std::string own = "Предтечи: Ап. 2 Кор. 4:6-15. Ев. Мф. 11:2-15.";
    const auto reads = [&](DayNum day) { return Liturgy(day).find(own) != std::string::npos; };
    // 2020: 25 May on Pentecost; the Thursday, 22 May, of the seventh week reads it.
    ASSERT_EQ(Julian(25, 5, 2020), JulianPascha(2020) + 49);
    EXPECT_EQ(Liturgy(Julian(22, 5, 2020)),
              "Лит.: Ряд.: Ап. Деян. 25:13-19. Ев. Ин. 16:23-33. " + own);
    EXPECT_EQ(Matins(Julian(22, 5, 2020)), "Утр.: Ев. Лк. 7:17-30.");
    EXPECT_FALSE(reads(Julian(25, 5, 2020)));
    // 2015 and 2026: on the Sunday of All Saints; the Friday, 23 May, reads it.
    for (int year : {2015, 2026}) {
        ASSERT_EQ(Julian(25, 5, year), JulianPascha(year) + 56);
        EXPECT_EQ(Liturgy(Julian(23, 5, year)),
                  "Лит.: Ряд.: Ап. Рим. 2:14-29. Ев. Мф. 5:33-41. " + own);
        EXPECT_EQ(Matins(Julian(23, 5, year)), "Утр.: Ев. Лк. 7:17-30.");
        EXPECT_FALSE(reads(Julian(25, 5, year))) << Liturgy(Julian(25, 5, year));
    }
    // 2021: on a Monday, its own date.
    EXPECT_TRUE(reads(Julian(25, 5, 2021)));
    EXPECT_FALSE(reads(Julian(23, 5, 2021)));
    for (int year = 1901; year <= 2100; ++year) {
        int days = 0;
        for (DayNum d = Julian(20, 5, year); d <= Julian(25, 5, year); ++d)
            days += reads(d) ? 1 : 0;
        const bool ascension = Julian(25, 5, year) == JulianPascha(year) + 39;
        EXPECT_EQ(days, ascension ? 0 : 1) << year;
    }
}

// The Exaltation on a Sunday reads its own alone: the Saturday before it reads the Sunday's
// ordinary pair after its own, and the Friday the Saturday's. On a weekday the Saturday before it
// keeps its own pair.
TEST_F(Readings, TheExaltationOnASundayMovesTheSundaysPairToTheSaturday) {
    // 2020: 14 September (old style) is a Sunday.
    ASSERT_EQ(WeekDayOf(Julian(14, 9, 2020)), 7);
    EXPECT_EQ(Liturgy(Julian(13, 9, 2020)),
              "Лит.: Субботы пред Воздвижением: Ап. 1 Кор. 2:6-9. Ев. Мф. 10:37-11:1. Ряд. за "
              "воскресенье (под зачало): Ап. 2 Кор. 6:1-10. Ев. Мф. 25:14-30. Обновления: Ап. Евр. "
              "3:1-4. Ев. Мф. 16:13-18.");
    EXPECT_EQ(
        Liturgy(Julian(12, 9, 2020)),
        "Лит.: Ряд.: Ап. Еф. 1:7-17. Ев. Мк. 8:1-10. Ряд. за субботу (под зачало): Ап. 1 Кор. "
        "10:23-28. Ев. Мф. 24:34-44. Богородицы: Ап. Флп. 2:5-11. Ев. Лк. 10:38-42; "
        "11:27-28.");
    EXPECT_EQ(Liturgy(Julian(14, 9, 2020), Rank::GreatFeast),
              "Лит.: Ап. 1 Кор. 1:18-24. Ев. Ин. 19:6-11, 13-20, 25-28, 30-35.");
    // 2021: on a Monday; the Saturday before reads its own pair after the Cross's.
    ASSERT_EQ(WeekDayOf(Julian(14, 9, 2021)), 1);
    EXPECT_NE(Liturgy(Julian(12, 9, 2021)).find("Ряд. (под зачало): "), std::string::npos);
    EXPECT_EQ(Liturgy(Julian(11, 9, 2021)).find("за субботу"), std::string::npos);
    int sundays = 0;
    for (int year = 1901; year <= 2100; ++year) {
        const DayNum feast = Julian(14, 9, year);
        if (WeekDayOf(feast) != 7) continue;
        ++sundays;
        EXPECT_NE(Liturgy(feast - 1).find("Ряд. за воскресенье (под зачало): "), std::string::npos)
            << year;
        EXPECT_NE(Liturgy(feast - 2).find("Ряд. за субботу (под зачало): "), std::string::npos)
            << year;
    }
    EXPECT_GT(sundays, 20);
}

// Great Saturday's Matins reads two Apostles before its Gospel; each reading keeps its kind.
TEST_F(Readings, GreatSaturdaysMatinsReadsApostlesBeforeItsGospel) {
    const DayReadings r = ReadingsOf(Data(), JulianPascha(2026) - 1, Rank::None);
    EXPECT_EQ(LineOf(r, kMatinsService),
              "Утр.: Ап. 1 Кор. 5:6-8. Ап. Гал. 3:13-14. Ев. Мф. 27:62-66.");
    ASSERT_EQ(r.Services.front().Service, kMatinsService);
    const auto& matins = r.Services.front().Readings;
    ASSERT_EQ(matins.size(), 3u);
    EXPECT_EQ(matins[0].Kind, ReadingKind::Apostle);
    EXPECT_EQ(matins[0].Zachalo, 133);
    EXPECT_EQ(matins[1].Kind, ReadingKind::Apostle);
    EXPECT_EQ(matins[2].Kind, ReadingKind::Gospel);
    // A saint's Matins Gospel stays a Gospel (St Nicholas, 6 December).
    const DayReadings nicholas = ReadingsOf(Data(), Julian(6, 12, 2022), Rank::Polyeleos);
    for (const ServiceReadings& s : nicholas.Services) {
        if (s.Service != kMatinsService) continue;
        ASSERT_FALSE(s.Readings.empty());
        for (const Reading& reading : s.Readings)
            EXPECT_EQ(reading.Kind, ReadingKind::Gospel);
    }
}

// A movable day's numbered sets: "N.2" holds a saint's readings beside the day's own; those
// sets reach past Pentecost, the day's own do not; a bad number is passed by.
TEST(ReadingsData, MovableDaysKeepTheirSaintsApart) {
    const Lectionary lx = Lectionary::FromIni(
        IniFile::FromText("[Movable]\n-43.a=Евр. 1:1-12\n-43.2.label=Вмч.\n-43.2.read=always\n"
                          "-43.2.a=2 Тим. 2:1-10 (292)\n-43.3.g=Ин. 1:1\n63.2.g=Мф. 4:25-5:12\n"
                          "63.a=Рим. 1:1\n64.2.a=x\n-43.0.a=x\n-43.10.a=x\n-43.x.a=x\n"));
    ASSERT_NE(lx.Movable(-43), nullptr);
    EXPECT_EQ(lx.Movable(-43)->Label, "");
    EXPECT_EQ(lx.Movable(-43)->Apostle.size(), 1u);
    const auto saints = lx.MovableSaints(-43);
    ASSERT_EQ(saints.size(), 2u);
    EXPECT_EQ(saints[0].Label, "Вмч.");
    EXPECT_TRUE(saints[0].Always);
    EXPECT_EQ(saints[0].Apostle.front(), (Lection{"2 Тим. 2:1-10", 292}));
    EXPECT_EQ(saints[1].Gospel.front().Reference, "Ин. 1:1");
    EXPECT_EQ(lx.MovableSaints(63).size(), 1u);
    EXPECT_EQ(lx.Movable(63), nullptr);
    EXPECT_TRUE(lx.MovableSaints(64).empty());
    EXPECT_TRUE(lx.MovableSaints(-42).empty());
    EXPECT_FALSE(lx.Empty());
    EXPECT_TRUE(Lectionary::FromIni(IniFile::FromText("[Movable]\n64.2.a=x\n-71.2.a=x\n")).Empty());
}

}  // namespace
}  // namespace velorith
