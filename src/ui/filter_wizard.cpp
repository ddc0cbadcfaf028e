#include "ui/filter_wizard.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "bids/filters.h"
#include "ui/text.h"

namespace lw::ui {

namespace {
constexpr int kKeyLength = 29;
}

FilterWizardDialog::FilterWizardDialog(platform::Interaction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setWindowTitle("Linewright Pairing Filter Wizard");
    auto* grid = new QGridLayout;
    auto* show = new QLabel(
        "Show me Pairings that contain these Key Words or Letters and the Pairings I have selected using the push "
        "buttons",
        this);
    auto* hide = new QLabel(
        "Of the Pairings that contain the Key Words dont show me Pairings that contain these Key Words", this);
    for (QLabel* l : {show, hide}) {
        l->setWordWrap(true);
        l->setMinimumWidth(260);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    grid->addWidget(show, 0, 0);
    grid->addWidget(hide, 0, 1);
    for (size_t i = 0; i < edits_.size(); ++i) {
        edits_[i] = new QLineEdit(this);
        edits_[i]->setMaxLength(kKeyLength);
        grid->addWidget(edits_[i], 1 + static_cast<int>(i % 4), static_cast<int>(i / 4));
    }
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void FilterWizardDialog::accept() {
    std::array<std::string, 8> texts;
    for (size_t i = 0; i < edits_.size(); ++i) texts[i] = ToDocText(edits_[i]->text());
    const auto text = bids::WizardText(texts, ui_);
    if (!text) return;  // right-hand keys only: the planner adds a left one
    result_ = *text;
    QDialog::accept();
}

}  // namespace lw::ui
