#pragma once
// The employee information dialog: one crew member's own data (limits, credits carried in,
// qualifications, last month's days) and, read only, what the block check and the duty rule
// checker found. OK hands every field to the core, which checks, stores and re-checks the block.
#include <QDialog>

#include "rules/employee_edit.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace lw::ui {

class Workspace;

class EmployeeDialog : public QDialog {
    Q_OBJECT
public:
    EmployeeDialog(Workspace& ws, int crew, QWidget* parent = nullptr);

    // The field with that label ("Name", "Max Block", "Hard Time" ...); nullptr when none.
    QLineEdit* Edit(const QString& label) const;
    QComboBox* Choice(const QString& label) const;
    QCheckBox* Box(const QString& label) const;
    QPlainTextEdit* Illegalities() const { return illegal_; }
    QPlainTextEdit* Warnings() const { return warnings_; }
    QListWidget* RuleResults() const { return rules_; }
    // The fields as the planner left them.
    rules::EmployeeFields Fields() const;

    // Stores through the core; the dialog stays open when a field is refused.
    void accept() override;

private:
    QLineEdit* AddEdit(const QString& label, const std::string& value, int maxLength);
    QComboBox* AddChoice(const QString& label, const QStringList& items, const QString& current, bool editable);
    QCheckBox* AddBox(const QString& label, bool checked);
    void ShowPrevDay(int w);

    Workspace& ws_;
    int crew_;
    QFormLayout* form_ = nullptr;  // where AddEdit and the others put their row
    rules::EmployeeFields shown_;
    QComboBox* prevDay_ = nullptr;
    QCheckBox* worked_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QPlainTextEdit* illegal_ = nullptr;
    QPlainTextEdit* warnings_ = nullptr;
    QListWidget* rules_ = nullptr;
};

}  // namespace lw::ui
