#pragma once
// The desktop program's way of speaking to the planner: message boxes, questions, file
// choosers, the progress window, the "Summary" list and the clipboard.
#include <QPointer>
#include <QWidget>
#include <QString>
#include <memory>

#include "platform/interaction.h"

class QProgressDialog;

namespace lw::ui {

// "Name(*.box)|*.box|All Files (*.*)|*.*" as a Qt filter list: "Name(*.box);;All Files (*.*)".
QString QtFileFilter(std::string_view filter);

class QtInteraction : public platform::Interaction {
public:
    explicit QtInteraction(QWidget* parent = nullptr);
    ~QtInteraction() override;

    // The window the dialogs are centred on; may change once the main window exists.
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Message(std::string_view text, std::string_view title, platform::Icon icon) override;
    platform::Answer AskChoice(std::string_view text, std::string_view title, const platform::ChoiceWords& words,
                               platform::Icon icon) override;
    platform::Answer Ask(std::string_view text, std::string_view title, platform::Buttons buttons,
                         platform::Icon icon) override;
    std::optional<std::string> ChooseOpenFile(const platform::FileRequest& request) override;
    std::vector<std::string> ChooseOpenFiles(const platform::FileRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const platform::FileRequest& request) override;
    using Interaction::ShowList;
    // A ReportListDialog.
    void ShowList(std::string_view title, const std::vector<std::string>& lines,
                  const platform::ListOptions& options) override;
    void BeginProgress(std::string_view title, int total) override;
    bool Progress(int done, std::string_view text) override;
    void EndProgress() override;
    void SetClipboard(std::string_view text) override;
    void Beep() override;
    void SetBusy(bool busy) override;
    // On the status bar of the main window the dialogs are centred on.
    void SetStatusText(std::string_view text) override;
    // xdg-email with the file attached.
    bool MailFile(std::string_view path, std::string_view subject) override;

private:
    QPointer<QWidget> parent_;
    std::unique_ptr<QProgressDialog> progress_;
    int busyDepth_ = 0;
};

}  // namespace lw::ui
