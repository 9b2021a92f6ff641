// The companion's options for calendar feeds and unattended runs: which events a feed holds,
// the domain of its UIDs and the length of its summaries. Read apart from the report's options
// so that each stays small.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "exports/report_ics.h"

namespace velorith {

struct FeedOptions {
    exports::IcsEvents events = exports::IcsEvents::All;
    bool eventsGiven = false;
    std::optional<std::string> uidDomain;  // --uid-domain
    std::size_t summaryLength = 60;        // characters a phone shows; 0 keeps summaries whole
    bool summaryGiven = false;
};

// Whether the option is one of these (each takes a value).
bool IsFeedOption(std::string_view name);

// Reads the option's value into `feed`; the one-line complaint about a bad value, else empty.
std::string ParseFeedOption(std::string_view name, std::string_view value, FeedOptions& feed);

// What the options ask of an iCalendar file.
void ApplyFeedOptions(const FeedOptions& feed, exports::IcsOptions& ics);

// Whether `name` is a domain name a UID may end with: labels of letters, digits and hyphens
// (not at either end), 1 to 63 characters each, joined by dots, at most 253 in all.
bool IsDomainName(std::string_view name);

}  // namespace velorith
