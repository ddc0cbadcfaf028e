#include "ui/filter_editor_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/filter_number_grid.h"
#include "ui/filter_wizard.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

FilterEditorDialog::FilterEditorDialog(Workspace& ws, int crew, QWidget* parent)
    : QDialog(parent), ws_(ws), editor_(ws.doc(), crew), runDialog_([](QDialog& d) { return d.exec(); }) {
    setWindowTitle(FromDocText(editor_.caption));
    text_ = new QComboBox(this);
    text_->setEditable(true);
    text_->setInsertPolicy(QComboBox::NoInsert);
    text_->lineEdit()->setMaxLength(static_cast<int>(bids::kFilterTextLimit));
    for (const std::string& t : bids::RecentTexts(ws_.doc())) text_->addItem(FromDocText(t));
    text_->setEditText(FromDocText(editor_.editText));
    grid_ = new FilterNumberGrid(this);
    grid_->SetCells(editor_.cells, [this](size_t i) { return i < editor_.selected.size() && editor_.selected[i]; });
    connect(grid_, &FilterNumberGrid::cellClicked, this, [this](int number) {
        editor_.Select(number);
        Repaint();
    });

    auto* buttons = new QHBoxLayout;
    auto add = [&](const char* caption, auto slot) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    add("OK", [this] { accept(); });
    add("Cancel", [this] { reject(); });
    add("Clear", [this] {
        editor_.Clear();
        text_->setEditText(QString());
        Repaint();
    });
    add("Invert", [this] {
        editor_.Invert();
        Repaint();
    });
    add("Wizard", [this] { RunWizard(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

FilterEditorDialog::~FilterEditorDialog() = default;

QPushButton* FilterEditorDialog::Button(const char* text) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

void FilterEditorDialog::Repaint() { grid_->update(); }

void FilterEditorDialog::RunWizard() {
    FilterWizardDialog wizard(ws_.interaction(), this);
    runDialog_(wizard);
    // A cancelled wizard empties the text, as its result is then empty.
    text_->setEditText(FromDocText(wizard.Result()));
}

void FilterEditorDialog::accept() {
    editor_.editText = ToDocText(text_->currentText());
    editor_.Ok();
    QDialog::accept();
}

}  // namespace lw::ui
