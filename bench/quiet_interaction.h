#pragma once
// An Interaction that answers No and shows nothing, for timing work without a person.
#include "platform/interaction.h"

namespace lw::bench {

class QuietInteraction : public platform::Interaction {
public:
    void Message(std::string_view, std::string_view, platform::Icon) override {}
    platform::Answer Ask(std::string_view, std::string_view, platform::Buttons, platform::Icon) override {
        return platform::Answer::No;
    }
    std::optional<std::string> ChooseOpenFile(const platform::FileRequest&) override { return std::nullopt; }
    std::vector<std::string> ChooseOpenFiles(const platform::FileRequest&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const platform::FileRequest&) override { return std::nullopt; }
    using Interaction::ShowList;
    void ShowList(std::string_view, const std::vector<std::string>&, const platform::ListOptions&) override {}
    void BeginProgress(std::string_view, int) override {}
    bool Progress(int, std::string_view) override { return true; }
    void EndProgress() override {}
    void SetClipboard(std::string_view) override {}
    void Beep() override {}
    void SetBusy(bool) override {}
    bool MailFile(std::string_view, std::string_view) override { return false; }
};

}  // namespace lw::bench
