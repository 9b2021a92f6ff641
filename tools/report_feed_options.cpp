#include "tools/report_feed_options.h"

#include <array>
#include <charconv>

namespace velorith {
namespace {

constexpr std::array<std::pair<std::string_view, exports::IcsEvents>, 3> kEvents = {{
    {"all", exports::IcsEvents::All},
    {"feasts", exports::IcsEvents::Feasts},
    {"fasts", exports::IcsEvents::Fasts},
}};

bool IsAsciiAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

bool IsFeedOption(std::string_view name) {
    return name == "--events" || name == "--uid-domain" || name == "--summary-length";
}

bool IsDomainName(std::string_view name) {
    if (name.empty() || name.size() > 253) return false;
    while (true) {
        const auto dot = name.find('.');
        const std::string_view label = name.substr(0, dot);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
            return false;
        for (const char c : label)
            if (!IsAsciiAlnum(c) && c != '-') return false;
        if (dot == std::string_view::npos) return true;
        name.remove_prefix(dot + 1);
    }
}

std::string ParseFeedOption(std::string_view name, std::string_view value, FeedOptions& feed) {
    if (name == "--events") {
        for (const auto& [word, events] : kEvents) {
            if (word == value) {
                feed.events = events;
                feed.eventsGiven = true;
                return {};
            }
        }
        return "--events: unknown kind \"" + std::string(value) + "\" (all, feasts, fasts)";
    }
    if (name == "--uid-domain") {
        if (!IsDomainName(value))
            return "--uid-domain: \"" + std::string(value) + "\" is not a domain name";
        feed.uidDomain = std::string(value);
        return {};
    }
    // --summary-length
    int length = -1;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), length);
    if (ec != std::errc() || end != value.data() + value.size() || length < 0 || length > 1000 ||
        (length > 0 && length < 10)) {
        return "--summary-length: \"" + std::string(value) +
               "\" is not 0 (whole) or a number of characters from 10 to 1000";
    }
    feed.summaryLength = static_cast<std::size_t>(length);
    feed.summaryGiven = true;
    return {};
}

void ApplyFeedOptions(const FeedOptions& feed, exports::IcsOptions& ics) {
    ics.Events = feed.events;
    if (feed.uidDomain) ics.UidDomain = *feed.uidDomain;
    ics.SummaryLimit = feed.summaryLength;
}

}  // namespace velorith
