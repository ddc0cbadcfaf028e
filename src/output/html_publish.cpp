#include "output/html_publish.h"

#include <array>
#include <cerrno>
#include <cstring>

#include "base/time_text.h"
#include "output/block_text.h"
#include "output/csv_publish.h"
#include "persist/file_set.h"

namespace lw::output {

using model::Document;
using model::TPilot;
using namespace blocktext;

namespace {

// A row never grows past this many day cells, whatever reaches beyond the month.
constexpr int kRowSlots = 36;

// Names and codes come from outside files: they must not turn into markup on the page.
std::string HtmlText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else out += c;
    }
    return out;
}

std::string Cell(const std::string& text) { return "<TD>" + HtmlText(text) + "</TD>"; }

constexpr const char* kArrowCell = "<TD>-></TD>";

// The day cells of one block: X for a free day, the pairing number on its first day with its
// arrow and layover stations after it, the activity code with an arrow when it runs past
// midnight. A later day's own entry wins over what an earlier pairing wrote there.
std::string DayCells(const Document& doc, const TPilot& p) {
    // Each slot holds its finished cell; an empty slot writes nothing.
    std::array<std::string, kRowSlots> slots{};
    const int days = MonthDayCount(doc);
    for (int d = 0; d < days && d < kRowSlots; ++d) slots[static_cast<size_t>(d)] = Cell("X");
    auto put = [&slots](int slot, std::string text) {
        if (slot >= 0 && slot < kRowSlots) slots[static_cast<size_t>(slot)] = std::move(text);
    };
    for (int d = 0; d < days; ++d) {
        if (const model::TPair* q = PairOn(doc, p, d)) {
            put(d, Cell(std::to_string(q->PairNumber)));
            if (q->LateRelease) put(d + 1, kArrowCell);
            for (size_t k = 1; 3 * (k - 1) < q->Layovers.size() && d + static_cast<int>(k) < kRowSlots; ++k)
                put(d + static_cast<int>(k), Cell(q->Layovers.substr(3 * (k - 1), 3)));
        } else if (IsActivity(p, d)) {
            const model::DayValues& a = p.DayActivity[static_cast<size_t>(d)];
            put(d, Cell(p.DayCode[static_cast<size_t>(d)]));
            if (int64_t{a[model::kActStart]} + a[model::kActDuration] > base::kMinutesPerDay) put(d + 1, kArrowCell);
        }
    }
    std::string out;
    for (const std::string& slot : slots) out += slot;
    return out;
}

void Stop(platform::Interaction& ui, const char* text) { ui.Message(text, "File Error", platform::Icon::Stop); }

}  // namespace

std::string PublishPageText(const Document& doc) {
    const std::string month = doc.MonthTitleText(), year = doc.YearTitleText();
    std::string out = "<title>" + month + " " + year + "</title>" + kEnd;
    out += std::string("<BODY BGCOLOR=\"#ffcc00\"TEXT=\"#000000\"LINK=\"#008080\"VLINK=\"#00aa00\">") + kEnd;
    out += std::string("<B><font face=\"Courier\" size=2>") + kEnd;
    out += "<center>Crew Blocks for " + month + " " + year + kEnd + "<br><br></center>" + kEnd;
    out += std::string("<TABLE BORDER=1 CELLPADDING=2 CELLSPACING=1>") + kEnd + "<TR>" + kEnd;
    out += "<TH>Name</TH><TH>Emp Num</TH><TH>Block</TH>";
    for (int d = 0; d < MonthDayCount(doc); ++d)
        out += Printf("<TH>%s %02d</TH>", WeekdayText(doc, d).c_str(), doc.DayDate[static_cast<size_t>(d)].day);
    out += std::string(kEnd) + "<TR>" + kEnd;
    out += std::string("<B><font face=\"Arial\" size=1>") + kEnd;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        out += "<TR>" + Cell(p.Name) + Cell(std::to_string(p.EmployeeNumber)) + Cell(base::FormatTime(p.CreditTotal())) +
               DayCells(doc, p) + "</TR>" + kEnd;
    }
    return out;
}

PublishFiles PublishFilesFor(const Document& doc, const std::filesystem::path& folder) {
    const std::filesystem::path schedule(doc.CurrentFileName);
    std::filesystem::path where = folder.empty() ? schedule.parent_path() : folder;
    if (where.empty()) where = ".";
    const std::string stem = schedule.stem().string();
    return {where / (stem + ".htm"), where / (stem + ".csv"), where / (stem + "_Month_Layout.csv"),
            where / (stem + " CT Planned Absences.csv")};
}

PublishResult PublishForInternet(const Document& doc, platform::Interaction& ui, const std::filesystem::path& folder,
                                 platform::FileOps& ops) {
    PublishResult r;
    if (std::filesystem::path(doc.CurrentFileName).filename().empty()) {
        ui.Message("File Must be Named First, Select Save As", "File Error", platform::Icon::Information);
        return r;
    }
    const PublishFiles files = PublishFilesFor(doc, folder);
    std::error_code ec;
    std::filesystem::create_directories(files.page.parent_path(), ec);

    // The page and its CSV files are read together: all four are new, or all stay as they were.
    std::vector<persist::SetFile> set;
    doc.Log("SaveForNetBegin\n");
    set.push_back({files.page, PublishPageText(doc)});
    set.push_back({files.blockList, BlockListCsv(doc)});
    set.push_back({files.layout, MonthLayoutCsv(doc)});
    set.push_back({files.absences, PlannedAbsencesCsv(doc)});
    const persist::SetWriteResult written = persist::WriteFileSet(set, ops);
    // The run log traces the files as far as the set got: the page, then the block list and the
    // absences (the layout has no line of its own).
    const size_t reached = written.result == platform::WriteResult::Ok ? set.size() : written.failedFile;
    if (reached >= 1) doc.Log("SaveForNetEnd\n");
    if (reached >= 1) doc.Log("Save CSV begin\n");
    if (reached >= 3) doc.Log("Save CSV begin\n");
    if (written.result != platform::WriteResult::Ok) {
        const bool page = written.failedFile == 0;
        if (written.result == platform::WriteResult::CannotCreate || written.result == platform::WriteResult::ReadOnly)
            Stop(ui, page ? "Cant create file for Internet Publishing" : "Cant create CSV file");
        else if (platform::IsDiskFull(written.errorCode))
            Stop(ui, page ? "Cannot Save HTML File to specified disk. Disk may be full"
                          : "Cannot Save CSV File to specified disk. Disk may be full");
        else
            Stop(ui, page ? "Can't Save HTML File!" : "Can't Save CSV File!");
        return r;
    }
    r.written = {files.page, files.blockList, files.layout, files.absences};
    ui.Message("HTML and Various CVS Files Saved to folder " + files.page.parent_path().string(), "Linewright",
               platform::Icon::Information);
    r.completed = true;
    return r;
}

}  // namespace lw::output
