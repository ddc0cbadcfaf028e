#include "import/pairing_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "import/pairing_text.h"
#include "import/text_lines.h"
#include "model/capacities.h"
#include "model/document.h"
#include "model/pair.h"
#include "base/time_text.h"
#include "model/rest_rules.h"

namespace lw::import {

namespace {

constexpr std::string_view kTitle = "Linewright";
// A real pairing has a few dozen detail records and a few kilobytes of text. These bounds only
// stop a broken file from eating the machine's memory.
constexpr int kMaxDetailRecords = 1000;
constexpr size_t kMaxStoredText = size_t{256} << 20;
// The pairing numbers read so far, shown when a file breaks part-way: the last ones tell where.
constexpr size_t kTraceShown = 2000;
// Assignments listed by name before the question sums up the rest.
constexpr size_t kDropsListed = 20;

int32_t SaturatingAdd(int32_t a, int64_t b) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{a} + b, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int8_t Days8(int64_t days) { return static_cast<int8_t>(std::clamp<int64_t>(days, -128, 127)); }

// One copy of a pairing per crew position of the group: the position and how many.
struct CopyPlan {
    std::array<std::pair<std::string_view, int>, 2> positions{};
    int count = 0;
};

class PairingReader {
public:
    enum class Result { Done, Overflow, Broken, Stopped };

    PairingReader(const model::Document& doc, const PairingSelection& selection)
        : doc_(doc), log_(doc.RunLog), selection_(selection), work_(doc.Today()) {
        // The day number of every day of the month, to find an operating date's day index.
        const int days = std::clamp(doc.DayCount, 0, model::kMonthDays);
        for (int d = 0; d < days; ++d) monthDays_[static_cast<size_t>(d)] = doc.DateOf(d).Number();
        days_ = days;
        staged_.reserve(model::kPairLoadLimit);
    }

    // Walks the file once: the group's pairings and, from every line, the city-pair summary.
    Result Read(std::string_view firstLine, TextFileLines& lines, PercentProgress& progress,
                CityPairSummaryBuilder& summary) {
        uint64_t nextReport = 0;
        std::optional<std::string_view> line = firstLine;
        for (; line; line = lines.Next()) {
            summary.Add(*line);
            const Result r = Take(*line);
            if (r != Result::Done) return r;
            if (lines.BytesRead() >= nextReport) {
                const int percent = lines.Percent();
                if (!progress.Report(percent)) return Result::Stopped;
                nextReport = percent >= 100 ? UINT64_MAX : (lines.Size() * static_cast<uint64_t>(percent + 1) + 99) / 100;
            }
        }
        if (lines.Failed()) return Result::Broken;
        if (hasPairing_) return Finish();
        return Result::Done;
    }

    std::vector<model::TPair>& Staged() { return staged_; }

    // The tail of the trace when it is long, starting at a whole number.
    std::string ShownTrace() const {
        if (trace_.size() <= kTraceShown) return trace_;
        const size_t blank = trace_.find(' ', trace_.size() - kTraceShown);
        return "... " + trace_.substr(blank == std::string::npos ? trace_.size() : blank + 1);
    }

private:
    int32_t Num(std::string_view line, int pos, int len) const { return ColumnInt(line, pos, len, log_); }

    base::Date DateAt(std::string_view line, int yearPos) const {
        return base::Date::FromDmy(Num(line, yearPos + 6, 2), Num(line, yearPos + 4, 2), Num(line, yearPos, 4));
    }

    Result Take(std::string_view line) {
        if (line.empty() || line[0] < '1' || line[0] > '5' || !selection_.Takes(line)) return Result::Done;
        if (line[0] == '1') return Header(line);
        // Details of another group's pairing, or of a further operating date, are not wanted.
        if (!building_) return Result::Done;
        if (++details_ > kMaxDetailRecords) return Result::Broken;
        work_.SourceLine.append(line);
        work_.SourceLine.push_back('\n');
        switch (line[0]) {
            case '2':
            case '4':
                if (!RenderPairingRecord(work_, line, first_, log_)) return Result::Broken;
                work_.FatigueUnits = SaturatingAdd(work_.FatigueUnits, 60);
                return Result::Done;
            case '3': return Duty(line);
            default:
                return RenderPairingRecord(work_, line, first_, log_) ? Result::Done : Result::Broken;
        }
    }

    // Column 2 is the equipment code and the first digit of the number. A letter there (the
    // "X" the selection also takes) is no digit: the number is then the three after it, so
    // that such pairings keep a number of their own instead of all reading 0.
    int32_t PairNumberOf(std::string_view line) const {
        if (line.size() > 2 && line[2] >= 'A' && line[2] <= 'Z') return Num(line, 3, 3);
        return Num(line, 2, 4);
    }

    Result Header(std::string_view line) {
        const int32_t number = PairNumberOf(line);
        char digits[16];
        trace_.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
        trace_ += ' ';
        if (trace_.size() > 4 * kTraceShown) trace_.erase(0, trace_.size() - 2 * kTraceShown);
        if (log_) {
            char buf[80];
            std::snprintf(buf, sizeof buf, "Loading Pair %d  Index is %d\n", number, nextFree_);
            doc_.Log(buf);
        }

        std::array<char, 5> key;
        key.fill(' ');
        for (size_t i = 0; i < key.size() && i + 1 < line.size(); ++i) key[i] = line[i + 1];

        const bool repeat = hasPairing_ && key == currentKey_;
        if (repeat) {
            building_ = false;  // a further operating date of the same pairing
        } else {
            if (hasPairing_) {
                const Result r = Finish();
                if (r != Result::Done) return r;
            } else {
                nextFree_ = 0;
            }
            hasPairing_ = true;
            currentKey_ = key;
            building_ = true;
            details_ = 0;
            day_ = 0;
            work_.Reset();
            if (line.size() < RecordTextWidth(line)) return Result::Broken;
            if (number < 1 || number > model::kMaxPairNumber) return Result::Broken;
            Fill(line, number);
            if (!RenderPairingRecord(work_, line, base::Date(), log_)) return Result::Broken;
        }

        // A report at 24:00 (or 00:00) belongs to the next calendar day.
        base::Date date = DateAt(line, 70);
        if (work_.ReportTime == 0 && date.IsValid()) date = date.Next();
        if (!repeat) first_ = date;
        if (date.IsValid() && days_ > 0) {
            // The month's days are consecutive dates; look there first.
            const int32_t guess = date.Number() - monthDays_[0];
            if (guess >= 0 && guess < days_ && monthDays_[static_cast<size_t>(guess)] == date.Number()) {
                work_.DayStatus[static_cast<size_t>(guess)] = 1;
            } else {
                for (int d = 0; d < days_; ++d)
                    if (monthDays_[static_cast<size_t>(d)] == date.Number()) work_.DayStatus[static_cast<size_t>(d)] = 1;
            }
        }
        return Result::Done;
    }

    void Fill(std::string_view line, int32_t number) {
        work_.PairNumber = number;
        work_.BaseEqpCode = std::string(line.substr(1, 2));
        work_.SourceLine.append(line);
        work_.SourceLine.push_back('\n');
        int32_t report = Num(line, 78, 4);
        if (report == base::kMinutesPerDay) report = 0;
        work_.ReportTime = report;
        work_.Tafb = Num(line, 107, 5);
        const int64_t release = int64_t{report} + work_.Tafb;
        work_.PairLength = Days8(release / base::kMinutesPerDay + 1);
        // The release as a clock time 1..1440 on its own day.
        work_.ReleaseTime = static_cast<int32_t>(release > base::kMinutesPerDay ? release - (release - 1) / base::kMinutesPerDay * base::kMinutesPerDay : release);
        work_.RestAfter = Num(line, 145, 4);
        work_.TotalCredit = Num(line, 299, 4);
        work_.LateRelease = line[112] == 'Y';
        for (int d = 0; d < 6; ++d) work_.DailyHardTime[static_cast<size_t>(d)] = Num(line, 150 + 4 * d, 4);

        const std::string_view complement = line.substr(113, 32);
        auto countOf = [&](std::string_view code) {
            const size_t at = complement.find(code);
            if (at == std::string_view::npos) return 0;
            return std::clamp(base::GetInt(complement, static_cast<int>(at) + 2, 2, log_), 0, 99);
        };
        plan_ = CopyPlan{};
        switch (doc_.CrewGroup) {
            case model::kCaptains:
                plan_.positions[0] = {"CA", countOf("CA")};
                plan_.count = 1;
                break;
            case model::kFirstOfficers:
                plan_.positions[0] = {"FO", countOf("FO")};
                plan_.count = 1;
                break;
            case model::kFlightAttendants:
                plan_.positions[0] = {"PU", countOf("PU")};
                plan_.positions[1] = {"FA", countOf("FA")};
                plan_.count = 2;
                break;
            default:
                plan_.positions[0] = {"", 1};
                plan_.count = 1;
                break;
        }
        if (plan_.count == 1 && !plan_.positions[0].first.empty()) work_.PairType = plan_.positions[0].first;
    }

    Result Duty(std::string_view line) {
        if (!DutyRecordHasDuty(line)) return Result::Done;
        if (line.size() < RecordTextWidth(line)) return Result::Broken;
        const base::Date date = DateAt(line, 22);
        if (!date.IsValid() || !first_.IsValid()) return Result::Broken;
        // A duty outside the trip's 31 days cannot be placed on any of its days.
        const int32_t j = date.DaysSince(first_);
        if (j < 0 || j >= model::kMonthDays) return Result::Broken;
        const int previous = day_;
        day_ = j;
        const size_t dj = static_cast<size_t>(j);
        const int32_t start = Num(line, 30, 4);
        const int32_t end = Num(line, 42, 4);
        const int32_t duty = Num(line, 47, 4);
        work_.DailyCredit[dj] = SaturatingAdd(work_.DailyCredit[dj], Num(line, 126, 4));
        work_.DailyStart[dj] = start;
        work_.DailyDuty[dj] = duty;

        // Each duty day leaves the station where its last duty ended; a gap of days repeats
        // the station before it once.
        std::string& layovers = work_.Layovers;
        const std::string_view station = line.substr(56, 3);
        if (j == previous && layovers.size() > 1) {
            layovers.resize(layovers.size() - std::min<size_t>(3, layovers.size()));
        } else if (j - previous > 1) {
            if (layovers.size() >= 3)
                layovers += layovers.substr(layovers.size() - 3);
            else
                layovers += station;
        }
        layovers += station;

        work_.FatigueUnits = SaturatingAdd(work_.FatigueUnits, duty);
        if (!RenderPairingRecord(work_, line, first_, log_)) return Result::Broken;

        // Pilots crossing three or more time zones on the duty need the longer rest after it.
        if (doc_.CrewGroup == model::kCaptains || doc_.CrewGroup == model::kFirstOfficers) {
            const int64_t elapsed = start < end ? int64_t{end} - start : base::kMinutesPerDay - int64_t{start} + end;
            work_.RestAfter = std::llabs(elapsed - duty) >= 180 ? model::kPilotLongRest : model::kPilotRest;
        }
        return Result::Done;
    }

    Result Finish() {
        if (work_.Layovers.size() > 2) work_.Layovers.resize(work_.Layovers.size() - 3);  // home base
        for (int p = 0; p < plan_.count; ++p) {
            const auto& [position, copies] = plan_.positions[static_cast<size_t>(p)];
            for (int c = 0; c < copies; ++c) {
                if (staged_.size() >= static_cast<size_t>(model::kPairLoadLimit)) return Result::Overflow;
                storedText_ += work_.SourceLine.size() + work_.PairText.size();
                if (storedText_ > kMaxStoredText) return Result::Broken;
                // A copy, not a move: the working record keeps its grown text buffers for the next pairing.
                staged_.push_back(work_);
                if (!position.empty()) staged_.back().PairType = std::string(position);
            }
        }
        nextFree_ = static_cast<int>(staged_.size());
        return Result::Done;
    }

    const model::Document& doc_;
    base::LogSink* log_;
    PairingSelection selection_;
    std::array<int32_t, model::kMonthDays> monthDays_{};
    int days_ = 0;

    model::TPair work_;
    CopyPlan plan_;
    bool hasPairing_ = false;
    bool building_ = false;
    std::array<char, 5> currentKey_{};
    base::Date first_;
    int day_ = 0;
    int details_ = 0;
    int nextFree_ = -1;
    size_t storedText_ = 0;
    std::vector<model::TPair> staged_;
    std::string trace_;
};

// Credit differences go into the last day with credit, the trip length stops counting a
// release exactly at midnight, and short trips releasing after midnight are late releases.
void TidyPairings(std::vector<model::TPair>& pairs) {
    for (model::TPair& p : pairs) {
        const int length = p.PairLength;
        if (length >= 1 && length <= model::kMonthDays) {
            int64_t sum = 0;
            for (int d = 0; d < length; ++d) sum += p.DailyCredit[static_cast<size_t>(d)];
            if (sum != p.TotalCredit) {
                size_t last = static_cast<size_t>(length - 1);
                if (p.DailyCredit[last] <= 0 && length > 1) --last;
                p.DailyCredit[last] = SaturatingAdd(p.DailyCredit[last], int64_t{p.TotalCredit} - sum);
            }
        }
        p.PairLength = Days8((int64_t{p.ReportTime} + p.Tafb - 1) / base::kMinutesPerDay + 1);
        if (p.Tafb < 900 && p.ReleaseTime < p.ReportTime && p.ReleaseTime < 120) p.LateRelease = true;
    }
}

// Who holds which pairing after the reload: a crew member keeps the same pairing (same number
// and position) when the new file still flies it that day, wherever it now sits in the table.
struct AssignmentChange {
    int row = 0;
    int day = 0;
    int32_t index = model::kDayEmpty;  // the new pairing index, or empty when removed
    std::string was;                   // the pairing held before, for the question
};

uint64_t PairingIdentity(const model::TPair& p) {
    auto ch = [](const std::string& s, size_t i) -> uint64_t {
        return i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
    };
    return ch(p.BaseEqpCode, 0) << 56 | ch(p.BaseEqpCode, 1) << 48 | ch(p.PairType, 0) << 40 |
           ch(p.PairType, 1) << 32 | static_cast<uint32_t>(p.PairNumber);
}

std::vector<AssignmentChange> PlanAssignments(const model::Document& doc, std::vector<model::TPair>& staged) {
    std::unordered_map<uint64_t, std::vector<int32_t>> copies;
    for (size_t i = 0; i < staged.size(); ++i) copies[PairingIdentity(staged[i])].push_back(static_cast<int32_t>(i));

    auto takeIfOpen = [&](int32_t index, int day) {
        int32_t& status = staged[static_cast<size_t>(index)].DayStatus[static_cast<size_t>(day)];
        if (status != 1 && status != -1) return false;
        status = status < 0 ? -2 : 2;
        return true;
    };

    std::vector<AssignmentChange> changes;
    const int rows = std::clamp(doc.CrewCount, 0, model::kCrewRows);
    const int days = std::clamp(doc.DayCount, 0, model::kMonthDays);
    for (int row = 0; row < rows; ++row) {
        const model::TPilot& crew = doc.Crew[static_cast<size_t>(row)];
        for (int d = 0; d < days; ++d) {
            const int32_t held = crew.DayAssignment[static_cast<size_t>(d)];
            if (held < 0) continue;
            const model::TPair* before =
                held < static_cast<int32_t>(doc.Pairings.size()) ? &doc.Pairings[static_cast<size_t>(held)] : nullptr;
            int32_t now = model::kDayEmpty;
            if (before && before->PairNumber != 0) {
                const auto found = copies.find(PairingIdentity(*before));
                if (found != copies.end())
                    for (int32_t i : found->second)
                        if (takeIfOpen(i, d)) {
                            now = i;
                            break;
                        }
            } else if (held < static_cast<int32_t>(staged.size()) && takeIfOpen(held, d)) {
                now = held;  // nothing known of the pairing held: the slot decides
            }
            if (now != held)
                changes.push_back({row, d, now, before && before->PairNumber != 0 ? before->Designation() : "A pairing"});
        }
    }
    return changes;
}

// The history names pairings by table index: each transaction follows its pairing to where the
// new file puts it (the copy flying that day); one whose pairing is gone can no longer be undone.
model::History FollowHistory(const model::Document& doc, const std::vector<model::TPair>& staged) {
    std::unordered_map<uint64_t, std::vector<int32_t>> copies;
    for (size_t i = 0; i < staged.size(); ++i) copies[PairingIdentity(staged[i])].push_back(static_cast<int32_t>(i));
    model::History moved;
    const auto& actions = doc.History.Actions();
    for (auto it = actions.rbegin(); it != actions.rend(); ++it) {
        if (it->Pair < 0 || it->Pair > doc.LastPairIndex || it->Day < 0 || it->Day >= model::kMonthDays) continue;
        const model::TPair& before = doc.Pairings[static_cast<size_t>(it->Pair)];
        int32_t now = -1;
        if (before.PairNumber == 0) {
            if (it->Pair < static_cast<int32_t>(staged.size())) now = it->Pair;
        } else if (const auto found = copies.find(PairingIdentity(before)); found != copies.end()) {
            for (int32_t i : found->second)
                if (staged[static_cast<size_t>(i)].DayStatus[static_cast<size_t>(it->Day)] != 0) {
                    now = i;
                    break;
                }
        }
        if (now >= 0) moved.Record(it->Crew, now, it->Day, it->Kind);
    }
    return moved;
}

std::string RemovalQuestion(const model::Document& doc, const std::vector<AssignmentChange>& changes) {
    std::string text = "These crew assignments do not fit the new pairings and will be removed:\n";
    size_t listed = 0, removed = 0;
    for (const AssignmentChange& c : changes) {
        if (c.index != model::kDayEmpty) continue;
        ++removed;
        if (listed == kDropsListed) continue;
        ++listed;
        const model::TPilot& crew = doc.Crew[static_cast<size_t>(c.row)];
        const base::CalendarDate date = doc.DayDate[static_cast<size_t>(c.day)];
        char buf[64];
        std::snprintf(buf, sizeof buf, " on %s.%02d - ", base::MonthLabel(date.month).c_str(), date.day);
        text += "  " + c.was + buf + crew.Name + " (" + std::to_string(crew.EmployeeNumber) + ")\n";
    }
    if (removed > listed) text += "  ... and " + std::to_string(removed - listed) + " more\n";
    text += "Load the new pairings?";
    return text;
}

void ApplyDaylightSaving(model::Document& doc) {
    if (doc.DstShift == 0) return;
    const int last = std::min<int>(doc.LastPairIndex, model::kPairLoadLimit - 1);
    for (int i = 0; i <= last; ++i) {
        model::TPair& p = doc.Pairings[static_cast<size_t>(i)];
        const auto first = std::find_if(p.DayStatus.begin(), p.DayStatus.end(), [](int32_t s) { return s != 0; });
        if (first == p.DayStatus.end()) continue;
        const int64_t dayStart = int64_t{first - p.DayStatus.begin()} * base::kMinutesPerDay;
        const int64_t report = dayStart + p.ReportTime;
        const int64_t release = report + p.Tafb;
        if (report >= doc.DstChangeTime || release < doc.DstChangeTime) continue;
        int64_t shifted = int64_t{p.ReleaseTime} + doc.DstShift;
        if (shifted > base::kMinutesPerDay)
            shifted -= base::kMinutesPerDay;
        else if (shifted < 1)
            shifted += base::kMinutesPerDay;
        p.ReleaseTime = static_cast<int32_t>(shifted);
        p.PairLength = Days8((int64_t{p.ReportTime} + p.Tafb + doc.DstShift - 1) / base::kMinutesPerDay + 1);
    }
}

}  // namespace

bool PairingSelection::Takes(std::string_view line) const {
    if (!hasBase || line.size() < 2 || line[1] != base) return false;
    if (ignoreEquipment) return true;
    return line.size() > 2 && ((equipment != '\0' && line[2] == equipment) || line[2] == secondEquipment);
}

PairingSelection SelectPairings(const model::Document& doc, std::string_view manualCodes, bool ignoreEquipment) {
    PairingSelection s;
    if (!manualCodes.empty()) {
        s.hasBase = manualCodes[0] != ' ';
        s.base = manualCodes[0];
        if (manualCodes.size() >= 2 && manualCodes[1] != ' ')
            s.equipment = manualCodes[1];
        else
            s.ignoreEquipment = true;
    } else {
        const std::string& group = doc.GroupCode;
        static constexpr std::array<std::pair<std::string_view, char>, 9> kBases = {{{"YYJ", 'J'},
                                                                                     {"YVR", 'V'},
                                                                                     {"YYC", 'C'},
                                                                                     {"YXE", 'S'},
                                                                                     {"YYZ", 'Z'},
                                                                                     {"YXU", 'U'},
                                                                                     {"YUL", 'M'},
                                                                                     {"YQB", 'Q'},
                                                                                     {"YHZ", 'H'}}};
        if (group.size() > 8 && group[8] != ' ') {
            s.hasBase = true;
            s.base = group[8];
        } else {
            for (const auto& [airport, letter] : kBases)
                if (group.find(airport) != std::string::npos) {
                    s.hasBase = true;
                    s.base = letter;
                    break;
                }
        }
        struct Equipment {
            std::string_view type;
            char code, second;
        };
        static constexpr std::array<Equipment, 4> kEquipment = {
            {{"DH8", '8', 'X'}, {"E75", '5', 'X'}, {"DH4", '4', 'X'}, {"CRJ", '7', '2'}}};
        for (const Equipment& e : kEquipment)
            if (group.find(e.type) != std::string::npos) {
                s.equipment = e.code;
                s.secondEquipment = e.second;
                break;
            }
        if (doc.IsFlightAttendants()) s.ignoreEquipment = true;
    }
    if (ignoreEquipment) s.ignoreEquipment = true;
    return s;
}

std::optional<PairingCodes> DialogPairingCodes(const model::Document& doc, platform::Interaction& ui, bool useManual,
                                               std::string_view baseCode, std::string_view eqpCode) {
    if (!useManual) return PairingCodes{"", doc.IsFlightAttendants()};
    if (baseCode.empty()) {
        ui.Message("You have not entered a Base Code.", kTitle, platform::Icon::None);
        return std::nullopt;
    }
    std::string codes(baseCode.substr(0, 1));
    base::UpperCase(codes);
    codes += eqpCode.substr(0, 1);
    return PairingCodes{codes, eqpCode.empty()};
}

platform::FileRequest PairingFileRequest(std::string lastPrgPath) {
    platform::FileRequest request;
    request.title = "Load This Month's Pairings";
    request.filter = "Pairing Files (*.Vandrel *.PRG)|*.Vandrel;*.PRG|All Files (*.*)|*.*";
    request.folder = std::move(lastPrgPath);
    return request;
}

bool LoadPairingFile(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                     std::string_view manualCodes, bool ignoreEquipment, std::filesystem::path* folder) {
    if (folder) {
        std::error_code ec;
        const std::filesystem::path full = std::filesystem::absolute(file, ec);
        *folder = (ec ? file : full).parent_path();
    }

    TextFileLines lines(file);
    if (!lines.IsOpen()) {
        ui.Message(file.string(), "Unable to Open File", platform::Icon::Stop);
        return false;
    }
    const std::optional<std::string_view> first = lines.Next();
    if (!first && lines.Failed()) {
        ui.Message(file.string(), "Unable to Open File", platform::Icon::Stop);
        return false;
    }
    if (!first || first->empty() || (*first)[0] != '1') {
        ui.Message("This does not appear to be a valid PRG file. The first char should be 1", kTitle,
                   platform::Icon::None);
        return false;
    }

    doc.Log("BeginLoadPRGPairs\n");
    PairingReader reader(doc, SelectPairings(doc, manualCodes, ignoreEquipment));
    CityPairSummaryBuilder summary;
    PairingReader::Result result;
    {
        platform::BusyScope busy(ui);
        platform::StatusScope status(ui, "Loading Pairs");
        PercentProgress progress(ui, "Loading PRG Pairings");
        result = reader.Read(*first, lines, progress, summary);
    }
    switch (result) {
        case PairingReader::Result::Done: break;
        case PairingReader::Result::Stopped: return false;
        case PairingReader::Result::Overflow:
            ui.Message("Maximum Number of Pairings Reached. Not all Pairings Loaded", kTitle, platform::Icon::Stop);
            return false;
        case PairingReader::Result::Broken:
            ui.Message("File Error - Unable to Load Pairings from this file. See Next Message Box for Progress", kTitle,
                       platform::Icon::Stop);
            ui.Message(reader.ShownTrace(), "Pair Loading Progress", platform::Icon::Stop);
            return false;
    }

    std::vector<model::TPair>& staged = reader.Staged();
    if (staged.empty()) {
        ui.Message("Unable to load pairings from this file", kTitle, platform::Icon::Stop);
        return false;
    }
    TidyPairings(staged);

    const std::vector<AssignmentChange> changes = PlanAssignments(doc, staged);
    const bool removes = std::any_of(changes.begin(), changes.end(),
                                     [](const AssignmentChange& c) { return c.index == model::kDayEmpty; });
    if (removes && ui.Ask(RemovalQuestion(doc, changes), kTitle, platform::Buttons::YesNo, platform::Icon::Warning) !=
                       platform::Answer::Yes)
        return false;

    // From here on the new pairings stand.
    model::History history = FollowHistory(doc, staged);
    doc.ZeroData(false, true);
    doc.History = std::move(history);
    for (size_t i = 0; i < staged.size(); ++i) doc.Pairings[i] = std::move(staged[i]);
    doc.LastPairIndex = doc.LastLoadedPairIndex = static_cast<int32_t>(staged.size()) - 1;
    for (const AssignmentChange& c : changes)
        doc.Crew[static_cast<size_t>(c.row)].DayAssignment[static_cast<size_t>(c.day)] = c.index;

    ScanUsSegments(doc, ui);
    doc.SetupDaylightSaving();
    ApplyDaylightSaving(doc);
    doc.Modified = true;
    doc.DocTexts[model::kCityPairSummaryText] = summary.Text();
    return true;
}

}  // namespace lw::import
