#pragma once
// Who may take one pairing instance: the members legal for it in seniority order and the
// members who bid its number; "Assign..." gives it to the one picked.
#include <QDialog>

class QComboBox;
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
    // "Why not...": the members who are not listed, and the reasons for the one chosen.
    QComboBox* WhyNotMembers() const { return whyMembers_; }
    QPushButton* WhyNotButton() const { return whyNot_; }
    QListWidget* WhyNotList() const { return whyList_; }

private:
    void Assign();
    void WhyNot();

    Workspace& ws_;
    int pair_;
    int day_;
    QListWidget* legal_ = nullptr;
    QListWidget* bidders_ = nullptr;
    QPushButton* assign_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QComboBox* whyMembers_ = nullptr;
    QPushButton* whyNot_ = nullptr;
    QListWidget* whyList_ = nullptr;
};

}  // namespace lw::ui
