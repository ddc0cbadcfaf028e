#include "ui/roster_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

void RosterList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    dragFrom_ = event->button() == Qt::LeftButton ? indexAt(event->position().toPoint()).row() : -1;
}

void RosterList::mouseMoveEvent(QMouseEvent* event) {
    QListWidget::mouseMoveEvent(event);
    if (dragFrom_ < 0 || !(event->buttons() & Qt::LeftButton)) return;
    const int over = indexAt(event->position().toPoint()).row();
    if (over >= 0) emit dragOver(dragFrom_, over);
}

void RosterList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    const int from = dragFrom_;
    dragFrom_ = -1;
    if (from < 0 || event->button() != Qt::LeftButton) return;
    const int to = indexAt(event->position().toPoint()).row();
    if (to >= 0 && to != from) emit dropped(from, to);
}

void RosterList::leaveEvent(QEvent* event) {
    QListWidget::leaveEvent(event);
    emit dragLeft();
}

RosterDialog::RosterDialog(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws) {
    setWindowTitle("EDIT ROSTER");
    index_ = new QLineEdit(this);
    index_->setMaxLength(4);
    name_ = new QLineEdit(this);
    name_->setMaxLength(20);
    employee_ = new QLineEdit(this);
    employee_->setMaxLength(10);
    insert_ = new QPushButton("Insert Employee", this);
    list_ = new RosterList(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont fixed("Courier New");
    fixed.setStyleHint(QFont::TypeWriter);
    list_->setFont(fixed);
    delete_ = new QPushButton("Delete Selected Employee", this);
    status_ = new QLabel(this);
    status_->setFrameShape(QFrame::Panel);
    status_->setFrameShadow(QFrame::Sunken);
    ok_ = new QPushButton("OK", this);
    addFromFile_ = new QPushButton("Add to roster From another Linewright File", this);
    addFromFile_->setEnabled(false);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel("Index", this), 0, 0);
    fields->addWidget(new QLabel("Name", this), 0, 1);
    fields->addWidget(new QLabel("Emp # 9 digits max", this), 0, 2);
    fields->addWidget(index_, 1, 0);
    fields->addWidget(name_, 1, 1);
    fields->addWidget(employee_, 1, 2);
    fields->addWidget(insert_, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(delete_);
    buttons->addWidget(addFromFile_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);
    layout->addWidget(new QLabel("Note: Changing the Roster with Erase Undo Data", this));
    layout->addLayout(buttons);
    resize(520, 520);

    connect(insert_, &QPushButton::clicked, this, &RosterDialog::Insert);
    connect(delete_, &QPushButton::clicked, this, &RosterDialog::Delete);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(list_, &RosterList::dragOver, this, &RosterDialog::DragOver);
    connect(list_, &RosterList::dropped, this, &RosterDialog::Drop);
    connect(list_, &RosterList::dragLeft, status_, &QLabel::clear);
    Relist();
    index_->setFocus();
}

void RosterDialog::Insert() {
    const rules::InsertOutcome outcome = rules::InsertEmployee(ws_.doc(), ws_.interaction(), ToDocText(index_->text()),
                                                               ToDocText(name_->text()), ToDocText(employee_->text()));
    if (!outcome.inserted) {
        QLineEdit* field = outcome.focus == rules::RosterField::Name             ? name_
                           : outcome.focus == rules::RosterField::EmployeeNumber ? employee_
                                                                                 : index_;
        field->setFocus();
        field->selectAll();
        return;
    }
    ClearFields();
    Relist();
    index_->setFocus();
    ws_.NotifyChanged();
}

void RosterDialog::Delete() {
    std::optional<int> row;
    const int selected = list_->currentRow();
    if (selected >= 0 && list_->item(selected)->isSelected()) row = lines_[static_cast<size_t>(selected)].row;
    if (!rules::DeleteEmployee(ws_.doc(), ws_.interaction(), row)) return;
    ClearFields();
    Relist();
    ws_.NotifyChanged();
}

void RosterDialog::DragOver(int fromRow, int toRow) {
    const int row = lines_[static_cast<size_t>(fromRow)].row;
    const int position = lines_[static_cast<size_t>(toRow)].row + 1;
    status_->setText(FromDocText(rules::DragStatusText(ws_.doc(), row, position)));
}

void RosterDialog::Drop(int fromRow, int toRow) {
    const int row = lines_[static_cast<size_t>(fromRow)].row;
    const int position = lines_[static_cast<size_t>(toRow)].row + 1;
    const std::optional<std::string> moved = rules::DropRosterLine(ws_.doc(), row, position);
    if (!moved) return;
    status_->setText(FromDocText(*moved));
    Relist();
    ws_.NotifyChanged();
}

void RosterDialog::Relist() {
    lines_ = rules::RosterLines(ws_.doc());
    list_->clear();
    for (const rules::RosterLine& line : lines_) list_->addItem(FromDocText(line.text));
}

void RosterDialog::ClearFields() {
    index_->clear();
    name_->clear();
    employee_->clear();
}

}  // namespace lw::ui
