#include "import/toolbox_file.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "base/text.h"
#include "model/document.h"
#include "base/time_text.h"

namespace lw::import {

namespace {

constexpr std::string_view kTitle = "Linewright";
constexpr int kRecordLines = 12;

// An unreadable time is taken as 0, as the day's "Other Assignment Details" do: a day-off
// code legitimately has no start or end, and one bad field should not cost the whole file.
int32_t TimeOrZero(std::string_view text, bool hourLimit) {
    const int32_t minutes = base::ParseTime(text, hourLimit);
    return minutes < 0 ? 0 : minutes;
}

bool IsYes(std::string_view text) { return text == "Y"; }

// Falls back to the built-in table after a failed load.
void UseBuiltInTable(model::Document& doc) {
    if (doc.ActivityCount == 0) return;
    doc.ActivityCount = 0;
    doc.Modified = true;
}

}  // namespace

platform::FileRequest ToolboxFileRequest(std::string lastBoxPath) {
    platform::FileRequest request;
    request.title = "Load ToolBox Absences";
    request.filter = "ToolBox Definition Files(*.box)|*.box|All Files (*.*)|*.*";
    request.folder = std::move(lastBoxPath);
    return request;
}

bool LoadToolboxFile(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                     std::filesystem::path* folder) {
    // 300 records of twelve short lines fit in a few kilobytes; anything near this is not a toolbox.
    constexpr size_t kLargestToolbox = size_t{4} << 20;
    std::string text;
    const base::BoundedRead read = base::ReadFileUpTo(file, kLargestToolbox, text);
    if (read == base::BoundedRead::CannotOpen) {
        ui.Message("Unable to Open File " + file.string(), kTitle, platform::Icon::Stop);
        return false;
    }
    if (read == base::BoundedRead::TooLarge) {
        ui.Message("Error Loading Absences. File may be Currupt", kTitle, platform::Icon::Stop);
        UseBuiltInTable(doc);
        return false;
    }

    base::TextLineCursor lines(text);
    const std::optional<std::string_view> header = lines.Next();
    if (!header || *header != kToolboxFileHeader) {
        ui.Message("Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File.", kTitle,
                   platform::Icon::Stop);
        UseBuiltInTable(doc);
        return false;
    }

    auto corrupt = [&] {
        ui.Message("Error Loading Absences. File may be Currupt", kTitle, platform::Icon::Stop);
        UseBuiltInTable(doc);
        return false;
    };

    const std::optional<std::string_view> date = lines.Next();
    const std::optional<std::string_view> countLine = lines.Next();
    if (!date || !countLine) return corrupt();
    const int32_t count = base::LeadingInt(*countLine);
    if (count <= 0) ui.Message("No Absences to Load from File", kTitle, platform::Icon::Information);

    const std::string_view crewKind = doc.IsFlightAttendants() ? "Cabin" : "Pilot";
    const size_t capacity = std::min<size_t>(doc.Activities.size(), model::kActivitySlots);
    std::vector<model::TAbsence> kept;
    // Each pass uses up twelve lines or stops, so a wild count ends with the file.
    for (int32_t r = 0; r < count; ++r) {
        std::array<std::string_view, kRecordLines> field;
        for (std::string_view& f : field) {
            const std::optional<std::string_view> line = lines.Next();
            if (!line) return corrupt();
            f = *line;
        }
        if (field[1] != crewKind) continue;
        if (kept.size() == capacity) {
            ui.Message("The ToolBox File holds more than " + std::to_string(capacity) +
                           " Absences for this Crew Group. ToolBox not Loaded.",
                       kTitle, platform::Icon::Stop);
            return false;
        }
        model::TAbsence& a = kept.emplace_back();
        a.Code = field[0];
        a.ExtractCode = field[2];
        a.Caption = field[3];
        a.StartTime = TimeOrZero(field[4], true);
        a.EndTime = TimeOrZero(field[5], true);
        a.Credit = TimeOrZero(field[6], false);
        a.HardTime = TimeOrZero(field[7], false);
        a.ContainsDuty = IsYes(field[8]);
        a.CarsDuty = IsYes(field[9]);
        a.CreditCounts = IsYes(field[10]);
        a.InToolbox = IsYes(field[11]);
    }

    std::copy(kept.begin(), kept.end(), doc.Activities.begin());
    std::fill(doc.Activities.begin() + static_cast<std::ptrdiff_t>(kept.size()), doc.Activities.end(),
              model::TAbsence{});
    doc.ActivityCount = static_cast<int32_t>(kept.size());
    doc.DocTexts[model::kToolboxDateText] = std::string(*date);
    doc.Modified = true;
    if (folder) {
        std::error_code ec;
        const std::filesystem::path full = std::filesystem::absolute(file, ec);
        *folder = (ec ? file : full).parent_path();
    }
    return true;
}

}  // namespace lw::import
