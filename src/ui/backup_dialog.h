#pragma once
// "Backup File": where to copy the month, and whether each backup gets its own dated file.
#include <QDialog>
#include <filesystem>
#include <optional>

#include "persist/backup.h"

class QCheckBox;
class QListWidget;

namespace lw::ui {

class BackupDialog : public QDialog {
    Q_OBJECT
public:
    BackupDialog(const persist::BackupDialogSetup& setup, QWidget* parent = nullptr);

    // The folder and the box; nullopt while no folder is chosen.
    std::optional<persist::BackupChoice> Choice() const;
    QListWidget* List() const { return list_; }
    QCheckBox* NewFileBox() const { return newFile_; }
    // Adds a folder to the list (as "Browse..." does after its chooser) and selects it.
    void AddFolder(const std::filesystem::path& folder);

private:
    void Browse();

    QListWidget* list_ = nullptr;
    QCheckBox* newFile_ = nullptr;
};

}  // namespace lw::ui
