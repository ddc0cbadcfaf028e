#include "ui/report_list_dialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/text.h"

namespace lw::ui {

ReportListDialog::ReportListDialog(std::string_view title, const std::vector<std::string>& lines,
                                   platform::ListOptions options, QWidget* parent)
    : QDialog(parent), options_(std::move(options)) {
    setWindowTitle(FromDocText(title));
    list_ = new QListWidget(this);
    list_->setObjectName("ReportLines");
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setUniformItemSizes(true);
    SetLines(lines);
    connect(list_, &QListWidget::itemDoubleClicked, this, &ReportListDialog::LineActivated);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    if (!options_.hint.empty()) {
        auto* hint = new QLabel(FromDocText(options_.hint), this);
        hint->setObjectName("ReportHint");
        layout->addWidget(hint);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    if (options_.cancel) buttons->addButton(QDialogButtonBox::Cancel);
    if (options_.copyButton)
        copy_ = buttons->addButton(options_.copyCaption.empty() ? QString("Copy") : FromDocText(options_.copyCaption),
                                   QDialogButtonBox::ActionRole);
    if (!options_.helpText.empty()) help_ = buttons->addButton(QDialogButtonBox::Help);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (copy_) connect(copy_, &QPushButton::clicked, this, &ReportListDialog::Copy);
    if (help_)
        connect(help_, &QPushButton::clicked, this, [this] {
            QMessageBox::information(this, windowTitle(), FromDocText(options_.helpText));
        });
    layout->addWidget(buttons);

    // Wide enough for the longest line, within the screen.
    const QFontMetrics fm(list_->font());
    int widest = 0;
    for (int i = 0; i < list_->count(); ++i) widest = std::max(widest, fm.horizontalAdvance(list_->item(i)->text()));
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int width = std::clamp(widest + list_->verticalScrollBar()->sizeHint().width() + 40, 480, screen.width() * 9 / 10);
    resize(width, std::min(520, screen.height() * 8 / 10));
}

void ReportListDialog::SetLines(const std::vector<std::string>& lines) {
    const int row = list_->currentRow();
    lines_ = lines;
    list_->clear();
    // A check's text may end in a line break: one line each all the same.
    for (const std::string& line : lines) {
        QString text = FromDocText(line);
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) text.chop(1);
        list_->addItem(text);
    }
    if (row >= 0 && row < list_->count()) list_->setCurrentRow(row, QItemSelectionModel::NoUpdate);
}

void ReportListDialog::LineActivated(QListWidgetItem* item) {
    const int row = item ? list_->row(item) : -1;
    if (!options_.onDoubleClick || row < 0 || row >= static_cast<int>(lines_.size())) return;
    const std::string line = lines_[static_cast<size_t>(row)];
    // The editor the line opens may correct the month: the list then shows the report afresh.
    if (const auto fresh = options_.onDoubleClick(line)) SetLines(*fresh);
}

void ReportListDialog::Copy() {
    if (options_.copy) {
        options_.copy();
        return;
    }
    QStringList text;
    for (int i = 0; i < list_->count(); ++i) text << list_->item(i)->text();
    QGuiApplication::clipboard()->setText(text.join("\r\n") + "\r\n");
}

}  // namespace lw::ui
