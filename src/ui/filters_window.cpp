#include "ui/filters_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/filter_number_grid.h"
#include "ui/filter_wizard.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

FiltersWindow::FiltersWindow(Workspace& ws, QWidget* parent)
    : QWidget(parent, Qt::Tool), ws_(ws), runDialog_([](QDialog& d) { return d.exec(); }) {
    text_ = new QComboBox(this);
    text_->setEditable(true);
    text_->setInsertPolicy(QComboBox::NoInsert);
    text_->lineEdit()->setMaxLength(static_cast<int>(bids::kFilterTextLimit));
    text_->setMinimumWidth(300);
    grid_ = new FilterNumberGrid(this);
    crew_ = new QListWidget(this);
    crew_->setSelectionMode(QAbstractItemView::SingleSelection);
    crew_->setMinimumWidth(170);
    crew_->setMinimumHeight(220);

    auto button = [this](const char* caption, void (FiltersWindow::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* top = new QHBoxLayout;
    top->addWidget(text_, 1);
    top->addWidget(button("Save", &FiltersWindow::Save));
    top->addWidget(button("Recall", &FiltersWindow::Recall));
    auto* actions = new QHBoxLayout;
    for (auto [caption, slot] : {std::pair{"Apply Filters", &FiltersWindow::Apply},
                                 std::pair{"Remove Filters", &FiltersWindow::Remove},
                                 std::pair{"Invert", &FiltersWindow::Invert}, std::pair{"Wizard", &FiltersWindow::RunWizard}})
        actions->addWidget(button(caption, slot), 1);
    auto* left = new QVBoxLayout;
    left->addWidget(grid_);
    left->addStretch();
    left->addLayout(actions);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(crew_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addLayout(body, 1);

    connect(grid_, &FilterNumberGrid::cellClicked, this, [this](int number) {
        core_->ClickCell(number);
        core_->caption.clear();
        FiltersChanged();
    });
    connect(crew_, &QListWidget::currentRowChanged, this, [this](int row) { core_->selectedCrew = row; });
    connect(&ws_, &Workspace::documentReplaced, this, [this] {
        core_.reset();
        Reload();
    });
    Reload();
}

FiltersWindow::~FiltersWindow() = default;

QPushButton* FiltersWindow::Button(const char* text) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

void FiltersWindow::showEvent(QShowEvent* event) {
    Reload();
    QWidget::showEvent(event);
}

void FiltersWindow::Reload() {
    model::Document& doc = ws_.doc();
    if (!core_) core_ = std::make_unique<bids::FilterWindow>(doc, ws_.interaction());
    grid_->SetCells(bids::NumberCells(doc), [this](size_t i) {
        const auto& cells = grid_->Cells();
        const int first = cells[i].firstPair;
        return ws_.doc().Pairings[static_cast<size_t>(first)].PairMark == bids::kMarkPicked;
    });
    crew_->blockSignals(true);
    crew_->clear();
    for (int c = 0; c < doc.CrewCount; ++c)
        crew_->addItem(QString("%1 %2").arg(c + 1).arg(FromDocText(doc.Crew[static_cast<size_t>(c)].Name)));
    if (core_->selectedCrew >= doc.CrewCount) core_->selectedCrew = -1;
    crew_->setCurrentRow(core_->selectedCrew);
    crew_->blockSignals(false);
    FillRecentTexts();
    ShowState();
    adjustSize();
}

void FiltersWindow::FillRecentTexts() {
    text_->blockSignals(true);
    text_->clear();
    for (const std::string& t : bids::RecentTexts(ws_.doc())) text_->addItem(FromDocText(t));
    text_->setEditText(FromDocText(core_->editText));
    text_->blockSignals(false);
}

void FiltersWindow::TakeEditText() { core_->editText = ToDocText(text_->currentText()); }

void FiltersWindow::ShowState() {
    setWindowTitle(FromDocText(core_->caption));
    grid_->update();
}

// Every change of the marks shows at once in the pairings window.
void FiltersWindow::FiltersChanged() {
    ShowState();
    ws_.NotifyChanged();
}

void FiltersWindow::Apply() {
    TakeEditText();
    const bool wasOn = ws_.doc().FiltersOn;
    core_->ApplyFilters();
    FillRecentTexts();
    FiltersChanged();
    if (ws_.doc().FiltersOn || wasOn) emit pairingsCaptionChanged(FromDocText(core_->pairsCaption));
}

void FiltersWindow::Remove() {
    core_->RemoveFilters();
    core_->caption.clear();
    FillRecentTexts();
    FiltersChanged();
    emit pairingsCaptionChanged(QString());
}

void FiltersWindow::Invert() {
    core_->Invert();
    FiltersChanged();
}

void FiltersWindow::Save() {
    TakeEditText();
    if (core_->SaveToMember()) FiltersChanged();
}

void FiltersWindow::Recall() {
    core_->RecallFromMember();
    FillRecentTexts();
    FiltersChanged();
}

void FiltersWindow::RunWizard() {
    FilterWizardDialog wizard(ws_.interaction(), this);
    const bool ok = runDialog_(wizard) == QDialog::Accepted;
    core_->TakeWizardText(ok ? std::optional<std::string>(wizard.Result()) : std::nullopt);
    text_->setEditText(FromDocText(core_->editText));
}

}  // namespace lw::ui
