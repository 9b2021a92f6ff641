#include "calendar/fast_rules.h"

namespace velorith {
namespace {

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
    // name                                                  Pascha       Julian date     Mon   Tue   Wed   Thu   Fri   Sat   Sun     doxology, polyeleos
    // Weeks without a fast: Wednesday and Friday are not kept.
    {"Святки",                                                anyP,        D(1225, 104),  {nil,  nil,  Free, nil,  Free, nil,  nil }, nil,  nil},
    {"Богоявление Господне",                                  anyP,        D(106),        {nil,  nil,  Free, nil,  Free, nil,  nil }, nil,  nil},
    {"Сплошная седмица",                                      P(-70, -64), anyD,          {nil,  nil,  Free, nil,  Free, nil,  nil }, nil,  nil},
    {"Светлая седмица",                                       P(0, 6),     anyD,          {nil,  nil,  Free, nil,  Free, nil,  nil }, nil,  nil},
    {"Сплошная седмица",                                      P(49, 55),   anyD,          {nil,  nil,  Free, nil,  Free, nil,  nil }, nil,  nil},
    // The one-day fasts; the eves are eased on a Saturday or Sunday.
    {"Навечерие Богоявления",                                 anyP,        D(105),        {Dry,  Dry,  Dry,  Dry,  Dry,  Oil,  Oil }, nil,  nil},
    {"Рождественский пост, навечерие Рождества Христова",     anyP,        D(1224),       {Dry,  Dry,  Dry,  Dry,  Dry,  Oil,  Oil }, nil,  nil},
    {"Усекновение главы Иоанна Предтечи",                     anyP,        D(829),        {Oil,  Oil,  Oil,  Oil,  Oil,  Oil,  Oil }, nil,  nil},
    {"Воздвижение Креста Господня",                           anyP,        D(914),        {Oil,  Oil,  Oil,  Oil,  Oil,  Oil,  Oil }, nil,  nil},
    {"Успенский пост, Преображение Господне",                 anyP,        D(806),        {Fish, Fish, Fish, Fish, Fish, Fish, Fish}, nil,  nil},
    // Great Lent and Holy Week: their feasts first, then the weeks.
    {"Великий пост, Благовещение Пресвятой Богородицы",       P(-48, -7),  D(325),        {Fish, Fish, Fish, Fish, Fish, Fish, Fish}, nil,  nil},
    {"Страстная седмица, Благовещение Пресвятой Богородицы",  P(-6, -1),   D(325),        {Oil,  Oil,  Oil,  Oil,  Abst, Oil,  nil }, nil,  nil},
    {"Лазарева суббота",                                      P(-8),       anyD,          {Roe,  Roe,  Roe,  Roe,  Roe,  Roe,  Roe }, nil,  nil},
    {"Вход Господень в Иерусалим",                            P(-7),       anyD,          {Fish, Fish, Fish, Fish, Fish, Fish, Fish}, nil,  nil},
    {"Великий пост, четверг Великого канона",                 P(-17),      anyD,          {Oil,  Oil,  Oil,  Oil,  Oil,  Oil,  Oil }, nil,  nil},
    // The Great Canon is read on the Tuesday when its Thursday is the Annunciation.
    {"Великий пост, чтение Великого канона",                  P(-19),      D(323),        {Oil,  Oil,  Oil,  Oil,  Oil,  Oil,  Oil }, nil,  nil},
    {"Великий пост, первая седмица",                          P(-48, -42), anyD,          {Abst, Dry,  Dry,  Dry,  Dry,  Oil,  Oil }, nil,  Oil},
    {"Великий пост",                                          P(-41, -9),  anyD,          {Dry,  Hot,  Dry,  Hot,  Dry,  Oil,  Oil }, nil,  Oil},
    {"Страстная седмица",                                     P(-6, -1),   anyD,          {Dry,  Dry,  Dry,  Oil,  Abst, Dry,  nil }, nil,  nil},
    {"Сырная седмица",                                        P(-55, -49), anyD,          {Meat, Meat, Meat, Meat, Meat, Meat, Meat}, nil,  nil},
    // From Thomas Sunday to Pentecost Wednesday and Friday allow fish.
    {"Постный день",                                          P(7, 48),    anyD,          {nil,  nil,  Fish, nil,  Fish, nil,  nil }, nil,  nil},
    // The fasts of many days.
    {"Петров пост",                                           P(57, 400),  D(101, 628),   {Hot,  Fish, Dry,  Fish, Dry,  Fish, Fish}, Oil,  Fish},
    {"Успенский пост",                                        anyP,        D(801, 814),   {Dry,  Hot,  Dry,  Hot,  Dry,  Oil,  Oil }, nil,  Oil},
    {"Рождественский пост",                                   anyP,        D(1115, 1206), {Hot,  Fish, Dry,  Fish, Dry,  Fish, Fish}, Oil,  Fish},
    {"Рождественский пост",                                   anyP,        D(1207, 1219), {Hot,  Oil,  Dry,  Oil,  Dry,  Fish, Fish}, Oil,  Fish},
    {"Рождественский пост",                                   anyP,        D(1220, 1224), {Dry,  Hot,  Dry,  Hot,  Dry,  Oil,  Oil }, nil,  Oil},
    // Every other Wednesday and Friday of the year.
    {"Постный день",                                          anyP,        anyD,          {nil,  nil,  Dry,  nil,  Dry,  nil,  nil }, Oil,  Fish},
};

// Feasts of fixed date that ease the fast of their day by their rank.
constexpr FastFeast kFeasts[] = {
    {"Рождество Иоанна Предтечи",                   624,  Rank::Vigil},
    {"память апостолов Петра и Павла",              629,  Rank::Vigil},
    {"Успение Пресвятой Богородицы",                815,  Rank::GreatFeast},
    {"Рождество Пресвятой Богородицы",              908,  Rank::GreatFeast},
    {"Покров Пресвятой Богородицы",                 1001, Rank::Vigil},
    {"Введение во храм Пресвятой Богородицы",       1121, Rank::GreatFeast},
    {"память святителя Николая Чудотворца",         1206, Rank::Vigil},
};

constexpr std::array<std::string_view, 9> kPhrases = {
    "",
    "Поста нет.",
    "Исключается мясо.",
    "Разрешается рыба.",
    "Разрешается рыбная икра.",
    "Пища с растительным маслом.",
    "Горячая пища без масла.",
    "Сухоядение.",
    "Воздержание от пищи.",
};
// clang-format on

}  // namespace

std::span<const FastRule> FastRules() {
    return kRules;
}

std::span<const FastFeast> FastFeasts() {
    return kFeasts;
}

std::string_view FastRankCause(Rank rank) {
    switch (rank) {
        case Rank::Doxology:
            return "память святого со славословием";
        case Rank::Polyeleos:
            return "память святого с полиелеем";
        case Rank::Vigil:
            return "праздник со всенощным бдением";
        case Rank::GreatFeast:
            return "великий праздник";
        case Rank::None:
        case Rank::SixStichera:
            break;
    }
    return {};
}

std::string_view FastPhrase(FastLevel level) {
    const auto index = static_cast<std::size_t>(level);
    return index < kPhrases.size() ? kPhrases[index] : std::string_view{};
}

}  // namespace velorith
