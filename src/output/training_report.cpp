#include "output/training_report.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "output/block_text.h"
#include "platform/atomic_file.h"

namespace lw::output {

std::string TrainingReportText(const model::Document& doc) {
    using blocktext::DateDigits;
    using blocktext::Printf;
    const int days = blocktext::MonthDayCount(doc);
    // The group code is text: right-justified with blanks, never zeros.
    std::string out = "Linewright Training Report\r\n";
    out += Printf("%9s,%s,%s\r\n", doc.GroupCode.c_str(), DateDigits(doc.DayDate[0]).c_str(),
                  DateDigits(doc.DayDate[static_cast<size_t>(std::max(days - 1, 0))]).c_str());

    // Summed wide: credits come from files and a month of them must not wrap.
    int64_t indoc = 0, check = 0;
    const char letter = doc.GroupLetter();
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        for (int d = 0; d < days; ++d) {
            // Only the day a pairing starts in the block carries its mark.
            const int32_t index = p.DayAssignment[static_cast<size_t>(d)];
            if (index < 0 || index > doc.LastPairIndex || index >= model::kPairSlots) continue;
            const model::TPair& q = doc.Pairings[static_cast<size_t>(index)];
            const int32_t type = q.DayPairingType[static_cast<size_t>(d)];
            if (type != 1 && type != 2) continue;
            (type == 1 ? indoc : check) += q.TotalCredit;
            out += Printf("%s,%09d,%c%4d,%s\r\n", type == 1 ? "INDOC" : "CHECK", p.EmployeeNumber, letter, q.PairNumber,
                          DateDigits(doc.DayDate[static_cast<size_t>(d)], "%4d%02d%02d").c_str());
        }
    }
    out += Printf("TOTAL CREDIT MINS,INDOC,%08lld,CHECK,%08lld\r\n", static_cast<long long>(indoc),
                  static_cast<long long>(check));
    return out;
}

bool WriteTrainingReport(const model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                         platform::FileOps& ops) {
    int error = 0;
    platform::WriteOptions options;
    options.errorCode = &error;
    switch (platform::WriteFileAtomically(file, TrainingReportText(doc), nullptr, ops, options)) {
        case platform::WriteResult::Ok:
            return true;
        case platform::WriteResult::CannotCreate:
        case platform::WriteResult::ReadOnly:
            ui.Message("Cant create file for Exporting Data", "File Error", platform::Icon::Stop);
            return false;
        case platform::WriteResult::WriteFailed:
            break;
    }
    // A full disk has its own message; any other refusal of the device the general one.
    if (platform::IsDiskFull(error))
        ui.Message("Cannot Save CSV File to specified disk. Disk may be full", "File Error", platform::Icon::Stop);
    else
        ui.Message("Can't Save CSV File!", "File Error", platform::Icon::Stop);
    return false;
}

bool GenerateTrainingReport(const model::Document& doc, platform::Interaction& ui, platform::FileOps& ops,
                            std::filesystem::path* written) {
    platform::FileRequest request;
    request.title = "Export Training and Line Check Data";
    request.filter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*";
    request.folder = std::filesystem::path(doc.CurrentFileName).parent_path().string();
    const std::optional<std::string> file = ui.ChooseSaveFile(request);
    if (!file) return false;
    if (!WriteTrainingReport(doc, ui, *file, ops)) return false;
    if (written) *written = *file;
    return true;
}

}  // namespace lw::output
