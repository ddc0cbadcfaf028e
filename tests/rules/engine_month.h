#pragma once
// Small real months for the engine tests, and a line diff of the whole document.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "fake_interaction.h"
#include "output/document_dump.h"
#include "rules/assignment.h"
#include "rules/block_checks.h"
#include "support/block_builder.h"

namespace lw::test {

using Lines = std::vector<std::string>;

// A month of `days` days from the first date, set up as the new-month wizard does.
inline std::unique_ptr<model::Document> MakeMonth(int8_t group, int day = 1, int month = 4, int year = 2026,
                                                  int days = 30) {
    FakeInteraction quiet;
    auto doc = NewMonth(base::Date::FromDmy(day, month, year), days, static_cast<model::CrewGroupKind>(group), quiet);
    doc->SetupDaylightSaving();
    return doc;
}

// A member rested well before the month; the phone number tells rows apart in a dump.
inline int AddCrew(model::Document& doc, const std::string& name, int32_t employee = 0) {
    const int row = AddMember(doc, name, employee ? employee : 100000 + doc.CrewCount);
    doc.Crew[static_cast<size_t>(row)].Phone1 = "416-555-" + std::to_string(1000 + row);
    doc.Crew[static_cast<size_t>(row)].LegalCheckIn = -1440;
    return row;
}

struct PairingShape {
    int32_t number = 1000;
    int32_t report = 480;
    int32_t release = 1080;  // minute of the last day
    int length = 1;
    int32_t dailyCredit = 300;
    std::string text{};
    char base = 'V';
};

// A pairing open on the given day indexes only.
inline int AddPairing(model::Document& doc, const PairingShape& s, const std::vector<int>& days) {
    PairingPlan trip = Trip(s.number, s.length, s.report, s.release > s.report ? s.release - s.report : 480, 240,
                            s.dailyCredit);
    trip.base = s.base;
    trip.report = s.report;
    trip.release = s.release;
    trip.marks = s.text;
    const int index = AddPairing(doc, trip);
    model::TPair& q = doc.Pairings[static_cast<size_t>(index)];
    q.DayStatus = {};
    for (int d : days) q.DayStatus[static_cast<size_t>(d)] = 1;
    return index;
}

inline void Hold(model::Document& doc, int crew, int pair, int day) { PutPairing(doc, crew, pair, day); }

inline void PutActivity(model::Document& doc, int crew, int day, const std::string& code, int32_t start,
                        int32_t minutes, bool duty, int32_t credit = 0) {
    PutDayActivity(doc, crew, day, ActivityPlan{code, code.substr(0, 2), start, minutes, credit, 0, false, duty});
}

// The board as Build Blocks leaves it: credits, the reserve cut-off and every block checked.
inline void Settle(model::Document& doc) {
    for (int c = 0; c < doc.CrewCount; ++c) rules::ComputeCredit(doc, c, false);
    rules::ComputeReserveCutoff(doc);
    rules::CheckAllBlocks(doc);
    if (doc.CrewGroup == model::kCaptains) rules::CheckTwoCaptains(doc);
}

inline std::string Dump(const model::Document& doc) { return output::DumpDocument(doc, {}); }

// Everything the planner could see change, saved or not.
inline std::string Snapshot(const model::Document& doc) {
    std::string s = Dump(doc) + "modified " + std::to_string(doc.Modified) + "\n";
    for (int c = 0; c < doc.CrewCount; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        s += p.IllegalText + "|" + p.WarningText + "|" + p.RuleLog + "|" + std::to_string(p.RulesChecked) +
             std::to_string(p.ReserveLine);
        for (size_t d = 0; d < model::kDayCells; ++d) s += std::to_string(p.DayIllegal[d] * 2 + p.DayWarning[d]);
        s += "\n";
    }
    return s;
}

// The lines that differ between two dumps, hunk by hunk: "-" taken out, then "+" put in.
inline Lines Changes(const std::string& before, const std::string& after) {
    auto split = [](const std::string& text) {
        Lines lines;
        for (size_t from = 0, nl; from < text.size(); from = nl + 1) {
            nl = text.find('\n', from);
            lines.push_back(text.substr(from, nl - from));
            if (nl == std::string::npos) break;
        }
        return lines;
    };
    const Lines a = split(before), b = split(after);
    std::vector<std::vector<int>> lcs(a.size() + 1, std::vector<int>(b.size() + 1, 0));
    for (size_t i = a.size(); i-- > 0;)
        for (size_t j = b.size(); j-- > 0;)
            lcs[i][j] = a[i] == b[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    Lines out;
    for (size_t i = 0, j = 0; i < a.size() || j < b.size();) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            ++i, ++j;
        } else if (i < a.size() && (j == b.size() || lcs[i + 1][j] >= lcs[i][j + 1])) {
            out.push_back("-" + a[i++]);
        } else {
            out.push_back("+" + b[j++]);
        }
    }
    return out;
}

inline std::string StatusLine(const model::TPair& q, int day = -1, int32_t value = 0) {
    std::string s = "  status";
    for (int d = 0; d < model::kMonthDays; ++d) s += " " + std::to_string(d == day ? value : q.DayStatus[static_cast<size_t>(d)]);
    return s;
}

// A day cell that holds a pairing and nothing else.
inline std::string PairCell(int day, int pair, int locked = 0) {
    return "  cell " + std::to_string(day) + " assignment " + std::to_string(pair) + " request 0 locked " +
           std::to_string(locked) +
           " code \"\" extract \"\" text \"\" activity 0 0 0 0 0 0 0 0 0 0 prev 0 0 0 0 0 0 0 0 0 0";
}

inline std::string Credits(int hours, int minutes, int bidsReserve = 0) {
    return "  credits hours " + std::to_string(hours) + " minutes " + std::to_string(minutes) +
           " draft 0 extra 0 time-bank 0 training-at-home 0 outside-w 0 bids-reserve " + std::to_string(bidsReserve);
}

}  // namespace lw::test
