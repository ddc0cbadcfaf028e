#include "ui/backup_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace lw::ui {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kBrowseRole = Qt::UserRole + 1;

QString Shown(const std::filesystem::path& folder) { return QFile::decodeName(folder.string().c_str()); }

}  // namespace

BackupDialog::BackupDialog(const persist::BackupDialogSetup& setup, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Backup File");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Select the drive you wish to backup the current file to.", this));
    list_ = new QListWidget(this);
    for (const std::filesystem::path& folder : setup.folders) {
        auto* item = new QListWidgetItem(Shown(folder), list_);
        item->setData(kPathRole, Shown(folder));
    }
    auto* browse = new QListWidgetItem("Browse...", list_);
    browse->setData(kBrowseRole, true);
    if (setup.selected >= 0 && setup.selected < static_cast<int>(setup.folders.size())) list_->setCurrentRow(setup.selected);
    layout->addWidget(list_);
    newFile_ = new QCheckBox("New File on each backup", this);
    newFile_->setChecked(setup.newFileEachBackup);
    layout->addWidget(newFile_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Choice()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item->data(kBrowseRole).toBool()) Browse();
    });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item->data(kBrowseRole).toBool()) Browse();
    });
    resize(420, 300);
}

void BackupDialog::AddFolder(const std::filesystem::path& folder) {
    auto* item = new QListWidgetItem(Shown(folder));
    item->setData(kPathRole, Shown(folder));
    list_->insertItem(list_->count() - 1, item);  // before "Browse..."
    list_->setCurrentItem(item);
}

void BackupDialog::Browse() {
    const QString folder = QFileDialog::getExistingDirectory(this, "Backup File");
    if (folder.isEmpty()) {
        list_->setCurrentRow(-1);
        return;
    }
    AddFolder(QFile::encodeName(folder).toStdString());
}

std::optional<persist::BackupChoice> BackupDialog::Choice() const {
    const QListWidgetItem* item = list_->currentItem();
    if (!item || item->data(kBrowseRole).toBool()) return std::nullopt;
    persist::BackupChoice choice;
    choice.folder = QFile::encodeName(item->data(kPathRole).toString()).toStdString();
    choice.newFileEachBackup = newFile_->isChecked();
    return choice;
}

}  // namespace lw::ui
