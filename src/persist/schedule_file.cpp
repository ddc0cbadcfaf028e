#include "persist/schedule_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/atomic_file.h"
#include "persist/object_stream.h"
#include "platform/interaction.h"
#include "model/blocking_rules.h"

namespace lw::persist {

using model::Document;
using model::TAbsence;
using model::TPair;
using model::TPilot;

namespace {

constexpr std::array<std::string_view, 4> kKindWords = {"Linewright", "LWViewPrRost", "LWViewPrSked", "LWView_Final"};
constexpr std::string_view kEndMarker = "EndOfFile";
constexpr int kCrewLimit = model::kCrewRows - 1;  // the last row is the legality trial's scratch copy

// ---------------------------------------------------------------- records

void WritePair(ObjectWriter& w, const TPair& p) {
    w.BeginObject("TPair", kPairClassVersion);
    w.Word(p.ReportTime);
    w.Word(p.ReleaseTime);
    w.Word(p.TotalCredit);
    w.Char(p.PairLength);
    w.Word(p.Tafb);
    w.Word(p.PairNumber);
    w.Flag(p.IsValid);
    for (int32_t s : p.DayStatus) w.Word(std::abs(s));  // the two-captain mark is not kept
    for (int d = 0; d < model::kMonthDays; ++d) {
        w.Word(p.DailyStart[d]);
        w.Word(p.DailyDuty[d]);
        w.Word(p.DailyCredit[d]);
        w.Word(p.DailyHardTime[d]);
    }
    w.Text(p.PairText);
    w.Text(p.Layovers);
    w.Word(p.FatigueUnits);
    w.Text(p.BaseEqpCode);
    w.Raw4(p.PairStamp);
    w.Text(p.PairType);
    for (int32_t v : p.ExcludedCredit) w.Word(v);
    w.Word(p.RestAfter);
    w.Text(p.SourceLine);
    for (int32_t v : p.DayPairingType) w.Word(v);
    w.EndObject();
}

void ReadPair(ObjectReader& r, TPair& p) {
    const int32_t version = r.BeginObject("TPair");
    p.ReportTime = r.Word();
    p.ReleaseTime = r.Word();
    p.TotalCredit = r.Word();
    p.PairLength = r.Char();
    p.Tafb = r.Word();
    p.PairNumber = r.Word();
    p.IsValid = r.Flag();
    r.Words(p.DayStatus.data(), model::kMonthDays);
    std::array<int32_t, 4 * model::kMonthDays> daily;
    r.Words(daily.data(), daily.size());
    for (size_t d = 0; d < model::kMonthDays; ++d) {
        p.DailyStart[d] = daily[4 * d];
        p.DailyDuty[d] = daily[4 * d + 1];
        p.DailyCredit[d] = daily[4 * d + 2];
        p.DailyHardTime[d] = daily[4 * d + 3];
    }
    r.ReadText(p.PairText);
    r.ReadText(p.Layovers);
    p.FatigueUnits = r.Word();
    r.ReadText(p.BaseEqpCode);
    p.PairStamp = r.Raw4();
    r.ReadText(p.PairType);
    if (version >= 2) r.Words(p.ExcludedCredit.data(), model::kMonthDays);
    if (version >= 3) p.RestAfter = r.Word();
    if (version >= 4) r.ReadText(p.SourceLine);
    if (version >= 5) r.Words(p.DayPairingType.data(), model::kMonthDays);
    r.EndObject();
}

void WritePilot(ObjectWriter& w, const TPilot& p) {
    w.BeginObject("TPilot", kPilotClassVersion);
    w.Text(p.Name);
    w.Text(p.Phone1);
    w.Text(p.Phone2);
    w.Text(p.QuickNotes);
    w.Raw4(p.EmployeeNumber);
    w.Word(p.ReservedValueA);
    for (size_t i = 0; i < model::kDayCells; ++i) {
        w.Word(p.DayAssignment[i]);
        w.Char(p.DayFlagA[i]);
        w.Char(p.DayLocked[i]);
        w.Text(p.DayCode[i]);
        w.Text(p.DayExtractCode[i]);
        w.Text(p.DayText[i]);
        for (size_t j = 0; j < model::kDayValues; ++j) {
            w.Word(p.PrevDayData[i][j]);
            w.Word(p.DayActivity[i][j]);
        }
    }
    w.Text(p.SavedFilters);
    w.Text(p.BidText);
    w.Text(p.RosterStatus);
    for (int32_t v : p.SettingsArray()) w.Word(v);
    w.Char(p.BidsReserve ? 1 : 0);
    w.Char(p.CreditHours);
    w.Char(p.CreditMinutes);
    w.Word(p.DraftCredits);
    w.Word(p.ReservedValueB);
    w.Word(p.ExtraCredits);
    w.Word(p.TimeBank);
    w.Word(p.TrainingAtHome);
    w.Flag(p.OutsideW);
    w.Text(p.ReservedText);
    w.EndObject();
}

void ReadPilot(ObjectReader& r, TPilot& p) {
    const int32_t version = r.BeginObject("TPilot");
    r.ReadText(p.Name);
    r.ReadText(p.Phone1);
    r.ReadText(p.Phone2);
    r.ReadText(p.QuickNotes);
    p.EmployeeNumber = r.Raw4();
    p.ReservedValueA = r.Word();
    for (size_t i = 0; i < model::kDayCells; ++i) {
        p.DayAssignment[i] = r.Word();
        p.DayFlagA[i] = r.Char();
        p.DayLocked[i] = r.Char();
        r.ReadText(p.DayCode[i]);
        r.ReadText(p.DayExtractCode[i]);
        r.ReadText(p.DayText[i]);
        std::array<int32_t, 2 * model::kDayValues> values;
        r.Words(values.data(), values.size());
        for (size_t j = 0; j < model::kDayValues; ++j) {
            p.PrevDayData[i][j] = values[2 * j];
            p.DayActivity[i][j] = values[2 * j + 1];
        }
    }
    r.ReadText(p.SavedFilters);
    r.ReadText(p.BidText);
    r.ReadText(p.RosterStatus);
    std::array<int32_t, TPilot::kSettingsCount> settings{};
    r.Words(settings.data(), version <= 1 ? 10 : TPilot::kSettingsCount);
    p.SetSettingsArray(settings);
    p.BidsReserve = r.Char() != 0;
    p.CreditHours = r.Char();
    p.CreditMinutes = r.Char();
    p.DraftCredits = r.Word();
    p.ReservedValueB = r.Word();
    p.ExtraCredits = r.Word();
    if (version >= 2) {
        p.TimeBank = r.Word();
        p.TrainingAtHome = r.Word();
        p.OutsideW = r.Flag();
    }
    if (version >= 3) r.ReadText(p.ReservedText);
    r.EndObject();
}

void WriteActivity(ObjectWriter& w, const TAbsence& a) {
    w.Text(a.Code);
    w.Text(a.ExtractCode);
    w.Text(a.Caption);
    w.Word(a.StartTime);
    w.Word(a.EndTime);
    w.Word(a.Credit);
    w.Word(a.HardTime);
    w.Flag(a.ContainsDuty);
    w.Flag(a.CarsDuty);
    w.Flag(a.CreditCounts);
    w.Flag(a.InToolbox);
}

void ReadActivity(ObjectReader& r, TAbsence& a) {
    r.ReadText(a.Code);
    r.ReadText(a.ExtractCode);
    r.ReadText(a.Caption);
    a.StartTime = r.Word();
    a.EndTime = r.Word();
    a.Credit = r.Word();
    a.HardTime = r.Word();
    a.ContainsDuty = r.Flag();
    a.CarsDuty = r.Flag();
    a.CreditCounts = r.Flag();
    a.InToolbox = r.Flag();
}

void WriteDate(ObjectWriter& w, const base::CalendarDate& d) {
    w.Word(d.day);
    w.Word(d.month);
    w.Word(d.year);
}

base::CalendarDate ReadDate(ObjectReader& r) {
    base::CalendarDate d;
    d.day = r.Word();
    d.month = r.Word();
    d.year = r.Word();
    return d;
}

// Counts a file states are checked before any table is touched by them.
bool CheckCount(ObjectReader& r, int32_t value, int32_t low, int32_t high, const char* what) {
    if (r.Failed()) return false;
    if (value >= low && value <= high) return true;
    char buf[160];
    std::snprintf(buf, sizeof buf, "the file states %d %s; %d to %d are possible", value, what, low, high);
    r.Fail(buf);
    return false;
}

// Times and credits of a day are minutes; nothing real comes near this, and sums of them over
// a month's days and a block's credits stay far inside the range the checks count in.
constexpr int32_t kMaxDayMinutes = 1000000;

bool TimeInRange(int32_t v) { return v >= -kMaxDayMinutes && v <= kMaxDayMinutes; }

// A day value beyond any month would overflow the block checks and duty-day sums.
void CheckDayValues(ObjectReader& r, const Document& doc) {
    char buf[200];
    for (int i = 0; i <= doc.LastPairIndex && !r.Failed(); ++i) {
        const TPair& q = doc.Pairings[static_cast<size_t>(i)];
        bool ok = TimeInRange(q.ReportTime) && TimeInRange(q.ReleaseTime) && TimeInRange(q.TotalCredit) &&
                  TimeInRange(q.Tafb) && TimeInRange(q.RestAfter);
        for (size_t d = 0; d < q.DailyStart.size(); ++d)
            ok = ok && TimeInRange(q.DailyStart[d]) && TimeInRange(q.DailyDuty[d]) && TimeInRange(q.DailyCredit[d]) &&
                 TimeInRange(q.DailyHardTime[d]) && TimeInRange(q.ExcludedCredit[d]);
        if (!ok) {
            std::snprintf(buf, sizeof buf, "pairing %d holds a time beyond any month", q.PairNumber);
            r.Fail(buf);
        }
    }
    for (int c = 0; c < doc.CrewCount && !r.Failed(); ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        bool ok = TimeInRange(p.DraftCredits) && TimeInRange(p.ExtraCredits) && TimeInRange(p.TimeBank) &&
                  TimeInRange(p.TrainingAtHome);
        for (int d = 0; d < model::kDayCells && ok; ++d)
            for (int j = 0; j < model::kDayValues; ++j)
                ok = ok && TimeInRange(p.DayActivity[static_cast<size_t>(d)][static_cast<size_t>(j)]) &&
                     TimeInRange(p.PrevDayData[static_cast<size_t>(d)][static_cast<size_t>(j)]);
        if (!ok) {
            std::snprintf(buf, sizeof buf, "crew row %d holds a day value beyond any month", c + 1);
            r.Fail(buf);
        }
    }
    for (int i = 0; i < doc.ActivityCount && !r.Failed(); ++i) {
        const auto& a = doc.Activities[static_cast<size_t>(i)];
        if (!TimeInRange(a.StartTime) || !TimeInRange(a.EndTime) || !TimeInRange(a.Credit) || !TimeInRange(a.HardTime))
            r.Fail("activity " + a.Code + " holds a time beyond any month");
    }
}

// Indexes that later work follows must point inside the tables read.
void CheckReferences(ObjectReader& r, Document& doc) {
    CheckDayValues(r, doc);
    if (r.Failed()) return;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const TPilot& p = doc.Crew[static_cast<size_t>(c)];
        for (int d = 0; d < model::kDayCells; ++d) {
            const int32_t a = p.DayAssignment[static_cast<size_t>(d)];
            if (a == model::kDayEmpty || a == model::kDayActivity) continue;
            if (a < 0 || a > doc.LastPairIndex) {
                char buf[200];
                std::snprintf(buf, sizeof buf, "crew row %d day %d refers to pairing %d, which the file does not hold",
                              c + 1, d + 1, a);
                r.Fail(buf);
                return;
            }
        }
    }
    if (doc.LastLoadedPairIndex > doc.LastPairIndex) doc.LastLoadedPairIndex = doc.LastPairIndex;
    // A history entry that points outside the month could not be undone; keep only sound ones.
    model::History sound;
    const auto& actions = doc.History.Actions();
    for (auto it = actions.rbegin(); it != actions.rend(); ++it) {
        const bool ok = (it->Kind == 0 || it->Kind == 1) && it->Day >= 0 && it->Day < model::kDayCells &&
                        it->Crew >= 0 && it->Crew < doc.CrewCount && it->Pair >= 0 && it->Pair <= doc.LastPairIndex;
        if (ok) sound.Record(it->Crew, it->Pair, it->Day, it->Kind);
    }
    doc.History = std::move(sound);
}

void ShowLoadFailure(platform::Interaction& ui, const std::filesystem::path& file, const LoadResult& result) {
    if (result.status == LoadStatus::Truncated) {
        ui.Message("This file may be currupt. No End Of File found. Consider loading Backup File", "Linewright",
                   platform::Icon::Stop);
        return;
    }
    ui.Message(file.string() + " is damaged and was not opened: " + result.detail +
                   ". Consider loading the Backup File.",
               "File Error", platform::Icon::Stop);
}

}  // namespace

std::string_view KindWord(int fileVariant) {
    return fileVariant >= 0 && fileVariant < static_cast<int>(kKindWords.size()) ? kKindWords[static_cast<size_t>(fileVariant)]
                                                                                 : std::string_view{};
}

std::string EncodeSchedule(Document& doc, int kind) {
    for (int i = 0; i <= doc.LastPairIndex && i < model::kPairSlots; ++i) doc.Pairings[static_cast<size_t>(i)].UpdatePairFlag();

    ObjectWriter w;
    w.Reserve(static_cast<size_t>(doc.CrewCount) * 7000 + static_cast<size_t>(doc.LastPairIndex + 1) * 2500 + 65536);
    w.WriteHeader();
    w.Text(std::string(KindWord(kind)) + std::string(kFileVersion));
    w.Text(doc.GroupCode);
    for (int32_t v : {doc.StartSetting, doc.StartWeekday, doc.DayCount, doc.AvgBlock, doc.MaxBlock, doc.MinBlock,
                      doc.DaysOffBlockHolder, doc.DaysOffReserve})
        w.Word(v);
    for (int d = 0; d < doc.DayCount && d < model::kMonthDays; ++d) {
        WriteDate(w, doc.DayDate[static_cast<size_t>(d)]);
        w.Raw(doc.DayLabel[static_cast<size_t>(d)].data(), 3);
        w.Flag(doc.Weekend[static_cast<size_t>(d)]);
    }
    w.Word(doc.CrewCount);
    w.Word(doc.LastPairIndex);
    for (int i = 0; i <= doc.LastPairIndex; ++i) WritePair(w, doc.Pairings[static_cast<size_t>(i)]);
    for (int c = 0; c < doc.CrewCount; ++c) WritePilot(w, doc.Crew[static_cast<size_t>(c)]);
    for (size_t j = 0; j < 6; ++j) {
        w.Byte(static_cast<uint8_t>(doc.MonthTitle[j]));
        w.Byte(static_cast<uint8_t>(doc.YearTitle[j]));
        w.Byte(static_cast<uint8_t>(doc.CodeA[j]));
        w.Byte(static_cast<uint8_t>(doc.CodeB[j]));
    }
    for (const auto& d : doc.PrevDates) WriteDate(w, d);
    w.Word(doc.MonthNumber);
    w.Word(doc.BlocksBuilt);
    w.Flag(doc.ShowTakenPairings);
    w.Word(doc.DocValue);
    w.Flag(doc.PairWinOpen);
    w.Flag(doc.ToolboxWinOpen);
    w.Char(doc.CrewGroup);
    w.Text(doc.History.SaveText());
    w.Word(doc.LastLoadedPairIndex);
    for (bool f : doc.DocFlags) w.Flag(f);
    for (const auto& s : doc.DocStrings) w.Text(s);
    w.Flag(doc.MarkedOnlyView);
    for (int i = 0; i < 20; ++i) w.Text(doc.DocTexts[static_cast<size_t>(i)]);
    w.Flag(doc.BidsWinOpen);
    w.Word(doc.ActivityCount);
    for (int i = 0; i < doc.ActivityCount; ++i) WriteActivity(w, doc.Activities[static_cast<size_t>(i)]);
    w.Text(doc.DocTexts[model::kToolboxDateText]);
    for (int32_t v : {doc.ReducedMax, doc.ReducedMin, doc.ReducedMinDaysOff, doc.CheckPilotMax}) w.Word(v);
    for (int32_t v : doc.ExtraMonthSettings) w.Word(v);
    w.Text(doc.DocTexts[21]);
    w.Text(doc.DocTexts[model::kSharedNotesText]);
    for (int i = 23; i < model::kDocTexts; ++i) w.Text(doc.DocTexts[static_cast<size_t>(i)]);
    w.Text(kEndMarker);
    return w.TakeBytes();
}

LoadResult DecodeSchedule(std::string_view bytes, Document& doc) {
    LoadResult result;
    ObjectReader r(bytes);
    auto finish = [&](LoadStatus failure) {
        result.status = r.Truncated() ? LoadStatus::Truncated : failure;
        result.detail = r.Error();
        return result;
    };

    const std::string header = r.Text();
    if (r.Failed()) {
        result.status = LoadStatus::NotSchedule;
        return result;
    }
    int variant = -1;
    for (size_t k = 0; k < kKindWords.size(); ++k) {
        if (header.compare(0, kKindWords[k].size(), kKindWords[k]) == 0) {
            // "Linewright" is not a prefix of the viewer words, and no word is a prefix of another.
            variant = static_cast<int>(k);
            result.version = header.substr(kKindWords[k].size());
            break;
        }
    }
    if (variant < 0) {
        result.status = LoadStatus::NotSchedule;
        return result;
    }
    doc.FileVariant = variant;
    const std::string& version = result.version;
    auto newerThan = [&version](std::string_view v) { return version.compare(v) > 0; };

    r.ReadText(doc.GroupCode);
    doc.StartSetting = r.Word();
    doc.StartWeekday = r.Word();
    const int32_t dayCount = r.Word();
    doc.AvgBlock = r.Word();
    doc.MaxBlock = r.Word();
    doc.MinBlock = r.Word();
    doc.DaysOffBlockHolder = r.Word();
    doc.DaysOffReserve = r.Word();
    if (!CheckCount(r, dayCount, 0, model::kMonthDays, "days in the month")) return finish(LoadStatus::Damaged);
    doc.DayCount = dayCount;
    for (int d = 0; d < dayCount; ++d) {
        doc.DayDate[static_cast<size_t>(d)] = ReadDate(r);
        r.Raw(doc.DayLabel[static_cast<size_t>(d)].data(), 3);
        doc.DayLabel[static_cast<size_t>(d)][2] = '\0';
        doc.Weekend[static_cast<size_t>(d)] = r.Flag();
    }
    const int32_t crewCount = r.Word();
    const int32_t lastPair = r.Word();
    if (!CheckCount(r, crewCount, 0, kCrewLimit, "crew members")) return finish(LoadStatus::Damaged);
    if (!CheckCount(r, lastPair, -1, model::kPairSlots - 1, "as the last pairing index")) return finish(LoadStatus::Damaged);
    doc.CrewCount = crewCount;
    doc.LastPairIndex = lastPair;

    doc.Log("LoadBlksLoadPairs\n");
    for (int i = 0; i <= lastPair && !r.Failed(); ++i) {
        TPair& p = doc.Pairings[static_cast<size_t>(i)];
        ReadPair(r, p);
        p.DeriveWorkDays();
        if (doc.RunLog) doc.Log("Pairing " + std::to_string(p.PairNumber) + " Loaded\n");
    }
    doc.Log("LoadBlksLoadEmployees\n");
    for (int c = 0; c < crewCount && !r.Failed(); ++c) {
        TPilot& p = doc.Crew[static_cast<size_t>(c)];
        ReadPilot(r, p);
        if (doc.RunLog) doc.Log("Employee " + p.Name + " Loaded\n");
    }
    if (r.Failed()) return finish(LoadStatus::Damaged);

    doc.Log("LoadMonthDataBegin\n");
    for (size_t j = 0; j < 6; ++j) {
        doc.MonthTitle[j] = static_cast<char>(r.Byte());
        doc.YearTitle[j] = static_cast<char>(r.Byte());
        doc.CodeA[j] = static_cast<char>(r.Byte());
        doc.CodeB[j] = static_cast<char>(r.Byte());
    }
    // Each holds at most five characters.
    doc.MonthTitle[5] = doc.YearTitle[5] = doc.CodeA[5] = doc.CodeB[5] = '\0';
    for (auto& d : doc.PrevDates) d = ReadDate(r);
    doc.MonthNumber = r.Word();
    doc.BlocksBuilt = r.Word();
    doc.ShowTakenPairings = r.Flag();
    doc.DocValue = r.Word();
    doc.PairWinOpen = r.Flag();
    doc.ToolboxWinOpen = r.Flag();
    const int8_t group = r.Char();
    if (!CheckCount(r, group, 0, 2, "as the crew group")) return finish(LoadStatus::Damaged);
    doc.CrewGroup = group;

    doc.Log("LoadUndoRedoString\n");
    const std::string history = r.Text();
    if (history.size() > 1) doc.History.LoadText(history);

    if (newerThan("2")) {
        doc.LastLoadedPairIndex = r.Word();
        if (!CheckCount(r, doc.LastLoadedPairIndex, -1, model::kPairSlots - 1, "as the last loaded pairing index"))
            return finish(LoadStatus::Damaged);
    } else {
        doc.LastLoadedPairIndex = doc.LastPairIndex;
    }
    if (newerThan("21")) {
        for (bool& f : doc.DocFlags) f = r.Flag();
        for (auto& s : doc.DocStrings) r.ReadText(s);
        doc.MarkedOnlyView = r.Flag();
    } else {
        doc.DocFlags.fill(false);
        for (auto& s : doc.DocStrings) s.clear();
    }
    doc.MarkedOnlyView = false;
    if (newerThan("22")) {
        for (int i = 0; i < 20; ++i) r.ReadText(doc.DocTexts[static_cast<size_t>(i)]);
    } else {
        for (int i = 0; i < 20; ++i) doc.DocTexts[static_cast<size_t>(i)].clear();
    }
    doc.BidsWinOpen = newerThan("23") ? r.Flag() : false;
    if (newerThan("25")) {
        const int32_t activities = r.Word();
        if (!CheckCount(r, activities, 0, model::kActivitySlots, "toolbox activities")) return finish(LoadStatus::Damaged);
        doc.ActivityCount = activities;
        for (int i = 0; i < activities; ++i) ReadActivity(r, doc.Activities[static_cast<size_t>(i)]);
    } else {
        doc.ActivityCount = 0;
    }
    if (newerThan("26")) r.ReadText(doc.DocTexts[model::kToolboxDateText]);
    if (newerThan("27")) {
        doc.ReducedMax = r.Word();
        doc.ReducedMin = r.Word();
        doc.ReducedMinDaysOff = r.Word();
        doc.CheckPilotMax = r.Word();
        for (int32_t& v : doc.ExtraMonthSettings) v = r.Word();
        r.ReadText(doc.DocTexts[21]);
    }
    if (newerThan("28")) {
        r.ReadText(doc.DocTexts[model::kSharedNotesText]);
        for (int i = 23; i < model::kDocTexts; ++i) r.ReadText(doc.DocTexts[static_cast<size_t>(i)]);
    }
    if (doc.CheckPilotMax == 0) doc.CheckPilotMax = model::blocking::kCheckPilotMax;

    bool endFound = true;
    if (version == "25" || newerThan("25")) {
        const std::string marker = r.Text();
        endFound = version == "25" ? marker == header : marker == kEndMarker;
    }
    CheckReferences(r, doc);
    if (r.Failed()) return finish(LoadStatus::Damaged);

    doc.ExtendDays();
    doc.Modified = false;
    result.status = endFound ? LoadStatus::Ok : LoadStatus::NoEndMarker;
    return result;
}

std::string SaveFailureText(platform::WriteResult result, int errorCode) {
    constexpr const char* kReadOnly =
        "Unable to create file. File may be Read Only or In use by Another Application. Use Save As to Save as a new name";
    if (result == platform::WriteResult::ReadOnly || result == platform::WriteResult::CannotCreate) return kReadOnly;
    // The causes a planner can act on by name; a failing or full device keeps the usual words.
    std::string cause;
    switch (errorCode) {
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY: return kReadOnly;
        case EISDIR:
        case ENOTEMPTY:
        case EEXIST: cause = "A folder of that name is in the way"; break;
        case ENAMETOOLONG: cause = "The file name is too long for this disk"; break;
        case ENOENT:
        case ENOTDIR: cause = "The folder no longer exists"; break;
        default: return "Error Saving File. Disk may be Full. Try Saving to Another Location ";
    }
    return "Error Saving File. " + cause + ". Try Saving to Another Location ";
}

bool SaveSchedule(Document& doc, platform::Interaction& ui, const std::filesystem::path& file, int kind,
                  platform::FileOps& ops, const std::filesystem::path& attributesFrom) {
    platform::BusyScope busy(ui);
    doc.Log("SaveBlksBegin\n");
    const std::string bytes = EncodeSchedule(doc, kind);
    int errorCode = 0;
    platform::WriteOptions options;
    options.attributesFrom = attributesFrom;
    options.errorCode = &errorCode;
    const platform::WriteResult result = platform::WriteFileAtomically(file, bytes, nullptr, ops, options);
    if (result != platform::WriteResult::Ok) {
        ui.Message(SaveFailureText(result, errorCode), "File Error", platform::Icon::Stop);
        return false;
    }
    doc.Modified = false;
    doc.Log("SaveBlksEnd\n");
    return true;
}

bool LoadSchedule(Document& doc, platform::Interaction& ui, const std::filesystem::path& file, platform::FileIdentity* identity) {
    std::string bytes;
    // Look at the header before reading a file that may be anything, of any size.
    std::string head;
    if (platform::ReadFileHead(file, 64, head) != platform::ReadStatus::Ok) {
        ui.Message(file.string(), "Linewright - Cannot Open File", platform::Icon::Stop);
        return false;
    }
    if (auto probe = std::make_unique<Document>(doc.Today()); DecodeSchedule(head, *probe).status == LoadStatus::NotSchedule) {
        ui.Message(file.string(), "This is Not a Valid Linewright 2 File.", platform::Icon::Stop);
        return false;
    }
    platform::FileIdentity readAs;
    const platform::ReadStatus read = platform::ReadRegularFile(file, kMaxScheduleBytes, bytes, nullptr, &readAs);
    if (read == platform::ReadStatus::TooLarge) {
        ui.Message(file.string() + " is larger than any month can be and was not opened.", "File Error",
                   platform::Icon::Stop);
        return false;
    }
    if (read != platform::ReadStatus::Ok) {
        ui.Message(file.string(), "Linewright - Cannot Open File", platform::Icon::Stop);
        return false;
    }
    if (identity) *identity = readAs;
    platform::BusyScope busy(ui);
    auto staged = std::make_unique<Document>(doc.Today());
    staged->RunLog = doc.RunLog;
    doc.Log("LoadBlksBegin\n");
    const LoadResult result = DecodeSchedule(bytes, *staged);
    switch (result.status) {
        case LoadStatus::NotSchedule:
            ui.Message(file.string(), "This is Not a Valid Linewright 2 File.", platform::Icon::Stop);
            return false;
        case LoadStatus::Damaged:
        case LoadStatus::Truncated:
            ShowLoadFailure(ui, file, result);
            return false;
        case LoadStatus::NoEndMarker:
            ui.Message("This file may be currupt. No End Of File found. Consider loading Backup File", "Linewright",
                       platform::Icon::Warning);
            staged->CurrentFileName.clear();
            staged->Modified = true;
            break;
        case LoadStatus::Ok:
            staged->CurrentFileName = file.string();
            break;
    }
    doc.TakeContentFrom(std::move(*staged));
    doc.Log("LoadBlksEnd\n");
    return true;
}

}  // namespace lw::persist
