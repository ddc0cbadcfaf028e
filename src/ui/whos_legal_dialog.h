#pragma once
// Who may take one pairing instance: the members legal for it in seniority order and the
// members who bid its number; "Assign..." gives it to the one picked.
#include <QDialog>

class QListWidget;
class QPushButton;

namespace lw::ui {

class Workspace;

class WhosLegalDialog : public QDialog {
    Q_OBJECT
public:
    WhosLegalDialog(Workspace& ws, int pair, int day, QWidget* parent = nullptr);

    QListWidget* LegalList() const { return legal_; }
    QListWidget* BiddersList() const { return bidders_; }
    QPushButton* AssignButton() const { return assign_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    void Assign();

    Workspace& ws_;
    int pair_;
    int day_;
    QListWidget* legal_ = nullptr;
    QListWidget* bidders_ = nullptr;
    QPushButton* assign_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace lw::ui
