#include "ui/shared_notes_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "rules/month_setup.h"

namespace lw::ui {

SharedNotesDialog::SharedNotesDialog(const QString& notes, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Shared Notes for File");
    editor_ = new QPlainTextEdit(this);
    editor_->setPlainText(notes);
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* count = new QLabel(this);
    auto showCount = [this, count] {
        const qsizetype n = editor_->toPlainText().size();
        count->setText(QString("%1 of %2 characters").arg(n).arg(rules::kSharedNotesLimit));
    };
    // The month keeps only so much: what is typed beyond it is taken back at once.
    connect(editor_, &QPlainTextEdit::textChanged, this, [this, showCount] {
        const QString text = editor_->toPlainText();
        if (text.size() > static_cast<qsizetype>(rules::kSharedNotesLimit)) {
            editor_->setPlainText(text.left(static_cast<qsizetype>(rules::kSharedNotesLimit)));
            editor_->moveCursor(QTextCursor::End);
        }
        showCount();
    });
    showCount();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_, 1);
    layout->addWidget(count);
    layout->addWidget(buttons);
    resize(560, 420);
}

QString SharedNotesDialog::Notes() const { return editor_->toPlainText(); }

}  // namespace lw::ui
