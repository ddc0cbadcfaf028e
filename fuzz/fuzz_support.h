#pragma once
// Shared harness of the file-reader fuzz targets: a scripted person at the screen whose
// answers come from the input itself, a realistic open month, and the month's invariants.
// The same targets run under libFuzzer (LW_FUZZ) and as replay tests in the normal suite.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"

namespace lw::fuzz {

// Answers every question from the input's bytes, read backwards from its end: an odd byte
// says Yes, an even one No. Progress goes on unless the last byte is '!', in which case the
// progress call numbered by the byte before it is stopped.
class ScriptedInteraction : public platform::Interaction {
public:
    explicit ScriptedInteraction(std::string_view input) : input_(input) {}

    void Message(std::string_view, std::string_view, platform::Icon) override {}
    platform::Answer Ask(std::string_view, std::string_view, platform::Buttons buttons, platform::Icon) override;
    std::optional<std::string> ChooseOpenFile(const platform::FileRequest&) override { return std::nullopt; }
    std::vector<std::string> ChooseOpenFiles(const platform::FileRequest&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const platform::FileRequest&) override { return std::nullopt; }
    using Interaction::ShowList;
    void ShowList(std::string_view, const std::vector<std::string>&, const platform::ListOptions&) override {}
    void BeginProgress(std::string_view, int) override {}
    bool Progress(int, std::string_view) override;
    void EndProgress() override {}
    void SetClipboard(std::string_view) override {}
    void Beep() override {}
    void SetBusy(bool) override {}
    bool MailFile(std::string_view, std::string_view) override { return false; }

private:
    std::string_view input_;
    size_t asked_ = 0;
    size_t progressCalls_ = 0;
};

// Stops the run with the message when a check fails: a fuzzer then keeps the input as a crash.
[[noreturn]] void Fail(const std::string& what);

// Counts within the tables, every crew day a pairing that exists (or empty or an activity),
// every history entry pointing inside the month.
void CheckInvariants(const model::Document& doc);

// A private folder for this process's scratch files.
const std::filesystem::path& ScratchFolder();
std::filesystem::path WriteScratch(std::string_view name, std::string_view bytes);

// The March 2027 captains month of YYZ DH8 set up as the new-month wizard leaves it: dates,
// toolbox, a small roster and a few pairings (the files in fuzz/base).
void SetUpBaseMonth(model::Document& doc);

// The input split at the first separator byte (0x1E); the second part is empty without one.
std::pair<std::string_view, std::string_view> SplitInput(std::string_view input);

// The targets: each reads the input with one reader and checks the month afterwards.
int ScheduleFileTarget(const uint8_t* data, size_t size);
int ToolboxFileTarget(const uint8_t* data, size_t size);
int PairingFileTarget(const uint8_t* data, size_t size);
int RosterExtractTarget(const uint8_t* data, size_t size);
int AbsenceExtractTarget(const uint8_t* data, size_t size);
int ActivityExtractTarget(const uint8_t* data, size_t size);
int LisScanTarget(const uint8_t* data, size_t size);
int BidImportTarget(const uint8_t* data, size_t size);
int BawLinImportTarget(const uint8_t* data, size_t size);

struct Target {
    const char* name;  // the folder name under fuzz/corpus and fuzz/crashes
    int (*run)(const uint8_t*, size_t);
};
inline constexpr Target kTargets[] = {
    {"schedule_file", ScheduleFileTarget},       {"toolbox_file", ToolboxFileTarget},
    {"pairing_file", PairingFileTarget},         {"roster_extract", RosterExtractTarget},
    {"absence_extract", AbsenceExtractTarget},   {"activity_extract", ActivityExtractTarget},
    {"lis_scan", LisScanTarget},                 {"bid_import", BidImportTarget},
    {"baw_lin_import", BawLinImportTarget},
};

}  // namespace lw::fuzz

// libFuzzer's entry point for one target; left out of the replay build.
#ifdef LW_FUZZ_REPLAY
#define LW_FUZZ_ENTRY(fn)
#else
#define LW_FUZZ_ENTRY(fn)                                                               \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {           \
        return lw::fuzz::fn(data, size);                                                \
    }
#endif

namespace lw::fuzz {
// The day the fuzzed month is opened on.
int32_t FuzzToday();
// The document's saved fields as text, to see that a refused file changed nothing.
std::string Snapshot(const model::Document& doc);
}  // namespace lw::fuzz
