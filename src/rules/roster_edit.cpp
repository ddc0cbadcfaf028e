#include "rules/roster_edit.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "rules/assignment.h"
#include "rules/complement.h"

namespace lw::rules {

namespace {

using model::Document;
using model::TPilot;

constexpr size_t kLongestName = 20;

size_t At(int i) { return static_cast<size_t>(i); }

int ListedCount(const Document& doc) {
    int n = 0;
    for (int c = 0; c < doc.CrewCount; ++c)
        if (!IsCaptPairingsLine(doc.Crew[At(c)])) ++n;
    return n;
}

void Refuse(platform::Interaction& ui, std::string_view text) { ui.Message(text, "Oops", platform::Icon::Stop); }

// A roster position as the planner sees it: "%03d".
std::string Position(int position) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", position);
    return text;
}

// Crew rows change under a roster edit; the row a saved filter was last used with follows its member.
template <class Map>
void FollowRows(Document& doc, Map map) {
    if (doc.FilterCrewIndex >= 0) doc.FilterCrewIndex = map(doc.FilterCrewIndex);
}

// The order changed: transactions name crew rows, so none of them can be undone safely.
void RosterChanged(Document& doc) {
    doc.History.Clear();
    doc.Modified = true;
}

void MoveRecord(Document& doc, int from, int to) {
    auto first = doc.Crew.begin();
    if (from < to) std::rotate(first + from, first + from + 1, first + to + 1);
    else std::rotate(first + to, first + from, first + from + 1);
    FollowRows(doc, [from, to](int32_t r) {
        if (r == from) return static_cast<int32_t>(to);
        if (from < to && r > from && r <= to) return r - 1;
        if (to < from && r >= to && r < from) return r + 1;
        return r;
    });
}

}  // namespace

std::vector<RosterLine> RosterLines(const Document& doc) {
    std::vector<RosterLine> lines;
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c) {
        const TPilot& p = doc.Crew[At(c)];
        if (IsCaptPairingsLine(p)) continue;
        lines.push_back({c, Position(c + 1) + "   " + p.Name + "   " + std::to_string(p.EmployeeNumber)});
    }
    return lines;
}

std::optional<int32_t> ReadEmployeeNumber(std::string_view text) {
    size_t p = 0;
    while (p < text.size() && text[p] == ' ') ++p;
    size_t end = text.size();
    while (end > p && text[end - 1] == ' ') --end;
    if (p == end) return 0;  // an empty field is no employee
    bool negative = false;
    if (text[p] == '-' || text[p] == '+') negative = text[p++] == '-';
    if (p == end) return std::nullopt;
    int64_t value = 0;
    for (; p < end; ++p) {
        if (text[p] < '0' || text[p] > '9') return std::nullopt;
        value = value * 10 + (text[p] - '0');
        if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

InsertOutcome InsertEmployee(Document& doc, platform::Interaction& ui, std::string_view indexText,
                             std::string_view nameText, std::string_view employeeText) {
    if (doc.CrewCount >= kMostCrewMembers) {
        Refuse(ui, "The Roster is Full. No more than 999 Employees can be Listed");
        return {false, RosterField::Index};
    }
    const std::optional<int32_t> position = ReadEmployeeNumber(indexText);
    if (!position || *position < 1 || *position > ListedCount(doc) + 1) {
        Refuse(ui, "Invalid Roster Number!");
        return {false, RosterField::Index};
    }
    if (nameText.empty()) {
        Refuse(ui, "Name must be 1 + letters!");
        return {false, RosterField::Name};
    }
    if (nameText.size() > kLongestName) {
        Refuse(ui, "Name too long!");
        return {false, RosterField::Name};
    }
    const std::optional<int32_t> employee = ReadEmployeeNumber(employeeText);
    if (!employee || *employee < 0 || *employee > model::kMaxEmployeeNumber) {
        Refuse(ui, "Invalid Employee Number!");
        return {false, RosterField::EmployeeNumber};
    }
    if (*employee != 0) {
        for (int c = 0; c < doc.CrewCount; ++c) {
            if (doc.Crew[At(c)].EmployeeNumber != *employee) continue;
            Refuse(ui, "Duplicate Employee Number with " + doc.Crew[At(c)].Name);
            return {false, RosterField::EmployeeNumber};
        }
    }

    const int index = *position - 1;
    auto first = doc.Crew.begin();
    std::move_backward(first + index, first + doc.CrewCount, first + doc.CrewCount + 1);
    ++doc.CrewCount;
    TPilot& p = doc.Crew[At(index)];
    p.Reset();
    p.ClearWarnings();
    p.Name = nameText;
    p.EmployeeNumber = *employee;
    FollowRows(doc, [index](int32_t r) { return r >= index ? r + 1 : r; });
    RosterChanged(doc);
    return {true, RosterField::Index};
}

bool DeleteEmployee(Document& doc, platform::Interaction& ui, std::optional<int> row) {
    if (!row || !IsRosterRow(doc, *row)) {
        Refuse(ui, "I Don't know who to Delete!");
        return false;
    }
    TPilot& p = doc.Crew[At(*row)];
    if (IsCaptPairingsLine(p)) {
        ui.Message("Cannot delete Capt Pairings Lines. Use Edit.. Setup Crew Types", "Linewright",
                   platform::Icon::Stop);
        return false;
    }
    for (int d = 0; d < model::kMonthDays; ++d) {
        const int32_t pair = p.DayAssignment[At(d)];
        if (pair >= 0 && pair <= doc.LastPairIndex) doc.Pairings[At(pair)].ReleaseInstance(d);
    }
    auto first = doc.Crew.begin();
    std::move(first + *row + 1, first + doc.CrewCount, first + *row);
    --doc.CrewCount;
    TPilot& last = doc.Crew[At(doc.CrewCount)];
    last.Reset();
    last.ClearWarnings();
    const int gone = *row;
    FollowRows(doc, [gone](int32_t r) { return r == gone ? -1 : (r > gone ? r - 1 : r); });
    RosterChanged(doc);
    return true;
}

std::string DragStatusText(const Document& doc, int row, int position) {
    const std::string name = IsRosterRow(doc, row) ? doc.Crew[At(row)].Name : std::string();
    return "MOVE " + name + " TO POSITION " + Position(position);
}

std::optional<std::string> DropRosterLine(Document& doc, int row, int position) {
    const int index = position - 1;
    if (!IsRosterRow(doc, row) || !IsRosterRow(doc, index)) return std::nullopt;
    if (IsCaptPairingsLine(doc.Crew[At(row)]) || index == row) return std::nullopt;
    const std::string name = doc.Crew[At(row)].Name;
    MoveRecord(doc, row, index);
    RosterChanged(doc);
    return name + " MOVED TO POSITION " + Position(position);
}

MoveDialogContent MoveDialogFor(const Document& doc, int row) {
    MoveDialogContent dialog;
    dialog.caption = "Linewright Move Employee on Roster";
    const std::string name = IsRosterRow(doc, row) ? doc.Crew[At(row)].Name : std::string();
    dialog.prompt = "Select Position to Move " + name + " to.";
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c) {
        const TPilot& p = doc.Crew[At(c)];
        if (!IsCaptPairingsLine(p)) dialog.lines.push_back({c, Position(c + 1) + " " + p.Name});
    }
    return dialog;
}

bool MoveOnRoster(Document& doc, int row, int newIndex) {
    if (!IsRosterRow(doc, row) || !IsRosterRow(doc, newIndex) || row == newIndex) return false;
    if (IsCaptPairingsLine(doc.Crew[At(row)])) return false;
    MoveRecord(doc, row, newIndex);
    // The history names crew rows: after a move an undo would act on someone else's block.
    RosterChanged(doc);
    ComputeReserveCutoff(doc);
    return true;
}

std::optional<BuildOutcome> EditRoster(Document& doc, Board& board, platform::Interaction& ui,
                                       const platform::Profile& profile, const std::function<void()>& edit,
                                       const PairingWarningsReport& showWarnings) {
    const bool wasBuilt = doc.BlocksBuilt != 0;
    TakeDownBlocks(doc, board);
    edit();
    if (!wasBuilt) return std::nullopt;
    return BuildBlocks(doc, board, ui, profile, BuildOptions{}, showWarnings);
}

}  // namespace lw::rules
