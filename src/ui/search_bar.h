#pragma once
// The grid search under the control bar: the search text, what it is matched against (names,
// employee numbers, pairings and activity codes, bids), "Display Only Blocks Matching Search
// String" and a button to the next block that matches. The options are the grid's view
// settings, kept in lwright.ini with the view filters.
#include <QToolBar>

class QAction;
class QCheckBox;
class QLineEdit;
class QToolButton;

namespace lw::ui {

class BlockGridView;
class Workspace;

class SearchBar : public QToolBar {
    Q_OBJECT
public:
    // onlyMatching is the main window's command 550; the bar is usable while it is.
    SearchBar(Workspace& ws, BlockGridView& grid, QAction& onlyMatching, QWidget* parent = nullptr);

    QLineEdit* Text() const { return text_; }
    QCheckBox* NameBox() const { return name_; }
    QCheckBox* EmployeeNumberBox() const { return employee_; }
    QCheckBox* PairingBox() const { return pairing_; }
    QCheckBox* BidBox() const { return bid_; }
    QToolButton* NextButton() const { return next_; }
    QToolButton* OnlyMatchingButton() const { return onlyMatching_; }

private:
    void ShowOptions();
    void OptionsChanged();

    BlockGridView& grid_;
    QLineEdit* text_ = nullptr;
    QCheckBox *name_ = nullptr, *employee_ = nullptr, *pairing_ = nullptr, *bid_ = nullptr;
    QToolButton* next_ = nullptr;
    QToolButton* onlyMatching_ = nullptr;
};

}  // namespace lw::ui
