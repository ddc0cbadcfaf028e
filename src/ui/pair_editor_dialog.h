#pragma once
// The pairing editor window ("Pairings") and the pass word prompt that opens it in view or
// edit mode.
#include <QDialog>
#include <array>
#include <memory>
#include <functional>
#include <optional>

#include "rules/pair_editor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace lw::ui {

class Workspace;

// The "Edit Pairings" prompt: nullopt when cancelled, otherwise whether edit mode was
// granted. A wrong pass word is told and the prompt asked again.
std::optional<bool> AskPairEditMode(platform::Interaction& ui, const std::function<int(QDialog&)>& run,
                                    QWidget* parent);

class PairEditorDialog : public QDialog {
    Q_OBJECT
public:
    PairEditorDialog(Workspace& ws, bool editMode, int index, QWidget* parent = nullptr);

    rules::PairEditor& Editor() { return *editor_; }
    QLineEdit* TimeOn() const { return timeOn_; }
    QLineEdit* Credit() const { return credit_; }
    QLineEdit* Tafb() const { return tafb_; }
    QLineEdit* Number() const { return number_; }
    QLineEdit* DailyCredit() const { return daily_[3]; }
    QCheckBox* DayBox(int day) const { return days_[static_cast<size_t>(day)]; }
    QScrollBar* PairSelector() const { return pairBar_; }
    QScrollBar* DaySelector() const { return dayBar_; }

    // Closing stores like moving on; a pairing the planner chose to fix keeps it open.
    void done(int result) override;

private:
    void ReadFields();
    void ShowFields();
    void MoveTo(int index);
    void ChangeDay(int day);

    Workspace& ws_;
    std::unique_ptr<rules::PairEditor> editor_;
    QLineEdit *timeOn_ = nullptr, *timeOff_ = nullptr, *credit_ = nullptr, *length_ = nullptr, *tafb_ = nullptr,
              *number_ = nullptr;
    std::array<QLineEdit*, 4> daily_{};
    std::array<QCheckBox*, model::kMonthDays> days_{};
    QLabel *position_ = nullptr, *dayText_ = nullptr;
    QScrollBar *pairBar_ = nullptr, *dayBar_ = nullptr;
    bool showing_ = false;
};

}  // namespace lw::ui
