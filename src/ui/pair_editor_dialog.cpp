#include "ui/pair_editor_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/workspace.h"

namespace lw::ui {

std::optional<bool> AskPairEditMode(platform::Interaction& ui, const std::function<int(QDialog&)>& run,
                                    QWidget* parent) {
    for (;;) {
        QInputDialog prompt(parent);
        prompt.setWindowTitle(QStringLiteral("Edit Pairings"));
        prompt.setLabelText(QStringLiteral("Enter the pass word to edit the pairings, or leave it blank to view them"));
        prompt.setTextEchoMode(QLineEdit::Password);
        if ((run ? run(prompt) : prompt.exec()) != QDialog::Accepted) return std::nullopt;
        const QString word = prompt.textValue();
        if (word.isEmpty()) return false;
        if (word == QStringLiteral("MARBLE") || word == QStringLiteral("marble")) return true;
        ui.Message("Incorrect Password, Leave Password Field Blank or Enter Correct Password", "Linewright",
                   platform::Icon::Warning);
    }
}

namespace {

QLineEdit* TimeEdit(const QString& mask, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setInputMask(mask);
    edit->setMaximumWidth(80);
    return edit;
}

}  // namespace

PairEditorDialog::PairEditorDialog(Workspace& ws, bool editMode, int index, QWidget* parent)
    : QDialog(parent), ws_(ws) {
    setObjectName(QStringLiteral("Pairings"));
    setWindowTitle(editMode ? QStringLiteral("Edit Pairings - Caution No Cancel")
                            : QStringLiteral("View Pairings Only - Changes Discarded"));
    editor_ = std::make_unique<rules::PairEditor>(ws.doc(), ws.board(), ws.interaction(), editMode, index);

    timeOn_ = TimeEdit(QStringLiteral("99:99"), this);
    timeOff_ = TimeEdit(QString(), this);
    timeOff_->setReadOnly(true);
    credit_ = TimeEdit(QStringLiteral("99:99"), this);
    length_ = TimeEdit(QString(), this);
    length_->setReadOnly(true);
    tafb_ = TimeEdit(QStringLiteral("999:99"), this);
    number_ = TimeEdit(QString(), this);
    number_->setValidator(nullptr);
    number_->setMaxLength(5);
    auto* times = new QFormLayout;
    times->addRow(QStringLiteral("Pair number"), number_);
    times->addRow(QStringLiteral("Time On"), timeOn_);
    times->addRow(QStringLiteral("Time Off"), timeOff_);
    times->addRow(QStringLiteral("Credit"), credit_);
    times->addRow(QStringLiteral("Length"), length_);
    times->addRow(QStringLiteral("TAFB"), tafb_);

    auto* dailyBox = new QGroupBox(this);
    auto* dailyForm = new QFormLayout(dailyBox);
    dayText_ = new QLabel(dailyBox);
    dailyForm->addRow(dayText_);
    const char* names[] = {"Start", "Duty", "Hard", "Credit"};
    for (size_t i = 0; i < daily_.size(); ++i) {
        daily_[i] = TimeEdit(QStringLiteral("99:99"), dailyBox);
        dailyForm->addRow(QString::fromLatin1(names[i]), daily_[i]);
    }
    dayBar_ = new QScrollBar(Qt::Horizontal, dailyBox);
    dailyForm->addRow(dayBar_);

    auto* daysBox = new QGroupBox(QStringLiteral("Days of operation"), this);
    auto* daysGrid = new QGridLayout(daysBox);
    const model::Document& doc = ws.doc();
    for (int d = 0; d < doc.DayCount; ++d) {
        days_[static_cast<size_t>(d)] = new QCheckBox(QString::fromStdString(editor_->DayLabel(d)), daysBox);
        daysGrid->addWidget(days_[static_cast<size_t>(d)], d / 7, d % 7);
    }

    position_ = new QLabel(this);
    pairBar_ = new QScrollBar(Qt::Horizontal, this);
    pairBar_->setRange(0, editor_->PairCount() - 1);
    auto* previous = new QPushButton(QStringLiteral("&Previous"), this);
    auto* next = new QPushButton(QStringLiteral("&Next"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* top = new QHBoxLayout;
    top->addLayout(times);
    top->addWidget(dailyBox);
    auto* moves = new QHBoxLayout;
    moves->addWidget(previous);
    moves->addWidget(pairBar_, 1);
    moves->addWidget(next);
    moves->addWidget(position_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(daysBox);
    column->addLayout(moves);
    column->addWidget(buttons);

    connect(previous, &QPushButton::clicked, this, [this] { MoveTo(editor_->Index() > 0 ? editor_->Index() - 1 : 0); });
    connect(next, &QPushButton::clicked, this, [this] {
        MoveTo(editor_->Index() + 1 < editor_->PairCount() ? editor_->Index() + 1 : editor_->Index());
    });
    connect(pairBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!showing_ && value != editor_->Index()) MoveTo(value);
    });
    connect(dayBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!showing_ && value != editor_->Day()) ChangeDay(value);
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowFields();
}

void PairEditorDialog::ReadFields() {
    rules::PairEditorFields& f = editor_->fields;
    f.timeOn = timeOn_->text().toStdString();
    f.credit = credit_->text().toStdString();
    f.tafb = tafb_->text().toStdString();
    f.number = number_->text().trimmed().toStdString();
    f.start = daily_[0]->text().toStdString();
    f.duty = daily_[1]->text().toStdString();
    f.hard = daily_[2]->text().toStdString();
    f.dailyCredit = daily_[3]->text().toStdString();
    for (int d = 0; d < ws_.doc().DayCount; ++d)
        f.days[static_cast<size_t>(d)] = days_[static_cast<size_t>(d)]->isChecked();
}

void PairEditorDialog::ShowFields() {
    showing_ = true;
    const rules::PairEditorFields& f = editor_->fields;
    auto text = [](const std::string& s) { return QString::fromStdString(s); };
    timeOn_->setText(text(f.timeOn));
    timeOff_->setText(text(f.timeOff));
    credit_->setText(text(f.credit));
    length_->setText(text(f.length));
    tafb_->setText(text(f.tafb));
    number_->setText(text(f.number));
    daily_[0]->setText(text(f.start));
    daily_[1]->setText(text(f.duty));
    daily_[2]->setText(text(f.hard));
    daily_[3]->setText(text(f.dailyCredit));
    for (int d = 0; d < ws_.doc().DayCount; ++d)
        days_[static_cast<size_t>(d)]->setChecked(f.days[static_cast<size_t>(d)]);
    position_->setText(text(editor_->PositionText()));
    dayText_->setText(text(editor_->DayText()));
    pairBar_->setValue(editor_->Index());
    dayBar_->setRange(0, editor_->LastDay());
    dayBar_->setValue(editor_->Day());
    showing_ = false;
}

void PairEditorDialog::MoveTo(int index) {
    ReadFields();
    editor_->MoveTo(index);
    ShowFields();
    ws_.NotifyChanged();
}

void PairEditorDialog::ChangeDay(int day) {
    // Only the day's figures change hands; what else was typed stays on screen.
    ReadFields();
    if (editor_->ChangeDay(day)) {
        showing_ = true;
        daily_[0]->setText(QString::fromStdString(editor_->fields.start));
        daily_[1]->setText(QString::fromStdString(editor_->fields.duty));
        daily_[2]->setText(QString::fromStdString(editor_->fields.hard));
        daily_[3]->setText(QString::fromStdString(editor_->fields.dailyCredit));
        dayText_->setText(QString::fromStdString(editor_->DayText()));
        showing_ = false;
    }
    showing_ = true;
    dayBar_->setValue(editor_->Day());
    showing_ = false;
}

void PairEditorDialog::done(int result) {
    ReadFields();
    if (!editor_->Close()) {
        ShowFields();
        return;
    }
    ws_.NotifyChanged();
    QDialog::done(result);
}

}  // namespace lw::ui
