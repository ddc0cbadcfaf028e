#pragma once
// The schedule document: one month of one crew group, its pairings, crew and their blocks,
// activity definitions, blocking rules, history and notes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/blocking_rules.h"
#include "model/capacities.h"
#include "base/date.h"
#include "model/history.h"
#include "model/pair.h"
#include "model/pilot.h"

namespace lw::base { class LogSink; }
namespace lw::platform { class Interaction; }

namespace lw::model {

enum CrewGroupKind : int8_t { kCaptains = 0, kFirstOfficers = 1, kFlightAttendants = 2 };

enum FileVariantKind : int32_t {
    kWorkingFile = 0,
    kRosterViewer = 1,
    kScheduleViewer = 2,
    kFinalViewer = 3,
};

inline constexpr int kToolboxDateText = 20;  // DocTexts entry holding the toolbox date
inline constexpr int kCityPairSummaryText = 21;  // DocTexts entry holding the pairing file's city pairs
inline constexpr int kSharedNotesText = 22;  // DocTexts entry holding the shared notes

class Document {
public:
    // Allocates the fixed tables; new pairing records are stamped with today's day number.
    explicit Document(int32_t today = 0);

    Document& operator=(const Document&) = delete;
    Document(Document&&) = default;
    Document& operator=(Document&&) = default;

    // A working copy to try changes on: every table and setting, without the run log.
    Document Clone() const;

    // Takes over every table and setting of other (a freshly read month); keeps this
    // document's run log.
    void TakeContentFrom(Document&& other);

    // ---- tables
    std::vector<TPair> Pairings;   // kPairSlots
    int32_t LastPairIndex = -1;
    int32_t LastLoadedPairIndex = -1;
    std::vector<TPilot> Crew;      // kCrewRows
    int32_t CrewCount = 0;
    std::vector<TAbsence> Activities;  // kActivitySlots
    int32_t ActivityCount = 0;

    // ---- month
    int32_t DayCount = 0;
    int32_t StartWeekday = 0;
    int32_t MonthNumber = 0;
    int32_t YearNumber = 0;
    std::array<char, 10> MonthTitle{};
    std::array<char, 10> YearTitle{};
    std::array<base::CalendarDate, kDayCells> DayDate{};
    std::array<base::CalendarDate, kPrevDays> PrevDates{};
    std::array<std::array<char, 3>, kDayCells> DayLabel{};
    std::array<bool, kDayCells> Weekend{};
    int32_t DstChangeTime = 0;
    int32_t DstShift = 0;

    // ---- crew group
    int8_t CrewGroup = kCaptains;
    std::string GroupCode;

    // ---- blocking rules
    int32_t StartSetting = blocking::kStartSetting;
    int32_t AvgBlock = blocking::kAvgBlock;
    int32_t MaxBlock = blocking::kMaxBlock;
    int32_t MinBlock = blocking::kMinBlock;
    int32_t DaysOffBlockHolder = 0;
    int32_t DaysOffReserve = 0;
    int32_t ReducedMax = blocking::kReducedMax;
    int32_t ReducedMin = blocking::kReducedMin;
    int32_t ReducedMinDaysOff = blocking::kReducedMinDaysOff;
    int32_t CheckPilotMax = blocking::kCheckPilotMax;
    std::array<int32_t, 4> ExtraMonthSettings{};

    // ---- state and texts
    int32_t FileVariant = kWorkingFile;
    bool Modified = false;
    bool FreshDocument = true;
    int32_t BlocksBuilt = 0;
    bool ShowTakenPairings = true;
    model::History History;
    std::array<char, 10> CodeA{};
    std::array<char, 10> CodeB{};
    int32_t DocValue = 0;
    std::array<bool, kDocFlags> DocFlags{};
    bool MarkedOnlyView = false;
    std::array<std::string, kDocStrings> DocStrings;
    std::array<std::string, kDocTexts> DocTexts;
    std::string CurrentFileName;
    // Tool windows open when saved (pairings, toolbox, bids).
    bool PairWinOpen = false;
    bool ToolboxWinOpen = false;
    bool BidsWinOpen = false;
    // Pairing filters, not saved: a loaded month starts with filters off.
    bool FiltersOn = false;
    std::string FilterOwnerName;    // whose saved filter was last switched on
    int32_t FilterCrewIndex = -1;   // crew row last used to save or recall a filter
    // Safety nets: timer ticks to the next timed copy, click assignments since the last backup.
    int8_t BackupCountdown = 20;
    int32_t AssignsSinceBackup = 0;

    // The run log, when one is open (not owned).
    base::LogSink* RunLog = nullptr;
    void Log(std::string_view line) const;

    // ---- operations
    void ZeroData(bool crew, bool pairings);
    void DeleteAll();
    // Sets up the month from first to last date. Refuses more than 31 days with a message
    // and changes nothing.
    bool SetMonthDates(base::Date first, base::Date last, platform::Interaction& ui);
    // The clock change inside a March or November month. False when such a month did not
    // find its change day.
    bool SetupDaylightSaving();
    // Continues the calendar after the month to day index 61.
    void ExtendDays();
    // The month defaults of a new file for the document's crew group.
    void ApplyNewFileDefaults();

    // ---- lookups
    bool IsFlightAttendants() const { return CrewGroup == kFlightAttendants; }
    TPilot* CrewAt(int row);
    TPair* PairAt(int index);
    base::Date DateOf(int dayIndex) const;     // day index 0..61
    base::Date PrevDateOf(int w) const;        // w 0..30
    base::Date FirstDate() const { return DateOf(0); }
    base::Date LastDate() const { return DateOf(DayCount - 1); }
    std::string MonthTitleText() const;
    std::string YearTitleText() const;
    int32_t EffectiveMinBlock(const TPilot& p) const { return p.MinBlock != 0 ? p.MinBlock : MinBlock; }
    int32_t EffectiveMaxBlock(const TPilot& p) const { return p.MaxBlock != 0 ? p.MaxBlock : MaxBlock; }
    int32_t EffectiveMinDaysOff(const TPilot& p) const;
    // The base code letter of pairing designations when no pairing is at hand.
    char GroupLetter() const { return GroupCode.size() > 8 ? GroupCode[8] : ' '; }

    int32_t Today() const { return today_; }

private:
    // Copies are made only through Clone, so that no copy shares the run log by accident.
    Document(const Document&) = default;
    // Everything DeleteAll sets but the tables.
    void ResetSettings();
    // The block-hour settings back to what a new month starts from.
    void ResetBlockingRules();

    int32_t today_ = 0;
};

// Text of a fixed char field up to its NUL.
std::string FieldText(const std::array<char, 10>& field);
void SetFieldText(std::array<char, 10>& field, std::string_view text);

}  // namespace lw::model
