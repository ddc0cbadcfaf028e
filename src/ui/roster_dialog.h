#pragma once
// "EDIT ROSTER": inserting, deleting and reordering crew members while the blocks are down.
// Every change goes through the core roster functions, which also clear the history.
#include <QDialog>
#include <QListWidget>
#include <optional>
#include <vector>

#include "rules/roster_edit.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lw::ui {

class Workspace;

// The crew list: dragging a line shows where it would go; dropping it moves the member.
class RosterList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

signals:
    void dragOver(int fromRow, int toRow);  // list rows
    void dropped(int fromRow, int toRow);
    void dragLeft();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int dragFrom_ = -1;
};

class RosterDialog : public QDialog {
    Q_OBJECT
public:
    explicit RosterDialog(Workspace& ws, QWidget* parent = nullptr);

    QLineEdit* IndexEdit() const { return index_; }
    QLineEdit* NameEdit() const { return name_; }
    QLineEdit* EmployeeEdit() const { return employee_; }
    QPushButton* InsertButton() const { return insert_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* AddFromFileButton() const { return addFromFile_; }
    QPushButton* OkButton() const { return ok_; }
    RosterList* List() const { return list_; }
    QLabel* Status() const { return status_; }

private:
    void Insert();
    void Delete();
    void DragOver(int fromRow, int toRow);
    void Drop(int fromRow, int toRow);
    void Relist();
    void ClearFields();

    Workspace& ws_;
    std::vector<rules::RosterLine> lines_;
    QLineEdit* index_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* employee_ = nullptr;
    QPushButton* insert_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* addFromFile_ = nullptr;
    QPushButton* ok_ = nullptr;
    RosterList* list_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace lw::ui
