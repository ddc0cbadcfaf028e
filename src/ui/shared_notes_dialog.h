#pragma once
// File > Shared Notes for File...: the notes every planner of the month reads, kept in the
// month file.
#include <QDialog>

class QPlainTextEdit;

namespace lw::ui {

class SharedNotesDialog : public QDialog {
    Q_OBJECT
public:
    explicit SharedNotesDialog(const QString& notes, QWidget* parent = nullptr);
    QString Notes() const;
    QPlainTextEdit* Editor() const { return editor_; }

private:
    QPlainTextEdit* editor_ = nullptr;
};

}  // namespace lw::ui
