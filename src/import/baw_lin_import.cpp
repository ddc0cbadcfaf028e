#include "import/baw_lin_import.h"

#include <cctype>
#include <cstdio>

#include "base/text.h"
#include "import/crewtrac_codes.h"
#include "model/activity_codes.h"
#include "rules/assignment.h"
#include "rules/gestures.h"
#include "base/time_text.h"

namespace lw::import {

namespace {

bool Digits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

int32_t Number(std::string_view text) {
    int32_t n = 0;
    for (char c : text) n = n * 10 + (c - '0');
    return n;
}

// Day index of a YYMMDD date counted from the month's first day; nullopt when not a date.
std::optional<int32_t> DayIndex(const model::Document& doc, std::string_view yymmdd) {
    if (yymmdd.size() != 6 || !Digits(yymmdd)) return std::nullopt;
    const base::Date date =
        base::Date::FromDmy(Number(yymmdd.substr(4, 2)), Number(yymmdd.substr(2, 2)), 2000 + Number(yymmdd.substr(0, 2)));
    if (!date.IsValid()) return std::nullopt;
    return date.DaysSince(doc.FirstDate());
}

bool InMonth(const model::Document& doc, int32_t day) { return day >= 0 && day < doc.DayCount; }

// One 38-character entry; nullopt when it is not one this month can hold.
std::optional<BawLinEntry> ParseEntry(const model::Document& doc, std::string_view text) {
    BawLinEntry e;
    e.text = std::string(base::TrimSpaces(text));
    if (text.substr(0, 2) == "10") {
        if (!std::isalpha(static_cast<unsigned char>(text[6])) || !Digits(text.substr(7, 4)) || text[11] != ' ')
            return std::nullopt;
        const auto day = DayIndex(doc, text.substr(12, 6));
        if (!day || !InMonth(doc, *day)) return std::nullopt;
        e.pairing = true;
        e.base = text[6];
        e.number = Number(text.substr(7, 4));
        e.firstDay = *day;
        return e;
    }
    const std::string kind(text.substr(0, 2));
    e.code = kind == "99" ? std::string(base::TrimSpaces(text.substr(2, 2))) : CrewTracReserveCode(kind);
    if (e.code.empty() || base::TrimSpaces(text.substr(4, 14)) != "") return std::nullopt;
    const auto first = DayIndex(doc, text.substr(18, 6));
    const auto last = DayIndex(doc, text.substr(28, 6));
    if (!first || !last || !InMonth(doc, *first) || *last < *first || !Digits(text.substr(24, 4)) ||
        !Digits(text.substr(34, 4)))
        return std::nullopt;
    e.firstDay = *first;
    e.lastDay = *last;
    e.start = Number(text.substr(24, 4));
    e.end = Number(text.substr(34, 4));
    if (e.start > base::kMinutesPerDay || e.end > base::kMinutesPerDay) return std::nullopt;
    return e;
}

std::string Printf(const char* format, int a, const std::string& b = "") {
    return base::PrintfString(format, a, b.c_str());
}

std::optional<BawLinBlock> ParseBaw(std::string_view line) {
    if (!Digits(line.substr(0, 9)) || line[9] != ' ' || !Digits(line.substr(13, 3))) return std::nullopt;
    BawLinBlock b;
    b.employee = Number(line.substr(0, 9));
    b.crewLetter = line[10];
    b.group = std::string(line.substr(11, 2));
    b.line = Number(line.substr(13, 3));
    b.position = std::string(line.substr(16, 2));
    return b;
}

// What one LIN record holds, before it is matched to its BAW line.
struct LinRecord {
    int32_t line = 0;
    char type = ' ';
    std::vector<BawLinEntry> entries;
    bool used = false;
};

}  // namespace

bool ReadBawLin(const model::Document& doc, platform::Interaction& ui, const std::filesystem::path& baw,
                const std::filesystem::path& lin, BawLinFile& out) {
    out = {};
    std::string bawText, linText;
    if (base::ReadFileUpTo(baw, kBawLinReadLimit, bawText) == base::BoundedRead::CannotOpen ||
        base::ReadFileUpTo(lin, kBawLinReadLimit, linText) == base::BoundedRead::CannotOpen) {
        ui.Message("File Error - Unable to Load Roster from this file.", "Linewright", platform::Icon::Stop);
        return false;
    }
    std::vector<BawLinBlock> blocks;
    base::TextLineCursor bawLines(bawText);
    int n = 0;
    while (auto line = bawLines.Next()) {
        ++n;
        if (line->empty()) continue;
        if (line->size() != kCrewTracBawLine) {
            out.warnings.push_back(base::PrintfString("BAW line %d is %zu characters long, not 18: skipped", n, line->size()));
            continue;
        }
        auto block = ParseBaw(*line);
        if (!block) {
            out.warnings.push_back(Printf("BAW line %d is not a block line: skipped", n));
            continue;
        }
        blocks.push_back(*block);
    }

    std::vector<LinRecord> records;
    base::TextLineCursor linLines(linText);
    n = 0;
    while (auto line = linLines.Next()) {
        ++n;
        if (line->empty()) continue;
        if (line->size() != kCrewTracLinLine) {
            out.warnings.push_back(base::PrintfString("LIN line %d is %zu characters long, not 1320: skipped", n, line->size()));
            continue;
        }
        if ((*line)[0] == '0') continue;  // the header
        if ((*line)[0] != '1' || !Digits(line->substr(4, 3))) {
            out.warnings.push_back(Printf("LIN line %d is not a block record: skipped", n));
            continue;
        }
        LinRecord r;
        r.line = Number(line->substr(4, 3));
        r.type = (*line)[7];
        for (size_t at = kCrewTracEntriesAt; at + kCrewTracEntry <= line->size(); at += kCrewTracEntry) {
            const std::string_view text = line->substr(at, kCrewTracEntry);
            if (base::TrimSpaces(text).empty()) continue;
            if (auto e = ParseEntry(doc, text)) r.entries.push_back(*e);
            else out.warnings.push_back(Printf("LIN line %d: entry %s is not a day of this month: skipped", n,
                                               std::string(base::TrimSpaces(text))));
        }
        records.push_back(std::move(r));
    }

    // Lines pair up by line number; open-time records ("000") pair with open-time BAW lines in order.
    for (BawLinBlock& b : blocks) {
        LinRecord* match = nullptr;
        for (LinRecord& r : records) {
            if (r.used) continue;
            if (b.employee == 0 ? r.line == 0 && r.type == 'O' : r.line == b.line && r.type != 'O') {
                match = &r;
                break;
            }
        }
        if (!match) {
            out.warnings.push_back(Printf("Line %03d of the BAW file has no LIN record: skipped", b.line));
            continue;
        }
        match->used = true;
        b.lineType = match->type;
        b.entries = match->entries;
        out.blocks.push_back(b);
    }
    for (const LinRecord& r : records)
        if (!r.used) out.warnings.push_back(Printf("LIN record of line %03d has no BAW line: skipped", r.line));
    return true;
}

int BawLinCrewRow(const model::Document& doc, const BawLinBlock& block, int& openUsed) {
    int open = 0;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const int32_t employee = doc.Crew[static_cast<size_t>(c)].EmployeeNumber;
        if (employee != block.employee) continue;
        if (block.employee != 0) return c;
        if (open++ == openUsed) {
            ++openUsed;
            return c;
        }
    }
    return -1;
}

std::string BawLinBlockLine(const model::Document& doc, const BawLinBlock& block) {
    int openUsed = 0;
    int row = -1;
    if (block.employee != 0) row = BawLinCrewRow(doc, block, openUsed);
    const std::string who = block.employee == 0 ? "open time" : row < 0 ? "not on the Roster" : doc.Crew[static_cast<size_t>(row)].Name;
    return base::PrintfString("%03d %09d %c%s%s %c %2zu entries  %s", block.line, block.employee, block.crewLetter,
                        block.group.c_str(), block.position.c_str(), block.lineType, block.entries.size(), who.c_str());
}

namespace {

// What one entry puts on the block, worked out before anything changes.
struct Placement {
    const BawLinEntry* entry = nullptr;
    int32_t pair = -1;
    std::vector<int32_t> days;  // activity days
    model::ToolboxButton button;
};

struct Placer {
    model::Document& doc;
    platform::Interaction& ui;
    rules::Board board;
    std::vector<std::string> warnings;

    // Days the member's block already holds, pairings counted over their whole length.
    std::vector<bool> Busy(int crew) const {
        std::vector<bool> busy(static_cast<size_t>(doc.DayCount), false);
        const model::TPilot& p = doc.Crew[static_cast<size_t>(crew)];
        for (int d = 0; d < doc.DayCount; ++d) {
            const int32_t cell = p.DayAssignment[static_cast<size_t>(d)];
            if (cell == model::kDayEmpty) continue;
            const int len = cell >= 0 && cell <= doc.LastPairIndex ? doc.Pairings[static_cast<size_t>(cell)].PairLength : 1;
            for (int k = d; k < d + std::max(len, 1) && k < doc.DayCount; ++k) busy[static_cast<size_t>(k)] = true;
        }
        return busy;
    }

    bool Claim(std::vector<bool>& busy, int from, int count, int line, const std::string& what) {
        for (int d = from; d < from + count && d < doc.DayCount; ++d) {
            if (busy[static_cast<size_t>(d)]) {
                warnings.push_back(base::PrintfString("Line %03d: day %d is not free for %s", line, d + 1, what.c_str()));
                return false;
            }
        }
        for (int d = from; d < from + count && d < doc.DayCount; ++d) busy[static_cast<size_t>(d)] = true;
        return true;
    }

    std::optional<Placement> PlanPairing(const BawLinEntry& e, int line, std::vector<bool>& busy) {
        const std::string name = base::PrintfString("%c%04d", e.base, e.number);
        bool known = false, operates = false;
        for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) {
            const model::TPair& q = doc.Pairings[static_cast<size_t>(i)];
            if (q.BaseEqpCode.empty() || q.BaseEqpCode[0] != e.base || q.PairNumber != e.number) continue;
            known = true;
            if (!q.Operates(e.firstDay)) continue;
            operates = true;
            if (!q.IsOpen(e.firstDay)) continue;
            if (!Claim(busy, e.firstDay, std::max<int>(q.PairLength, 1), line, name)) return std::nullopt;
            Placement p;
            p.entry = &e;
            p.pair = i;
            return p;
        }
        if (!known) warnings.push_back(base::PrintfString("Line %03d: pairing %s is not in the pairing table", line, name.c_str()));
        else if (!operates)
            warnings.push_back(base::PrintfString("Line %03d: pairing %s does not operate on day %d", line, name.c_str(), e.firstDay + 1));
        else warnings.push_back(base::PrintfString("Line %03d: pairing %s on day %d is taken", line, name.c_str(), e.firstDay + 1));
        return std::nullopt;
    }

    std::optional<Placement> PlanActivity(const BawLinEntry& e, int line, std::vector<bool>& busy) {
        const auto match = model::LookupOutsideCode(doc, e.code);
        if (!match) {
            warnings.push_back(base::PrintfString("Line %03d: no activity has the CrewTrac code %s", line, e.code.c_str()));
            return std::nullopt;
        }
        Placement p;
        p.entry = &e;
        const bool run = IsCrewTracMultiDayCode(match->code) && e.lastDay > e.firstDay;
        const int32_t last = run ? std::min(e.lastDay, doc.DayCount - 1) : e.firstDay;
        for (int32_t d = e.firstDay; d <= last; ++d) p.days.push_back(d);
        // One day's time: an entry ending on a later date than it starts passes midnight.
        const int32_t minutes = !run && e.lastDay > e.firstDay ? e.end + base::kMinutesPerDay - e.start
                                : e.end >= e.start            ? e.end - e.start
                                                              : e.end + base::kMinutesPerDay - e.start;
        model::TAbsence& a = p.button.activity;
        a.Code = match->code;
        a.ExtractCode = e.code;
        a.StartTime = e.start;
        a.EndTime = e.start + minutes > base::kMinutesPerDay ? e.start + minutes - base::kMinutesPerDay : e.start + minutes;
        a.Credit = match->credit;
        a.HardTime = match->hardTime;
        a.ContainsDuty = match->containsDuty;
        a.CarsDuty = match->carsDuty;
        a.CreditCounts = match->creditCounts;
        p.button.value = match->credit;
        p.button.reserve = match->reserve;
        p.button.excludeCredit = !match->creditCounts;
        p.button.label = e.code;
        if (!Claim(busy, e.firstDay, last - e.firstDay + 1, line, e.code)) return std::nullopt;
        return p;
    }

    // Sends back what was placed for the member.
    void TakeBack(int crew, const std::vector<std::pair<int32_t, int32_t>>& placed) {
        rules::GridGestures grid(doc, board, ui, rules::GridPrefs{false, false});
        for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
            if (it->first >= 0) rules::RemovePair(doc, board, crew, it->first, it->second);
            else grid.RightClick(crew, it->second, {true, true});
        }
    }

    void Apply(const BawLinBlock& block, int crew) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(crew)];
        std::vector<bool> busy = Busy(crew);
        std::vector<Placement> plan;
        bool whole = true;
        for (const BawLinEntry& e : block.entries) {
            if (!e.pairing && e.code == "DC") continue;  // the draft credit travels in the block's credits
            auto placement = e.pairing ? PlanPairing(e, block.line, busy) : PlanActivity(e, block.line, busy);
            if (placement) plan.push_back(std::move(*placement));
            else whole = false;
        }
        bool agreed = false;
        const std::string question =
            base::PrintfString("%s: the block of line %03d cannot be placed whole. Place what can be placed?", p.Name.c_str(),
                         block.line);
        if (!whole) {
            if (ui.Ask(question, "Linewright") != platform::Answer::Yes) return;
            agreed = true;
        }
        std::vector<std::pair<int32_t, int32_t>> placed;  // (pairing or -1, day)
        rules::GridGestures grid(doc, board, ui);
        for (const Placement& step : plan) {
            bool ok = true;
            if (step.pair >= 0) {
                const int result = rules::AssignPair(doc, board, ui, crew, step.pair, step.entry->firstDay, false);
                ok = result == rules::kAssignDone;
                if (ok) placed.emplace_back(step.pair, step.entry->firstDay);
                else
                    warnings.push_back(base::PrintfString("Line %03d: %s refused (%d) %s", block.line, step.entry->text.c_str(),
                                                    result, std::string(rules::AssignResultMessage(result)).c_str()));
            } else {
                grid.ChooseTool(step.button);
                for (int32_t d : step.days) {
                    grid.LeftDown(crew, d, {});
                    if (grid.LeftUp(crew, d, {}).effect == rules::GridEffect::Painted) {
                        placed.emplace_back(-1, d);
                    } else {
                        ok = false;
                        warnings.push_back(base::PrintfString("Line %03d: day %d is not free for %s", block.line, d + 1,
                                                        step.entry->code.c_str()));
                    }
                }
            }
            if (!ok && !agreed) {
                if (ui.Ask(question, "Linewright") != platform::Answer::Yes) {
                    TakeBack(crew, placed);
                    return;
                }
                agreed = true;
            }
        }
    }
};

}  // namespace

std::vector<std::string> ApplyBawLinBlocks(model::Document& doc, platform::Interaction& ui, const BawLinFile& file,
                                           const std::vector<size_t>& chosen) {
    Placer placer{doc, ui, {}, {}};
    int openUsed = 0;
    for (size_t index : chosen) {
        if (index >= file.blocks.size()) continue;
        const BawLinBlock& block = file.blocks[index];
        const int crew = BawLinCrewRow(doc, block, openUsed);
        if (crew < 0) {
            placer.warnings.push_back(
                base::PrintfString("Employee %09d of line %03d is not on the Roster", block.employee, block.line));
            continue;
        }
        placer.Apply(block, crew);
    }
    return placer.warnings;
}

bool ImportBawLinFiles(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& baw,
                       const std::filesystem::path& lin) {
    BawLinFile file;
    if (!ReadBawLin(doc, ui, baw, lin, file)) return false;
    std::vector<std::string> lines;
    std::vector<size_t> all;
    for (size_t i = 0; i < file.blocks.size(); ++i) {
        lines.push_back(BawLinBlockLine(doc, file.blocks[i]));
        all.push_back(i);
    }
    ui.ShowList("Import BAW and LIN Blocks", lines);
    std::vector<std::string> warnings = file.warnings;
    for (std::string& w : ApplyBawLinBlocks(doc, ui, file, all)) warnings.push_back(std::move(w));
    if (!warnings.empty()) ui.ShowList("Summary", warnings);
    return true;
}

}  // namespace lw::import
