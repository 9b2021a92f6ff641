#include "exports/format_registry.h"

#include <algorithm>
#include <array>

namespace velorith::exports {
namespace {

// One line a format.
const std::array<const Format*, 6> kFormats = {&kTextFormat, &kRtfFormat,   &kJsonFormat,
                                               &kIcsFormat,  &kLinesFormat, &kHtmlFormat};

}  // namespace

std::span<const Format> Formats() {
    static const std::array<Format, kFormats.size()> formats = [] {
        std::array<Format, kFormats.size()> all{};
        for (std::size_t i = 0; i < kFormats.size(); ++i)
            all[i] = *kFormats[i];
        return all;
    }();
    return formats;
}

const Format* FindFormat(std::string_view name) {
    for (const Format& f : Formats())
        if (f.Name == name) return &f;
    return nullptr;
}

std::vector<const Format*> SaveFormats() {
    std::vector<const Format*> offered;
    for (const Format& f : Formats())
        if (f.SaveOrder > 0) offered.push_back(&f);
    std::stable_sort(offered.begin(), offered.end(),
                     [](const Format* a, const Format* b) { return a->SaveOrder < b->SaveOrder; });
    return offered;
}

std::string FormatNames(std::string_view separator) {
    std::string names;
    for (const Format& f : Formats()) {
        if (!names.empty()) names += separator;
        names += f.Name;
    }
    return names;
}

}  // namespace velorith::exports
