#pragma once
// The month's transaction history: every assignment and removal, newest first.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lw::model {

struct TAction {
    int32_t Kind = 0;  // 1 assigned, 0 removed
    int32_t Day = 0;
    int32_t Crew = 0;
    int32_t Pair = 0;
    // Transactions made as one step (a whole proposal) share a group number; 0 stands alone.
    // Kept in memory only: a reloaded month undoes them one by one.
    int32_t Group = 0;
    bool operator==(const TAction& o) const {
        return Kind == o.Kind && Day == o.Day && Crew == o.Crew && Pair == o.Pair;
    }
};

class History {
public:
    static constexpr size_t kLimit = 201;
    static constexpr int32_t kAssigned = 1;
    static constexpr int32_t kRemoved = 0;

    void Record(int32_t crew, int32_t pair, int32_t day, int32_t kind);
    void Clear() { actions_.clear(); }
    bool Empty() const { return actions_.empty(); }
    size_t Size() const { return actions_.size(); }
    const TAction& operator[](size_t i) const { return actions_[i]; }
    const std::vector<TAction>& Actions() const { return actions_; }
    // Drops the newest transaction (undo bookkeeping).
    void DropNewest();

    // Everything recorded between BeginGroup and EndGroup is taken back as one step. A group
    // is never cut by the length limit while it reaches into the newest kLimit transactions.
    void BeginGroup();
    void EndGroup() { openGroup_ = 0; }
    // How many of the newest transactions form the newest step (1 for a lone transaction).
    size_t NewestStepSize() const;

    // "%04d" count, then "%02d%04d%04d%04d" per transaction, newest first.
    std::string SaveText() const;
    // Rebuilds from a saved text. False when the text is malformed; the history then holds
    // the transactions read before the fault.
    bool LoadText(std::string_view text);

private:
    std::vector<TAction> actions_;
    int32_t openGroup_ = 0;
    int32_t lastGroup_ = 0;
};

}  // namespace lw::model
