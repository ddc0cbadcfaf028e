#include "bids/filters.h"
#include "base/time_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace lw::bids {

namespace {

constexpr const char* kTitle = "Linewright";
constexpr std::string_view kTextMarker = "TEXT";

std::string Number4(int32_t n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d", n);
    return buf;
}

std::vector<model::TPair*> UsedPairings(model::Document& doc) {
    std::vector<model::TPair*> out;
    for (int i = 0; i <= doc.LastPairIndex && i < static_cast<int>(doc.Pairings.size()); ++i)
        out.push_back(&doc.Pairings[static_cast<size_t>(i)]);
    return out;
}

void PickNumber(model::Document& doc, int32_t number) {
    for (model::TPair* p : UsedPairings(doc))
        if (p->PairNumber == number) p->PairMark = kMarkPicked;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// Marks what the text filter matches among the pairings not picked by number.
void MarkMatches(model::Document& doc, const TextFilter& filter, std::string* caption) {
    for (model::TPair* p : UsedPairings(doc)) {
        if (p->PairMark == kMarkPicked) continue;
        if (caption) *caption = "Scanning Pair " + std::to_string(p->PairNumber);
        if (MatchesTextFilter(*p, filter)) p->PairMark = kMarkMatched;
    }
}

}  // namespace

TextFilter SplitTextFilter(std::string_view text, size_t limit) {
    const size_t end = text.find(';');
    if (end != std::string_view::npos) text = text.substr(0, end);
    TextFilter out;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t comma = text.find(',', pos);
        if (comma == std::string_view::npos) comma = text.size();
        std::string_view item = text.substr(pos, comma - pos);
        if (!item.empty() && item[0] == '!') {
            item.remove_prefix(1);
            if (!item.empty() && out.exclude.size() < limit) out.exclude.emplace_back(item);
        } else if (!item.empty() && out.include.size() < limit) {
            out.include.emplace_back(item);
        }
        pos = comma + 1;
    }
    return out;
}

bool IsLegTestKey(std::string_view key) { return key == "INDOC1" || key == "indoc1" || key == "Indoc1"; }

bool LegTest(const model::TPair& pair) {
    const std::string& s = pair.SourceLine;
    const size_t first = s.find('\n');
    if (first == std::string::npos || first + 1 >= s.size() || s[first + 1] != '2') return false;
    const size_t second = s.find('\n', first + 1);
    if (second == std::string::npos || second + 1 >= s.size() || s[second + 1] != '2') return false;
    if (s.size() < second + 49) return false;
    return s.compare(first + 29, 3, s, second + 44, 3) != 0;
}

bool MatchesTextFilter(const model::TPair& pair, const TextFilter& filter) {
    bool in = false;
    for (const std::string& key : filter.include) {
        in = IsLegTestKey(key) ? LegTest(pair) : pair.PairText.find(key) != std::string::npos;
        if (in) break;
    }
    if (!in) return false;
    for (const std::string& key : filter.exclude)
        if (pair.PairText.find(key) != std::string::npos) return false;
    return true;
}

SavedFilter ParseSavedFilter(std::string_view saved) {
    SavedFilter out;
    const size_t marker = saved.find(kTextMarker);
    if (marker == std::string_view::npos) return out;
    out.present = true;
    for (size_t i = 0; i + 4 <= marker; i += 4) out.numbers.push_back(base::LeadingInt(saved.substr(i, 4)));
    out.text = std::string(saved.substr(marker + kTextMarker.size()));
    return out;
}

std::string ComposeSavedFilter(const std::vector<int>& numbers, std::string_view text) {
    std::string out;
    for (int n : numbers) out += Number4(n);
    if (out.empty() && text.empty()) return out;
    return out + std::string(kTextMarker) + std::string(text);
}

std::vector<std::string> RecentTexts(const model::Document& doc) {
    std::vector<std::string> out;
    for (int i = 0; i < kRecentTexts; ++i)
        if (!doc.DocTexts[static_cast<size_t>(i)].empty()) out.push_back(doc.DocTexts[static_cast<size_t>(i)]);
    return out;
}

void AddRecentText(model::Document& doc, const std::string& text) {
    std::vector<std::string> list = RecentTexts(doc);
    const auto old = std::find_if(list.begin(), list.end(), [&](const std::string& e) { return StartsWithNoCase(e, text); });
    if (old != list.end()) list.erase(old);
    list.insert(list.begin(), text);
    if (list.size() > kRecentTexts) list.resize(kRecentTexts);
    for (size_t i = 0; i < kRecentTexts; ++i) doc.DocTexts[i] = i < list.size() ? list[i] : std::string();
}

bool PairingShown(const model::Document& doc, int pairIndex) {
    if (!doc.FiltersOn) return true;
    return doc.Pairings[static_cast<size_t>(pairIndex)].PairMark != kMarkNone;
}

bool EmployeeFilterOn(model::Document& doc, platform::Interaction& ui, int32_t employee, std::string& pairsCaption) {
    int row = -1;
    for (int c = 0; c < doc.CrewCount && row < 0; ++c)
        if (doc.Crew[static_cast<size_t>(c)].EmployeeNumber == employee) row = c;
    if (row < 0) {
        ui.Message("Unable to Find Employee to Filter", kTitle, platform::Icon::Stop);
        return false;
    }
    const model::TPilot& member = doc.Crew[static_cast<size_t>(row)];
    doc.FilterOwnerName = member.Name;
    for (model::TPair* p : UsedPairings(doc)) p->PairMark = kMarkNone;
    const SavedFilter saved = ParseSavedFilter(member.SavedFilters);
    if (saved.present) {
        for (int n : saved.numbers) PickNumber(doc, n);
        MarkMatches(doc, SplitTextFilter(saved.text, kMemberItems), nullptr);
    }
    doc.FiltersOn = true;
    pairsCaption = "Filters On for " + doc.FilterOwnerName;
    return true;
}

void EmployeeFilterOff(model::Document& doc, std::string& pairsCaption) {
    for (model::TPair* p : UsedPairings(doc)) p->PairMark = kMarkNone;
    doc.FiltersOn = false;
    doc.FilterOwnerName.clear();
    pairsCaption = "Filters Off";
}

std::optional<std::string> WizardText(const std::array<std::string, 8>& edits, platform::Interaction& ui) {
    std::string out;
    bool left = false;
    for (size_t i = 0; i < edits.size(); ++i) {
        const std::string edit = edits[i].substr(0, 29);
        if (edit.empty()) continue;
        if (i < 4) left = true;
        out += (i < 4 ? "" : "!") + edit + ",";
    }
    if (out.empty()) return out;
    if (!left) {
        ui.Message("You need at least 1 Key word or Letter in a left edit box", kTitle, platform::Icon::Stop);
        return std::nullopt;
    }
    out.back() = ';';
    return out;
}

std::string RenderSavedFilter(std::string_view saved) {
    std::string out = "--- Pairing Filters: ---\n";
    const SavedFilter filter = ParseSavedFilter(saved);
    if (!filter.present) return out + "No Filters. Click to Edit\n";
    out += "Always Show:\n";
    for (int n : filter.numbers) out += Number4(n) + ", ";
    out += "\n";
    const TextFilter keys = SplitTextFilter(filter.text, kMemberItems);
    std::string include, exclude;
    for (const std::string& k : keys.include) include += k + ",";
    for (const std::string& k : keys.exclude) exclude += k + ",";
    if (!include.empty()) out += "Also Show Pairings Containing:\n" + include + "\n";
    if (!exclude.empty()) out += "But Not Containing:\n" + exclude;
    return out;
}

FilterWindow::FilterWindow(model::Document& doc, platform::Interaction& ui) : doc_(doc), ui_(ui) {
    selectedCrew = doc.FilterCrewIndex;
}

std::vector<FilterCell> NumberCells(const model::Document& doc) {
    std::vector<FilterCell> out;
    for (int i = 0; i <= doc.LastPairIndex; ++i) {
        const int32_t n = doc.Pairings[static_cast<size_t>(i)].PairNumber;
        if (std::none_of(out.begin(), out.end(), [&](const FilterCell& c) { return c.number == n; }))
            out.push_back({n, i});
    }
    return out;
}

void FilterWindow::ApplyFilters() {
    std::string text = editText.substr(0, kFilterTextLimit);
    for (model::TPair* p : UsedPairings(doc_))
        if (p->PairMark == kMarkMatched) p->PairMark = kMarkNone;
    if (!text.empty()) {
        if (text.find(';') == std::string::npos) {
            if (ui_.Ask("Text Filter List must end in semi-colon ;. Do you want to Add semi-colon", kTitle) !=
                platform::Answer::Yes)
                return;
            text += ";";
            editText = text;
        }
        AddRecentText(doc_, text);
        caption = "Working!!!";
        MarkMatches(doc_, SplitTextFilter(text, kWindowItems), &caption);
    }
    currentText = text;
    doc_.FiltersOn = true;
    pairsCaption = "Filters On";
    doc_.FilterCrewIndex = selectedCrew;
}

void FilterWindow::RemoveFilters() {
    for (model::TPair* p : UsedPairings(doc_)) p->PairMark = kMarkNone;
    doc_.FiltersOn = false;
    editText.clear();
    currentText.clear();
    pairsCaption.clear();
}

void FilterWindow::Invert() {
    for (model::TPair* p : UsedPairings(doc_)) p->PairMark = p->PairMark == kMarkPicked ? kMarkNone : kMarkPicked;
    caption.clear();
}

bool FilterWindow::ClickCell(int32_t number) {
    bool found = false;
    for (model::TPair* p : UsedPairings(doc_)) {
        if (p->PairNumber != number) continue;
        found = true;
        // A text match clicked becomes a pick.
        p->PairMark = p->PairMark == kMarkPicked ? kMarkNone : kMarkPicked;
    }
    return found;
}

bool FilterWindow::SaveToMember() {
    if (selectedCrew < 0 || selectedCrew >= doc_.CrewCount) {
        ui_.Message("You have not selected the name to Save Filters to", kTitle, platform::Icon::Stop);
        return false;
    }
    std::string saved;
    for (model::TPair* p : UsedPairings(doc_))
        if (p->PairMark == kMarkPicked) saved += Number4(p->PairNumber);
    model::TPilot& member = doc_.Crew[static_cast<size_t>(selectedCrew)];
    member.SavedFilters = saved + std::string(kTextMarker) + editText.substr(0, kFilterTextLimit);
    caption = "Filters Saved to " + member.Name;
    doc_.FilterCrewIndex = selectedCrew;
    doc_.Modified = true;
    return true;
}

bool FilterWindow::RecallFromMember() {
    if (selectedCrew < 0 || selectedCrew >= doc_.CrewCount) {
        ui_.Message("You have not selected the name to Recall the Filters from", kTitle, platform::Icon::Stop);
        return false;
    }
    const model::TPilot& member = doc_.Crew[static_cast<size_t>(selectedCrew)];
    const SavedFilter saved = ParseSavedFilter(member.SavedFilters);
    if (!saved.present) {
        caption = "No Filters to Recall from " + member.Name;
        return false;
    }
    for (model::TPair* p : UsedPairings(doc_))
        if (p->PairMark == kMarkPicked) p->PairMark = kMarkNone;
    for (int n : saved.numbers) PickNumber(doc_, n);
    editText = saved.text;
    caption = "Filters Recalled from " + member.Name;
    doc_.FilterCrewIndex = selectedCrew;
    return true;
}

MemberFilterEditor::MemberFilterEditor(model::Document& doc, int crewRow) : doc_(doc), crew_(crewRow) {
    cells = NumberCells(doc);
    selected.assign(cells.size(), false);
    const model::TPilot& member = doc.Crew[static_cast<size_t>(crewRow)];
    const SavedFilter saved = ParseSavedFilter(member.SavedFilters);
    for (int n : saved.numbers) Select(n);
    editText = saved.text;
    caption = "Filters for " + member.Name;
}

bool MemberFilterEditor::Select(int32_t number) {
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].number != number) continue;
        selected[i] = !selected[i];
        return true;
    }
    return false;
}

void MemberFilterEditor::Clear() {
    selected.assign(cells.size(), false);
    editText.clear();
}

void MemberFilterEditor::Invert() {
    for (size_t i = 0; i < selected.size(); ++i) selected[i] = !selected[i];
}

void MemberFilterEditor::Ok() {
    std::string text = editText.substr(0, kFilterTextLimit);
    if (!text.empty() && text.find(';') == std::string::npos) text += ";";
    if (!text.empty()) AddRecentText(doc_, text);
    std::vector<int> numbers;
    for (size_t i = 0; i < cells.size(); ++i)
        if (selected[i]) numbers.push_back(cells[i].number);
    doc_.Crew[static_cast<size_t>(crew_)].SavedFilters = ComposeSavedFilter(numbers, text);
    doc_.Modified = true;
}

}  // namespace lw::bids
