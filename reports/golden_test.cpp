// Golden documents: every report of a fixed data set, in every reckoning, with and without the
// indiction line and all reckonings' dates, compared byte for byte with the reference files in
// reports/golden. With every addition switched off the reports must never change; to change
// them on purpose, regenerate the files with
//     VELORITH_UPDATE_GOLDEN=1 build/bin/velorith_core_tests --gtest_filter='Golden*'
// and review the difference before committing it.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "data/rtf_reader.h"
#include "reckoning/calendar_dates.h"
#include "reports/golden_fixture.h"
#include "reports/report_fixture.h"

namespace velorith {
namespace {

using testing::TempFolder;

struct Options {
    bool indiction;
    bool allStyles;
    const char* name;
};

constexpr std::array<Options, 4> kOptions = {{
    {false, false, "plain"},
    {true, false, "indiction"},
    {false, true, "all-styles"},
    {true, true, "indiction-all-styles"},
}};

constexpr std::array<const char*, 4> kReckoningNames = {"", "world", "julian", "gregorian"};

// Julian dates whose reports cover Pascha, a week across the new year in each reckoning, the
// World new year, a leap February and the Theophany.
constexpr std::array<CalendarDate, 7> kJulianDates = {{
    {2025, 4, 7},
    {2024, 12, 30},
    {2024, 12, 20},
    {2025, 8, 29},
    {2024, 2, 27},
    {2026, 1, 6},
    {2025, 10, 26},
}};

std::filesystem::path GoldenFile(int cal, const Options& o) {
    return std::filesystem::path(VELORITH_GOLDEN_DIR) /
           (std::string(kReckoningNames[static_cast<std::size_t>(cal)]) + "-" + o.name + ".rtf");
}

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Add(std::string& out, const std::string& name, const std::string& document) {
    out += "\n=== ";
    out += name;
    out += " ===\n";
    out += document;
}

// Every document of one reckoning and option set, one after another with their names.
std::string AllDocuments(const TempFolder& folder, int cal, const Options& o) {
    std::string out;
    bool yearDone = false;
    for (const CalendarDate& julian : kJulianDates) {
        const CalendarDate d = DateOfDay(cal, DayNumber(kJulian, julian));
        auto calendar = testing::CalendarOn(folder, cal, d.Year, d.Month, d.Day);
        calendar->Settings().ShowIndiction = o.indiction;
        calendar->Settings().ShowAllStyles = o.allStyles;
        const std::string at = std::to_string(d.Year) + "-" + std::to_string(d.Month) + "-" +
                               std::to_string(d.Day) + " ";
        // Each document, and its plain text drawn from the model is what a reader shows of it.
        const auto both = [&](const std::string& name, ReportKind kind, std::string_view find = {},
                              bool whole = false) {
            const std::string rtf = kind == ReportKind::Search
                                        ? calendar->SetFindReport(find, whole).value_or("-")
                                        : calendar->Render(kind);
            Add(out, at + name, rtf);
            EXPECT_EQ(calendar->RenderText(kind, find, whole),
                      RtfToPlainText(Calendar::DocumentBytes(rtf)) + "\n")
                << at << name << " " << cal << " " << o.name;
        };
        both("day", ReportKind::Day);
        both("week", ReportKind::Week);
        both("month", ReportKind::Month);
        both("feasts", ReportKind::Feasts);
        if (!yearDone) {
            both("year", ReportKind::Year);
            both("search", ReportKind::Search, "Свт", false);
            both("search whole word", ReportKind::Search, "мч", true);
            yearDone = true;
        }
        // The date is where it was after every report.
        EXPECT_EQ(calendar->State().CurDay, DayNumber(cal, d));
    }
    return out;
}

TEST(Golden, EveryReportInEveryReckoningIsByteForByteTheReference) {
    TempFolder folder;
    testing::WriteGoldenDataSet(folder);
    const bool update = std::getenv("VELORITH_UPDATE_GOLDEN") != nullptr;
    for (int cal = kWorld; cal <= kGregorian; ++cal) {
        for (const Options& o : kOptions) {
            const std::string documents = AllDocuments(folder, cal, o);
            const auto file = GoldenFile(cal, o);
            if (update) {
                std::ofstream(file, std::ios::binary) << documents;
                continue;
            }
            ASSERT_TRUE(std::filesystem::exists(file)) << file;
            const std::string expected = ReadAll(file);
            if (documents == expected) continue;
            // Name the first difference rather than print two long documents.
            std::size_t at = 0;
            while (at < documents.size() && at < expected.size() && documents[at] == expected[at])
                ++at;
            ADD_FAILURE() << file.filename() << " differs at byte " << at << ": got \""
                          << documents.substr(at > 80 ? at - 80 : 0, 160) << "\"\nexpected \""
                          << expected.substr(at > 80 ? at - 80 : 0, 160) << "\"";
        }
    }
}

}  // namespace
}  // namespace velorith
