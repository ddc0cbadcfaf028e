#include "ui/search_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

#include "rules/view_filter.h"
#include "ui/block_grid_view.h"
#include "ui/workspace.h"

namespace lw::ui {

SearchBar::SearchBar(Workspace& ws, BlockGridView& grid, QAction& onlyMatching, QWidget* parent)
    : QToolBar("Search", parent), grid_(grid) {
    setObjectName("SearchBar");
    setMovable(false);
    auto* label = new QLabel("Search ", this);
    addWidget(label);
    text_ = new QLineEdit(this);
    text_->setObjectName("SearchText");
    text_->setMaxLength(static_cast<int>(rules::kMaxSearchText));
    text_->setPlaceholderText("names, employee numbers, pairings, codes, bids");
    text_->setClearButtonEnabled(true);
    text_->setMinimumWidth(260);
    text_->setMaximumWidth(420);
    text_->setStatusTip("Words separated by spaces or commas; a block matches when any of them is found");
    label->setBuddy(text_);
    addWidget(text_);

    auto box = [this](const char* caption, const char* tip) {
        auto* b = new QCheckBox(caption, this);
        b->setStatusTip(tip);
        addWidget(b);
        connect(b, &QCheckBox::toggled, this, &SearchBar::OptionsChanged);
        return b;
    };
    name_ = box("Name", "Match the search words in crew names");
    employee_ = box("Emp #", "Match the search words in employee numbers");
    pairing_ = box("Pairings", "Match the search words in the text of the pairings held, and in activity codes");
    bid_ = box("Bids", "Match the search words in the bids");

    next_ = new QToolButton(this);
    next_->setText("Next");
    next_->setStatusTip("Scroll to the next block that matches the search");
    addWidget(next_);
    addSeparator();
    addAction(&onlyMatching);
    onlyMatching_ = qobject_cast<QToolButton*>(widgetForAction(&onlyMatching));

    connect(text_, &QLineEdit::textChanged, &grid_, &BlockGridView::SetSearchText);
    connect(text_, &QLineEdit::returnPressed, &grid_, [this] { grid_.SearchNext(); });
    connect(next_, &QToolButton::clicked, &grid_, [this] { grid_.SearchNext(); });
    connect(&grid_, &BlockGridView::viewSettingsChanged, this, &SearchBar::ShowOptions);
    // Another month starts with no search.
    connect(&ws, &Workspace::documentReplaced, this, [this] { text_->clear(); });
    auto follow = [this, &onlyMatching] {
        for (QWidget* w : std::initializer_list<QWidget*>{text_, name_, employee_, pairing_, bid_, next_})
            w->setEnabled(onlyMatching.isEnabled());
    };
    connect(&onlyMatching, &QAction::changed, this, follow);
    follow();
    ShowOptions();
}

void SearchBar::ShowOptions() {
    const rules::ViewSettings& v = grid_.ViewSettings();
    const QSignalBlocker b1(name_), b2(employee_), b3(pairing_), b4(bid_);
    name_->setChecked(v.NameCheck);
    employee_->setChecked(v.EmpNumCheck);
    pairing_->setChecked(v.PairCheck);
    bid_->setChecked(v.BidCheck);
}

void SearchBar::OptionsChanged() {
    grid_.SetSearchOptions(name_->isChecked(), employee_->isChecked(), pairing_->isChecked(), bid_->isChecked());
}

}  // namespace lw::ui
