#include "calendar/fast_rules.h"

#include "reckoning/movable_days.h"

namespace velorith {
namespace {

using namespace movable;

// Short names that keep the table in columns.
// clang-format off
constexpr FastLevel nil  = FastLevel::None;      // no line
constexpr FastLevel Free = FastLevel::FastFree;  // Поста нет.
constexpr FastLevel Meat = FastLevel::NoMeat;    // Исключается мясо.
constexpr FastLevel Fish = FastLevel::Fish;      // Разрешается рыба.
constexpr FastLevel Roe  = FastLevel::Caviar;    // Разрешается рыбная икра.
constexpr FastLevel Oil  = FastLevel::Oil;       // Пища с растительным маслом.
constexpr FastLevel Hot  = FastLevel::HotNoOil;  // Горячая пища без масла.
constexpr FastLevel Dry  = FastLevel::Dry;       // Сухоядение.
constexpr FastLevel Abst = FastLevel::Total;     // Воздержание от пищи.
// clang-format on

constexpr PaschaSpan P(int from, int to) {
    return {from, to};
}
constexpr PaschaSpan P(int day) {
    return {day, day};
}
constexpr DateSpan D(int from, int to) {
    return {from, to};
}
constexpr DateSpan D(int date) {
    return {date, date};
}
constexpr PaschaSpan anyP = kAnyPaschaDay;
constexpr DateSpan anyD = kAnyDate;

// The order matters: a day of its own stands above the stretch it falls in. The Apostles' fast
// runs from the Monday after All Saints (P+57) to 28 June; its span is written as both.
// clang-format off
constexpr FastRule kRules[] = {
    // period                                                Pascha       Julian date     Mon   Tue   Wed   Thu   Fri   Sat   Sun     doxology, polyeleos
    // Weeks without a fast: Wednesday and Friday are not kept.
    {FastPeriod::Christmastide,                               anyP,                                           D(1225, 104),  {nil,  nil,  Free, nil,  Free, nil,  nil }, nil,  nil},
    {FastPeriod::Theophany,                                   anyP,                                           D(106),        {nil,  nil,  Free, nil,  Free, nil,  nil }, nil,  nil},
    {FastPeriod::FastFreeWeek,                                P(kPublicanSunday, kPublicanSunday + 6),        anyD,          {nil,  nil,  Free, nil,  Free, nil,  nil }, nil,  nil},
    {FastPeriod::BrightWeek,                                  P(kPascha, kBrightSaturday),                    anyD,          {nil,  nil,  Free, nil,  Free, nil,  nil }, nil,  nil},
    {FastPeriod::FastFreeWeek,                                P(kPentecost, kPentecost + 6),                  anyD,          {nil,  nil,  Free, nil,  Free, nil,  nil }, nil,  nil},
    // The one-day fasts; the eves are eased on a Saturday or Sunday.
    {FastPeriod::TheophanyEve,                                anyP,                                           D(105),        {Dry,  Dry,  Dry,  Dry,  Dry,  Oil,  Oil }, nil,  nil},
    {FastPeriod::NativityEve,                                 anyP,                                           D(1224),       {Dry,  Dry,  Dry,  Dry,  Dry,  Oil,  Oil }, nil,  nil},
    {FastPeriod::Beheading,                                   anyP,                                           D(829),        {Oil,  Oil,  Oil,  Oil,  Oil,  Oil,  Oil }, nil,  nil},
    {FastPeriod::Exaltation,                                  anyP,                                           D(914),        {Oil,  Oil,  Oil,  Oil,  Oil,  Oil,  Oil }, nil,  nil},
    {FastPeriod::Transfiguration,                             anyP,                                           D(806),        {Fish, Fish, Fish, Fish, Fish, Fish, Fish}, nil,  nil},
    // Great Lent and Holy Week: their feasts first, then the weeks.
    {FastPeriod::AnnunciationInLent,                          P(kCleanMonday, kPalmSunday),                   D(325),        {Fish, Fish, Fish, Fish, Fish, Fish, Fish}, nil,  nil},
    {FastPeriod::AnnunciationInHolyWeek,                      P(kHolyMonday, kGreatSaturday),                 D(325),        {Oil,  Oil,  Oil,  Oil,  Abst, Oil,  nil }, nil,  nil},
    {FastPeriod::LazarusSaturday,                             P(kLazarusSaturday),                            anyD,          {Roe,  Roe,  Roe,  Roe,  Roe,  Roe,  Roe }, nil,  nil},
    {FastPeriod::PalmSunday,                                  P(kPalmSunday),                                 anyD,          {Fish, Fish, Fish, Fish, Fish, Fish, Fish}, nil,  nil},
    {FastPeriod::GreatCanonThursday,                          P(kGreatCanonThursday),                         anyD,          {Oil,  Oil,  Oil,  Oil,  Oil,  Oil,  Oil }, nil,  nil},
    // The Great Canon is read on the Tuesday when its Thursday is the Annunciation.
    {FastPeriod::GreatCanonTuesday,                           P(kGreatCanonThursday - 2),                     D(323),        {Oil,  Oil,  Oil,  Oil,  Oil,  Oil,  Oil }, nil,  nil},
    {FastPeriod::LentFirstWeek,                               P(kCleanMonday, kFirstLentSunday),              anyD,          {Abst, Dry,  Dry,  Dry,  Dry,  Oil,  Oil }, nil,  Oil},
    {FastPeriod::Lent,                                        P(kFirstLentSunday + 1, kLastLentFriday),       anyD,          {Dry,  Hot,  Dry,  Hot,  Dry,  Oil,  Oil }, nil,  Oil},
    {FastPeriod::HolyWeek,                                    P(kHolyMonday, kGreatSaturday),                 anyD,          {Dry,  Dry,  Dry,  Oil,  Abst, Dry,  nil }, nil,  nil},
    {FastPeriod::CheesefareWeek,                              P(kCheesefareMonday, kCheesefareSunday),        anyD,          {Meat, Meat, Meat, Meat, Meat, Meat, Meat}, nil,  nil},
    // From Thomas Sunday to Pentecost Wednesday and Friday allow fish.
    {FastPeriod::FastDay,                                     P(kThomasSunday, kTrinitySaturday),             anyD,          {nil,  nil,  Fish, nil,  Fish, nil,  nil }, nil,  nil},
    // The fasts of many days.
    {FastPeriod::ApostlesFast,                                P(kApostlesFastEve, 400),                       D(101, 628),   {Hot,  Fish, Dry,  Fish, Dry,  Fish, Fish}, Oil,  Fish},
    {FastPeriod::DormitionFast,                               anyP,                                           D(801, 814),   {Dry,  Hot,  Dry,  Hot,  Dry,  Oil,  Oil }, nil,  Oil},
    {FastPeriod::NativityFast,                                anyP,                                           D(1115, 1206), {Hot,  Fish, Dry,  Fish, Dry,  Fish, Fish}, Oil,  Fish},
    {FastPeriod::NativityFast,                                anyP,                                           D(1207, 1219), {Hot,  Oil,  Dry,  Oil,  Dry,  Fish, Fish}, Oil,  Fish},
    {FastPeriod::NativityFast,                                anyP,                                           D(1220, 1224), {Dry,  Hot,  Dry,  Hot,  Dry,  Oil,  Oil }, nil,  Oil},
    // Every other Wednesday and Friday of the year.
    {FastPeriod::FastDay,                                     anyP,                                           anyD,          {nil,  nil,  Dry,  nil,  Dry,  nil,  nil }, Oil,  Fish},
};

// Feasts of fixed date that ease the fast of their day by their rank.
constexpr FastFeastRule kFeasts[] = {
    {FastFeast::NativityOfTheForerunner,            624,  Rank::Vigil},
    {FastFeast::ApostlesPeterAndPaul,               629,  Rank::Vigil},
    {FastFeast::Dormition,                          815,  Rank::GreatFeast},
    {FastFeast::NativityOfTheTheotokos,             908,  Rank::GreatFeast},
    {FastFeast::Protection,                         1001, Rank::Vigil},
    {FastFeast::EntryOfTheTheotokos,                1121, Rank::GreatFeast},
    {FastFeast::StNicholas,                         1206, Rank::Vigil},
};

// clang-format on

}  // namespace

std::span<const FastRule> FastRules() {
    return kRules;
}

std::span<const FastFeastRule> FastFeasts() {
    return kFeasts;
}

}  // namespace velorith
