#include "ui/grid_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "rules/roster_edit.h"
#include "ui/text.h"

namespace lw::ui {

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog, bool withHelp = false) {
    auto buttons = QDialogButtonBox::Ok | QDialogButtonBox::Cancel;
    if (withHelp) buttons |= QDialogButtonBox::Help;
    auto* box = new QDialogButtonBox(buttons, dialog);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

QuickEmployeeDialog::QuickEmployeeDialog(const model::TPilot& p, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(FromDocText(p.Name), this));
    bidsReserve_ = new QCheckBox(QStringLiteral("Bidding Res or On Leave"), this);
    blockComplete_ = new QCheckBox(QStringLiteral("Block is Complete"), this);
    bidsReserve_->setChecked(p.BidsReserve);
    blockComplete_->setChecked(p.BlockComplete == 1);
    layout->addWidget(bidsReserve_);
    layout->addWidget(blockComplete_);
    layout->addWidget(OkCancel(this));
}

bool QuickEmployeeDialog::BidsReserve() const { return bidsReserve_->isChecked(); }
bool QuickEmployeeDialog::BlockComplete() const { return blockComplete_->isChecked(); }

ActivityDetailsDialog::ActivityDetailsDialog(const rules::ActivityDetails& d, QWidget* parent)
    : QDialog(parent), shown_(d) {
    setWindowTitle(FromDocText(d.caption));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(new QLabel(FromDocText(d.date), this));
    form->addRow(new QLabel(FromDocText(d.code), this), new QLabel(FromDocText(d.extractCode), this));
    const char* labels[kFieldCount] = {"Time starting Work", "Hours:Mins at Work", "Credit", "Hard Time"};
    const std::string* values[kFieldCount] = {&d.start, &d.atWork, &d.credit, &d.hardTime};
    for (int i = 0; i < kFieldCount; ++i) {
        fields_[i] = new QLineEdit(FromDocText(*values[i]), this);
        fields_[i]->setReadOnly(d.readOnly);
        form->addRow(QString::fromLatin1(labels[i]), fields_[i]);
    }
    layout->addLayout(form);
    const char* boxLabels[kBoxCount] = {"Reserve", "Contains Duty", "Exlcude Credit from Block", "CARS Duty"};
    const bool checked[kBoxCount] = {d.reserve, d.containsDuty, d.excludeCredit, d.carsDuty};
    for (int i = 0; i < kBoxCount; ++i) {
        boxes_[i] = new QCheckBox(QString::fromLatin1(boxLabels[i]), this);
        boxes_[i]->setChecked(checked[i]);
        boxes_[i]->setEnabled(!d.readOnly);
        layout->addWidget(boxes_[i]);
    }
    auto* dayOff = new QCheckBox(QStringLiteral("Count as a Day Off"), this);
    dayOff->setEnabled(false);
    layout->addWidget(dayOff);
    layout->addWidget(OkCancel(this));
}

rules::ActivityDetails ActivityDetailsDialog::Details() const {
    if (shown_.readOnly) return shown_;
    rules::ActivityDetails d = shown_;
    d.start = Text(fields_[kStart]);
    d.atWork = Text(fields_[kAtWork]);
    d.credit = Text(fields_[kCredit]);
    d.hardTime = Text(fields_[kHardTime]);
    d.reserve = boxes_[kReserve]->isChecked();
    d.containsDuty = boxes_[kContainsDuty]->isChecked();
    d.excludeCredit = boxes_[kExcludeCredit]->isChecked();
    d.carsDuty = boxes_[kCarsDuty]->isChecked();
    return d;
}

MoveDialog::MoveDialog(const model::Document& doc, int crew, QWidget* parent) : QDialog(parent) {
    const rules::MoveDialogContent content = rules::MoveDialogFor(doc, crew);
    setWindowTitle(FromDocText(content.caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(FromDocText(content.prompt), this));
    list_ = new QListWidget(this);
    for (const rules::RosterLine& line : content.lines) {
        rows_.push_back(line.row);
        list_->addItem(FromDocText(line.text));
        if (line.row == crew) list_->setCurrentRow(list_->count() - 1);
    }
    layout->addWidget(list_);
    layout->addWidget(OkCancel(this, true));
}

int MoveDialog::ChosenRow() const {
    const int i = list_->currentRow();
    return i >= 0 && i < static_cast<int>(rows_.size()) ? rows_[static_cast<size_t>(i)] : -1;
}

QStringList MoveDialog::Lines() const {
    QStringList lines;
    for (int i = 0; i < list_->count(); ++i) lines << list_->item(i)->text();
    return lines;
}

}  // namespace lw::ui
