#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "model/history.h"

namespace lw::model {

static void PrintTo(const TAction& a, std::ostream* os) {
    *os << "{kind " << a.Kind << ", day " << a.Day << ", crew " << a.Crew << ", pair " << a.Pair << "}";
}

namespace {

TEST(History, NewestTransactionComesFirst) {
    History h;
    h.Record(3, 12, 5, History::kAssigned);
    h.Record(4, 13, 6, History::kRemoved);
    h.Record(998, 2999, 30, History::kAssigned);
    EXPECT_EQ(h.Actions(), (std::vector<TAction>{{1, 30, 998, 2999}, {0, 6, 4, 13}, {1, 5, 3, 12}}));
}

TEST(History, HoldsAtMost201Transactions) {
    struct Case {
        int records;
        size_t held;
    };
    for (const Case c : {Case{200, 200}, Case{201, 201}, Case{202, 201}, Case{250, 201}}) {
        SCOPED_TRACE(c.records);
        History h;
        for (int i = 0; i < c.records; ++i) h.Record(i, 1000 + i, i % 31, History::kAssigned);
        // Newest first; the oldest records - held fall off.
        std::vector<TAction> expected;
        for (int i = c.records - 1; i >= c.records - static_cast<int>(c.held); --i)
            expected.push_back({1, i % 31, i, 1000 + i});
        EXPECT_EQ(h.Size(), c.held);
        EXPECT_EQ(h.Actions(), expected);
    }
}

TEST(History, SaveTextIsCountThenFourteenDigitsPerTransaction) {
    History h;
    EXPECT_EQ(h.SaveText(), "0000");

    h.Record(3, 12, 5, History::kAssigned);
    EXPECT_EQ(h.SaveText(), "000101000500030012");

    h.Record(999, 2999, 61, History::kRemoved);
    EXPECT_EQ(h.SaveText(), "0002"
                            "00006109992999"
                            "01000500030012");
}

TEST(History, LoadTextRestoresWhatSaveTextWrote) {
    History saved;
    saved.Record(3, 12, 5, History::kAssigned);
    saved.Record(0, 0, 0, History::kRemoved);
    saved.Record(999, 2999, 30, History::kAssigned);

    History loaded;
    loaded.Record(7, 7, 7, History::kAssigned);  // replaced by the load
    EXPECT_TRUE(loaded.LoadText(saved.SaveText()));
    EXPECT_EQ(loaded.Actions(), (std::vector<TAction>{{1, 30, 999, 2999}, {0, 0, 0, 0}, {1, 5, 3, 12}}));
    EXPECT_EQ(loaded.SaveText(), saved.SaveText());
}

TEST(History, LoadTextReadsAFullHistory) {
    History saved;
    for (int i = 0; i < 250; ++i) saved.Record(i, i, i % 31, i % 2);
    History loaded;
    EXPECT_TRUE(loaded.LoadText(saved.SaveText()));
    EXPECT_EQ(loaded.Actions(), saved.Actions());
}

TEST(History, LoadTextSurvivesDamagedText) {
    const std::string one = "01000500030012";
    struct Case {
        const char* name;
        std::string text;
        bool ok;
        std::vector<TAction> held;
    };
    const Case cases[] = {
        {"empty", "", false, {}},
        {"short count", "00", false, {}},
        {"no transactions", "0000", true, {}},
        {"count beyond the text", "9999", false, {}},
        {"second transaction missing", "0002" + one, false, {{1, 5, 3, 12}}},
        {"transaction cut short", "0001" + one.substr(0, 10), false, {}},
        {"negative count", "-001" + one, false, {}},
        {"extra text after the last", "0001" + one + "0100", true, {{1, 5, 3, 12}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        History h;
        h.Record(7, 7, 7, History::kAssigned);
        EXPECT_EQ(h.LoadText(c.text), c.ok);
        EXPECT_EQ(h.Actions(), c.held);
    }

    // Letters read as no number: nothing to load, and nothing crashes.
    History h;
    h.LoadText("abcdefghijklmnopqrstuvwxyz");
    EXPECT_TRUE(h.Empty());
}

TEST(History, LoadTextKeepsTheLimit) {
    std::string text = "0250";
    for (int i = 0; i < 250; ++i) text += "01000500030012";
    History h;
    h.LoadText(text);
    EXPECT_EQ(h.Size(), History::kLimit);
}

TEST(History, DropNewestForUndo) {
    History h;
    h.DropNewest();
    EXPECT_TRUE(h.Empty());
    h.Record(3, 12, 5, History::kAssigned);
    h.Record(4, 13, 6, History::kRemoved);
    h.DropNewest();
    EXPECT_EQ(h.Actions(), (std::vector<TAction>{{1, 5, 3, 12}}));
}

}  // namespace
}  // namespace lw::model
