#include "ui/new_month_wizard.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <filesystem>
#include <utility>

#include "base/time_text.h"
#include "import/absence_extract.h"
#include "import/activity_extract.h"
#include "import/lis_scan.h"
#include "import/new_month.h"
#include "import/pairing_file.h"
#include "import/roster_extract.h"
#include "import/toolbox_file.h"
#include "model/document.h"
#include "output/pairing_reports.h"
#include "platform/interaction.h"
#include "platform/profile.h"
#include "ui/dialog_buttons.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

constexpr std::string_view kSection = "LW";
const std::array<QString, 4> kStatusNames = {"Roster", "Absences", "Overlap Info", "Current Pairings"};
enum { kRosterStatus, kAbsencesStatus, kOverlapStatus, kPairingsStatus };

QString DateText(base::Date date) {
    const base::CalendarDate d = date.Split();
    return QString("%1  %2 %3 %4")
        .arg(QString::fromStdString(date.WeekdayLabel()))
        .arg(d.day, 2, 10, QChar('0'))
        .arg(QString::fromStdString(base::MonthName(d.month)))
        .arg(d.year);
}

QPushButton* Button(const char* text, QWidget* parent, int width = 0) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    if (width > 0) b->setFixedWidth(width);
    return b;
}

std::string FolderOf(const std::string& file) { return std::filesystem::path(file).parent_path().string(); }

// Each loader's chooser opens where that kind of file was last taken from.
std::string LastFolder(const platform::Profile& profile, std::string_view key) {
    return profile.GetString(kSection, key, "");
}
void KeepFolder(platform::Profile& profile, std::string_view key, const std::filesystem::path& folder) {
    if (!folder.empty()) profile.WriteString(kSection, key, folder.string());
}

}  // namespace

// ---- the dates dialog

SetDatesDialog::SetDatesDialog(model::Document& doc, platform::Interaction& ui, base::Date today, QWidget* parent)
    : QDialog(parent), doc_(doc), ui_(ui) {
    setWindowTitle("Set Start and End Dates for the New Month");
    auto* grid = new QGridLayout;
    auto dateRow = [this, grid](int row, const char* label, QLabel*& text, base::Date SetDatesDialog::*end) {
        grid->addWidget(new QLabel(label, this), row, 0);
        QPushButton* earlier = Button("<", this, 32);
        text = new QLabel(this);
        text->setFrameShape(QFrame::StyledPanel);
        text->setMinimumWidth(180);
        text->setAlignment(Qt::AlignCenter);
        QPushButton* later = Button(">", this, 32);
        grid->addWidget(earlier, row, 1);
        grid->addWidget(text, row, 2);
        grid->addWidget(later, row, 3);
        connect(earlier, &QPushButton::clicked, this, [this, end] {
            this->*end = (this->*end).Previous();
            Show();
        });
        connect(later, &QPushButton::clicked, this, [this, end] {
            this->*end = (this->*end).Next();
            Show();
        });
    };
    dateRow(0, "Start Date", startText_, &SetDatesDialog::first_);
    dateRow(1, "End Date", endText_, &SetDatesDialog::last_);

    QPushButton* previousMonth = Button("<<", this, 40);
    QPushButton* nextMonth = Button(">>", this, 40);
    connect(previousMonth, &QPushButton::clicked, this,
            [this] { month_ == 1 ? ChooseMonth(12, year_ - 1) : ChooseMonth(month_ - 1, year_); });
    connect(nextMonth, &QPushButton::clicked, this,
            [this] { month_ == 12 ? ChooseMonth(1, year_ + 1) : ChooseMonth(month_ + 1, year_); });
    auto* months = new QHBoxLayout;
    months->addStretch();
    months->addWidget(previousMonth);
    months->addWidget(new QLabel("Change Month", this));
    months->addWidget(nextMonth);
    months->addStretch();

    QHBoxLayout* buttons = OkCancelRow(this, [this] {
        // Refused dates are said so and the planner corrects them here.
        if (doc_.SetMonthDates(first_, last_, ui_)) accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(months);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    const base::CalendarDate start = import::NextScheduleMonth(today).first.AddDays(15).Split();
    ChooseMonth(start.month, start.year);
}

void SetDatesDialog::ChooseMonth(int month, int year) {
    month_ = month;
    year_ = year;
    const import::MonthSpan span = import::ScheduleMonthSpan(month, year);
    first_ = span.first;
    last_ = span.last;
    Show();
}

void SetDatesDialog::Show() {
    startText_->setText(DateText(first_));
    endText_->setText(DateText(last_));
}

// ---- Setup Month

namespace {

struct SettingRow {
    const char* label;
    bool minutes;  // a block time shown as hh:mm, else a count of days
};
// In the order of the fields of rules::MonthSettings.
constexpr std::array<SettingRow, 9> kSettingRows = {{{"Avg", true},
                                                      {"Max", true},
                                                      {"Min", true},
                                                      {"Check Pilot Max Hours", true},
                                                      {"Block Holder", false},
                                                      {"Reserve", false},
                                                      {"Max", true},
                                                      {"Min", true},
                                                      {"Min Days Off", false}}};

std::array<int32_t*, 9> Fields(rules::MonthSettings& s) {
    return {&s.avgBlock,      &s.maxBlock,   &s.minBlock,   &s.checkPilotMax,   &s.daysOffBlockHolder,
            &s.daysOffReserve, &s.reducedMax, &s.reducedMin, &s.reducedMinDaysOff};
}

}  // namespace

MonthDialog::MonthDialog(const rules::MonthSettings& settings, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Setup Month");
    rules::MonthSettings values = settings;
    const std::array<int32_t*, 9> fields = Fields(values);
    auto makeRow = [this, &fields](QGridLayout* grid, int index, int row) {
        const SettingRow& r = kSettingRows[static_cast<size_t>(index)];
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setRange(0, r.minutes ? rules::kMonthSettingMaxMinutes : rules::kMonthSettingMaxDays);
        bar->setSingleStep(r.minutes ? 15 : 1);
        bar->setPageStep(r.minutes ? 60 : 5);
        bar->setMinimumWidth(220);
        bar->setValue(*fields[static_cast<size_t>(index)]);
        auto* readout = new QLabel(this);
        readout->setMinimumWidth(52);
        readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        readout->setFrameShape(QFrame::StyledPanel);
        auto show = [readout, minutes = r.minutes](int v) {
            readout->setText(minutes ? QString::fromStdString(base::FormatTime(v)) : QString::number(v));
        };
        show(bar->value());
        connect(bar, &QScrollBar::valueChanged, readout, show);
        // The same label width in every group lines the scroll bars up under each other.
        grid->setColumnMinimumWidth(0, 150);
        grid->addWidget(new QLabel(r.label, this), row, 0);
        grid->addWidget(bar, row, 1);
        grid->addWidget(readout, row, 2);
        bars_[static_cast<size_t>(index)] = bar;
    };
    auto* limits = new QGroupBox("Blocking Rules", this);
    auto* rulesGrid = new QGridLayout(limits);
    for (int i = 0; i < 4; ++i) makeRow(rulesGrid, i, i);
    auto* daysOff = new QGroupBox("Days Off Required", this);
    auto* daysOffGrid = new QGridLayout(daysOff);
    for (int i = 4; i < 6; ++i) makeRow(daysOffGrid, i, i - 4);
    auto* reduced = new QGroupBox("Reduced Blocks Defaults.", this);
    auto* reducedGrid = new QGridLayout(reduced);
    for (int i = 6; i < 9; ++i) makeRow(reducedGrid, i, i - 6);
    auto* note = new QLabel(
        "Set these values before selecting Reduced Block in the employee info dialog as no change is made until "
        "reduced block is reselected.",
        reduced);
    note->setWordWrap(true);
    reducedGrid->addWidget(note, 3, 0, 1, 3);

    QHBoxLayout* buttons = OkCancelRow(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(limits);
    layout->addWidget(daysOff);
    layout->addWidget(reduced);
    layout->addLayout(buttons);
}

rules::MonthSettings MonthDialog::Settings() const {
    rules::MonthSettings s;
    const std::array<int32_t*, 9> fields = Fields(s);
    for (size_t i = 0; i < fields.size(); ++i) *fields[i] = bars_[i]->value();
    return s;
}

// ---- the wizard

NewFileWizard::NewFileWizard(Workspace& ws, platform::Profile& profile, Hooks hooks, base::Date first,
                             base::Date last, QWidget* parent)
    : QDialog(parent),
      ws_(ws),
      ui_(ws.interaction()),
      profile_(profile),
      hooks_(std::move(hooks)),
      first_(first),
      last_(last) {
    setWindowTitle("Create a New File Wizard");
    const import::GroupChoice choice = import::ReadGroupChoice(profile_);

    groupArea_ = new QWidget(this);
    auto* baseGroup = new QGroupBox("Base", groupArea_);
    auto* baseLayout = new QVBoxLayout(baseGroup);
    for (size_t i = 0; i < bases_.size(); ++i) {
        bases_[i] = new QRadioButton(QString::fromUtf8(import::kBases[i].code.data(), 3), baseGroup);
        bases_[i]->setChecked(i == choice.base);
        baseLayout->addWidget(bases_[i]);
    }
    eqpGroup_ = new QGroupBox("Eqp. Pilots Only", groupArea_);
    auto* eqpLayout = new QVBoxLayout(eqpGroup_);
    for (size_t i = 0; i < eqps_.size(); ++i) {
        eqps_[i] = new QRadioButton(QString::fromUtf8(import::kEquipment[i].code.data(), 3), eqpGroup_);
        eqps_[i]->setChecked(i == choice.eqp);
        eqpLayout->addWidget(eqps_[i]);
    }
    eqpLayout->addStretch();
    auto* statusGroup = new QGroupBox("Status", groupArea_);
    auto* statusLayout = new QVBoxLayout(statusGroup);
    for (size_t i = 0; i < statuses_.size(); ++i) {
        const std::string_view label = import::kStatuses[i].label;
        statuses_[i] = new QRadioButton(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())), statusGroup);
        statuses_[i]->setChecked(i == choice.status);
        statusLayout->addWidget(statuses_[i]);
        // Cabin crew fly every equipment of the base.
        connect(statuses_[i], &QRadioButton::toggled, this,
                [this] { eqpGroup_->setEnabled(!statuses_[2]->isChecked()); });
    }
    statusLayout->addStretch();
    eqpGroup_->setEnabled(!statuses_[2]->isChecked());

    auto* typedGroup = new QGroupBox(groupArea_);
    auto* typedLayout = new QGridLayout(typedGroup);
    typed_ = new QCheckBox("Ignore Info above. Use This...", typedGroup);
    typedLayout->addWidget(typed_, 0, 0, 1, 4);
    const std::array<const char*, 4> typedLabels = {"Base", "Eqp", "Status", "First Letter   of Pairings"};
    const std::array<int, 4> typedLengths = {3, 3, 2, 1};
    for (size_t i = 0; i < typedEdits_.size(); ++i) {
        auto* label = new QLabel(typedLabels[i], typedGroup);
        label->setWordWrap(true);
        typedEdits_[i] = new QLineEdit(typedGroup);
        typedEdits_[i]->setMaxLength(typedLengths[i]);
        typedEdits_[i]->setFixedWidth(48);
        typedLayout->addWidget(label, 1, static_cast<int>(i), Qt::AlignBottom);
        typedLayout->addWidget(typedEdits_[i], 2, static_cast<int>(i));
    }

    auto* groups = new QHBoxLayout;
    groups->addWidget(baseGroup);
    groups->addWidget(eqpGroup_);
    groups->addWidget(statusGroup);
    auto* groupLayout = new QVBoxLayout(groupArea_);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    groupLayout->addLayout(groups);
    groupLayout->addWidget(typedGroup);

    auto* progress = new QGroupBox("Progress", this);
    auto* progressGrid = new QGridLayout(progress);
    for (size_t i = 0; i < status_.size(); ++i) {
        progressGrid->addWidget(new QLabel(kStatusNames[i], progress), static_cast<int>(i), 0);
        status_[i] = new QLabel("Not Loaded", progress);
        progressGrid->addWidget(status_[i], static_cast<int>(i), 1);
    }
    text_ = new QLabel(this);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setFrameShape(QFrame::StyledPanel);
    text_->setMargin(6);
    text_->setMinimumHeight(130);
    text_->setFixedWidth(300);

    auto* right = new QVBoxLayout;
    right->addWidget(progress);
    right->addWidget(text_, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(groupArea_);
    top->addLayout(right);

    back_ = Button("<< Back <<", this);
    next_ = Button(">> Next >>", this);
    finished_ = Button("Finished", this);
    QPushButton* cancel = Button("Cancel", this);
    next_->setDefault(true);
    connect(back_, &QPushButton::clicked, this, &NewFileWizard::Back);
    connect(next_, &QPushButton::clicked, this, &NewFileWizard::Next);
    connect(finished_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addWidget(finished_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    Show();
}

QString NewFileWizard::StepText() const { return text_->text(); }

QString NewFileWizard::StatusText(const QString& name) const {
    for (size_t i = 0; i < kStatusNames.size(); ++i)
        if (kStatusNames[i] == name) return status_[i]->text();
    return {};
}

void NewFileWizard::Show() {
    const int text = saved_ ? import::kNewMonthSavedText : import::NewMonthTextOfStep(step_);
    const std::string_view t = import::NewMonthStepText(text);
    text_->setText(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
    back_->setEnabled(step_ > 0 && !saved_);
    next_->setEnabled(!saved_);
    finished_->setEnabled(saved_);
    groupArea_->setEnabled(step_ == 0);
}

void NewFileWizard::SetDone(int status) { status_[static_cast<size_t>(status)]->setText("Done"); }

void NewFileWizard::Back() {
    step_ = std::max(step_ - 1, 0);
    Show();
}

void NewFileWizard::Next() {
    // The planner cannot press anything here while a loader runs its own dialogs.
    setEnabled(false);
    bool advance = true;
    switch (step_) {
        case 0: advance = GroupStep(); break;
        case 1: if (RosterStep()) SetDone(kRosterStatus); break;
        case 2: if (AbsencesStep()) SetDone(kAbsencesStatus); break;
        case 3: if (OverlapStep()) SetDone(kOverlapStatus); break;
        case 4: if (PairingsStep()) SetDone(kPairingsStatus); break;
        case 5: LisStep(); break;
        default:
            saved_ = hooks_.saveAs && hooks_.saveAs();
            advance = false;
            break;
    }
    if (advance) step_ = std::min(step_ + 1, import::kNewMonthLastStep);
    setEnabled(true);
    ws_.NotifyChanged();
    Show();
}

bool NewFileWizard::GroupStep() {
    model::Document& doc = ws_.doc();
    import::GroupChoice choice;
    for (size_t i = 0; i < bases_.size(); ++i)
        if (bases_[i]->isChecked()) choice.base = i;
    for (size_t i = 0; i < eqps_.size(); ++i)
        if (eqps_[i]->isChecked()) choice.eqp = i;
    for (size_t i = 0; i < statuses_.size(); ++i)
        if (statuses_[i]->isChecked()) choice.status = i;
    std::string groupCode = choice.GroupCode();
    int8_t crewGroup = choice.CrewGroup();
    std::string question = choice.ConfirmText();
    if (typed_->isChecked()) {
        std::array<std::string, 4> parts;
        for (size_t i = 0; i < parts.size(); ++i) parts[i] = ToDocText(typedEdits_[i]->text().trimmed());
        groupCode = parts[0] + parts[1] + parts[2] + parts[3];
        if (!import::CheckTypedGroupCode(groupCode, ui_)) return false;
        // A typed code says nothing of the crew group: the month keeps the one it has.
        crewGroup = doc.CrewGroup;
        question = import::NewFileConfirmText(parts[0], parts[1], parts[2], crewGroup == model::kFlightAttendants);
    }
    if (ui_.Ask(question, "Linewright", platform::Buttons::YesNo, platform::Icon::Question) != platform::Answer::Yes)
        return false;
    if (!import::SetUpNewMonth(doc, ui_, first_, last_, crewGroup, groupCode)) return false;
    groupConfirmed_ = true;
    import::WriteGroupChoice(profile_, choice);

    // Cancelling the toolbox file keeps the built-in activities.
    if (const auto file = ui_.ChooseOpenFile(
            import::ToolboxFileRequest(LastFolder(profile_, import::kLastBoxPathSetting)))) {
        std::filesystem::path folder;
        import::LoadToolboxFile(doc, ui_, *file, &folder);
        KeepFolder(profile_, import::kLastBoxPathSetting, folder);
    }
    ws_.NotifyChanged();
    MonthDialog month(rules::ReadMonthSettings(doc), this);
    if (hooks_.runDialog && hooks_.runDialog(month) == QDialog::Accepted) rules::ApplyMonthSettings(doc, month.Settings());
    return true;
}

bool NewFileWizard::RosterStep() {
    const auto file =
        ui_.ChooseOpenFile(import::RosterExtractRequest(LastFolder(profile_, import::kLastRosterPathSetting)));
    if (!file) return false;
    std::filesystem::path folder;
    const bool loaded = import::LoadRosterExtract(ws_.doc(), ui_, *file, &folder);
    KeepFolder(profile_, import::kLastRosterPathSetting, folder);
    return loaded;
}

bool NewFileWizard::AbsencesStep() {
    const auto file = ui_.ChooseOpenFile(
        import::AbsenceExtractRequest(LastFolder(profile_, import::kLastCrewAbsPathSetting)));
    if (!file) return false;
    std::filesystem::path folder;
    const bool loaded = import::LoadNewMonthAbsences(ws_.doc(), ui_, *file, [this, &file]() -> std::optional<std::filesystem::path> {
        if (ui_.Ask(import::kSecondMonthAbsencesQuestion, "Linewright", platform::Buttons::YesNo,
                    platform::Icon::Question) != platform::Answer::Yes)
            return std::nullopt;
        const auto next = ui_.ChooseOpenFile(import::AbsenceExtractRequest(FolderOf(*file)));
        if (!next) return std::nullopt;
        return std::filesystem::path(*next);
    }, &folder);
    KeepFolder(profile_, import::kLastCrewAbsPathSetting, folder);
    return loaded;
}

bool NewFileWizard::OverlapStep() {
    const auto activity = ui_.ChooseOpenFile(
        import::ActivityExtractRequest(LastFolder(profile_, import::kLastOverlapDataPathSetting)));
    if (!activity) return false;
    const auto prior = ui_.ChooseOpenFile(import::PriorPairingExtractRequest(FolderOf(*activity)));
    if (!prior) return false;
    std::filesystem::path folder;
    const bool loaded = import::LoadLastMonthData(ws_.doc(), ui_, *activity, *prior, &folder);
    KeepFolder(profile_, import::kLastOverlapDataPathSetting, folder);
    return loaded;
}

bool NewFileWizard::PairingsStep() {
    const auto file =
        ui_.ChooseOpenFile(import::PairingFileRequest(LastFolder(profile_, import::kLastPrgPathSetting)));
    if (!file) return false;
    std::filesystem::path folder;
    const bool loaded = import::LoadNewMonthPairings(ws_.doc(), ui_, *file, &folder);
    KeepFolder(profile_, import::kLastPrgPathSetting, folder);
    if (loaded) output::ShowPairingReport(ws_.doc(), ui_);
    return loaded;
}

void NewFileWizard::LisStep() {
    // A name without the month's title may be refused: the planner then chooses again.
    for (;;) {
        const std::vector<std::string> files =
            ui_.ChooseOpenFiles(import::LisFilesRequest(LastFolder(profile_, import::kLastFrenchPathSetting)));
        if (files.empty()) return;
        import::LisScanDetails details;
        import::ScanLisFiles(ws_.doc(), ui_, std::vector<std::filesystem::path>(files.begin(), files.end()), &details);
        KeepFolder(profile_, import::kLastFrenchPathSetting, details.folder);
        if (!details.chooseAgain) return;
    }
}

}  // namespace lw::ui
