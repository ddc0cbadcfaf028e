#pragma once
// Import > This Month's Pairings...: "Load Vandrel Pairings", where the planner may type the
// base and equipment codes of the pairings to take instead of the month's own.
#include <QDialog>
#include <functional>
#include <optional>

#include "import/pairing_file.h"

class QCheckBox;
class QLineEdit;

namespace lw::ui {

class Workspace;

class LoadPairsOnlyDialog : public QDialog {
    Q_OBJECT
public:
    LoadPairsOnlyDialog(Workspace& ws, QWidget* parent = nullptr);
    // The codes OK accepted; nullopt until then.
    const std::optional<import::PairingCodes>& Codes() const { return codes_; }
    QLineEdit* BaseEdit() const { return base_; }
    QLineEdit* EqpEdit() const { return eqp_; }
    QCheckBox* ManualBox() const { return manual_; }

private:
    Workspace& ws_;
    std::optional<import::PairingCodes> codes_;
    QLineEdit* base_ = nullptr;
    QLineEdit* eqp_ = nullptr;
    QCheckBox* manual_ = nullptr;
};

// The command after its dialog: the file chooser, the load and its report. True when the
// pairings were replaced; beforeLoad runs once a file is chosen (the grid keeps its view).
bool LoadThisMonthsPairings(Workspace& ws, const import::PairingCodes& codes, const std::function<void()>& beforeLoad);

}  // namespace lw::ui
