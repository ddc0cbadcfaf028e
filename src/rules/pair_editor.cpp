#include "rules/pair_editor.h"

#include <cstdio>

#include "base/time_text.h"


namespace lw::rules {

using model::TPair;

namespace {

std::string HhMm(int32_t minutes, const char* format) {
    char text[32];
    std::snprintf(text, sizeof text, format, minutes / 60, minutes % 60);
    return text;
}

// Hours, a separator and minutes as typed; hours -1 when not readable.
void ReadHoursMinutes(const std::string& text, int& hours, int& minutes) {
    hours = 0;
    minutes = 0;
    if (text.size() <= 3) return;
    char sep = 0;
    if (std::sscanf(text.c_str(), "%d%c%d", &hours, &sep, &minutes) != 3) hours = -1;
}

bool ReadNumber(const std::string& text, int32_t& value) {
    value = 0;
    if (text.empty() || text.size() > 5) return text.empty();
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

int32_t ReadEditorTime(const std::string& text, int maxHours) {
    int hours = 0, minutes = 0;
    ReadHoursMinutes(text, hours, minutes);
    if (hours < 0 || hours > maxHours || minutes < 0 || minutes > 59) return -1;
    return hours * 60 + minutes;
}

PairEditor::PairEditor(model::Document& doc, Board& board, platform::Interaction& ui, bool editMode, int index)
    : doc_(doc), board_(board), ui_(ui), editMode_(editMode) {
    index_ = index >= 0 && index < (doc.LastPairIndex + 1) ? index : 0;
    Show();
}

int PairEditor::LastDay() const {
    const int length = doc_.Pairings[static_cast<size_t>(index_)].PairLength;
    return length > 0 ? length - 1 : 5;
}

std::string PairEditor::PositionText() const {
    return std::to_string(index_ + 1) + " of " + std::to_string((doc_.LastPairIndex + 1));
}

std::string PairEditor::DayText() const { return "Day " + std::to_string(day_ + 1); }

std::string PairEditor::DayLabel(int day) const {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", doc_.DayDate[static_cast<size_t>(day)].day);
    return text;
}

void PairEditor::Show() {
    const TPair& q = doc_.Pairings[static_cast<size_t>(index_)];
    day_ = 0;
    fields = {};
    if (q.PairNumber != 0) {
        char number[16];
        std::snprintf(number, sizeof number, "%04d", q.PairNumber);
        fields.number = number;
    }
    // A pairing without credit is a blank slot to fill in.
    if (q.TotalCredit < 1) return;
    fields.timeOn = HhMm(q.ReportTime, "%02d:%02d");
    fields.timeOff = HhMm(q.ReleaseTime, "%02d:%02d");
    fields.credit = HhMm(q.TotalCredit, "%02d:%02d");
    fields.tafb = HhMm(q.Tafb, "%03d:%02d");
    fields.length = std::to_string(q.PairLength);
    for (int d = 0; d < doc_.DayCount; ++d) fields.days[static_cast<size_t>(d)] = q.DayStatus[static_cast<size_t>(d)] != 0;
    ShowDaily();
}

void PairEditor::ShowDaily() {
    const TPair& q = doc_.Pairings[static_cast<size_t>(index_)];
    const auto d = static_cast<size_t>(day_);
    fields.start = HhMm(q.DailyStart[d], "%02d:%02d");
    fields.duty = HhMm(q.DailyDuty[d], "%02d:%02d");
    fields.hard = HhMm(q.DailyHardTime[d], "%02d:%02d");
    fields.dailyCredit = HhMm(q.DailyCredit[d], "%02d:%02d");
}

bool PairEditor::StoreDaily() {
    refused_ = false;
    const int32_t start = ReadEditorTime(fields.start, 23);
    const int32_t duty = ReadEditorTime(fields.duty, 23);
    const int32_t hard = ReadEditorTime(fields.hard, 23);
    const int32_t credit = ReadEditorTime(fields.dailyCredit, 23);
    if (start < 0 || start > 1439 || duty < 0 || duty > 1080 || hard < 0 || credit < 0) {
        refused_ = true;
        ui_.Message("Daily Data Invalid. Please Correct the Data", "Linewright");
        return false;
    }
    TPair& q = doc_.Pairings[static_cast<size_t>(index_)];
    const auto d = static_cast<size_t>(day_);
    if (q.DailyStart[d] != start || q.DailyDuty[d] != duty || q.DailyHardTime[d] != hard ||
        q.DailyCredit[d] != credit)
        doc_.Modified = true;
    q.DailyStart[d] = start;
    q.DailyDuty[d] = duty;
    q.DailyHardTime[d] = hard;
    q.DailyCredit[d] = credit;
    return true;
}

bool PairEditor::ChangeDay(int day) {
    if (day < 0 || day > LastDay()) return false;
    if (editMode_ && !StoreDaily()) return false;
    day_ = day;
    ShowDaily();
    return true;
}

bool PairEditor::StorePairInfo() {
    refused_ = false;
    if (!editMode_) return true;
    int onH = 0, onM = 0, crH = 0, crM = 0, tfH = 0, tfM = 0;
    ReadHoursMinutes(fields.timeOn, onH, onM);
    ReadHoursMinutes(fields.credit, crH, crM);
    ReadHoursMinutes(fields.tafb, tfH, tfM);
    int32_t number = 0;
    const bool numberRead = ReadNumber(fields.number, number);
    const int32_t report = onH * 60 + onM;
    const int32_t tafb = tfH * 60 + tfM;
    const int32_t length = (report + tafb - 1) / base::kMinutesPerDay + 1;
    bool operates = false;
    for (int d = 0; d < doc_.DayCount; ++d) operates = operates || fields.days[static_cast<size_t>(d)];

    std::string complaints;
    if (onH < 0 || onH > 23 || onM < 0 || onM > 59) complaints += "Time On ? ";
    if (crH < 0 || crM < 0 || crM > 59 || crH > 85) complaints += "Credit ? ";
    if (tfH < 0 || tfM < 0 || tfM > 59 || tfH > 144) complaints += "TAFB?  ";
    if (!operates) complaints += "Never Operates? ";
    if (!numberRead || number < 1 || number > 9999) complaints += "Pair Number Not Valid 1-9999";
    if (length < 1 || length > 6) complaints += "Calculated Length?";

    if (!complaints.empty()) {
        refused_ = true;
        if (complaints.size() >= 71) return true;
        char title[64];
        std::snprintf(title, sizeof title, "Errors in this Pairing at Index %03d!", index_);
        return ui_.Ask(complaints + "- Fix Now?", title, platform::Buttons::YesNo, platform::Icon::Question) !=
               platform::Answer::Yes;
    }

    doc_.Modified = true;
    TPair& q = doc_.Pairings[static_cast<size_t>(index_)];
    q.ReportTime = report;
    int32_t release = report + tafb;
    while (release > base::kMinutesPerDay) release -= base::kMinutesPerDay;
    q.ReleaseTime = release;
    q.TotalCredit = crH * 60 + crM;
    q.PairNumber = number;
    q.Tafb = tafb;
    q.PairLength = static_cast<int8_t>(length);
    q.IsValid = true;
    for (int d = 0; d < doc_.DayCount; ++d) {
        const auto i = static_cast<size_t>(d);
        if (fields.days[i]) {
            if (q.DayStatus[i] == 0) q.DayStatus[i] = 1;
            continue;
        }
        if (q.IsTaken(d)) {
            int holder = -1;
            for (int c = 0; c < doc_.CrewCount && holder < 0; ++c)
                if (PairOnDay(doc_, c, d) == index_) holder = c;
            if (holder < 0) {
                ui_.Message("MisMatch in Dops and Block?", "Internal Error in PairDialog::StorePairInfo",
                            platform::Icon::Stop);
            } else {
                // The day leaves the member's block the way every removal does: logged and undoable.
                char text[128];
                std::snprintf(text, sizeof text, "Removing Pairing %04d from %s", q.PairNumber,
                              doc_.Crew[static_cast<size_t>(holder)].Name.c_str());
                ui_.Message(text, "Change made to Days of Operation!");
                RemovePair(doc_, board_, holder, index_, d);
            }
        }
        q.DayStatus[i] = 0;
    }
    return true;
}

bool PairEditor::MoveTo(int index) {
    if (index < 0 || index >= (doc_.LastPairIndex + 1)) return false;
    // The day's figures typed last go with the pairing, as a day change would keep them.
    if (editMode_ && !StoreDaily()) return false;
    if (!StorePairInfo()) return false;
    index_ = index;
    Show();
    return true;
}

bool PairEditor::Close() { return !editMode_ || (StoreDaily() && StorePairInfo()); }

}  // namespace lw::rules
