#pragma once
// The proposal under review: its summary, every placement and every instance it leaves open
// with the reasons. "Apply" puts it into the blocks as one undoable step.
#include <QDialog>

#include "rules/propose.h"

class QListWidget;
class QPushButton;

namespace lw::ui {

class Workspace;

class ProposeDialog : public QDialog {
    Q_OBJECT
public:
    ProposeDialog(Workspace& ws, const rules::Proposal& proposal, QWidget* parent = nullptr);

    QListWidget* SummaryList() const { return summary_; }
    QListWidget* PlacementList() const { return placements_; }
    QListWidget* LeftOpenList() const { return leftOpen_; }
    QPushButton* ApplyButton() const { return apply_; }

private:
    QListWidget* summary_ = nullptr;
    QListWidget* placements_ = nullptr;
    QListWidget* leftOpen_ = nullptr;
    QPushButton* apply_ = nullptr;
};

}  // namespace lw::ui
