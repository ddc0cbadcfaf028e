#pragma once
// How the core speaks to a person: messages, questions, file choosers, summaries,
// progress, clipboard. The desktop program, lwtool and the tests each implement it.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw::platform {

enum class Icon { None, Information, Warning, Stop, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// What a list offers beyond its lines and OK. A plain "Summary" needs none of it.
struct ListOptions {
    std::string hint;      // a line under the list, e.g. "DoubleClick on any one of the pairings to edit it."
    std::string helpText;  // shown by a Help button; no button when empty
    bool cancel = false;   // a Cancel button beside OK; both close the list
    bool copyButton = true;             // a button that copies the lines
    std::string copyCaption;            // its caption, e.g. "Copy to Windows Clipboard"; "Copy" when empty
    std::function<void()> copy;         // what it does (clipboard and its message); a plain copy when empty
    // A double-click on a line, while the list stays up. It may change the document and return
    // the lines to show from then on; nullopt keeps the lines shown.
    std::function<std::optional<std::vector<std::string>>(std::string_view line)> onDoubleClick;
};

// The caller's words for the two answers of a Yes/No/Cancel question, and what Cancel means.
struct ChoiceWords {
    std::string_view yes;     // "Open Read-Only"
    std::string_view no;      // "Open Anyway"
    std::string_view cancel;  // "do not open it"
};

struct FileRequest {
    std::string title;        // dialog title, e.g. "Load ToolBox Absences"
    std::string filter;       // "Name(*.box)|*.box|All Files (*.*)|*.*"
    std::string folder;       // folder to start in
    std::string suggestedName;
};

class Interaction {
public:
    virtual ~Interaction() = default;

    // A modal message box.
    virtual void Message(std::string_view text, std::string_view title, Icon icon = Icon::Information) = 0;
    // A modal question; No (or Cancel) must leave the document unchanged.
    virtual Answer Ask(std::string_view text, std::string_view title, Buttons buttons = Buttons::YesNo,
                       Icon icon = Icon::Question) = 0;
    // A Yes/No/Cancel question whose buttons carry the caller's words. Where buttons cannot be
    // named, the words are written under the question.
    virtual Answer AskChoice(std::string_view text, std::string_view title, const ChoiceWords& words,
                             Icon icon = Icon::Question) {
        std::string named(text);
        named.append("\n\nYes: ").append(words.yes).append("\nNo: ").append(words.no);
        named.append("\nCancel: ").append(words.cancel);
        return Ask(named, title, Buttons::YesNoCancel, icon);
    }
    // File choosers; nullopt / empty when cancelled.
    virtual std::optional<std::string> ChooseOpenFile(const FileRequest& request) = 0;
    virtual std::vector<std::string> ChooseOpenFiles(const FileRequest& request) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileRequest& request) = 0;
    // The "Summary" list: a modal list of lines with OK, titled by the caller.
    void ShowList(std::string_view title, const std::vector<std::string>& lines) { ShowList(title, lines, {}); }
    // A report list: the same, with what options adds.
    virtual void ShowList(std::string_view title, const std::vector<std::string>& lines,
                          const ListOptions& options) = 0;
    // Progress of long work; Progress returns false when the user asks to stop.
    virtual void BeginProgress(std::string_view title, int total) = 0;
    virtual bool Progress(int done, std::string_view text) = 0;
    virtual void EndProgress() = 0;
    virtual void SetClipboard(std::string_view text) = 0;
    virtual void Beep() = 0;
    virtual void SetBusy(bool busy) = 0;
    // The main window's status bar text while long work runs; empty clears it. Only the
    // desktop has a status bar.
    virtual void SetStatusText(std::string_view /*text*/) {}
    // Opens a new message in the planner's mail program with the file attached; false when no
    // mail program could be started (the caller tells the planner).
    virtual bool MailFile(std::string_view path, std::string_view subject) = 0;
};

// Wait cursor for the life of a scope.
class BusyScope {
public:
    explicit BusyScope(Interaction& ui) : ui_(ui) { ui_.SetBusy(true); }
    ~BusyScope() { ui_.SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Interaction& ui_;
};

// A status bar text for the life of a scope.
class StatusScope {
public:
    StatusScope(Interaction& ui, std::string_view text) : ui_(ui) { ui_.SetStatusText(text); }
    ~StatusScope() { ui_.SetStatusText({}); }
    StatusScope(const StatusScope&) = delete;
    StatusScope& operator=(const StatusScope&) = delete;

private:
    Interaction& ui_;
};

// A progress window for the life of a scope.
class ProgressScope {
public:
    ProgressScope(Interaction& ui, std::string_view title, int total) : ui_(ui) { ui_.BeginProgress(title, total); }
    ~ProgressScope() { ui_.EndProgress(); }
    bool Step(int done, std::string_view text) { return ui_.Progress(done, text); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    Interaction& ui_;
};

}  // namespace lw::platform
