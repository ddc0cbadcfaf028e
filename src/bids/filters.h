#pragma once
// Pairing filters: the numbers a planner picks by hand, the text filter of key words that a
// pairing must or must not hold, saving a filter with a crew member and switching it on.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"

namespace lw::bids {

// PairMark values.
inline constexpr int8_t kMarkNone = 0;
inline constexpr int8_t kMarkPicked = 1;   // picked by its number; always shown
inline constexpr int8_t kMarkMatched = 2;  // matched by the text filter

// Items used: the filters window keeps 30 of each kind, a member's filter 50.
inline constexpr size_t kWindowItems = 30;
inline constexpr size_t kMemberItems = 50;
inline constexpr size_t kFilterTextLimit = 98;
inline constexpr int kRecentTexts = 20;

struct TextFilter {
    std::vector<std::string> include;
    std::vector<std::string> exclude;
};

// Items run to the first ";" (or the end when there is none) and are separated by ","; a
// leading "!" makes an exclusion. Empty keys are dropped: they would match every pairing.
TextFilter SplitTextFilter(std::string_view text, size_t limit);

// The inclusion key that matches by the first two legs instead of the pairing's text.
bool IsLegTestKey(std::string_view key);
bool LegTest(const model::TPair& pair);

// The pairing shows under the text filter: some inclusion key matches and no exclusion key.
bool MatchesTextFilter(const model::TPair& pair, const TextFilter& filter);

// A member's SavedFilters: the picked numbers before "TEXT" and the text filter after it.
struct SavedFilter {
    bool present = false;  // "TEXT" is there
    std::vector<int> numbers;
    std::string text;
};
SavedFilter ParseSavedFilter(std::string_view saved);
// The numbers as "%04d" each, then "TEXT" and the text; empty when both are empty.
std::string ComposeSavedFilter(const std::vector<int>& numbers, std::string_view text);

// The 20 recent text filters of DocTexts 0..19, newest first, empty entries left out.
std::vector<std::string> RecentTexts(const model::Document& doc);
// The text goes to the top; the first entry beginning with it (any case) leaves the list.
void AddRecentText(model::Document& doc, const std::string& text);

// The pairings window may place the pairing while filters are on.
bool PairingShown(const model::Document& doc, int pairIndex);

// Switches on the filter saved with the crew member of that employee number; false (after
// the message) when no member has it. pairsCaption receives the pairings window caption.
bool EmployeeFilterOn(model::Document& doc, platform::Interaction& ui, int32_t employee, std::string& pairsCaption);
void EmployeeFilterOff(model::Document& doc, std::string& pairsCaption);

// The wizard's result from its eight edits (four to show, four to leave out). nullopt when
// the dialog must stay open (after the message).
std::optional<std::string> WizardText(const std::array<std::string, 8>& edits, platform::Interaction& ui);

// A saved filter in words, for the bids window's filter page.
std::string RenderSavedFilter(std::string_view saved);

// One grid cell per distinct pairing number, in pairing table order.
struct FilterCell {
    int32_t number = 0;
    int firstPair = 0;  // index of the first pairing with the number; the cell shows its state
};
std::vector<FilterCell> NumberCells(const model::Document& doc);

// The pairing filters window: its number grid, text edit, crew list and buttons.
class FilterWindow {
public:
    FilterWindow(model::Document& doc, platform::Interaction& ui);

    std::string editText;        // the combo's edit part
    std::string currentText;     // the text last applied
    std::string caption;         // the window's caption
    std::string pairsCaption;    // the pairings window's caption
    int selectedCrew = -1;       // crew list selection, -1 for none

    void ApplyFilters();
    void RemoveFilters();
    void Invert();
    // A click on the cell of that number; false when no pairing has it.
    bool ClickCell(int32_t number);
    bool SaveToMember();
    bool RecallFromMember();
    // The wizard's text replaces the edit; a cancelled wizard empties it.
    void TakeWizardText(const std::optional<std::string>& text) { editText = text.value_or(""); }

private:
    model::Document& doc_;
    platform::Interaction& ui_;
};

// The per-member filter editor inside the bids window.
class MemberFilterEditor {
public:
    MemberFilterEditor(model::Document& doc, int crewRow);

    std::vector<FilterCell> cells;
    std::vector<bool> selected;  // one per cell
    std::string editText;
    std::string caption;  // "Filters for " and the name

    bool Select(int32_t number);  // toggles the cell of that number
    void Clear();
    void Invert();
    // Stores the filter with the member.
    void Ok();

private:
    model::Document& doc_;
    int crew_;
};

}  // namespace lw::bids
