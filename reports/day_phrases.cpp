#include "reports/day_phrases.h"

#include <algorithm>

#include "reckoning/name_tables.h"

namespace velorith {
namespace {

template <std::size_t N, typename Key>
std::string_view At(const std::array<std::string_view, N>& table, Key key) {
    const auto index = static_cast<std::size_t>(key);
    return index < N ? table[index] : std::string_view{};
}

}  // namespace

std::string DayLineText(const DayInfo& day, bool markup, std::string_view indent,
                        const Phrases& phrases) {
    const DayLine& parts = day.Line;
    std::string line;
    if (!parts.Titles.Empty()) {
        line = indent;
        line += markup ? parts.Titles.Value() : parts.Titles.Text;
    }
    if (parts.Cycle) {
        line += indent;
        line += DayNames(day.WeekDay, kChurchDay, phrases);
        line += ' ';
        AppendCyclePhrase(line, *parts.Cycle, phrases);
    }
    if (!parts.Tails.Empty()) {
        if (!line.empty() && line.back() == '.') line.pop_back();
        line += markup ? parts.Tails.Value() : parts.Tails.Text;
    }
    line += ToneText(day.Tone, phrases);
    return line;
}

std::string DayLinePlain(const DayInfo& day, const Phrases& phrases) {
    std::string line = DayLineText(day, false, "    ", phrases);
    line.erase(0, std::min(line.size(), line.find_first_not_of(' ')));
    return line;
}

std::string FastReasonText(const DayFast& fast, const Phrases& phrases) {
    std::string reason(At(phrases.FastPeriods, fast.Period));
    if (fast.Eased) {
        reason += ", ";
        reason += fast.EasedByFeast != FastFeast::None
                      ? At(phrases.FastFeasts, fast.EasedByFeast)
                      : At(phrases.FastRankCauses, fast.EasedByRank);
    }
    reason += '.';
    return reason;
}

std::string_view FastPhraseText(FastLevel level, const Phrases& phrases) {
    return At(phrases.FastPhrases, level);
}

std::string FastLineText(const DayFast& fast, const Phrases& phrases) {
    if (fast.Level == FastLevel::None) return {};
    std::string line = FastReasonText(fast, phrases);
    line += ' ';
    line += FastPhraseText(fast.Level, phrases);
    return line;
}

std::string_view ServiceName(ServiceKind service, const Phrases& phrases) {
    return At(phrases.Services, service);
}

namespace {

void AppendReadingPiece(std::string& out, const Reading& reading, const Phrases& phrases,
                        ReadingStyle style) {
    out += At(phrases.ReadingLabels, reading.Kind);
    out += reading.Reference;
    if (style.Zachala && reading.Zachalo > 0) {
        out += phrases.ZachaloBefore;
        out += std::to_string(reading.Zachalo);
        out += phrases.ZachaloAfter;
    }
    out += '.';
}

}  // namespace

std::string ReadingPiece(const Reading& reading, const Phrases& phrases, ReadingStyle style) {
    std::string piece;
    AppendReadingPiece(piece, reading, phrases, style);
    return piece;
}

std::string ServiceLineText(const ServiceReadings& service, const Phrases& phrases,
                            ReadingStyle style) {
    std::string line;
    line.reserve(64 * (service.Readings.size() + 1));  // a reading's piece is about 40 bytes
    line += ServiceName(service.Service, phrases);
    line += ':';
    const bool labelled = service.Groups.size() > 1;
    int group = -1;
    for (const Reading& r : service.Readings) {
        if (labelled && r.Group != group) {
            group = r.Group;
            const std::string& label = service.Groups[r.Group].Label;
            if (!label.empty()) {
                line += ' ';
                line += label;
                line += ':';
            }
        }
        line += ' ';
        AppendReadingPiece(line, r, phrases, style);
    }
    return line;
}

std::string_view NoLiturgyText(NoLiturgyKind kind, const Phrases& phrases) {
    return At(phrases.NoLiturgy, kind);
}

std::string IndictionText(const GreatIndiction& indiction, const Phrases& phrases) {
    std::string text = std::to_string(indiction.Year);
    text += phrases.IndictionYear;
    text += std::to_string(indiction.Number);
    text += phrases.IndictionNumber;
    return text;
}

std::string PrincipalOf(const DayInfo& day, const Phrases& phrases) {
    const DayEntry* entry = day.PrincipalEntry();
    return entry != nullptr ? entry->Text.str() : DayLinePlain(day, phrases);
}

}  // namespace velorith
