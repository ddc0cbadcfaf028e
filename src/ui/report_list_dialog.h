#pragma once
// The modal list every report and summary shows: its lines in a fixed-pitch font so the
// columns line up, OK, and what the caller's options add (a hint, Help, Cancel, a copy button,
// and a double-click on a line).
#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lw::ui {

class ReportListDialog : public QDialog {
    Q_OBJECT
public:
    ReportListDialog(std::string_view title, const std::vector<std::string>& lines, platform::ListOptions options,
                     QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    QPushButton* CopyButton() const { return copy_; }
    QPushButton* HelpButton() const { return help_; }

private:
    void SetLines(const std::vector<std::string>& lines);
    void LineActivated(QListWidgetItem* item);
    void Copy();

    platform::ListOptions options_;
    std::vector<std::string> lines_;  // as the month holds them, for the double-click
    QListWidget* list_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace lw::ui
