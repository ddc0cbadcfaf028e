#include "ui/pairing_load_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <filesystem>

#include "output/pairing_reports.h"
#include "ui/dialog_buttons.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

LoadPairsOnlyDialog::LoadPairsOnlyDialog(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws) {
    setWindowTitle("Load Vandrel Pairings");
    auto explain = [this](const char* text) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        return label;
    };
    base_ = new QLineEdit(this);
    base_->setMaxLength(1);
    base_->setFixedWidth(36);
    base_->setValidator(new QRegularExpressionValidator(QRegularExpression("[A-Za-z]"), base_));
    eqp_ = new QLineEdit(this);
    eqp_->setMaxLength(1);
    eqp_->setFixedWidth(36);
    eqp_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]"), eqp_));
    manual_ = new QCheckBox("Use these Manual Settings instead of previously designated", this);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Base Code", this), 0, 0);
    grid->addWidget(base_, 0, 1);
    grid->addWidget(explain("Enter a Base Code for the Pairings you want to load. This is the First Letter of the "
                            "Pairing Number. "),
                    0, 2);
    grid->addWidget(new QLabel("Eqp Code", this), 1, 0);
    grid->addWidget(eqp_, 1, 1);
    grid->addWidget(explain("Enter the Eqp Code. Second Digit of Pairings. Leave empty for FA"), 1, 2);
    grid->setColumnStretch(2, 1);

    QHBoxLayout* buttons = OkCancelRow(this, [this] {
        codes_ = import::DialogPairingCodes(ws_.doc(), ws_.interaction(), manual_->isChecked(),
                                            ToDocText(base_->text()), ToDocText(eqp_->text()));
        if (codes_) accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(manual_);
    layout->addWidget(explain("Click OK to Load the Pairings. Only use settings above if nessasary"));
    layout->addLayout(buttons);
    resize(520, sizeHint().height());
}

bool LoadThisMonthsPairings(Workspace& ws, const import::PairingCodes& codes, const std::function<void()>& beforeLoad) {
    platform::Interaction& ui = ws.interaction();
    platform::Profile& profile = ws.profile();
    const auto file = ui.ChooseOpenFile(import::PairingFileRequest(profile.GetString("LW", import::kLastPrgPathSetting, "")));
    if (!file) return false;
    if (beforeLoad) beforeLoad();
    std::filesystem::path folder;
    const bool loaded = import::LoadPairingFile(ws.doc(), ui, *file, codes.manualCodes, codes.ignoreEquipment, &folder);
    if (!folder.empty()) profile.WriteString("LW", import::kLastPrgPathSetting, folder.string());
    if (loaded) output::ShowPairingReport(ws.doc(), ui);
    ws.NotifyChanged();
    return loaded;
}

}  // namespace lw::ui
