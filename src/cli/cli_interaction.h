#pragma once
// lwtool's way of speaking to a person: messages on stderr as "[Title] text", questions
// answered by --yes / --no, file names from the command line instead of choosers.
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/interaction.h"

namespace lw::cli {

// A question came up and neither --yes nor --no was given.
class QuestionNeeded : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CliInteraction : public platform::Interaction {
public:
    // answer: Yes or No for every question, or nullopt to stop at the first one.
    explicit CliInteraction(std::optional<platform::Answer> answer) : answer_(answer) {}

    void Message(std::string_view text, std::string_view title, platform::Icon icon) override;
    platform::Answer Ask(std::string_view text, std::string_view title, platform::Buttons buttons,
                         platform::Icon icon) override;
    std::optional<std::string> ChooseOpenFile(const platform::FileRequest& request) override;
    std::vector<std::string> ChooseOpenFiles(const platform::FileRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const platform::FileRequest& request) override;
    using Interaction::ShowList;
    // The lines on standard error; nothing to click in a terminal.
    void ShowList(std::string_view title, const std::vector<std::string>& lines,
                  const platform::ListOptions& options) override;
    void BeginProgress(std::string_view, int) override {}
    bool Progress(int, std::string_view) override { return true; }
    void EndProgress() override {}
    void SetClipboard(std::string_view text) override;
    void Beep() override {}
    void SetBusy(bool) override {}
    // Without a display nothing can open a mail window: prints what would be attached.
    bool MailFile(std::string_view path, std::string_view subject) override;

    // Files handed out to the next chooser calls, in order.
    void QueueFile(std::string file) { files_.push_back(std::move(file)); }

private:
    std::optional<platform::Answer> answer_;
    std::vector<std::string> files_;
};

}  // namespace lw::cli
