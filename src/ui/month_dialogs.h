#pragma once
// The month's smaller dialogs that hand their answer to the core: the crew complement, the
// blocks to copy to the clipboard, the viewer stage, and the blocks brought back from the
// CrewTrac BAW and LIN files.
#include <QDialog>
#include <optional>
#include <vector>

#include "import/baw_lin_import.h"
#include "output/selected_blocks_text.h"
#include "rules/complement.h"

class QCheckBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace lw::ui {

class Workspace;

// CrewRequiredDialog / CrewRequiredDialogFA: the core gives the caption and the note for the
// month's crew group; the planner marks the pairing days and presses "Done".
class CrewRequiredDialog : public QDialog {
    Q_OBJECT
public:
    CrewRequiredDialog(const rules::ComplementDialog& content, QWidget* parent = nullptr);
    // One flag per line of the dialog.
    std::vector<bool> Selection() const;
    QListWidget* List() const { return list_; }
    QPushButton* DoneButton() const { return done_; }

private:
    QListWidget* list_ = nullptr;
    QPushButton* done_ = nullptr;
};

// "Select Blocks to Copy to the Windows Clipboard": the crew, several selectable, and the two
// check boxes kept in the profile.
class CopyBlocksDialog : public QDialog {
    Q_OBJECT
public:
    CopyBlocksDialog(Workspace& ws, QWidget* parent = nullptr);
    QListWidget* List() const { return list_; }
    QCheckBox* XesBox() const { return xes_; }
    QCheckBox* PairingsBox() const { return pairings_; }
    // Crew rows of the selected lines, in roster order.
    std::vector<int> SelectedRows() const;
    output::SelectedBlocksOptions Options() const;

private:
    std::vector<int> rows_;  // crew row of each list line
    QListWidget* list_ = nullptr;
    QCheckBox* xes_ = nullptr;
    QCheckBox* pairings_ = nullptr;
};

// ExportToViewerDialog: the stage the viewer copy is saved as.
class ExportToViewerDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportToViewerDialog(QWidget* parent = nullptr);
    int Stage() const;
    QRadioButton* StageButton(int stage) const;

private:
    QRadioButton* preBuild_ = nullptr;
    QRadioButton* preSked_ = nullptr;
    QRadioButton* final_ = nullptr;
};

// ImportBawLinDialog: "Import BAW and LIN Blocks". LoadFiles() asks for the BAW file (the LIN
// file beside it is taken with it) and lists the blocks; "Import" puts the selected ones on
// their crew members.
class ImportBawLinDialog : public QDialog {
    Q_OBJECT
public:
    ImportBawLinDialog(Workspace& ws, QWidget* parent = nullptr);
    // False when cancelled or the files could not be read; the list stays empty then.
    bool LoadFiles();
    QListWidget* List() const { return list_; }
    QPushButton* ImportButton() const { return import_; }
    // Whether "Import" changed the month.
    bool Imported() const { return imported_; }

private:
    void Import();

    Workspace& ws_;
    import::BawLinFile file_;
    QListWidget* list_ = nullptr;
    QPushButton* import_ = nullptr;
    bool imported_ = false;
};

}  // namespace lw::ui
