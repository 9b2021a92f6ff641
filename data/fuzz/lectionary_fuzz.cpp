// libFuzzer target: a lectionary file of any bytes loads, and every question put to it is
// answered within its bounds; the rules found through the index of a day are those that fall
// on it, in the order of their numbers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/fuzz/fuzz_check.h"
#include "data/ini_file.h"
#include "data/lectionary.h"
#include "data/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velorith::fuzz::Check;
    using namespace velorith;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Lectionary lx = Lectionary::FromIni(IniFile::FromText(DecodeDataFile(bytes)));
    for (const NearDayRule& rule : lx.NearDays()) {
        Check(rule.WeekDay != 0 && rule.WeekDay >= -7 && rule.WeekDay <= 7);
        Check(rule.Month >= 1 && rule.Month <= 12 && rule.Day >= 1 && rule.Day <= 31);
    }
    // Two weeks around the turn of a year and a leap day.
    const DayNum first = DayNumber(kJulian, 20, 12, 2023);
    std::size_t found = 0;
    for (DayNum day = first; day < first + 80; ++day) {
        const auto rules = lx.NearRulesOn(day);
        for (std::size_t i = 0; i < rules.size(); ++i) {
            Check(rules[i] >= lx.NearDays().data() &&
                  rules[i] < lx.NearDays().data() + lx.NearDays().size());
            Check(std::abs(rules[i]->WeekDay) == WeekDayOf(day));
            Check(i == 0 || rules[i - 1] < rules[i]);
        }
        found += rules.size();
    }
    Check(found <= lx.NearDays().size() * 2);
    for (int w = -1; w <= kLectionaryWeeks + 1; ++w) {
        for (int d = 0; d <= 8; ++d) {
            lx.Apostle(w, d);
            lx.Gospel(w, d);
        }
    }
    for (int n = kFirstMovableDay - 1; n <= kLastMovableDay + 1; ++n)
        lx.Movable(n);
    for (int n = 0; n <= 12; ++n)
        lx.MatinsGospel(n);
    lx.Fixed(2, 29);
    return 0;
}
