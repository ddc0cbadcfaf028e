#include "rules/complement.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "base/time_text.h"
#include "rules/roster_edit.h"

namespace lw::rules {

namespace {

using model::Document;
using model::TPair;
using model::TPilot;

constexpr std::string_view kTwoCaptsMarker = " TWO CAPTS ON";
constexpr std::string_view kTwoCaptsSearch = "TWO CAPTS";
constexpr std::string_view kExtraFaMarker = " EXTRA FA ON";
constexpr std::string_view kExtraFaSearch = "EXTRA FA ON";

size_t At(int i) { return static_cast<size_t>(i); }

int MonthDays(const Document& doc) { return std::clamp(doc.DayCount, 0, model::kMonthDays); }

int LastBasePairing(const Document& doc) {
    return std::min({doc.LastLoadedPairIndex, doc.LastPairIndex, model::kPairSlots - 1});
}

bool IsPurserPairing(const TPair& q) { return q.PairType.rfind("PU", 0) == 0; }

// The crew row holding the pairing's instance on the day, -1 when open.
int HolderOf(const Document& doc, int pair, int day) {
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c)
        if (doc.Crew[At(c)].DayAssignment[At(day)] == pair) return c;
    return -1;
}

void FreeDay(TPilot& p, int day) {
    p.DayAssignment[At(day)] = model::kDayEmpty;
    // The lock belongs to the pairing; left behind it would lock in the next one put there.
    p.DayLocked[At(day)] = 0;
}

// The copy of the base pairing operating on the day, -1 when none. Each copy answers for one
// line only: two pairings of the file may share a number, and a copy counted for both would
// come back as two copies every time the dialog is closed. sameRecord asks for a copy made
// from this very pairing; otherwise sharing the number is enough.
int ClaimCopy(const Document& doc, const TPair& base, int day, bool sameRecord, std::vector<bool>& claimed) {
    for (int i = doc.LastLoadedPairIndex + 1; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
        const TPair& c = doc.Pairings[At(i)];
        const size_t k = At(i - doc.LastLoadedPairIndex - 1);
        if (claimed[k] || c.PairNumber != base.PairNumber || c.DayStatus[At(day)] == 0) continue;
        if (sameRecord && (c.SourceLine != base.SourceLine || c.BaseEqpCode != base.BaseEqpCode)) continue;
        claimed[k] = true;
        return i;
    }
    return -1;
}

int OperatingDay(const Document& doc, const TPair& q) {
    for (int d = 0; d < MonthDays(doc); ++d)
        if (q.DayStatus[At(d)] != 0) return d;
    return -1;
}

void MarkNegative(TPair& q, int day) { q.DayStatus[At(day)] = -std::abs(q.DayStatus[At(day)]); }

// Writes the marker once and then the marked day of month.
void NoteMarkedDay(const Document& doc, TPair& q, int day, std::string_view marker, std::string_view search) {
    if (q.PairText.find(search) == std::string::npos) q.PairText += marker;
    q.PairText += " " + std::to_string(doc.DayDate[At(day)].day);
}

std::string DateText(const Document& doc, int day) {
    static constexpr std::array<const char*, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const base::Date date = doc.DateOf(day);
    const base::CalendarDate cd = date.Split();
    const int weekday = std::clamp(date.Weekday(), 0, 6);
    char text[64];
    std::snprintf(text, sizeof text, "%s %02d %s %04d", kWeekdays[At(weekday)], cd.day,
                  base::MonthName(cd.month).substr(0, 3).c_str(), cd.year);
    return text;
}

std::string LineText(const Document& doc, int pair, int day, int holder) {
    const TPair& q = doc.Pairings[At(pair)];
    const char letter = q.BaseEqpCode.empty() ? ' ' : q.BaseEqpCode[0];
    char text[128];
    std::snprintf(text, sizeof text, " %c%04d   %-30s%03d%02d", letter, q.PairNumber, DateText(doc, day).c_str(),
                  pair, day);
    std::string line = text;
    if (holder >= 0) {
        std::snprintf(text, sizeof text, "%03d", holder);
        line += text;
    }
    return line;
}

// Keeps only the transactions that still name something in the tables: an undo must never
// act on a copy or a line that has been dropped and perhaps made again for another day.
void ForgetDroppedTransactions(Document& doc) {
    model::History kept;
    const auto& actions = doc.History.Actions();
    for (auto it = actions.rbegin(); it != actions.rend(); ++it)
        if (it->Crew < doc.CrewCount && it->Pair <= doc.LastPairIndex)
            kept.Record(it->Crew, it->Pair, it->Day, it->Kind);
    doc.History = std::move(kept);
}

void DropCopies(Document& doc) {
    const int first = doc.LastLoadedPairIndex + 1;
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c) {
        TPilot& p = doc.Crew[At(c)];
        for (int d = 0; d < model::kDayCells; ++d)
            if (p.DayAssignment[At(d)] >= first) FreeDay(p, d);
    }
    for (int i = first; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) doc.Pairings[At(i)].Reset();
    doc.LastPairIndex = std::max(doc.LastLoadedPairIndex, -1);
}

void DropTrailingCaptPairingsLines(Document& doc) {
    while (doc.CrewCount > 0 && doc.Crew[At(doc.CrewCount - 1)].EmployeeNumber == -1) {
        TPilot& p = doc.Crew[At(doc.CrewCount - 1)];
        for (int d = 0; d < model::kDayCells; ++d) {
            const int32_t pair = p.DayAssignment[At(d)];
            if (pair >= 0 && pair <= doc.LastPairIndex && d < model::kMonthDays)
                doc.Pairings[At(pair)].ReleaseInstance(d);
        }
        p.Reset();
        p.ClearWarnings();
        --doc.CrewCount;
    }
}

// A selected line still names an operating day of a base pairing.
bool LineFits(const Document& doc, const ComplementLine& line) {
    return line.pair >= 0 && line.pair <= LastBasePairing(doc) && line.day >= 0 && line.day < MonthDays(doc) &&
           doc.Pairings[At(line.pair)].DayStatus[At(line.day)] != 0;
}

int AddCaptPairingsLine(Document& doc) {
    const int row = doc.CrewCount++;
    TPilot& p = doc.Crew[At(row)];
    p.Reset();
    p.ClearWarnings();
    p.Name = kCaptPairingsName;
    p.EmployeeNumber = -1;
    return row;
}

// First officers: a marked day goes to a "CAPT PAIRINGS" line and so leaves open time.
void CloseFirstOfficers(Document& doc, Board& board, platform::Interaction& ui, const ComplementDialog& dialog,
                        const std::vector<bool>& selected) {
    bool toldFull = false;
    for (size_t k = 0; k < dialog.lines.size() && k < selected.size(); ++k) {
        const ComplementLine& line = dialog.lines[k];
        if (!selected[k] || !LineFits(doc, line)) continue;
        TPair& q = doc.Pairings[At(line.pair)];
        const int holder = HolderOf(doc, line.pair, line.day);
        const int8_t lock = holder >= 0 ? doc.Crew[At(holder)].DayLocked[At(line.day)] : 0;
        if (holder >= 0) FreeDay(doc.Crew[At(holder)], line.day);
        q.DayStatus[At(line.day)] = -1;

        bool placed = false;
        for (int c = 0; c < doc.CrewCount && !placed; ++c)
            if (IsCaptPairingsLine(doc.Crew[At(c)]))
                placed = AssignPair(doc, board, ui, c, line.pair, line.day, false) == kAssignDone;
        if (!placed && doc.CrewCount < kMostCrewMembers) {
            const int row = AddCaptPairingsLine(doc);
            // An empty line always has the rest; the fallback only guards a month set up oddly.
            placed = AssignPair(doc, board, ui, row, line.pair, line.day, false) == kAssignDone ||
                     AssignPair(doc, board, ui, row, line.pair, line.day, true) == kAssignDone;
        }
        if (!placed) {
            // No room for another line: the day stays as it was before the dialog.
            q.DayStatus[At(line.day)] = holder >= 0 ? 2 : 1;
            if (holder >= 0) {
                doc.Crew[At(holder)].DayAssignment[At(line.day)] = line.pair;
                doc.Crew[At(holder)].DayLocked[At(line.day)] = lock;
            }
            if (!toldFull)
                ui.Message("The Crew Table is Full. No Room for another CAPT PAIRINGS Line", "Linewright",
                           platform::Icon::Stop);
            toldFull = true;
            continue;
        }
        NoteMarkedDay(doc, q, line.day, kTwoCaptsMarker, kTwoCaptsSearch);
    }
}

// Captains and flight attendants: a marked day gets a copy of its pairing operating that day only.
void CloseWithCopies(Document& doc, platform::Interaction& ui, const ComplementDialog& dialog,
                     const std::vector<bool>& selected) {
    const bool cabin = doc.IsFlightAttendants();
    struct Made {
        int copy, base;
    };
    std::vector<Made> made;
    for (size_t k = 0; k < dialog.lines.size() && k < selected.size(); ++k) {
        const ComplementLine& line = dialog.lines[k];
        if (!selected[k] || !LineFits(doc, line)) continue;
        if (doc.LastPairIndex + 1 >= model::kPairSlots) {
            ui.Message("Maximum Number of Pairings Reached. Not all Crew Complement Copies Made", "Linewright",
                       platform::Icon::Stop);
            break;
        }
        const int index = ++doc.LastPairIndex;
        TPair& copy = doc.Pairings[At(index)];
        copy.CopyFrom(doc.Pairings[At(line.pair)]);
        copy.DayStatus = {};
        copy.DayStatus[At(line.day)] = -1;
        if (cabin) copy.PairType = "FA";
        if (line.holder >= 0 && line.holder < doc.CrewCount &&
            doc.Crew[At(line.holder)].DayAssignment[At(line.day)] == model::kDayEmpty) {
            doc.Crew[At(line.holder)].DayAssignment[At(line.day)] = index;
            copy.DayStatus[At(line.day)] = -2;
        }
        made.push_back({index, line.pair});
    }

    for (const Made& m : made) {
        const TPair& copy = doc.Pairings[At(m.copy)];
        const int day = OperatingDay(doc, copy);
        if (day < 0) continue;
        for (int b = 0; b <= LastBasePairing(doc); ++b) {
            TPair& base = doc.Pairings[At(b)];
            if (base.PairNumber != copy.PairNumber) continue;
            if (base.DayStatus[At(day)] != 0) {
                MarkNegative(base, day);
                NoteMarkedDay(doc, base, day, cabin ? kExtraFaMarker : kTwoCaptsMarker,
                              cabin ? kExtraFaSearch : kTwoCaptsSearch);
            }
            // Captains: only the first pairing of that number carries the marks.
            if (!cabin) break;
        }
    }
    for (const Made& m : made) doc.Pairings[At(m.copy)].PairText = doc.Pairings[At(m.base)].PairText;
}

}  // namespace

bool IsCaptPairingsLine(const TPilot& p) { return p.EmployeeNumber == -1; }

ComplementDialog OpenCrewComplement(Document& doc) {
    const bool cabin = doc.IsFlightAttendants();
    const bool firstOfficers = doc.CrewGroup == model::kFirstOfficers;
    ComplementDialog dialog;
    dialog.caption = cabin ? "Change FA Crew Required for Pairings" : "Change Crew Required for Pairings";
    dialog.note = cabin ? "Select All PU Pairings that have an additional Flight Attendant"
                        : "Select All Pairings that have 2 Captains";
    const int lastBase = LastBasePairing(doc);
    const int days = MonthDays(doc);

    for (int i = 0; i <= lastBase; ++i) {
        TPair& q = doc.Pairings[At(i)];
        const size_t at = q.PairText.find(cabin ? kExtraFaMarker : kTwoCaptsMarker);
        if (at != std::string::npos) q.PairText.erase(at);
        for (int32_t& s : q.DayStatus) s = std::abs(s);
    }
    for (int i = 0; i <= lastBase; ++i) {
        const TPair& q = doc.Pairings[At(i)];
        if (cabin && !IsPurserPairing(q)) continue;
        for (int d = 0; d < days; ++d)
            if (q.DayStatus[At(d)] != 0) dialog.lines.push_back({"", i, d, -1});
    }

    // Copies of the very pairing first, then copies that only share its number.
    std::vector<int> copyOf(dialog.lines.size(), -1);
    if (!firstOfficers) {
        std::vector<bool> claimed(At(std::max(doc.LastPairIndex - doc.LastLoadedPairIndex, 0)), false);
        for (const bool sameRecord : {true, false})
            for (size_t k = 0; k < dialog.lines.size(); ++k)
                if (copyOf[k] < 0)
                    copyOf[k] = ClaimCopy(doc, doc.Pairings[At(dialog.lines[k].pair)], dialog.lines[k].day,
                                          sameRecord, claimed);
    }

    for (size_t k = 0; k < dialog.lines.size(); ++k) {
        ComplementLine& line = dialog.lines[k];
        bool marked = copyOf[k] >= 0;
        if (firstOfficers) {
            for (int c = 0; c < doc.CrewCount && !marked; ++c) {
                TPilot& p = doc.Crew[At(c)];
                if (!IsCaptPairingsLine(p) || p.DayAssignment[At(line.day)] != line.pair) continue;
                FreeDay(p, line.day);
                doc.Pairings[At(line.pair)].DayStatus[At(line.day)] = 1;
                marked = true;
            }
        } else if (marked && doc.Pairings[At(copyOf[k])].IsTaken(line.day)) {
            line.holder = HolderOf(doc, copyOf[k], line.day);
            if (line.holder >= 0) FreeDay(doc.Crew[At(line.holder)], line.day);
        }
        line.text = LineText(doc, line.pair, line.day, line.holder);
        dialog.selected.push_back(marked);
    }

    if (firstOfficers) DropTrailingCaptPairingsLines(doc);
    else DropCopies(doc);
    ForgetDroppedTransactions(doc);
    return dialog;
}

void CloseCrewComplement(Document& doc, Board& board, platform::Interaction& ui, const ComplementDialog& dialog,
                         const std::vector<bool>& selected) {
    if (doc.CrewGroup == model::kFirstOfficers) CloseFirstOfficers(doc, board, ui, dialog, selected);
    else CloseWithCopies(doc, ui, dialog, selected);
    doc.Modified = true;
}

void FlagTwoCaptPairs(Document& doc) {
    doc.Log("FlagTwoCaptPairsBegin\n");
    const int days = MonthDays(doc);
    if (doc.CrewGroup == model::kFirstOfficers) {
        for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c) {
            const TPilot& p = doc.Crew[At(c)];
            if (!IsCaptPairingsLine(p)) continue;
            for (int d = 0; d < days; ++d) {
                const int32_t pair = p.DayAssignment[At(d)];
                if (pair >= 0 && pair <= doc.LastPairIndex) MarkNegative(doc.Pairings[At(pair)], d);
            }
        }
    } else if (doc.CrewGroup == model::kCaptains) {
        for (int i = doc.LastLoadedPairIndex + 1; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
            TPair& copy = doc.Pairings[At(i)];
            const int day = OperatingDay(doc, copy);
            if (day < 0) continue;
            MarkNegative(copy, day);
            for (int b = 0; b <= LastBasePairing(doc); ++b) {
                if (doc.Pairings[At(b)].PairNumber != copy.PairNumber) continue;
                MarkNegative(doc.Pairings[At(b)], day);
                break;
            }
        }
    }
    doc.Log("FlagTwoCaptPairsEnd\n");
}

BuildOutcome ChangeCrewComplement(Document& doc, Board& board, platform::Interaction& ui,
                                  const platform::Profile& profile, const ComplementChooser& choose,
                                  const PairingWarningsReport& showWarnings) {
    TakeDownBlocks(doc, board);
    ComplementDialog dialog = OpenCrewComplement(doc);
    const std::vector<bool> chosen = choose(dialog);
    CloseCrewComplement(doc, board, ui, dialog, chosen);
    return BuildBlocks(doc, board, ui, profile, BuildOptions{true, true, false}, showWarnings);
}

}  // namespace lw::rules
