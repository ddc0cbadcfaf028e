#pragma once
// Export > Export Schedules for Vandrel CrewTrac: the file stem, the codes and the crew type of
// the BAW and LIN files, "Export Now" and the summary of each run.
#include <QDialog>
#include <array>
#include <filesystem>

#include "output/crewtrac_export.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace lw::ui {

class Workspace;

class ExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportDialog(Workspace& ws, QWidget* parent = nullptr);
    output::CrewTracInputs Inputs() const;
    QLineEdit* FileNameEdit() const { return fileName_; }
    QLineEdit* BaseEdit() const { return base_; }
    QLineEdit* EqpEdit() const { return eqp_; }
    // "Capt", "FO", "FA/PU".
    QRadioButton* TypeButton(int i) const { return types_[static_cast<size_t>(i)]; }
    QListWidget* Summary() const { return summary_; }
    QPushButton* ExportButton() const { return exportNow_; }
    // The folder of the last completed export; empty when none completed.
    const std::filesystem::path& Written() const { return written_; }

private:
    void ExportNow();

    Workspace& ws_;
    QLineEdit* fileName_ = nullptr;
    QLineEdit* base_ = nullptr;
    QLineEdit* eqp_ = nullptr;
    std::array<QRadioButton*, 3> types_{};
    QListWidget* summary_ = nullptr;
    QPushButton* exportNow_ = nullptr;
    std::filesystem::path written_;
};

}  // namespace lw::ui
