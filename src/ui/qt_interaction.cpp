#include "ui/qt_interaction.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QStringList>

#include "ui/report_list_dialog.h"
#include "ui/text.h"

namespace lw::ui {

namespace {

QMessageBox::Icon BoxIcon(platform::Icon icon) {
    switch (icon) {
        case platform::Icon::Information: return QMessageBox::Information;
        case platform::Icon::Warning: return QMessageBox::Warning;
        case platform::Icon::Stop: return QMessageBox::Critical;
        case platform::Icon::Question: return QMessageBox::Question;
        case platform::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString Q(std::string_view text) { return FromDocText(text); }

QString StartFolder(const platform::FileRequest& request) {
    QString folder = Q(request.folder);
    if (!request.suggestedName.empty()) folder = folder.isEmpty() ? Q(request.suggestedName)
                                                                  : folder + "/" + Q(request.suggestedName);
    return folder;
}

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

QString QtFileFilter(std::string_view filter) {
    // Pairs of caption and pattern; the caption already names the pattern.
    const QStringList parts = Q(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts[i].trimmed();
        QString pattern = parts[i + 1].trimmed();
        pattern.replace(';', ' ');
        if (!caption.contains('(')) caption += " (" + pattern + ")";
        else if (!caption.contains(pattern)) caption = caption.left(caption.indexOf('(')).trimmed() + " (" + pattern + ")";
        out << caption;
    }
    return out.join(";;");
}

QtInteraction::QtInteraction(QWidget* parent) : parent_(parent) {}
QtInteraction::~QtInteraction() = default;

void QtInteraction::Message(std::string_view text, std::string_view title, platform::Icon icon) {
    QMessageBox box(BoxIcon(icon), Q(title), Q(text), QMessageBox::Ok, parent_);
    box.exec();
}

platform::Answer QtInteraction::Ask(std::string_view text, std::string_view title, platform::Buttons buttons,
                                    platform::Icon icon) {
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    switch (buttons) {
        case platform::Buttons::Ok: shown = QMessageBox::Ok; break;
        case platform::Buttons::OkCancel: shown = QMessageBox::Ok | QMessageBox::Cancel; break;
        case platform::Buttons::YesNo: shown = QMessageBox::Yes | QMessageBox::No; break;
        case platform::Buttons::YesNoCancel: shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    QMessageBox box(BoxIcon(icon), Q(title), Q(text), shown, parent_);
    switch (box.exec()) {
        case QMessageBox::Yes: return platform::Answer::Yes;
        case QMessageBox::No: return platform::Answer::No;
        case QMessageBox::Ok: return platform::Answer::Ok;
        default: break;
    }
    // Closing the box is a Cancel, or a No where there is no Cancel: never a Yes.
    return buttons == platform::Buttons::YesNo ? platform::Answer::No : platform::Answer::Cancel;
}

platform::Answer QtInteraction::AskChoice(std::string_view text, std::string_view title,
                                          const platform::ChoiceWords& words, platform::Icon icon) {
    QMessageBox box(BoxIcon(icon), Q(title), Q(text), QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(Q(words.yes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(Q(words.no), QMessageBox::NoRole);
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes) return platform::Answer::Yes;
    if (box.clickedButton() == no) return platform::Answer::No;
    return platform::Answer::Cancel;
}

void QtInteraction::SetStatusText(std::string_view text) {
    auto* main = qobject_cast<QMainWindow*>(parent_ ? parent_->window() : nullptr);
    if (!main) return;
    if (text.empty()) main->statusBar()->clearMessage();
    else main->statusBar()->showMessage(Q(text));
    // Shown now: the work that follows keeps the event loop from painting.
    main->statusBar()->repaint();
}

std::optional<std::string> QtInteraction::ChooseOpenFile(const platform::FileRequest& request) {
    const QString file = QFileDialog::getOpenFileName(parent_, Q(request.title), StartFolder(request),
                                                      QtFileFilter(request.filter));
    if (file.isEmpty()) return std::nullopt;
    return Local(file);
}

std::vector<std::string> QtInteraction::ChooseOpenFiles(const platform::FileRequest& request) {
    const QStringList files = QFileDialog::getOpenFileNames(parent_, Q(request.title), StartFolder(request),
                                                            QtFileFilter(request.filter));
    std::vector<std::string> out;
    for (const QString& f : files) out.push_back(Local(f));
    return out;
}

std::optional<std::string> QtInteraction::ChooseSaveFile(const platform::FileRequest& request) {
    const QString file = QFileDialog::getSaveFileName(parent_, Q(request.title), StartFolder(request),
                                                      QtFileFilter(request.filter));
    if (file.isEmpty()) return std::nullopt;
    return Local(file);
}

void QtInteraction::ShowList(std::string_view title, const std::vector<std::string>& lines,
                             const platform::ListOptions& options) {
    ReportListDialog dialog(title, lines, options, parent_);
    dialog.exec();
}

void QtInteraction::BeginProgress(std::string_view title, int total) {
    progress_ = std::make_unique<QProgressDialog>(QString(), "Cancel", 0, total > 0 ? total : 1, parent_);
    progress_->setWindowTitle(Q(title));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(300);
    progress_->setValue(0);
}

bool QtInteraction::Progress(int done, std::string_view text) {
    if (!progress_) return true;
    progress_->setLabelText(Q(text));
    progress_->setValue(std::min(done, progress_->maximum()));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return !progress_->wasCanceled();
}

void QtInteraction::EndProgress() { progress_.reset(); }

void QtInteraction::SetClipboard(std::string_view text) { QGuiApplication::clipboard()->setText(Q(text)); }

void QtInteraction::Beep() { QApplication::beep(); }

void QtInteraction::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
    }
}

bool QtInteraction::MailFile(std::string_view path, std::string_view subject) {
    return QProcess::startDetached("xdg-email", {"--subject", Q(subject), "--attach", Q(path)});
}

}  // namespace lw::ui
