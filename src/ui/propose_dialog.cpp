#include "ui/propose_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

QListWidget* Filled(const std::vector<std::string>& lines, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    for (const std::string& line : lines) list->addItem(FromDocText(line));
    return list;
}

}  // namespace

ProposeDialog::ProposeDialog(Workspace& ws, const rules::Proposal& proposal, QWidget* parent) : QDialog(parent) {
    const model::Document& doc = ws.doc();
    setWindowTitle(QStringLiteral("Propose Blocks"));
    summary_ = Filled(rules::ProposalSummary(doc, proposal), this);
    placements_ = Filled(rules::PlacementLines(doc, proposal), this);
    leftOpen_ = Filled(rules::LeftOpenLines(doc, proposal), this);

    apply_ = new QPushButton(QStringLiteral("Apply"), this);
    apply_->setEnabled(!proposal.placements.empty());
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("Proposed days are marked in the grid. Undo takes the whole proposal back."), this), 1);
    buttons->addWidget(apply_);
    buttons->addWidget(cancel);

    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Summary"), this));
    column->addWidget(summary_, 1);
    column->addWidget(new QLabel(QStringLiteral("Proposed placements"), this));
    column->addWidget(placements_, 2);
    column->addWidget(new QLabel(QStringLiteral("Left open, with the members each reason keeps away"), this));
    column->addWidget(leftOpen_, 2);
    column->addLayout(buttons);
    resize(760, 620);

    connect(apply_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace lw::ui
