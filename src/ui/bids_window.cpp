#include "ui/bids_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "bids/filters.h"
#include "ui/employee_dialog.h"
#include "ui/filter_editor_dialog.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

constexpr std::string_view kSection = "LW";
constexpr const char* kFiltersOnCaption = "SET FILTERS ON";
constexpr const char* kFiltersOffCaption = "SET FILTERS OFF";

bool StartMail(const QString& address, const QString& subject) {
    QStringList args{"--subject", subject};
    if (!address.isEmpty()) args << address;
    return QProcess::startDetached("xdg-email", args);
}

}  // namespace

BidsWindow::BidsWindow(Workspace& ws, platform::Profile& profile, std::function<std::vector<int>()> rows,
                       QWidget* parent)
    : QWidget(parent, Qt::Tool),
      ws_(ws),
      profile_(profile),
      rows_(std::move(rows)),
      runDialog_([](QDialog& d) { return d.exec(); }),
      mail_(StartMail) {
    setWindowTitle("Bids");
    tabs_ = new QTabBar(this);
    tabs_->setUsesScrollButtons(true);
    tabs_->setExpanding(false);
    tabs_->setDocumentMode(true);
    pages_ = new QTabWidget(this);
    QFont fixed("Courier New");
    fixed.setStyleHint(QFont::TypeWriter);
    auto page = [&](const char* title, bool readOnly) {
        auto* edit = new QPlainTextEdit(pages_);
        edit->setReadOnly(readOnly);
        edit->setFont(fixed);
        pages_->addTab(edit, title);
        return edit;
    };
    bid_ = page("BIDS", false);
    guess_ = page("GUESS", true);
    filters_ = page("FILTERS", true);
    // "No Filters. Click to Edit": a click on the page opens the member filter editor.
    filters_->viewport()->installEventFilter(this);

    options_ = new QMenu(this);
    options_->addAction("Undo", bid_, &QPlainTextEdit::undo);
    options_->addAction("Cut", bid_, &QPlainTextEdit::cut);
    options_->addAction("Copy", bid_, &QPlainTextEdit::copy);
    options_->addAction("Paste", bid_, &QPlainTextEdit::paste);
    options_->addSeparator();
    options_->addAction("Pilot Info Dialog", this, &BidsWindow::PilotInfo);
    options_->addAction("eMail Pilot", this, &BidsWindow::MailPilot);
    bid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { options_->popup(bid_->viewport()->mapToGlobal(at)); });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    auto button = [&](const char* caption, void (BidsWindow::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    button("SET FILTERS", &BidsWindow::SetFilters);
    button("SET DAY OFF REQ", &BidsWindow::SetDaysOff);
    filterToggle_ = button(kFiltersOnCaption, &BidsWindow::ToggleFilters);
    button("SELECT FILTERS", &BidsWindow::SelectFilters);
    moreOptions_ = new QPushButton("MORE OPTIONS", this);
    moreOptions_->setAutoDefault(false);
    connect(moreOptions_, &QPushButton::clicked, this,
            [this] { options_->popup(moreOptions_->mapToGlobal(QPoint(0, moreOptions_->height()))); });
    buttons->addWidget(moreOptions_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);

    // Where the planner left it, unless that is now off the screen.
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1024, 768);
    int x = profile_.GetInt(kSection, "BidWinX", 200);
    int y = profile_.GetInt(kSection, "BidWinY", 300);
    if (x >= screen.right() - 30) x = 200;
    if (y >= screen.bottom() - 30) y = 300;
    const int w = profile_.GetInt(kSection, "BidWinW", 300);
    const int h = profile_.GetInt(kSection, "BidWinH", 200);
    // Too small to read the buttons is of no use; the stored size is kept otherwise.
    resize(std::max(w, sizeHint().width()), std::max(h, 260));
    move(x, y);

    connect(tabs_, &QTabBar::currentChanged, this, &BidsWindow::TabChosen);
    connect(&ws_, &Workspace::documentChanged, this, &BidsWindow::OnDocumentChanged);
    connect(&ws_, &Workspace::documentReplaced, this, [this] {
        shownCrew_ = -1;
        shownEmployee_ = 0;
        RebuildTabs(true);
    });
}

BidsWindow::~BidsWindow() = default;

void BidsWindow::SavePlace() {
    const QRect place = geometry();
    profile_.WriteString(kSection, "BidWinX", std::to_string(place.x()));
    profile_.WriteString(kSection, "BidWinY", std::to_string(place.y()));
    profile_.WriteString(kSection, "BidWinW", std::to_string(place.width()));
    profile_.WriteString(kSection, "BidWinH", std::to_string(place.height()));
}

QPushButton* BidsWindow::Button(const char* text) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

bool BidsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filters_->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !filters_->textCursor().hasSelection()) {
        SelectFilters();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BidsWindow::showEvent(QShowEvent* event) {
    // Opening: tabs, the filter button, the member's filter when filters are on, the guess.
    RebuildTabs(true);
    QWidget::showEvent(event);
}

bool BidsWindow::HasMember() const {
    const model::Document& doc = ws_.doc();
    return shownCrew_ >= 0 && shownCrew_ < doc.CrewCount &&
           doc.Crew[static_cast<size_t>(shownCrew_)].EmployeeNumber == shownEmployee_;
}

void BidsWindow::RebuildTabs(bool force) {
    std::vector<int> rows;
    for (int row : rows_ ? rows_() : std::vector<int>{})
        if (row >= 0 && row < ws_.doc().CrewCount) rows.push_back(row);  // the grid may not have the new month yet
    if ((!force && rows == tabRows_) || rebuilding_) return;
    rebuilding_ = true;
    StoreEdit();
    const model::Document& doc = ws_.doc();
    tabRows_ = rows;
    tabs_->blockSignals(true);
    while (tabs_->count() > 0) tabs_->removeTab(0);
    int select = tabRows_.empty() ? -1 : 0;
    for (size_t i = 0; i < tabRows_.size(); ++i) {
        const model::TPilot& m = doc.Crew[static_cast<size_t>(tabRows_[i])];
        tabs_->addTab(QString("%1. %2").arg(tabRows_[i] + 1).arg(FromDocText(m.Name)));
        if (shownEmployee_ != 0 && m.EmployeeNumber == shownEmployee_) select = static_cast<int>(i);
    }
    tabs_->setCurrentIndex(select);
    tabs_->blockSignals(false);
    UpdateFilterButton();
    ShowMember(select < 0 ? -1 : tabRows_[static_cast<size_t>(select)]);
    rebuilding_ = false;
}

void BidsWindow::ShowCrew(int crew) {
    for (size_t i = 0; i < tabRows_.size(); ++i)
        if (tabRows_[i] == crew) tabs_->setCurrentIndex(static_cast<int>(i));
}

void BidsWindow::TabChosen(int index) {
    StoreEdit();
    ShowMember(index >= 0 && static_cast<size_t>(index) < tabRows_.size() ? tabRows_[static_cast<size_t>(index)] : -1);
}

void BidsWindow::StoreEdit() {
    if (!HasMember()) return;
    if (bid_->toPlainText() == loadedPage_) return;
    const bool wasModified = ws_.doc().Modified;
    if (bids::StoreBid(ws_.doc(), ws_.interaction(), shownCrew_, ToDocText(bid_->toPlainText())))
        loadedBid_ = ws_.doc().Crew[static_cast<size_t>(shownCrew_)].BidText;
    // A dropped edit is dropped from the page too.
    FillBidPage();
    if (ws_.doc().Modified != wasModified) ws_.NotifyChanged();
}

void BidsWindow::FillBidPage() {
    bid_->setPlainText(FromDocText(loadedBid_));
    loadedPage_ = bid_->toPlainText();
}

void BidsWindow::ShowMember(int crew) {
    model::Document& doc = ws_.doc();
    const bool valid = crew >= 0 && crew < doc.CrewCount;
    shownCrew_ = valid ? crew : -1;
    shownEmployee_ = valid ? doc.Crew[static_cast<size_t>(crew)].EmployeeNumber : 0;
    loadedBid_ = valid ? doc.Crew[static_cast<size_t>(crew)].BidText : std::string();
    FillBidPage();
    RenderFilters();
    // The pairings window follows the member shown.
    Guess();
    if (valid && doc.FiltersOn) {
        FilterOnForShown();
        ws_.NotifyChanged();
    }
}

void BidsWindow::Guess() {
    if (guessing_) return;
    guessing_ = true;
    guess_->clear();
    try {
        guessed_ = shownCrew_ >= 0 ? bids::GuessBid(ws_.doc(), ToDocText(bid_->toPlainText())) : bids::GuessedBid{};
        guess_->setPlainText(FromDocText(bids::GuessText(guessed_)));
    } catch (const std::exception&) {
        ws_.interaction().Message("Error in Guess the Bid", "Linewright", platform::Icon::Stop);
    }
    guessing_ = false;
}

void BidsWindow::RenderFilters() {
    filters_->setPlainText(
        HasMember() ? FromDocText(bids::RenderSavedFilter(ws_.doc().Crew[static_cast<size_t>(shownCrew_)].SavedFilters))
                    : QString());
}

void BidsWindow::UpdateFilterButton() {
    filterToggle_->setText(ws_.doc().FiltersOn ? kFiltersOffCaption : kFiltersOnCaption);
}

void BidsWindow::OnDocumentChanged() {
    UpdateFilterButton();
    if (!isVisible()) return;
    RebuildTabs(false);
    if (!HasMember()) return;
    // A bid read in from a file while the page holds no edit of its own.
    const std::string& stored = ws_.doc().Crew[static_cast<size_t>(shownCrew_)].BidText;
    if (stored != loadedBid_ && bid_->toPlainText() == loadedPage_) ShowMember(shownCrew_);
    else RenderFilters();
}

void BidsWindow::FilterOnForShown() {
    std::string caption;
    if (bids::EmployeeFilterOn(ws_.doc(), ws_.interaction(), shownEmployee_, caption))
        emit pairingsCaptionChanged(FromDocText(caption));
}

void BidsWindow::SwitchFilterOn() {
    if (!HasMember()) return;
    FilterOnForShown();
    ws_.NotifyChanged();
}

void BidsWindow::SetFilters() {
    if (!HasMember()) return;
    std::string caption;
    bids::SetFiltersFromBid(ws_.doc(), ws_.interaction(), shownCrew_, guessed_, caption);
    if (!caption.empty()) emit pairingsCaptionChanged(FromDocText(caption));
    RenderFilters();
    ws_.NotifyChanged();
}

void BidsWindow::SetDaysOff() {
    if (!HasMember()) return;
    bids::SetDayOffRequests(ws_.doc(), ws_.interaction(), shownCrew_, guessed_);
    ws_.NotifyChanged();
}

void BidsWindow::ToggleFilters() {
    model::Document& doc = ws_.doc();
    if (doc.FiltersOn) {
        std::string caption;
        bids::EmployeeFilterOff(doc, caption);
        emit pairingsCaptionChanged(FromDocText(caption));
    } else if (HasMember()) {
        FilterOnForShown();
    }
    UpdateFilterButton();
    ws_.NotifyChanged();
    emit mainFocusRequested();
}

void BidsWindow::SelectFilters() {
    if (!HasMember()) return;
    FilterEditorDialog editor(ws_, shownCrew_, this);
    editor.SetDialogRunner(runDialog_);
    runDialog_(editor);
    RenderFilters();
    if (ws_.doc().FiltersOn) FilterOnForShown();
    ws_.NotifyChanged();
}

void BidsWindow::PilotInfo() {
    if (!HasMember()) return;
    StoreEdit();
    EmployeeDialog dialog(ws_, shownCrew_, this);
    if (runDialog_(dialog) != QDialog::Accepted) return;
    // The name or the number may have changed: the tab follows the member.
    shownEmployee_ = ws_.doc().Crew[static_cast<size_t>(shownCrew_)].EmployeeNumber;
    tabRows_.clear();
    ws_.NotifyChanged();
    if (!isVisible()) RebuildTabs(true);
}

void BidsWindow::MailPilot() {
    if (!HasMember()) return;
    const model::TPilot& m = ws_.doc().Crew[static_cast<size_t>(shownCrew_)];
    const QString address = FromDocText(bids::PilotMailAddress(m, profile_));
    const QString subject = QString("Bid of %1 (%2)").arg(FromDocText(m.Name)).arg(m.EmployeeNumber);
    if (!mail_(address, subject))
        ws_.interaction().Message("No mail program could be started (xdg-email is missing). Write to " + m.Name +
                                      " from your mail program.",
                                  "Linewright", platform::Icon::Stop);
}

}  // namespace lw::ui
