#include "ui/month_dialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "output/viewer_export.h"
#include "rules/roster_edit.h"
#include "ui/dialog_buttons.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

QFont FixedFont() {
    QFont fixed("Courier New");
    fixed.setStyleHint(QFont::TypeWriter);
    return fixed;
}

}  // namespace

CrewRequiredDialog::CrewRequiredDialog(const rules::ComplementDialog& content, QWidget* parent) : QDialog(parent) {
    setWindowTitle(FromDocText(content.caption));
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->setFont(FixedFont());
    for (size_t i = 0; i < content.lines.size(); ++i) {
        list_->addItem(FromDocText(content.lines[i].text));
        if (i < content.selected.size() && content.selected[i]) list_->item(static_cast<int>(i))->setSelected(true);
    }
    done_ = new QPushButton("Done", this);
    connect(done_, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(FromDocText(content.note), this), 1);
    bottom->addWidget(done_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(bottom);
    resize(520, 480);
}

std::vector<bool> CrewRequiredDialog::Selection() const {
    std::vector<bool> out(static_cast<size_t>(list_->count()));
    for (int i = 0; i < list_->count(); ++i) out[static_cast<size_t>(i)] = list_->item(i)->isSelected();
    return out;
}

CopyBlocksDialog::CopyBlocksDialog(Workspace& ws, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Select Blocks to Copy to the Windows Clipboard");
    const model::Document& doc = ws.doc();
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    for (int c = 0; c < doc.CrewCount; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (!rules::IsRosterRow(doc, c) || rules::IsCaptPairingsLine(p)) continue;
        rows_.push_back(c);
        list_->addItem(FromDocText(p.Name));
        if (p.Selected) list_->item(list_->count() - 1)->setSelected(true);
    }
    const output::SelectedBlocksOptions options = output::ReadClipboardOptions(ws.profile());
    xes_ = new QCheckBox("Include X's", this);
    xes_->setChecked(options.includeXes);
    pairings_ = new QCheckBox("Include Full Pairings", this);
    pairings_->setChecked(options.fullPairings);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(xes_);
    layout->addWidget(pairings_);
    layout->addLayout(OkCancelRow(this));
    resize(320, 480);
}

std::vector<int> CopyBlocksDialog::SelectedRows() const {
    std::vector<int> out;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->isSelected()) out.push_back(rows_[static_cast<size_t>(i)]);
    return out;
}

output::SelectedBlocksOptions CopyBlocksDialog::Options() const {
    return {xes_->isChecked(), pairings_->isChecked()};
}

ExportToViewerDialog::ExportToViewerDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Linewright - Export for  LW Viewer");
    auto* group = new QGroupBox("Save Viewer File As", this);
    preBuild_ = new QRadioButton("Pre-Build", group);
    preSked_ = new QRadioButton("Pre-Sked", group);
    final_ = new QRadioButton("Final", group);
    preBuild_->setChecked(true);
    auto* radios = new QVBoxLayout(group);
    radios->addWidget(preBuild_);
    radios->addWidget(preSked_);
    radios->addWidget(final_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(OkCancelRow(this));
}

int ExportToViewerDialog::Stage() const {
    if (final_->isChecked()) return output::kViewerFinal;
    if (preSked_->isChecked()) return output::kViewerPreSked;
    return output::kViewerPreBuild;
}

QRadioButton* ExportToViewerDialog::StageButton(int stage) const {
    switch (stage) {
        case output::kViewerPreBuild: return preBuild_;
        case output::kViewerPreSked: return preSked_;
        case output::kViewerFinal: return final_;
        default: return nullptr;
    }
}

ImportBawLinDialog::ImportBawLinDialog(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws) {
    setWindowTitle("Import BAW and LIN Blocks");
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->setSortingEnabled(true);
    list_->setFont(FixedFont());
    import_ = new QPushButton("Import", this);
    connect(import_, &QPushButton::clicked, this, &ImportBawLinDialog::Import);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    auto* buttons = OkCancelRow(this);
    buttons->insertWidget(0, import_);
    layout->addLayout(buttons);
    resize(560, 480);
}

bool ImportBawLinDialog::LoadFiles() {
    platform::Interaction& ui = ws_.interaction();
    platform::FileRequest request;
    request.title = "Load BAW Data";
    request.filter = "Baw Files(*.baw)|*.baw|All Files (*.*)|*.*";
    request.folder = ws_.profile().GetString("LW", "LastBAWPath", "");
    const std::optional<std::string> baw = ui.ChooseOpenFile(request);
    if (!baw) return false;
    // The export writes the LIN file beside the BAW file under the same stem.
    std::filesystem::path lin = *baw;
    lin.replace_extension(".LIN");
    if (!std::filesystem::exists(lin)) lin.replace_extension(".lin");
    if (!std::filesystem::exists(lin)) {
        platform::FileRequest linRequest;
        linRequest.title = "Load LIN Data";
        linRequest.filter = "Line Files(*.lin)|*.lin|All Files (*.*)|*.*";
        linRequest.folder = std::filesystem::path(*baw).parent_path().string();
        const std::optional<std::string> chosen = ui.ChooseOpenFile(linRequest);
        if (!chosen) return false;
        lin = *chosen;
    }
    import::BawLinFile file;
    if (!import::ReadBawLin(ws_.doc(), ui, *baw, lin, file)) return false;
    file_ = std::move(file);
    list_->clear();
    for (size_t i = 0; i < file_.blocks.size(); ++i) {
        auto* item = new QListWidgetItem(FromDocText(import::BawLinBlockLine(ws_.doc(), file_.blocks[i])));
        item->setData(Qt::UserRole, static_cast<qulonglong>(i));
        list_->addItem(item);
    }
    return true;
}

void ImportBawLinDialog::Import() {
    std::vector<size_t> chosen;
    for (const QListWidgetItem* item : list_->selectedItems())
        chosen.push_back(static_cast<size_t>(item->data(Qt::UserRole).toULongLong()));
    if (chosen.empty()) return;
    std::sort(chosen.begin(), chosen.end());
    std::vector<std::string> warnings;
    // The file's own warnings are told once, with the first import from it.
    if (!imported_) warnings = file_.warnings;
    for (std::string& w : import::ApplyBawLinBlocks(ws_.doc(), ws_.interaction(), file_, chosen))
        warnings.push_back(std::move(w));
    imported_ = true;
    list_->clearSelection();
    ws_.NotifyChanged();
    if (!warnings.empty()) ws_.interaction().ShowList("Summary", warnings);
}

}  // namespace lw::ui
