#pragma once
// A scripted stand-in for the person at the screen: records every call in order, answers
// questions and file choosers from queues the test fills beforehand.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"

namespace lw::test {

class FakeInteraction : public platform::Interaction {
public:
    // What was called; kept as text so a test can also compare calls with plain tuples.
    struct Kind {
        static constexpr const char* Message = "Message";
        static constexpr const char* Ask = "Ask";
        static constexpr const char* ChooseOpenFile = "ChooseOpenFile";
        static constexpr const char* ChooseOpenFiles = "ChooseOpenFiles";
        static constexpr const char* ChooseSaveFile = "ChooseSaveFile";
        static constexpr const char* ShowList = "ShowList";
        static constexpr const char* BeginProgress = "BeginProgress";
        static constexpr const char* Progress = "Progress";
        static constexpr const char* EndProgress = "EndProgress";
        static constexpr const char* SetClipboard = "SetClipboard";
        static constexpr const char* Beep = "Beep";
        static constexpr const char* SetBusy = "SetBusy";
        static constexpr const char* MailFile = "MailFile";
    };

    // One call. Messages and questions: their title and text. Choosers: the dialog title and
    // the folder it starts in. ShowList: the lines joined with '\n'. BeginProgress: the title
    // and the total; Progress: the count done as title and the text. SetClipboard: the text.
    // SetBusy: "1" or "0". MailFile: the subject as title and the path.
    struct Call {
        std::string kind;
        std::string title;
        std::string text;
        bool operator==(const Call&) const = default;
    };

    std::vector<Call> calls;
    std::vector<platform::FileRequest> fileRequests;  // every chooser's request, in order
    std::vector<platform::Icon> icons;                // every message's and question's icon, in order

    // Scripted replies, used front first. An empty queue fails the test.
    std::deque<platform::Answer> answers;
    std::vector<std::string> statusTexts;
    std::deque<std::optional<std::string>> openFiles;  // nullopt = cancelled
    std::deque<std::vector<std::string>> openFileLists;
    std::deque<std::optional<std::string>> saveFiles;
    bool keepGoing = true;  // what Progress returns
    bool mailStarts = true;  // what MailFile returns
    std::string clipboard;
    platform::ListOptions lastListOptions;  // what the last list offered: a test may play its buttons

    // Just the message boxes, for tests that do not care about busy cursors or progress.
    std::vector<Call> Messages() const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.kind == Kind::Message) out.push_back(c);
        return out;
    }

    void Message(std::string_view text, std::string_view title, platform::Icon icon) override {
        calls.push_back({Kind::Message, std::string(title), std::string(text)});
        icons.push_back(icon);
    }

    platform::Answer Ask(std::string_view text, std::string_view title, platform::Buttons,
                         platform::Icon icon) override {
        calls.push_back({Kind::Ask, std::string(title), std::string(text)});
        icons.push_back(icon);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return platform::Answer::Cancel;
        }
        const platform::Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::optional<std::string> ChooseOpenFile(const platform::FileRequest& request) override {
        return Choose(Kind::ChooseOpenFile, request, openFiles);
    }

    std::vector<std::string> ChooseOpenFiles(const platform::FileRequest& request) override {
        Record(Kind::ChooseOpenFiles, request);
        if (openFileLists.empty()) {
            ADD_FAILURE() << "unexpected file chooser: " << request.title;
            return {};
        }
        std::vector<std::string> names = openFileLists.front();
        openFileLists.pop_front();
        return names;
    }

    std::optional<std::string> ChooseSaveFile(const platform::FileRequest& request) override {
        return Choose(Kind::ChooseSaveFile, request, saveFiles);
    }

    using Interaction::ShowList;
    void ShowList(std::string_view title, const std::vector<std::string>& lines,
                  const platform::ListOptions& options) override {
        std::string joined;
        for (size_t i = 0; i < lines.size(); ++i) joined += (i ? "\n" : "") + lines[i];
        calls.push_back({Kind::ShowList, std::string(title), joined});
        lastListOptions = options;
    }

    void BeginProgress(std::string_view title, int total) override {
        calls.push_back({Kind::BeginProgress, std::string(title), std::to_string(total)});
    }

    bool Progress(int done, std::string_view text) override {
        calls.push_back({Kind::Progress, std::to_string(done), std::string(text)});
        return keepGoing;
    }

    void EndProgress() override { calls.push_back({Kind::EndProgress, "", ""}); }

    void SetClipboard(std::string_view text) override {
        clipboard = text;
        calls.push_back({Kind::SetClipboard, "", std::string(text)});
    }

    void Beep() override { calls.push_back({Kind::Beep, "", ""}); }

    void SetBusy(bool busy) override { calls.push_back({Kind::SetBusy, "", busy ? "1" : "0"}); }
    // Kept apart from calls: the status bar is not a conversation with the planner.
    void SetStatusText(std::string_view text) override { statusTexts.emplace_back(text); }

    bool MailFile(std::string_view path, std::string_view subject) override {
        calls.push_back({Kind::MailFile, std::string(subject), std::string(path)});
        return mailStarts;
    }

private:
    void Record(const char* kind, const platform::FileRequest& request) {
        calls.push_back({kind, request.title, request.folder});
        fileRequests.push_back(request);
    }

    std::optional<std::string> Choose(const char* kind, const platform::FileRequest& request,
                                      std::deque<std::optional<std::string>>& queue) {
        Record(kind, request);
        if (queue.empty()) {
            ADD_FAILURE() << "unexpected file chooser: " << request.title;
            return std::nullopt;
        }
        std::optional<std::string> name = queue.front();
        queue.pop_front();
        return name;
    }
};

inline std::ostream& operator<<(std::ostream& os, const FakeInteraction::Call& call) {
    return os << "{" << call.kind << ", \"" << call.title << "\", \"" << call.text << "\"}";
}

}  // namespace lw::test
