#include "ui/whos_legal_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "rules/whos_legal.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

QListWidget* FilledList(const std::vector<std::string>& lines, QWidget* parent) {
    auto* list = new QListWidget(parent);
    for (const std::string& line : lines) list->addItem(FromDocText(line));
    return list;
}

}  // namespace

WhosLegalDialog::WhosLegalDialog(Workspace& ws, int pair, int day, QWidget* parent)
    : QDialog(parent), ws_(ws), pair_(pair), day_(day) {
    const rules::WhosLegalLists lists = rules::WhosLegal(ws_.doc(), pair_, day_);
    setWindowTitle(FromDocText(lists.caption));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Who Is Legal"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Who Bid this Pairing Number"), this), 0, 1);
    legal_ = FilledList(lists.legal, this);
    legal_->setSelectionMode(QAbstractItemView::SingleSelection);
    bidders_ = FilledList(lists.bidders, this);
    bidders_->setSelectionMode(QAbstractItemView::NoSelection);
    grid->addWidget(legal_, 1, 0);
    grid->addWidget(bidders_, 1, 1);

    assign_ = new QPushButton(QStringLiteral("Assign..."), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(assign_);
    buttons->addWidget(cancel_);

    auto* column = new QVBoxLayout(this);
    column->addLayout(grid, 1);
    column->addLayout(buttons);

    connect(assign_, &QPushButton::clicked, this, &WhosLegalDialog::Assign);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void WhosLegalDialog::Assign() {
    const QListWidgetItem* item = legal_->currentItem();
    const std::string line = item && item->isSelected() ? item->text().toStdString() : std::string();
    model::Document& doc = ws_.doc();
    const model::TPair* q = doc.PairAt(pair_);
    const bool wasTaken = q && q->IsTaken(day_);
    const bool close = rules::AssignFromWhosLegal(doc, ws_.board(), ws_.interaction(), line, pair_, day_);
    if (q && q->IsTaken(day_) != wasTaken) ws_.NotifyChanged();
    if (close) accept();
}

}  // namespace lw::ui
