#pragma once
// The pairing editor: corrects a pairing's times, number, days of operation and daily figures
// by hand. In view mode nothing is kept; in edit mode a pairing is stored whenever the
// planner moves to another pairing (or closes), and a day's figures when moving to another day.
#include <array>
#include <cstdint>
#include <string>

#include "model/document.h"
#include "platform/interaction.h"
#include "rules/assignment.h"

namespace lw::rules {

// What the planner sees and types, as text.
struct PairEditorFields {
    std::string timeOn, timeOff, credit, length, tafb, number;
    std::array<bool, model::kMonthDays> days{};  // day boxes, one per day of the month
    std::string start, duty, hard, dailyCredit;  // the pairing day shown
};

class PairEditor {
public:
    PairEditor(model::Document& doc, Board& board, platform::Interaction& ui, bool editMode, int index);

    PairEditorFields fields;

    int Index() const { return index_; }
    int Day() const { return day_; }
    bool EditMode() const { return editMode_; }
    int PairCount() const { return (doc_.LastPairIndex + 1); }
    // Highest pairing day the day selector offers.
    int LastDay() const;
    std::string PositionText() const;  // "3 of 12"
    std::string DayText() const;       // "Day 1"
    // "%02d" day-of-month label of the day box.
    std::string DayLabel(int day) const;

    // Loads the fields from the pairing shown, on its day 1.
    void Show();
    // Stores the shown day's figures (edit mode) and shows another; false and a message when
    // the figures are bad, and the day stays.
    bool ChangeDay(int day);
    // Stores the pairing (edit mode) and moves; false when the planner chose to fix it now.
    bool MoveTo(int index);
    bool Next() { return MoveTo(index_ + 1 < (doc_.LastPairIndex + 1) ? index_ + 1 : index_); }
    bool Previous() { return MoveTo(index_ > 0 ? index_ - 1 : 0); }
    // Closing stores like a move; false when the planner chose to fix it now.
    bool Close();
    // Whether the last store found complaints and so kept the pairing as it was.
    bool Refused() const { return refused_; }

private:
    // False when the complaints kept the pairing unchanged and the planner said fix now.
    bool StorePairInfo();
    bool StoreDaily();
    void ShowDaily();

    model::Document& doc_;
    Board& board_;
    platform::Interaction& ui_;
    bool editMode_;
    int index_ = 0;
    int day_ = 0;
    bool refused_ = false;
};

// "hh:mm" typed into a masked time field: minutes, or -1 when hours or minutes are out of the
// range given. Fewer than four characters count as 00:00.
int32_t ReadEditorTime(const std::string& text, int maxHours);

}  // namespace lw::rules
