#include "ui/whos_legal_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "base/time_text.h"
#include "rules/whos_legal.h"
#include "rules/why_not.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

std::string PrintfText(int row, const std::string& name) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d ", row);
    return buf + name;
}

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

    // Members not listed, for "Why not...".
    whyMembers_ = new QComboBox(this);
    const model::Document& doc = ws_.doc();
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows - 1; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (p.EmployeeNumber == -1) continue;
        const std::string line = PrintfText(c + 1, p.Name);
        const bool listed = std::any_of(lists.legal.begin(), lists.legal.end(), [&](const std::string& l) {
            return base::LeadingInt(std::string_view(l).substr(0, 3)) == c + 1;
        });
        if (!listed) whyMembers_->addItem(FromDocText(line), c);
    }
    whyNot_ = new QPushButton(QStringLiteral("Why not..."), this);
    whyNot_->setEnabled(whyMembers_->count() > 0);
    whyList_ = new QListWidget(this);
    whyList_->setSelectionMode(QAbstractItemView::NoSelection);
    auto* why = new QHBoxLayout;
    why->addWidget(whyMembers_, 1);
    why->addWidget(whyNot_);

    assign_ = new QPushButton(QStringLiteral("Assign..."), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(assign_);
    buttons->addWidget(cancel_);

    auto* column = new QVBoxLayout(this);
    column->addLayout(grid, 1);
    column->addLayout(why);
    column->addWidget(whyList_);
    column->addLayout(buttons);

    connect(assign_, &QPushButton::clicked, this, &WhosLegalDialog::Assign);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(whyNot_, &QPushButton::clicked, this, &WhosLegalDialog::WhyNot);
}

void WhosLegalDialog::WhyNot() {
    whyList_->clear();
    if (whyMembers_->currentIndex() < 0) return;
    const int crew = whyMembers_->currentData().toInt();
    const std::vector<rules::WhyReason> reasons = rules::WhyNot(ws_.doc(), crew, pair_, day_);
    if (reasons.empty()) whyList_->addItem(QStringLiteral("nothing stands in the way"));
    for (const rules::WhyReason& r : reasons) whyList_->addItem(FromDocText(r.text));
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
