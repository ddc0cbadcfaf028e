#include "ui/employee_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "base/time_text.h"
#include "rules/block_checks.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

constexpr int kNotesLimit = 499;
constexpr int kLongestBlock = 7200;  // 120:00
constexpr int kBlockStep = 15;       // the pick list's steps; any time may be typed

QStringList BlockChoices() {
    QStringList out;
    for (int m = kBlockStep; m <= kLongestBlock; m += kBlockStep) out << QString::fromStdString(base::FormatTime(m));
    return out;
}

QString Q(const std::string& s) { return FromDocText(s); }

// The rows of a group at its top, whatever height the group is given.
QFormLayout* FormIn(QGroupBox* group) {
    auto* column = new QVBoxLayout(group);
    auto* form = new QFormLayout;
    column->addLayout(form);
    column->addStretch();
    return form;
}

}  // namespace

EmployeeDialog::EmployeeDialog(Workspace& ws, int crew, QWidget* parent) : QDialog(parent), ws_(ws), crew_(crew) {
    model::Document& doc = ws_.doc();
    // The file keeps no check results: show them as they are now.
    rules::CheckBlock(doc, crew_);
    shown_ = rules::ReadEmployeeFields(doc, crew_);
    const rules::EmployeeFields& f = shown_;
    setWindowTitle("Employee Information - " + Q(f.name));

    auto* person = new QGroupBox("Employee", this);
    form_ = FormIn(person);
    AddEdit("Name", f.name, 0);
    AddEdit("Emp #", f.employeeNumber, 10);
    AddEdit("Phone 1", f.phone1, 0);
    AddEdit("Phone 2", f.phone2, 0);
    notes_ = new QPlainTextEdit(Q(f.quickNotes), person);
    notes_->setObjectName("Quick Notes for this month");
    notes_->setTabChangesFocus(true);
    notes_->setMaximumHeight(90);
    form_->addRow(new QLabel("Quick Notes for this month", person));
    form_->addRow(notes_);
    const QStringList qualifications = [&] {
        QStringList out;
        for (const std::string& q : rules::QualificationNames(doc)) out << Q(q);
        return out;
    }();
    AddChoice("Qualification", qualifications, qualifications.value(f.qualification), false);
    if (doc.IsFlightAttendants()) {
        form_->addRow(new QLabel("F/A Language", person));
        AddBox("FR", f.languageBits == 1 || f.languageBits == 3);
    } else {
        AddBox("65+", (f.languageBits & 1) != 0);
        AddBox("Med", (f.languageBits & 2) != 0);
    }
    AddBox("TRN", f.training);
    AddBox("No TZ", f.noTz);
    AddBox("No YCG", f.noYcg);
    AddBox("Check If Bid Reserve or LOA", f.bidsReserve);
    AddBox("Blk Complete", f.blockComplete);
    AddBox("OutsideW", f.outsideW);

    auto* credits = new QGroupBox("Block", this);
    form_ = FormIn(credits);
    AddChoice("Min Block", BlockChoices(), Q(f.minBlock), true);
    AddChoice("Max Block", BlockChoices(), Q(f.maxBlock), true);
    QStringList days;
    for (int d = 8; d <= 30; ++d) days << QString::number(d);
    AddChoice("Min Days Off", days, Q(f.minDaysOff), false);
    AddEdit("Credit Hours Carried In", f.creditCarriedIn, 0);
    AddEdit("Extra Credits", f.extraCredits, 0);
    AddEdit("Time Bank", f.timeBank, 0);
    AddEdit("Training at Home", f.trainingAtHome, 0);
    AddEdit("Draft Credits", f.draftCredits, 0);
    AddEdit("Day:Hr:Min Legal for Checkin at", f.legalCheckIn, 0);

    auto* prev = new QGroupBox("Previous Month Data", this);
    form_ = FormIn(prev);
    prevDay_ = new QComboBox(prev);
    prevDay_->setObjectName("Previous Month Day");
    for (int w = model::kPrevDays - 1; w >= 0; --w) {
        const rules::EmployeeFields day = rules::ReadEmployeeFields(doc, crew_, w);
        prevDay_->addItem(Q(day.prevDay.date + "  " + day.prevDay.code), w);
    }
    form_->addRow(prevDay_);
    AddEdit("Hard Time", "", 0);
    AddEdit("Duty Start", "", 0);
    AddEdit("Duty Length", "", 0);
    AddEdit("Pair/Ass Start", "", 0);
    AddEdit("Pair/Ass TAFB", "", 0);
    worked_ = AddBox("Worked This Day Gray = Res", false);
    worked_->setTristate(true);
    AddBox("CARS Duty", false);
    ShowPrevDay(model::kPrevDays - 1);
    // The core stores one day of last month per OK: once a day is edited, stay on it.
    for (const char* label : {"Hard Time", "Duty Start", "Duty Length", "Pair/Ass Start", "Pair/Ass TAFB"})
        connect(Edit(label), &QLineEdit::textEdited, prevDay_, [this] { prevDay_->setEnabled(false); });
    for (QCheckBox* b : {worked_, Box("CARS Duty")})
        connect(b, &QCheckBox::clicked, prevDay_, [this] { prevDay_->setEnabled(false); });
    connect(prevDay_, &QComboBox::currentIndexChanged, this,
            [this](int) { ShowPrevDay(prevDay_->currentData().toInt()); });

    illegal_ = new QPlainTextEdit(Q(f.illegalities), this);
    warnings_ = new QPlainTextEdit(Q(f.warnings), this);
    rules_ = new QListWidget(this);
    for (const std::string& line : f.ruleResults) rules_->addItem(Q(line));
    QFont fixed("Courier New");
    fixed.setStyleHint(QFont::TypeWriter);
    rules_->setFont(fixed);
    for (QPlainTextEdit* e : {illegal_, warnings_}) {
        e->setReadOnly(true);
        e->setMaximumHeight(80);
    }
    auto* findings = new QVBoxLayout;
    findings->addWidget(new QLabel("Illegalities", this));
    findings->addWidget(illegal_);
    findings->addWidget(new QLabel("Warnings", this));
    findings->addWidget(warnings_);
    findings->addWidget(new QLabel("CARs 60/7 or 70/7 Rule Checking Results", this));
    findings->addWidget(rules_, 1);

    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* columns = new QHBoxLayout;
    columns->addWidget(person);
    auto* middle = new QVBoxLayout;
    middle->addWidget(credits);
    middle->addWidget(prev);
    middle->addStretch();
    columns->addLayout(middle);
    columns->addLayout(findings, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(1050, 620);
}

QLineEdit* EmployeeDialog::AddEdit(const QString& label, const std::string& value, int maxLength) {
    auto* e = new QLineEdit(Q(value), this);
    e->setObjectName(label);
    if (maxLength > 0) e->setMaxLength(maxLength);
    form_->addRow(label, e);
    return e;
}

QComboBox* EmployeeDialog::AddChoice(const QString& label, const QStringList& items, const QString& current,
                                     bool editable) {
    auto* c = new QComboBox(this);
    c->setObjectName(label);
    c->setEditable(editable);
    c->addItems(items);
    const int at = c->findText(current);
    if (at >= 0) c->setCurrentIndex(at);
    if (editable) c->setEditText(current);
    form_->addRow(label, c);
    return c;
}

QCheckBox* EmployeeDialog::AddBox(const QString& label, bool checked) {
    auto* b = new QCheckBox(label, this);
    b->setObjectName(label);
    b->setChecked(checked);
    form_->addRow(b);
    return b;
}

QLineEdit* EmployeeDialog::Edit(const QString& label) const { return findChild<QLineEdit*>(label); }
QComboBox* EmployeeDialog::Choice(const QString& label) const { return findChild<QComboBox*>(label); }
QCheckBox* EmployeeDialog::Box(const QString& label) const { return findChild<QCheckBox*>(label); }

void EmployeeDialog::ShowPrevDay(int w) {
    const rules::PrevDayFields day = rules::ReadEmployeeFields(ws_.doc(), crew_, w).prevDay;
    shown_.prevDay = day;
    Edit("Hard Time")->setText(Q(day.hardTime));
    Edit("Duty Start")->setText(Q(day.dutyStart));
    Edit("Duty Length")->setText(Q(day.dutyLength));
    Edit("Pair/Ass Start")->setText(Q(day.pairStart));
    Edit("Pair/Ass TAFB")->setText(Q(day.pairTafb));
    worked_->setCheckState(day.worked == 1 ? Qt::Checked : day.worked == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    Box("CARS Duty")->setChecked(day.carsDuty);
}

rules::EmployeeFields EmployeeDialog::Fields() const {
    rules::EmployeeFields f = shown_;
    auto text = [this](const char* label) { return ToDocText(Edit(label)->text()); };
    auto choice = [this](const char* label) { return ToDocText(Choice(label)->currentText()); };
    auto box = [this](const char* label) { return Box(label)->isChecked(); };
    f.name = text("Name");
    f.employeeNumber = text("Emp #");
    f.phone1 = text("Phone 1");
    f.phone2 = text("Phone 2");
    f.quickNotes = ToDocText(notes_->toPlainText().left(kNotesLimit));
    f.creditCarriedIn = text("Credit Hours Carried In");
    f.extraCredits = text("Extra Credits");
    f.timeBank = text("Time Bank");
    f.trainingAtHome = text("Training at Home");
    f.legalCheckIn = text("Day:Hr:Min Legal for Checkin at");
    f.draftCredits = text("Draft Credits");
    f.minBlock = choice("Min Block");
    f.maxBlock = choice("Max Block");
    f.minDaysOff = choice("Min Days Off");
    f.qualification = Choice("Qualification")->currentIndex();
    if (ws_.doc().IsFlightAttendants()) {
        // 1 and 3 both mean French; an unchanged box keeps what the record holds.
        const bool french = shown_.languageBits == 1 || shown_.languageBits == 3;
        if (box("FR") != french) f.languageBits = box("FR") ? 1 : 0;
    } else {
        f.languageBits = (box("65+") ? 1 : 0) | (box("Med") ? 2 : 0);
    }
    f.training = box("TRN");
    f.noTz = box("No TZ");
    f.noYcg = box("No YCG");
    f.bidsReserve = box("Check If Bid Reserve or LOA");
    f.blockComplete = box("Blk Complete");
    f.outsideW = box("OutsideW");
    f.prevDay.hardTime = text("Hard Time");
    f.prevDay.dutyStart = text("Duty Start");
    f.prevDay.dutyLength = text("Duty Length");
    f.prevDay.pairStart = text("Pair/Ass Start");
    f.prevDay.pairTafb = text("Pair/Ass TAFB");
    f.prevDay.worked = worked_->checkState() == Qt::Checked ? 1 : worked_->checkState() == Qt::PartiallyChecked ? 2 : 0;
    f.prevDay.carsDuty = box("CARS Duty");
    return f;
}

void EmployeeDialog::accept() {
    if (!rules::ApplyEmployeeEdit(ws_.doc(), ws_.board(), ws_.interaction(), crew_, Fields())) return;
    QDialog::accept();
}

}  // namespace lw::ui
