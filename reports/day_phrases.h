// The lines of a day that are composed of the day model's keys and the language's catalogue:
// the day line, the fast line, the readings lines and the principal commemoration. Every
// renderer (the reports in RTF and text, JSON, iCalendar, the window's tooltips) takes its
// words from here, so one day reads alike everywhere.
#pragma once

#include <string>
#include <string_view>

#include "calendar/day_info.h"
#include "calendar/phrases.h"

namespace velorith {

// The day line: the titles of the day, or the weekday with its place in the cycle (a title
// that begins with "," continuing it); then the tone. Markup keeps the data's RTF inline
// markup; each part begins with the indent.
std::string DayLineText(const DayInfo& day, bool markup, std::string_view indent,
                        const Phrases& phrases = PhrasesOf());
// The day line as plain text without its leading indent: what names a day that has no
// commemoration.
std::string DayLinePlain(const DayInfo& day, const Phrases& phrases = PhrasesOf());

// "Рождественский пост, память святителя Николая Чудотворца.": why the day keeps its fast.
std::string FastReasonText(const DayFast& fast, const Phrases& phrases = PhrasesOf());
// "Разрешается рыба."; empty for FastLevel::None.
std::string_view FastPhraseText(FastLevel level, const Phrases& phrases = PhrasesOf());
// The reason and the phrase: the line the reports print; empty for a day without a fast line.
std::string FastLineText(const DayFast& fast, const Phrases& phrases = PhrasesOf());

// "Лит.", "Утр.": the name of a service.
std::string_view ServiceName(ServiceKind service, const Phrases& phrases = PhrasesOf());
// How the readings are written: with the zachalo numbers or without (as by default).
struct ReadingStyle {
    bool Zachala = false;
};

// "Ап. Деян. 1:1-8.": one reading as a line shows it; "Ап. Деян. 1:1-8 (зач. 1)." with zachala.
std::string ReadingPiece(const Reading& reading, const Phrases& phrases = PhrasesOf(),
                         ReadingStyle style = {});
// "Лит.: Ап. Деян. 1:1-8. Ев. Ин. 1:1-17.": a service's line. A service of several groups
// labels each ("Лит.: Ряд.: Ап. ... Свт.: Ап. ...").
std::string ServiceLineText(const ServiceReadings& service, const Phrases& phrases = PhrasesOf(),
                            ReadingStyle style = {});
// Why a Lenten weekday has no Liturgy Gospel; empty for NoLiturgyKind::None.
std::string_view NoLiturgyText(NoLiturgyKind kind, const Phrases& phrases = PhrasesOf());

// "7-й год 15-го индиктиона".
std::string IndictionText(const GreatIndiction& indiction, const Phrases& phrases = PhrasesOf());

// The text that names the day: the principal entry's, else the day line.
std::string PrincipalOf(const DayInfo& day, const Phrases& phrases = PhrasesOf());

}  // namespace velorith
