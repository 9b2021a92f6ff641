// The registry of output formats: each format is found by its name, renders every report it
// takes from one calendar, and leaves the selected date where it was.
#include "exports/format_registry.h"

#include <gtest/gtest.h>

#include <set>

#include "data/test_folder.h"

namespace velorith::exports {
namespace {

class FormatRegistry : public ::testing::Test {
  protected:
    RenderJob Job(ReportKind kind, std::string_view find = {}) {
        return RenderJob{calendar_, kind, find, false, IcsOptions{"Храм", 0}};
    }
    void SetUp() override {
        folder_.Write("December.DAT", "[25]\n0={1}Рождество Христово.\n");
        calendar_.State().SetRange(1901, 2100);
        calendar_.SelectDate(kGregorian, 2025, 1, 7);
    }
    velorith::testing::TempFolder folder_;
    Calendar calendar_{folder_.path()};
};

TEST_F(FormatRegistry, NamesAndExtensionsAreUniqueAndFound) {
    std::set<std::string_view> names, extensions;
    for (const Format& f : Formats()) {
        EXPECT_TRUE(names.insert(f.Name).second) << f.Name;
        EXPECT_TRUE(extensions.insert(f.Extension).second) << f.Extension;
        EXPECT_FALSE(f.MediaType.empty()) << f.Name;
        ASSERT_NE(f.Render, nullptr) << f.Name;
        EXPECT_EQ(FindFormat(f.Name), &f);
    }
    EXPECT_EQ(FormatNames(), "text|rtf|json|ics|lines|html");
    EXPECT_EQ(FindFormat("pdf"), nullptr);
    EXPECT_EQ(FindFormat(""), nullptr);
}

TEST_F(FormatRegistry, EveryFormatRendersTheDayWithoutMovingTheSelection) {
    const DayNum selected = calendar_.State().CurDay;
    for (const Format& f : Formats()) {
        const std::string bytes = f.Render(Job(ReportKind::Day));
        EXPECT_FALSE(bytes.empty()) << f.Name;
        EXPECT_EQ(calendar_.State().CurDay, selected) << f.Name;
    }
    // The text and JSON name the feast; RTF holds it in Windows-1251.
    EXPECT_NE(kTextFormat.Render(Job(ReportKind::Day)).find("Рождество Христово."),
              std::string::npos);
    EXPECT_NE(kJsonFormat.Render(Job(ReportKind::Day)).find("Рождество Христово."),
              std::string::npos);
    EXPECT_TRUE(kRtfFormat.Render(Job(ReportKind::Day)).starts_with("{\\rtf1"));
    EXPECT_NE(kIcsFormat.Render(Job(ReportKind::Day)).find("BEGIN:VCALENDAR"), std::string::npos);
    const std::string html = kHtmlFormat.Render(Job(ReportKind::Day));
    EXPECT_TRUE(html.starts_with("<!DOCTYPE html>"));
    EXPECT_NE(html.find("Рождество Христово."), std::string::npos);
}

TEST_F(FormatRegistry, TheFormatsOfFactsSpanYearsAndTheDayFormatsNeedDays) {
    for (const Format& f : Formats()) {
        // The documents of a pane hold one report; the formats of facts hold many years.
        EXPECT_EQ(f.RenderYears != nullptr, f.RenderFrame != nullptr) << f.Name;
        EXPECT_EQ(f.DaysOnly, f.Name == "ics" || f.Name == "lines") << f.Name;
    }
    // The search and the abbreviations in every format that takes them.
    for (const Format& f : Formats()) {
        if (f.DaysOnly) continue;
        EXPECT_NO_THROW(f.Render(Job(ReportKind::Search, "Рождество")));
        EXPECT_NO_THROW(f.Render(Job(ReportKind::Abbreviations)));
    }
}

// A format handed a sink writes the same document as without one: the parts it hands on,
// then what it returns. The text format cleans each part of terminal controls on its own, so
// a part must never split a character; a year of long, hostile entries crosses many cuts.
TEST_F(FormatRegistry, AFormatHandedASinkWritesTheSameDocument) {
    std::string december;
    for (int day = 1; day <= 31; ++day) {
        december += '[';
        december += std::to_string(day);
        december += "]\n";
        for (int line = 0; line < 8; ++line) {
            december +=
                "1=Мч. Первый \x1b[31mкрасный\x1b[0m, \xC2\x9B"
                "2J и \x07звонок ";
            for (int letter = 0; letter < day * 7 + line; ++letter)
                december += "ж";
            december += ".\n";
        }
    }
    folder_.Write("December.DAT", december);
    folder_.Write("January.DAT", december);
    for (const Format& f : Formats()) {
        for (const ReportKind kind : {ReportKind::Day, ReportKind::Month, ReportKind::Year}) {
            RenderJob whole = Job(kind);
            const std::string expected = f.Render(whole);
            std::string streamed;
            std::size_t parts = 0;
            const DocumentSink sink = [&](std::string& part) {
                ASSERT_FALSE(part.empty());
                EXPECT_LT(static_cast<unsigned char>(part.back()), 0x80) << f.Name;
                streamed += part;
                ++parts;
            };
            RenderJob job = Job(kind);
            job.sink = &sink;
            streamed += f.Render(job);
            EXPECT_EQ(streamed, expected) << f.Name << " " << static_cast<int>(kind);
            if (f.Name == "text" && kind == ReportKind::Year) {
                EXPECT_GE(parts, 3u);
                EXPECT_EQ(streamed.find('\x1b'), std::string::npos);
            }
        }
    }
}

}  // namespace
}  // namespace velorith::exports
