#include "output/selected_blocks_text.h"

#include "model/activity_codes.h"
#include "base/time_text.h"
#include "output/block_text.h"
#include "platform/profile.h"

namespace lw::output {

using model::Document;
using model::TPilot;
using namespace blocktext;

namespace {

constexpr const char* kSection = "CLIPBOARD";

// Pairing texts may hold bare LF line ends; the clipboard wants CR LF, and a CR LF already
// there stays as it is.
std::string WithCrLf(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

// Date, work and request lines of the calendar, a week at a time.
class Calendar {
public:
    Calendar(bool withRequests, int leadingCells) : withRequests_(withRequests), cells_(leadingCells) {
        const std::string lead(static_cast<size_t>(leadingCells), '\t');
        dates_ = work_ = requests_ = lead;
    }
    void Add(const std::string& date, const std::string& work, const std::string& request, std::string& out) {
        dates_ += date + "\t";
        work_ += work + "\t";
        requests_ += request + "\t";
        if (++cells_ % 7 == 0) Flush(out);
    }
    void Flush(std::string& out) {
        out += dates_ + kEnd + work_ + kEnd;
        if (withRequests_) out += requests_ + kEnd;
        out += kEnd;
        dates_.clear(), work_.clear(), requests_.clear();
    }

private:
    bool withRequests_;
    int cells_;
    std::string dates_, work_, requests_;
};

void AddMember(const Document& doc, const TPilot& p, const SelectedBlocksOptions& options, std::string& out) {
    out += Printf("Name: %s  Emp: %09ld  Credit %s ", p.Name.c_str(), static_cast<long>(p.EmployeeNumber),
                  base::FormatTime(p.CreditTotal()).c_str()) +
           kEnd + kEnd;
    std::string title = "\t\t     " + doc.MonthTitleText() + "   " + doc.YearTitleText();
    base::UpperCase(title);
    out += title + kEnd + kEnd;
    out += std::string("SUN\tMON\tTUE\tWED\tTHU\tFRI\tSAT") + kEnd + kEnd;

    const int days = MonthDayCount(doc);
    const int firstWeekday = days > 0 ? doc.DateOf(0).Weekday() : 0;
    Calendar calendar(options.includeXes, firstWeekday >= 0 && firstWeekday < 7 ? firstWeekday : 0);
    for (int d = 0; d < days; ++d) {
        std::string work;
        if (const model::TPair* q = PairOn(doc, p, d))
            work = Printf("P%04d", q->PairNumber);
        else if (IsActivity(p, d))
            work = p.DayCode[static_cast<size_t>(d)] + " ";
        const std::string request = RequestCodeText(p.DayFlagA[static_cast<size_t>(d)]);
        calendar.Add(Printf("%02d ", doc.DayDate[static_cast<size_t>(d)].day), work,
                     request.empty() ? request : request + " ", out);
    }
    calendar.Flush(out);
    out += kEnd;

    if (options.fullPairings) {
        for (int d = 0; d < days; ++d)
            if (const model::TPair* q = PairOn(doc, p, d)) out += WithCrLf(q->PairText) + kEnd + kEnd;
    }
    out += kEnd;
}

}  // namespace

SelectedBlocksOptions ReadClipboardOptions(const platform::Profile& profile) {
    return {profile.GetInt(kSection, "ClipXes", 0) != 0, profile.GetInt(kSection, "ClipPairs", 0) != 0};
}

bool WriteClipboardOptions(platform::Profile& profile, const SelectedBlocksOptions& options) {
    const bool xes = profile.WriteInt(kSection, "ClipXes", options.includeXes ? 1 : 0);
    const bool pairs = profile.WriteInt(kSection, "ClipPairs", options.fullPairings ? 1 : 0);
    return xes && pairs;
}

void StoreBlockSelection(Document& doc, const std::vector<int>& rows) {
    for (int c = 0; c < doc.CrewCount; ++c) doc.Crew[static_cast<size_t>(c)].Selected = 0;
    for (int row : rows)
        if (row >= 0 && row < doc.CrewCount) doc.Crew[static_cast<size_t>(row)].Selected = 1;
}

std::string RequestCodeText(int8_t mark) {
    if (mark >= 1 && mark <= static_cast<int8_t>(model::kDayOffRequests.size()))
        return std::string(model::kDayOffRequests[static_cast<size_t>(mark - 1)].code);
    if (mark == 13) return "GDO";
    if (mark == 14) return "PDO";
    return mark > 0 ? std::to_string(mark) : std::string();
}

std::string SelectedBlocksText(const Document& doc, const SelectedBlocksOptions& options) {
    std::string out = "Selected Blocks for " + doc.MonthTitleText() + " " + doc.YearTitleText() + "." + kEnd + kEnd;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (p.Selected) AddMember(doc, p, options, out);
    }
    return out;
}

void CopySelectedBlocks(const Document& doc, platform::Interaction& ui, const SelectedBlocksOptions& options) {
    doc.Log("Copying Blocks To Clipboard\n");
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (p.Selected) doc.Log("Adding Employee " + p.Name + " to Clipboard\n");
    }
    ui.SetClipboard(SelectedBlocksText(doc, options));
}

}  // namespace lw::output
