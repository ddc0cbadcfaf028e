#include "import/lis_scan.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/text.h"
#include "model/document.h"
#include "base/time_text.h"

namespace lw::import {

namespace {

constexpr std::string_view kTitle = "Linewright";
constexpr std::string_view kUnreadable =
    "Unable to Read Data from one or more LIS File(s). Try opening file(s) in WordPad and Save as Type Text "
    "Document.";
constexpr std::string_view kTooLarge = "LIS File is Larger than buffer. Some data was not Loaded";
constexpr std::string_view kErrorsTitle = "Flag CRA and French Pairings Errors";
constexpr std::string_view kSummaryTitle = "Flag French Pairings from LIS Summary";

constexpr std::string_view kMealsCad = "MEALS CAD:";
constexpr std::string_view kMealsUs = "MEALS US:";
constexpr std::string_view kMealsLead = "\n   ";
constexpr std::string_view kFrench = "FRENCH";
constexpr std::string_view kFrenchMarker = model::kFrenchPairingMarker;
constexpr std::string_view kShareEdge = "***";
constexpr size_t kBlockTail = 17;    // a block ends this far after its "MEALS CAD:"
constexpr size_t kTagDistance = 35;  // type tag after the leg's flight number
constexpr size_t kFlightNumberLength = 4;
constexpr size_t kPilotFlightOffset = 71;
constexpr size_t kCabinFlightOffset = 63;
constexpr size_t kFrenchMarkerFloor = 15;  // a marker this early is part of the pairing's own text
constexpr size_t kOldMealsNoteLength = 38;

struct AircraftType {
    std::string_view marker;
    std::string_view tag;
};
// The share counts the first kind against all four.
constexpr std::array<AircraftType, 4> kTypes = {{
    {"CRA [", "  CRA"},
    {"CRJ [", "  CRJ"},
    {"DH1 [", "  DH1"},
    {"E75 [", "  E75"},
}};

struct ShareStep {
    int above;  // percent the share must exceed
    std::string_view block;
    std::string_view summary;  // follows the designation
};
// The cumulative wording lets a text filter pick "more than half" with one search for CRA>49%.
constexpr std::array<ShareStep, 5> kShares = {{
    {99, " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** ", " is CRA 100%."},
    {74, " *** CRA>74% CRA>49% CRA>24% CRA>0% *** ", " is CRA > 74%."},
    {49, " *** CRA>49% CRA>24% CRA>0% *** ", " is CRA > 49%."},
    {24, " *** CRA>24% CRA>0% *** ", " is CRA > 24%."},
    {0, " *** CRA>0% *** ", " is CRA > 0%."},
}};
constexpr ShareStep kNoShare = {0, " *** CRA=0% *** ", " is CRA 0%."};

const ShareStep& ShareOf(int64_t cra, int64_t all) {
    if (all > 0)
        for (const ShareStep& step : kShares)
            if (cra * 100 > step.above * all) return step;
    return kNoShare;
}

// The listing text of one file. A file without NUL bytes is all text; otherwise a binary
// header is skipped by starting at the smallest offset from 2500 down, in steps of 100, from
// which at least 5000 characters of text run.
std::string_view ListingText(std::string_view bytes) {
    if (bytes.find('\0') == std::string_view::npos) return bytes;
    auto runFrom = [&](size_t offset) {
        const size_t nul = bytes.find('\0', offset);
        return (nul == std::string_view::npos ? bytes.size() : nul) - offset;
    };
    std::optional<size_t> from;
    for (size_t offset = 2500;; offset -= 100) {
        if (offset > bytes.size() || runFrom(offset) < kLisMinimumText) break;
        from = offset;
        if (offset == 0) break;
    }
    if (!from) return {};
    return bytes.substr(*from, runFrom(*from));
}

// Where each pairing's block starts: the last occurrence of its designation. One pass over
// the listing per designation length, however many pairings there are.
class ListingIndex {
public:
    ListingIndex(std::string_view text, const std::vector<std::string>& designations) : text_(text) {
        std::array<bool, 256> leads{};
        std::vector<size_t> lengths;
        for (const std::string& d : designations) {
            if (d.empty()) continue;
            lastAt_.emplace(d, std::string_view::npos);
            leads[static_cast<unsigned char>(d[0])] = true;
            if (std::find(lengths.begin(), lengths.end(), d.size()) == lengths.end()) lengths.push_back(d.size());
        }
        for (const size_t length : lengths) {
            for (size_t i = 0; i + length <= text.size(); ++i) {
                if (!leads[static_cast<unsigned char>(text[i])]) continue;
                const auto it = lastAt_.find(text.substr(i, length));
                if (it != lastAt_.end()) it->second = i;
            }
        }
        for (size_t at = text.find(kMealsCad); at != std::string_view::npos; at = text.find(kMealsCad, at + 1))
            mealsCad_.push_back(at);
    }

    // The pairing's block, or why there is none.
    enum class Found { Block, NoDesignation, NoMealsCad };
    Found BlockOf(std::string_view designation, std::string_view& block) const {
        const auto it = lastAt_.find(designation);
        if (it == lastAt_.end() || it->second == std::string_view::npos) return Found::NoDesignation;
        const size_t start = it->second;
        const auto cad = std::lower_bound(mealsCad_.begin(), mealsCad_.end(), start);
        if (cad == mealsCad_.end()) return Found::NoMealsCad;
        const size_t end = std::min(*cad + kBlockTail, text_.size());
        block = text_.substr(start, end - start);
        return Found::Block;
    }

private:
    std::string_view text_;
    std::unordered_map<std::string_view, size_t> lastAt_;
    std::vector<size_t> mealsCad_;
};

// A type tag 35 characters after the flight number; a tag left there by an earlier scan is
// replaced, so scanning again does not stack them.
void PlaceTag(std::string& text, size_t at, std::string_view tag) {
    at = std::min(at, text.size());
    for (const AircraftType& type : kTypes) {
        if (text.compare(at, type.tag.size(), type.tag) == 0) {
            text.replace(at, type.tag.size(), tag);
            return;
        }
    }
    text.insert(at, tag);
}

// The share block of an earlier scan, with the blanks it brought.
void RemoveShareBlock(std::string& text) {
    const size_t last = text.rfind(kShareEdge);
    if (last == std::string::npos || last < kShareEdge.size()) return;
    const size_t before = text.rfind(kShareEdge, last - kShareEdge.size());
    if (before == std::string::npos) return;
    size_t from = before;
    size_t to = last + kShareEdge.size();
    if (from > 0 && text[from - 1] == ' ') --from;
    if (to < text.size() && text[to] == ' ') ++to;
    text.erase(from, to - from);
}

// The meals note of an earlier scan: its lead, "MEALS US:" and the text up to one character
// short of the block's end, 16 characters after its "MEALS CAD:".
void RemoveMealsNote(std::string& text) {
    const size_t us = text.find(kMealsUs);
    if (us == std::string::npos) return;
    const size_t from =
        us >= kMealsLead.size() && text.compare(us - kMealsLead.size(), kMealsLead.size(), kMealsLead) == 0
            ? us - kMealsLead.size()
            : us;
    const size_t cad = text.find(kMealsCad, us);
    const size_t to = cad == std::string::npos ? from + kOldMealsNoteLength : cad + kBlockTail - 1;
    text.erase(from, std::min(to, text.size()) - from);
}

struct ScanLists {
    base::ErrorLines errors;
    std::vector<std::string> summary;
    int french = 0;
};

// The new PairText of one pairing from its block.
std::string MarkPairing(const model::TPair& pair, std::string_view block, bool cabin, const std::string& designation,
                        ScanLists& lists) {
    std::string text = pair.PairText;
    RemoveMealsNote(text);

    if (cabin) {
        if (block.find(kFrench) != std::string_view::npos) {
            if (text.find(kFrenchMarker) == std::string::npos) text += " " + std::string(kFrenchMarker);
            lists.summary.push_back(designation + " is French Pairing.");
            ++lists.french;
        } else {
            const size_t at = text.find(kFrenchMarker);
            if (at != std::string::npos && at > kFrenchMarkerFloor) {
                const size_t from = text[at - 1] == ' ' ? at - 1 : at;
                text.erase(from, at + kFrenchMarker.size() - from);
            }
        }
    }

    const size_t offset = cabin ? kCabinFlightOffset : kPilotFlightOffset;
    std::array<int64_t, kTypes.size()> counts{};
    for (size_t kind = 0; kind < kTypes.size(); ++kind) {
        const AircraftType& type = kTypes[kind];
        // Legs are matched from the last one back, each search starting before the previous find.
        size_t searchEnd = std::string::npos;
        bool exhausted = false;
        for (size_t m = block.rfind(type.marker); m != std::string_view::npos;
             m = m == 0 ? std::string_view::npos : block.rfind(type.marker, m - 1)) {
            ++counts[kind];
            if (m < offset) continue;
            const std::string_view flight = block.substr(m - offset, kFlightNumberLength);
            const size_t at = exhausted ? std::string::npos : text.rfind(flight, searchEnd);
            if (at == std::string::npos) {
                lists.errors.Add(designation + " Flight Number not Located");
                continue;
            }
            PlaceTag(text, at + kTagDistance, type.tag);
            if (at == 0)
                exhausted = true;
            else
                searchEnd = at - 1;
        }
    }

    int64_t all = 0;
    for (const int64_t c : counts) all += c;
    const ShareStep& share = ShareOf(counts[0], all);
    RemoveShareBlock(text);
    text += share.block;
    lists.summary.push_back(designation + std::string(share.summary));

    const size_t us = block.find(kMealsUs);
    if (us != std::string_view::npos && us + 1 < block.size()) {
        text += kMealsLead;
        text += block.substr(us, block.size() - 1 - us);
    }
    return text;
}

std::string FileNameOf(const std::filesystem::path& file) {
    std::string name = file.string();
    const size_t cut = name.find_last_of("/\\");
    return cut == std::string::npos ? name : name.substr(cut + 1);
}

// The listing text of all files, in order. nullopt after the message when it cannot be used.
std::optional<std::string> ReadListing(platform::Interaction& ui, const std::vector<std::filesystem::path>& files) {
    std::string listing;
    bool unreadable = false;
    bool cut = false;
    for (const std::filesystem::path& file : files) {
        const size_t room = kLisBufferSize - listing.size();
        std::string bytes;
        const base::BoundedRead read = room == 0 ? base::BoundedRead::TooLarge : base::ReadFileUpTo(file, room, bytes);
        if (read == base::BoundedRead::CannotOpen) {
            ui.Message("Unable to Open File " + file.string(), kTitle, platform::Icon::Stop);
            continue;
        }
        if (read == base::BoundedRead::TooLarge && !cut) {
            ui.Message(kTooLarge, kTitle, platform::Icon::Warning);
            cut = true;
        }
        if (room == 0) continue;
        const std::string_view text = ListingText(bytes);
        // A file that gives nothing would quietly leave its pairings unmarked.
        if (text.empty()) unreadable = true;
        listing += text;
    }
    if (unreadable || listing.size() < kLisMinimumText) {
        ui.Message(kUnreadable, kTitle, platform::Icon::Stop);
        return std::nullopt;
    }
    return listing;
}

}  // namespace

platform::FileRequest LisFilesRequest(std::string lastFrenchPath) {
    platform::FileRequest request;
    request.title = "Flag ACType/FR Pairs from LIS. CTRL for Multiple Files";
    request.filter = "LIS Pairing Files(*.LIS)|*.lis|All Files (*.*)|*.*";
    request.folder = std::move(lastFrenchPath);
    return request;
}

bool ScanLisFiles(model::Document& doc, platform::Interaction& ui, const std::vector<std::filesystem::path>& files,
                  LisScanDetails* details) {
    LisScanDetails ignored;
    LisScanDetails& out = details ? *details : ignored;
    out = {};
    if (files.empty()) return false;

    std::string month = doc.MonthTitleText();
    base::UpperCase(month);
    for (const std::filesystem::path& file : files) {
        const std::string name = FileNameOf(file);
        std::string upper = name;
        base::UpperCase(upper);
        if (upper.find(month) != std::string::npos) continue;
        const std::string question =
            base::PrintfString("%s does not contain %s in the File Name. Are you sure this is the correct LIS File",
                         name.c_str(), month.c_str());
        if (ui.Ask(question, kTitle, platform::Buttons::YesNo, platform::Icon::Question) != platform::Answer::Yes) {
            out.chooseAgain = true;
            return false;
        }
    }
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(files.front(), ec);
    out.folder = (ec ? files.front() : full).parent_path();

    const std::optional<std::string> listing = ReadListing(ui, files);
    if (!listing) return false;

    const int count = std::clamp(doc.LastPairIndex + 1, 0, static_cast<int>(doc.Pairings.size()));
    std::vector<std::string> designations;
    designations.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) designations.push_back(doc.Pairings[static_cast<size_t>(i)].Designation());

    const bool cabin = doc.IsFlightAttendants();
    ScanLists lists;
    // New texts are kept aside until every pairing is done, so a stopped scan changes nothing.
    std::vector<std::pair<int, std::string>> marked;
    {
        const ListingIndex index(*listing, designations);
        platform::ProgressScope progress(ui, "Scanning LIS Pairings", count);
        for (int i = 0; i < count; ++i) {
            if (!progress.Step(i + 1, base::PrintfString("Scanning Pairing %d of %d", i + 1, count))) return false;
            const std::string& designation = designations[static_cast<size_t>(i)];
            doc.Log("Scanning Pairing " + designation + " for CRA legs\n");
            std::string_view block;
            switch (index.BlockOf(designation, block)) {
                case ListingIndex::Found::NoDesignation:
                    lists.errors.Add(designation + " Not Found in LIS File.");
                    continue;
                case ListingIndex::Found::NoMealsCad:
                    lists.errors.Add(designation + "Incomplete in LIS File. Can't Locate MEALS CAD:");
                    continue;
                case ListingIndex::Found::Block:
                    break;
            }
            marked.emplace_back(i, MarkPairing(doc.Pairings[static_cast<size_t>(i)], block, cabin, designation, lists));
        }
    }

    for (auto& [i, text] : marked) {
        model::TPair& pair = doc.Pairings[static_cast<size_t>(i)];
        if (pair.PairText == text) continue;
        pair.PairText = std::move(text);
        doc.Modified = true;
    }

    if (!lists.errors.Empty()) ui.ShowList(kErrorsTitle, lists.errors.Lines());
    std::vector<std::string> summary;
    summary.reserve(lists.summary.size() + 1);
    summary.push_back(base::PrintfString("Total Pairings %d.%d Pairings Flagged as French.", count, lists.french));
    summary.insert(summary.end(), lists.summary.begin(), lists.summary.end());
    ui.ShowList(kSummaryTitle, summary);
    return true;
}

}  // namespace lw::import
