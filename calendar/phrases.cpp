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
    .WeekdayNames = {{
        {},
        {"", "Понедельник", "Вторник", "Среда", "Четверг", "Пятница", "Суббота", "Воскресенье"},
        {"", "Понедельник", "Вторник", "Среда", "Четверг", "Пятница", "Суббота", "Неделя"},
        {"", "Пн.", "Вт.", "Ср.", "Чт.", "Пт.", "Сб.", "Вс."},
    }},
    .MonthNames = {{
        {},
        {"", "Январь", "Февраль", "Март", "Апрель", "Май", "Июнь", "Июль", "Август",
         "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"},
        {"", "января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа",
         "сентября", "октября", "ноября", "декабря"},
    }},
    .ReckoningNames = {"", " от Сотворения Мира", " от Р.Х. по старому стилю",
                       " от Р.Х. по новому стилю"},
    .YearOfDate = " года",
    .YearOfTitle = " год",
    .WeekWord = "Седмица",
    .WeekFrom = "с ",
    .WeekTo = "по ",
    .Page = {
        .RankNames = {"", "служба на шесть стихир", "служба с великим славословием",
                      "праздник с полиелеем", "праздник со всенощным бдением", "великий праздник"},
        .GreatFeastMark = "Великий праздник",
        .Readings = "Чтения",
        .Hits = "Найдено: ",
        .SearchedFor = "Искомый текст: ",
        .WholeWord = " (целые слова)",
        .Abbreviations = "Сокращения",
        .PreviousDay = "Предыдущий день",
        .NextDay = "Следующий день",
        .GreatFeastsOfYear = "Великие праздники года",
        .Months = "Месяцы",
        .Today = "Сегодня",
        .Navigation = "Переход по календарю",
        .Neighbours = "Соседние страницы",
        .DayAsJson = "День в JSON",
        .Feed = "Календарь для телефона (iCalendar)",
        .YearFeed = "Год для телефона (iCalendar)",
        .OtherDates = "Та же дата в других летоисчислениях",
        .NoScriptToday = "Страница сегодняшнего дня открывается сценарием; выберите месяц из списка.",
        .TodayLoading = "Сегодняшний день календаря",
        .WeekdayShort = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"},
    },
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

std::string_view CalNames(int k, const Phrases& phrases) {
    return k >= 1 && k <= 3 ? phrases.ReckoningNames[static_cast<std::size_t>(k)]
                            : std::string_view{};
}

std::string_view DayNames(int weekday, int form, const Phrases& phrases) {
    if (weekday < 1 || weekday > 7 || form < 1 || form > 3) return {};
    return phrases.WeekdayNames[static_cast<std::size_t>(form)][static_cast<std::size_t>(weekday)];
}

std::string_view MonthNames(int month, int form, const Phrases& phrases) {
    if (month < 1 || month > 12 || form < 1 || form > 2) return {};
    return phrases.MonthNames[static_cast<std::size_t>(form)][static_cast<std::size_t>(month)];
}

std::string DateInWords(int k, int day, int m, int year, const Phrases& phrases) {
    std::string text = std::to_string(day);
    text += ' ';
    text += MonthNames(CalendarMonth(k, m), kGenitive, phrases);
    text += ' ';
    text += std::to_string(year);
    text += phrases.YearOfDate;
    return text;
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
