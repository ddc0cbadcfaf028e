#include "model/history.h"

#include <cstdio>

#include "base/time_text.h"

namespace lw::model {

void History::Record(int32_t crew, int32_t pair, int32_t day, int32_t kind) {
    actions_.insert(actions_.begin(), TAction{kind, day, crew, pair, openGroup_});
    if (actions_.size() <= kLimit) return;
    // Cut after the step that holds the limit's last transaction, so no step is half kept.
    size_t keep = kLimit;
    const int32_t group = actions_[kLimit - 1].Group;
    while (group != 0 && keep < actions_.size() && actions_[keep].Group == group) ++keep;
    actions_.resize(keep);
}

void History::BeginGroup() { openGroup_ = ++lastGroup_; }

size_t History::NewestStepSize() const {
    if (actions_.empty()) return 0;
    const int32_t group = actions_[0].Group;
    if (group == 0) return 1;
    size_t n = 1;
    while (n < actions_.size() && actions_[n].Group == group) ++n;
    return n;
}

void History::DropNewest() {
    if (!actions_.empty()) actions_.erase(actions_.begin());
}

std::string History::SaveText() const {
    // The file keeps the newest kLimit transactions, as ever; a longer step lives only in memory.
    const size_t count = actions_.size() < kLimit ? actions_.size() : kLimit;
    std::string text;
    text.reserve(4 + 14 * count);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d", static_cast<int>(count));
    text += buf;
    for (size_t i = 0; i < count; ++i) {
        const TAction& a = actions_[i];
        std::snprintf(buf, sizeof buf, "%02d%04d%04d%04d", a.Kind, a.Day, a.Crew, a.Pair);
        text += buf;
    }
    return text;
}

bool History::LoadText(std::string_view text) {
    actions_.clear();
    if (text.size() < 4) return false;
    const int32_t count = base::LeadingInt(text.substr(0, 4));
    if (count < 0) return false;
    for (int32_t i = 0; i < count; ++i) {
        const size_t p = 4 + 14 * static_cast<size_t>(i);
        if (p + 14 > text.size()) return false;
        TAction a;
        a.Kind = base::LeadingInt(text.substr(p, 2));
        a.Day = base::LeadingInt(text.substr(p + 2, 4));
        a.Crew = base::LeadingInt(text.substr(p + 6, 4));
        a.Pair = base::LeadingInt(text.substr(p + 10, 4));
        actions_.push_back(a);
        if (actions_.size() >= kLimit) break;
    }
    return true;
}

}  // namespace lw::model
