#include "cli/cli_interaction.h"

#include <iostream>

namespace lw::cli {

void CliInteraction::Message(std::string_view text, std::string_view title, platform::Icon) {
    std::cerr << "[" << title << "] " << text << "\n";
}

platform::Answer CliInteraction::Ask(std::string_view text, std::string_view title, platform::Buttons buttons,
                                     platform::Icon) {
    std::cerr << "[" << title << "] " << text << "\n";
    if (buttons == platform::Buttons::Ok) return platform::Answer::Ok;
    if (!answer_) throw QuestionNeeded(std::string(text));
    if (buttons == platform::Buttons::OkCancel)
        return *answer_ == platform::Answer::Yes ? platform::Answer::Ok : platform::Answer::Cancel;
    return *answer_;
}

std::optional<std::string> CliInteraction::ChooseOpenFile(const platform::FileRequest&) {
    if (files_.empty()) return std::nullopt;
    std::string f = std::move(files_.front());
    files_.erase(files_.begin());
    return f;
}

std::vector<std::string> CliInteraction::ChooseOpenFiles(const platform::FileRequest&) {
    std::vector<std::string> all = std::move(files_);
    files_.clear();
    return all;
}

std::optional<std::string> CliInteraction::ChooseSaveFile(const platform::FileRequest& request) {
    return ChooseOpenFile(request);
}

void CliInteraction::ShowList(std::string_view title, const std::vector<std::string>& lines,
                              const platform::ListOptions&) {
    std::cerr << "[" << title << "]\n";
    for (const std::string& line : lines) std::cerr << "  " << line << "\n";
}

void CliInteraction::SetClipboard(std::string_view text) { std::cout << text; }

bool CliInteraction::MailFile(std::string_view path, std::string_view subject) {
    std::cerr << "[Mail] " << subject << ": attach " << path << "\n";
    return true;
}

}  // namespace lw::cli
