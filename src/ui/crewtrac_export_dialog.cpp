#include "ui/crewtrac_export_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

// Codes go to CrewTrac in capitals; what the planner types in lower case is raised.
QLineEdit* CodeEdit(QWidget* parent, const QString& allowed, int limit, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(limit);
    edit->setFixedWidth(width);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[" + allowed + "]*"), edit));
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        if (text != text.toUpper()) {
            const int at = edit->cursorPosition();
            edit->setText(text.toUpper());
            edit->setCursorPosition(at);
        }
    });
    return edit;
}

}  // namespace

ExportDialog::ExportDialog(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws) {
    setWindowTitle("Export Schedules for Vandrel Crew Trac");
    const output::CrewTracInputs defaults = output::CrewTracDefaults(ws_.doc());

    fileName_ = CodeEdit(this, "A-Za-z0-9", 50, 140);
    fileName_->setText(FromDocText(defaults.fileName));
    base_ = CodeEdit(this, "A-Za-z", 1, 36);
    base_->setText(FromDocText(defaults.baseCode));
    eqp_ = CodeEdit(this, "0-9", 1, 36);
    eqp_->setText(FromDocText(defaults.eqpCode));
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel("FileName", this), 0, 0);
    fields->addWidget(fileName_, 0, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel("Base Code", this), 1, 0);
    fields->addWidget(base_, 1, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel("Eqp Code", this), 2, 0);
    fields->addWidget(eqp_, 2, 1, Qt::AlignLeft);

    auto* typeGroup = new QGroupBox("Crew Type", this);
    auto* typeLayout = new QVBoxLayout(typeGroup);
    const std::array<const char*, 3> typeNames = {"Capt", "FO", "FA/PU"};
    for (size_t i = 0; i < types_.size(); ++i) {
        types_[i] = new QRadioButton(typeNames[i], typeGroup);
        typeLayout->addWidget(types_[i]);
    }
    types_[static_cast<size_t>(defaults.crewType)]->setChecked(true);

    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addWidget(typeGroup);
    top->addStretch();

    auto* checklist = new QLabel(
        "All Pairings are assigned to Blocks or if any pairings are in open then add Blocks to the Roster Named OPEN "
        "with an employee Number of 0 (Zero) and assign all open pairings to these blocks.",
        this);
    checklist->setWordWrap(true);
    checklist->setFrameShape(QFrame::StyledPanel);
    checklist->setMargin(6);

    summary_ = new QListWidget(this);
    summary_->setMinimumHeight(140);
    auto* summaryBox = new QGroupBox("Export Summary", this);
    auto* summaryLayout = new QVBoxLayout(summaryBox);
    summaryLayout->addWidget(summary_);

    exportNow_ = new QPushButton("Export Now", this);
    exportNow_->setDefault(true);
    connect(exportNow_, &QPushButton::clicked, this, &ExportDialog::ExportNow);
    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportNow_);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(checklist);
    layout->addWidget(summaryBox, 1);
    layout->addLayout(buttons);
    resize(520, 460);
}

output::CrewTracInputs ExportDialog::Inputs() const {
    output::CrewTracInputs in;
    in.fileName = ToDocText(fileName_->text());
    in.baseCode = ToDocText(base_->text());
    in.eqpCode = ToDocText(eqp_->text());
    in.crewType = types_[1]->isChecked()   ? output::CrewTracCrewType::FirstOfficer
                  : types_[2]->isChecked() ? output::CrewTracCrewType::FlightAttendant
                                           : output::CrewTracCrewType::Captain;
    return in;
}

void ExportDialog::ExportNow() {
    summary_->clear();
    const output::CrewTracResult result = output::ExportCrewTrac(ws_.doc(), ws_.interaction(), Inputs());
    for (const std::string& line : result.summary) summary_->addItem(FromDocText(line));
    summary_->scrollToBottom();
    if (result.completed) written_ = result.bawPath.parent_path();
    ws_.NotifyChanged();
}

}  // namespace lw::ui
