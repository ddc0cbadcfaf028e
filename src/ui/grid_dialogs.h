#pragma once
// The small dialogs the block grid opens from a click: the quick employee flags, the details
// of one activity day ("Other Assignment Details") and the move to another roster position.
// Each only collects the planner's answer; the grid stores it through the core.
#include <QDialog>
#include <vector>

#include "model/document.h"
#include "rules/gestures.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace lw::ui {

// QuickEmpInfoDialog: "Bidding Res or On Leave" and "Block is Complete" of one crew member.
class QuickEmployeeDialog : public QDialog {
    Q_OBJECT
public:
    QuickEmployeeDialog(const model::TPilot& p, QWidget* parent = nullptr);
    bool BidsReserve() const;
    bool BlockComplete() const;
    QCheckBox* bidsReserveBox() const { return bidsReserve_; }
    QCheckBox* blockCompleteBox() const { return blockComplete_; }

private:
    QCheckBox* bidsReserve_;
    QCheckBox* blockComplete_;
};

// OtherAssDialog: one activity day; read-only for a day of last month.
class ActivityDetailsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ActivityDetailsDialog(const rules::ActivityDetails& details, QWidget* parent = nullptr);
    // What the planner entered (the shown values where nothing could be edited).
    rules::ActivityDetails Details() const;
    enum Field { kStart, kAtWork, kCredit, kHardTime, kFieldCount };
    enum Box { kReserve, kContainsDuty, kExcludeCredit, kCarsDuty, kBoxCount };
    QLineEdit* field(Field f) const { return fields_[f]; }
    QCheckBox* box(Box b) const { return boxes_[b]; }

private:
    rules::ActivityDetails shown_;
    QLineEdit* fields_[kFieldCount];
    QCheckBox* boxes_[kBoxCount];
};

// MoveDialog: the roster positions (captain-pairings lines left out) and the one chosen.
class MoveDialog : public QDialog {
    Q_OBJECT
public:
    MoveDialog(const model::Document& doc, int crew, QWidget* parent = nullptr);
    // The crew row chosen, -1 when none is selected.
    int ChosenRow() const;
    QListWidget* list() const { return list_; }
    // Lines as listed: "%03d %s".
    QStringList Lines() const;

private:
    QListWidget* list_;
    std::vector<int> rows_;
};

}  // namespace lw::ui
