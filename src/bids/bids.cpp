#include "bids/bids.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

#include "bids/filters.h"
#include "base/time_text.h"

namespace lw::bids {

namespace {

constexpr const char* kTitle = "Linewright";

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

int MonthDays(const model::Document& doc) { return std::clamp(doc.DayCount, 0, 31); }

// First day index of the month with that day of month, -1 when none.
int IndexOfDay(const model::Document& doc, int day) {
    for (int d = 0; d < MonthDays(doc); ++d)
        if (doc.DayDate[static_cast<size_t>(d)].day == day) return d;
    return -1;
}

bool PairingExists(const model::Document& doc, int number) {
    for (int i = 0; i <= doc.LastPairIndex; ++i)
        if (doc.Pairings[static_cast<size_t>(i)].PairNumber == number) return true;
    return false;
}

void AddLimited(std::vector<int>& list, int value, size_t limit) {
    if (list.size() < limit) list.push_back(value);
}

// The days a range token asks for, or nullopt when it is not a range of this month.
std::optional<std::vector<int>> RangeDays(const model::Document& doc, std::string_view token) {
    const size_t dash = token.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const int from = base::LeadingInt(token.substr(0, dash));
    const int to = base::LeadingInt(token.substr(dash + 1));
    const int i = IndexOfDay(doc, from);
    const int j = IndexOfDay(doc, to);
    if (i < 0 || j < 0) return std::nullopt;
    std::vector<int> days;
    if (from < to && i < j) {
        for (int c = from; c <= to; ++c) days.push_back(c);
    } else if (from > to && i > j) {
        for (int c = from; c >= to; --c) days.push_back(c);
    } else {
        // Across the end of a calendar month: follow the schedule's own dates.
        const int step = i <= j ? 1 : -1;
        for (int d = i;; d += step) {
            days.push_back(doc.DayDate[static_cast<size_t>(d)].day);
            if (d == j) break;
        }
    }
    return days;
}

void ReadRequestLine(const model::Document& doc, std::string line, std::vector<int>& days, std::vector<int>& pairs) {
    line = Upper(line);
    const bool off = line.find("OFF") != std::string::npos;
    if (off && line.find("WEEKENDS") != std::string::npos)
        for (int d = 0; d < MonthDays(doc); ++d)
            if (doc.Weekend[static_cast<size_t>(d)]) AddLimited(days, doc.DayDate[static_cast<size_t>(d)].day, kDaySlots);
    const int pairCount = doc.LastPairIndex + 1;
    const char baseLetter = pairCount > 0 && !doc.Pairings[0].BaseEqpCode.empty() ? doc.Pairings[0].BaseEqpCode[0] : '\0';
    size_t pos = 0;
    while (pos < line.size()) {
        const size_t end = std::min(line.find_first_of(" ,", pos), line.size());
        const std::string_view token = std::string_view(line).substr(pos, end - pos);
        pos = end + 1;
        if (token.empty()) continue;
        if (off) {
            if (const auto range = RangeDays(doc, token)) {
                for (int c : *range) AddLimited(days, c, kDaySlots);
                continue;
            }
        }
        const int number = base::LeadingInt(token);
        if (number != 0) {
            if (off && IndexOfDay(doc, number) >= 0) AddLimited(days, number, kDaySlots);
            continue;
        }
        if (token.size() >= 2 && pairCount > 0 && token[0] == baseLetter) {
            const int pair = base::LeadingInt(token.substr(1));
            if (pair != 0 && PairingExists(doc, pair)) AddLimited(pairs, pair, kPairingSlots);
        }
    }
}

// Keeps each value once, in the lowest request that asks for it.
void DropDuplicates(std::array<std::vector<int>, kRequests>& lists) {
    std::vector<int> seen;
    for (auto& list : lists) {
        std::vector<int> kept;
        for (int v : list) {
            if (std::find(seen.begin(), seen.end(), v) != seen.end()) continue;
            seen.push_back(v);
            kept.push_back(v);
        }
        list = std::move(kept);
    }
}

// The day index a requested day of month stands for; nullopt when it is not marked.
std::optional<int> RequestedDayIndex(const model::Document& doc, platform::Interaction& ui, int day) {
    int inMonth = -1, other = -1;
    for (int d = 0; d < MonthDays(doc); ++d) {
        const base::CalendarDate& date = doc.DayDate[static_cast<size_t>(d)];
        if (date.day != day) continue;
        if (date.month == doc.MonthNumber && inMonth < 0) inMonth = d;
        else if (date.month != doc.MonthNumber && other < 0) other = d;
    }
    if (doc.MonthNumber == 2 && day == 1 && inMonth >= 0 && other >= 0)
        return ui.Ask("Is this request Feb 1st Off", kTitle) == platform::Answer::Yes ? inMonth : other;
    if (doc.MonthNumber == 3 && day == 1 && inMonth < 0) {
        ui.Message("March 1st Is Not in This Schedule Period. Ignoring request for March 1st", kTitle,
                   platform::Icon::Stop);
        return std::nullopt;
    }
    if (inMonth >= 0) return inMonth;
    if (other >= 0) return other;
    return std::nullopt;
}

}  // namespace

GuessedBid GuessBid(const model::Document& doc, std::string_view bidText) {
    GuessedBid bid;
    for (int n = 1; n <= kRequests; ++n) {
        const std::string marker = "(" + std::to_string(n) + ").";
        const size_t at = bidText.find(marker);
        if (at == std::string_view::npos) continue;
        const size_t start = at + 4;
        const size_t end = std::min(bidText.find('\n', start), bidText.size());
        const std::string_view line = bidText.substr(start, end - start);
        if (line.size() < 2) continue;
        ReadRequestLine(doc, " " + std::string(line), bid.days[static_cast<size_t>(n - 1)],
                        bid.pairings[static_cast<size_t>(n - 1)]);
    }
    DropDuplicates(bid.days);
    DropDuplicates(bid.pairings);
    return bid;
}

std::string GuessText(const GuessedBid& bid) {
    char buf[16];
    std::string out = "--- Requested Days Off ---\n";
    for (const auto& days : bid.days) {
        if (days.empty()) continue;
        for (int d : days) {
            std::snprintf(buf, sizeof buf, "%02d, ", d);
            out += buf;
        }
        out += "\n";
    }
    out += "\n--- Requested Pairings ---\n";
    for (const auto& pairs : bid.pairings) {
        if (pairs.empty()) continue;
        for (size_t i = 0; i < pairs.size() && i < kShownPairings; ++i) {
            std::snprintf(buf, sizeof buf, "%04d, ", pairs[i]);
            out += buf;
        }
        out += "\n";
    }
    return out;
}

bool StoreBid(model::Document& doc, platform::Interaction& ui, int crew, std::string_view edited) {
    model::TPilot& member = doc.Crew[static_cast<size_t>(crew)];
    const std::string text = Upper(edited.substr(0, kBidTextLimit));
    if (text.size() != member.BidText.size() &&
        ui.Ask("Save Changes to Bid for " + member.Name, kTitle) != platform::Answer::Yes)
        return false;
    // An edit of the same length is kept without asking, and still needs saving.
    if (text != member.BidText) doc.Modified = true;
    member.BidText = text;
    return true;
}

void SetFiltersFromBid(model::Document& doc, platform::Interaction& ui, int crew, const GuessedBid& bid,
                       std::string& pairsCaption) {
    model::TPilot& member = doc.Crew[static_cast<size_t>(crew)];
    const SavedFilter saved = ParseSavedFilter(member.SavedFilters);
    std::vector<int> numbers;
    std::string missing;
    char buf[16];
    for (const auto& pairs : bid.pairings) {
        for (size_t i = 0; i < pairs.size() && i < kShownPairings; ++i) {
            if (pairs[i] <= 0) continue;
            if (PairingExists(doc, pairs[i])) {
                numbers.push_back(pairs[i]);
            } else {
                std::snprintf(buf, sizeof buf, "%04d ", pairs[i]);
                missing += buf;
            }
        }
    }
    if (!missing.empty())
        ui.Message("The following Pair Numbers were Not Found in the Pairings. They Will Not be Added to the Filters. " +
                       missing,
                   kTitle, platform::Icon::Information);
    member.SavedFilters = ComposeSavedFilter(numbers, saved.text);
    doc.Modified = true;
    if (doc.FiltersOn) EmployeeFilterOn(doc, ui, member.EmployeeNumber, pairsCaption);
}

void SetDayOffRequests(model::Document& doc, platform::Interaction& ui, int crew, const GuessedBid& bid) {
    model::TPilot& member = doc.Crew[static_cast<size_t>(crew)];
    for (size_t d = 0; d < 31; ++d)
        if (member.DayFlagA[d] >= kFirstRequestGroup) member.DayFlagA[d] = 0;
    int group = kFirstRequestGroup;
    for (const auto& days : bid.days) {
        const bool ascending = std::is_sorted(days.begin(), days.end());
        bool marked = false;
        for (size_t k = 0; k < days.size(); ++k) {
            const std::optional<int> index = RequestedDayIndex(doc, ui, days[k]);
            if (!index) continue;
            const size_t d = static_cast<size_t>(*index);
            if (member.DayFlagA[d] == 0) {
                member.DayFlagA[d] = static_cast<int8_t>(group);
                marked = true;
            }
            // A break in a run that is not in day order starts a new group.
            if (!ascending && k + 1 < days.size() && days[k + 1] != doc.DayDate[d + 1].day) group = std::min(group + 1, 127);
        }
        if (marked) group = std::min(group + 1, 127);
    }
    doc.Modified = true;
}

std::string PilotMailAddress(const model::TPilot& member, const platform::Profile& profile) {
    // Bids are kept in upper case; addresses are read without regard to case.
    constexpr std::string_view kMarker = "EMAIL: ";
    const std::string& bid = member.BidText;
    const size_t at = bid.find(kMarker);
    if (at != std::string::npos) {
        const size_t from = at + kMarker.size();
        const size_t to = std::min(bid.find_first_of(" \t\r\n", from), bid.size());
        std::string address = bid.substr(from, to - from);
        if (address.find('@') != std::string::npos) {
            for (char& ch : address) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            return address;
        }
    }
    return profile.GetString("LW", "PilotMailAddress", "");
}

}  // namespace lw::bids
