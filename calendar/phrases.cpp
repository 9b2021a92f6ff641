#include "calendar/phrases.h"

namespace velorith {
namespace {

// clang-format off
constexpr Phrases kRussian{
    .SundayOf = {"-я по Пятидесятнице.", "-я Великого поста.", "Страстной седмицы.",
                 "Светлой седмицы.", "-я по Пасхе."},
    .WeekdayOf = {"-ой седмицы по Пятидесятнице.", "-ой седмицы Великого поста.",
                  "Страстной седмицы.", "Светлой седмицы.", "-ой седмицы по Пасхе."},
    .ToneBefore = " Глас ",
    .ToneAfter = "-й.",
    .IndictionYear = "-й год ",
    .IndictionNumber = "-го индиктиона",
    .Services = {"Утр.", "1-й час", "6-й час", "Веч.", "Лит.", "Царские часы"},
    .ReadingLabels = {"Ап. ", "Ев. ", ""},
    .ZachaloBefore = " (зач. ",
    .ZachaloAfter = ")",
    // Worded apart from the data's own notes on the day's services ("Литургия
    // Преждеосвященных Даров.") so that the day does not say the same thing twice.
    .NoLiturgy = {"", "Апостола и Евангелия нет: литургии не бывает.",
                  "Апостола и Евангелия нет: литургия Преждеосвященных Даров."},
    .FastPhrases = {"", "Поста нет.", "Исключается мясо.", "Разрешается рыба.",
                    "Разрешается рыбная икра.", "Пища с растительным маслом.",
                    "Горячая пища без масла.", "Сухоядение.", "Воздержание от пищи."},
    .FastPeriods = {
        "Святки",
        "Богоявление Господне",
        "Сплошная седмица",
        "Светлая седмица",
        "Навечерие Богоявления",
        "Рождественский пост, навечерие Рождества Христова",
        "Усекновение главы Иоанна Предтечи",
        "Воздвижение Креста Господня",
        "Успенский пост, Преображение Господне",
        "Великий пост, Благовещение Пресвятой Богородицы",
        "Страстная седмица, Благовещение Пресвятой Богородицы",
        "Лазарева суббота",
        "Вход Господень в Иерусалим",
        "Великий пост, четверг Великого канона",
        "Великий пост, чтение Великого канона",
        "Великий пост, первая седмица",
        "Великий пост",
        "Страстная седмица",
        "Сырная седмица",
        "Постный день",
        "Петров пост",
        "Успенский пост",
        "Рождественский пост",
    },
    .FastFeasts = {
        "",
        "Рождество Иоанна Предтечи",
        "память апостолов Петра и Павла",
        "Успение Пресвятой Богородицы",
        "Рождество Пресвятой Богородицы",
        "Покров Пресвятой Богородицы",
        "Введение во храм Пресвятой Богородицы",
        "память святителя Николая Чудотворца",
    },
    .FastRankCauses = {"", "", "память святого со славословием", "память святого с полиелеем",
                       "праздник со всенощным бдением", "великий праздник"},
};
// clang-format on

template <std::size_t N, typename Key>
std::string_view At(const std::array<std::string_view, N>& table, Key key) {
    const auto index = static_cast<std::size_t>(key);
    return index < N ? table[index] : std::string_view{};
}

}  // namespace

const Phrases& PhrasesOf(Language) {
    return kRussian;
}

void AppendCyclePhrase(std::string& out, const CyclePlace& place, const Phrases& phrases) {
    const bool numbered =
        place.Season != CycleSeason::HolyWeek && place.Season != CycleSeason::BrightWeek;
    if (numbered) out += std::to_string(place.Number);
    out += At(place.Sunday ? phrases.SundayOf : phrases.WeekdayOf, place.Season);
}

std::string CyclePhrase(const CyclePlace& place, const Phrases& phrases) {
    std::string out;
    AppendCyclePhrase(out, place, phrases);
    return out;
}

std::string ToneText(int tone, const Phrases& phrases) {
    if (tone < 1 || tone > 8) return {};
    std::string text(phrases.ToneBefore);
    text += std::to_string(tone);
    text += phrases.ToneAfter;
    return text;
}

}  // namespace velorith
