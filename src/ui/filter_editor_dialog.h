#pragma once
// The member filter editor of the bids window ("Filters for " and the name): the number grid
// and the text filter of one crew member's saved filter. OK stores it with the member.
#include <QDialog>
#include <functional>
#include <memory>

#include "bids/filters.h"

class QComboBox;
class QPushButton;

namespace lw::ui {

class FilterNumberGrid;
class Workspace;

class FilterEditorDialog : public QDialog {
    Q_OBJECT
public:
    FilterEditorDialog(Workspace& ws, int crew, QWidget* parent = nullptr);
    ~FilterEditorDialog() override;

    FilterNumberGrid* Grid() const { return grid_; }
    QComboBox* TextBox() const { return text_; }
    QPushButton* Button(const char* text) const;
    // How the wizard is run (tests answer it instead of the planner).
    void SetDialogRunner(std::function<int(QDialog&)> runner) { runDialog_ = std::move(runner); }

    void accept() override;

private:
    void Repaint();
    void RunWizard();

    Workspace& ws_;
    bids::MemberFilterEditor editor_;
    FilterNumberGrid* grid_ = nullptr;
    QComboBox* text_ = nullptr;
    std::function<int(QDialog&)> runDialog_;
};

}  // namespace lw::ui
