#include "bids/bid_import.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "bids/bids.h"
#include "base/text.h"

namespace lw::bids {

namespace {

constexpr const char* kTitle = "Linewright";
constexpr std::string_view kEndMarker = "end_x_bid";
constexpr std::string_view kSeparator = "\",\"";
constexpr size_t kFields = 35;
// A month's bids of a thousand pilots stay far below this; beyond it the file is not a bids file.
constexpr size_t kLargestBidsFile = size_t{64} << 20;
// One field of a record is a short value or a comment; longer is junk.
constexpr size_t kLongestField = 4000;
constexpr size_t kLongestRecord = kFields * kLongestField;
constexpr int8_t kGdoMark = 13;
constexpr int8_t kPdoMark = 14;
constexpr size_t kMostDays = 9;

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The file as read in text mode: CR LF line ends become LF.
std::string TextMode(const std::string& raw) {
    std::string out;
    out.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i)
        if (!(raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')) out += raw[i];
    return out;
}

// The 35 fields of the record that starts at the opening quote `at`; false when a separator
// or the end marker is missing.
bool SplitRecord(std::string_view text, size_t at, const std::vector<size_t>& ends,
                 std::array<std::string, kFields>& fields) {
    const auto next = std::lower_bound(ends.begin(), ends.end(), at);
    if (next == ends.end() || *next - at > kLongestRecord) return false;
    const size_t end = *next;
    const std::string_view record = text.substr(at + 1, end - at - 1);
    size_t pos = 0;
    for (size_t k = 0; k + 1 < kFields; ++k) {
        const size_t sep = record.find(kSeparator, pos);
        if (sep == std::string_view::npos) return false;
        fields[k] = std::string(record.substr(pos, std::min(sep - pos, kLongestField)));
        pos = sep + kSeparator.size();
    }
    const size_t quote = std::min(record.find('"', pos), record.size());
    fields[kFields - 1] = std::string(record.substr(pos, std::min(quote - pos, kLongestField)));
    return true;
}

bool DayNumber(std::string_view item, int& day) {
    item = base::TrimSpaces(item);
    if (item.empty() || item.size() > 2) return false;
    day = 0;
    for (char c : item) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        day = day * 10 + (c - '0');
    }
    return day >= 1 && day <= 31;
}

// Where each quoted number followed by a comma first occurs, and where every end marker
// stands: one pass over the file, so a thousand pilots do not rescan it a thousand times.
struct BidIndex {
    std::unordered_map<std::string, size_t> firstLabel;
    std::vector<size_t> ends;
};

BidIndex IndexBids(std::string_view text) {
    BidIndex index;
    for (size_t at = text.find(kEndMarker); at != std::string_view::npos; at = text.find(kEndMarker, at + 1))
        index.ends.push_back(at);
    for (size_t i = text.find('"'); i != std::string_view::npos; i = text.find('"', i + 1)) {
        size_t j = i + 1;
        while (j < text.size() && j - i < 16 && (std::isdigit(static_cast<unsigned char>(text[j])) || text[j] == '-')) ++j;
        if (j > i + 1 && j + 1 < text.size() && text[j] == '"' && text[j + 1] == ',')
            index.firstLabel.emplace(std::string(text.substr(i, j + 2 - i)), i);
    }
    return index;
}

std::string Label(int32_t employee) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "\"%06ld\",", static_cast<long>(employee));
    return buf;
}

}  // namespace

std::string MarkBidDays(model::Document& doc, int crew, std::string_view list, int8_t mark) {
    struct Wanted {
        int day;
        bool nextMonth;
    };
    std::vector<Wanted> wanted;
    size_t pos = 0;
    while (pos <= list.size()) {
        size_t comma = list.find(',', pos);
        if (comma == std::string_view::npos) comma = list.size();
        std::string_view item = list.substr(pos, comma - pos);
        pos = comma + 1;
        if (wanted.size() == kMostDays) return mark == kGdoMark ? " ERROR! TO MANY GDOs " : " ERROR! TO MANY PDOs ";
        const size_t plus = item.find('+');
        const bool next = plus != std::string_view::npos;
        if (next) item.remove_prefix(plus + 1);
        int day = 0;
        if (!DayNumber(item, day)) return " ERROR! ";
        wanted.push_back({day, next});
    }
    model::TPilot& member = doc.Crew[static_cast<size_t>(crew)];
    const int monthDays = std::clamp(doc.DayCount, 0, 31);
    for (const Wanted& w : wanted) {
        int found = -1;
        const int from = w.nextMonth ? monthDays : 0;
        const int to = w.nextMonth ? model::kDayCells : monthDays;
        for (int d = from; d < to && found < 0; ++d)
            if (doc.DayDate[static_cast<size_t>(d)].day == w.day) found = d;
        if (found < 0 || member.DayAssignment[static_cast<size_t>(found)] != model::kDayEmpty) return " ERROR! ";
        member.DayFlagA[static_cast<size_t>(found)] = mark;
    }
    return "";
}

bool PilotBidsOffered(const model::Document& doc, platform::Interaction& ui) {
    if (!doc.IsFlightAttendants()) return true;
    ui.Message("This Feature is for Pilot Use Only", kTitle, platform::Icon::Stop);
    return false;
}

bool ImportPilotBids(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file) {
    if (!PilotBidsOffered(doc, ui)) return false;
    // Read before any bid is deleted: a file that cannot be read must cost the planner nothing.
    std::string raw;
    switch (base::ReadFileUpTo(file, kLargestBidsFile, raw)) {
        case base::BoundedRead::Ok: break;
        case base::BoundedRead::TooLarge:
            ui.Message(file.string() + " is larger than any bids file (64 MB) and was not read.", kTitle,
                       platform::Icon::Stop);
            return false;
        default:
            ui.Message("Unable to Open File " + file.string(), kTitle, platform::Icon::Stop);
            return false;
    }
    bool anyBid = false;
    for (int c = 0; c < doc.CrewCount; ++c) anyBid = anyBid || !doc.Crew[static_cast<size_t>(c)].BidText.empty();
    if (anyBid) {
        const platform::Answer a = ui.Ask(
            "Current Bids will be replaced on an individual basis when a bid is found in this file. Would you Like to "
            "Delete All Current Bids First",
            kTitle, platform::Buttons::YesNoCancel);
        if (a != platform::Answer::Yes && a != platform::Answer::No) return false;
        if (a == platform::Answer::Yes &&
            ui.Ask("Confirm that you wish to Delete All Pilot Bids before Importing the Bids from the CSV File", kTitle,
                   platform::Buttons::YesNo, platform::Icon::Stop) == platform::Answer::Yes)
            for (int c = 0; c < doc.CrewCount; ++c) doc.Crew[static_cast<size_t>(c)].BidText.clear();
    }
    const std::string text = TextMode(raw);
    const BidIndex index = IndexBids(text);

    base::ErrorLines warnings;
    {
        platform::ProgressScope progress(ui, "Importing Pilot Bids", doc.CrewCount);
        for (int c = 0; c < doc.CrewCount; ++c) {
            progress.Step(c, base::PrintfString("Searching for Bid %d of %d", c + 1, doc.CrewCount));
            model::TPilot& member = doc.Crew[static_cast<size_t>(c)];
            const char* name = member.Name.c_str();
            const int employee = member.EmployeeNumber;
            const auto found = index.firstLabel.find(Label(employee));
            if (found == index.firstLabel.end()) {
                warnings.Add(base::PrintfString("No Bid Found for %s  Emp Number %d.", name, employee));
                continue;
            }
            std::array<std::string, kFields> f;
            if (!SplitRecord(text, found->second, index.ends, f)) {
                warnings.Add(
                    base::PrintfString("* Bid Found but Unable to Extract Bid Data for %s  Emp Number %d.", name, employee));
                continue;
            }
            auto field = [&](int n) -> std::string& { return f[static_cast<size_t>(n - 1)]; };

            std::string requests;
            for (int n = 1; n <= 8; ++n) {
                std::string request = field(21 + n);
                if (request.empty()) continue;
                // Line breaks inside a spreadsheet cell arrive as vertical tabs; the cell's own
                // last character is kept as the bidding system wrote it.
                for (size_t i = 0; i + 1 < request.size(); ++i)
                    if (request[i] == '\v') request[i] = ' ';
                requests += "(" + std::to_string(n) + "). " + request + "\n";
            }

            const struct {
                int field;
                int8_t mark;
                const char* warning;
            } dayLists[] = {{12, kGdoMark, "* GDO Load Error for %s  Emp Number %d."},
                            {13, kPdoMark, "* PDO1 Load Error for %s  Emp Number %d."},
                            {14, kPdoMark, "* PDO2 Load Error for %s  Emp Number %d."}};
            for (const auto& list : dayLists) {
                if (field(list.field).empty()) continue;
                const std::string error = MarkBidDays(doc, c, field(list.field), list.mark);
                if (error.empty()) continue;
                field(list.field) += error;
                warnings.Add(base::PrintfString(list.warning, name, employee));
            }

            std::string bid = field(2) + " " + field(3) + "    " + field(1) + "\n";
            bid += "MAX DAYS: " + field(18) + "MAX DAYS RES: " + field(21) + "    CREW REST: " + field(19) +
                   "    PAIR/RES: " + field(20) + "    LBW: " + field(9) + "\n";
            const std::pair<const char*, int> counts[] = {{"VAC: ", 10},  {"STAT: ", 11},     {"GDO: ", 12},
                                                          {"PDO1: ", 13}, {"PDO2: ", 14},     {"PDO NEXT: ", 15},
                                                          {"USED PDO: ", 16}, {"SIM: ", 17}};
            bool anyCount = false;
            for (const auto& [label, n] : counts) {
                if (field(n).empty()) continue;
                bid += label + field(n) + "   ";
                anyCount = true;
            }
            if (anyCount) bid += "\n";
            bid += "\n" + requests;
            bid += "\nPref Pairs: " + field(30) + "\n\nComments This: " + field(31) + "\nComments Last: " + field(32) +
                   "\n\n";
            bid += "eMail: " + field(4) + "   Ph1: " + field(5) + "   Ph2: " + field(6) + "\n";
            bid += "HIST PDO: " + field(33) + "SUBMITTED: " + field(34) + " " + field(35).substr(0, 8);

            member.BidText = Upper(bid.substr(0, kBidTextLimit));
            member.Phone1 = field(5);
            member.Phone2 = field(6);
            if (Upper(field(20)).starts_with('R')) {
                member.BidsReserve = true;
                warnings.Add(member.Name + " Flagged as Bidding Reserve.");
            }
        }
    }
    if (!warnings.Empty()) {
        const std::vector<std::string> lines = warnings.Lines();
        std::string joined;
        for (const std::string& line : lines) joined += line + "\r\n";
        ui.ShowList(kBidWarningsTitle, lines);
        ui.SetClipboard(joined);
    }
    doc.Modified = true;
    return true;
}

}  // namespace lw::bids
