#include "model/activity_codes.h"

#include <algorithm>

#include "model/document.h"
#include "base/time_text.h"

namespace lw::model {

// One row per activity and crew kind, in the columns described in the header. The columns
// between the read ones are left blank.
const std::array<std::string_view, kBuiltInActivityRows> kBuiltInActivities = {
  // 0         1         2         3         4         5         6         7         8         9         10        11        12        13
    "5HS   C                I   5:00           D       HEALTH AND SAFETY 5  5H                                                 8:00 18:00",  // 0
    "4HS   P                I   4:30           D       HEALTH AND SAFETY    4H                                                 8:00 16:00",  // 1
    "ALP   P                I   4:30           D       ALPA Day             AL                                                 9:00 17:00",  // 2
    "ALU   P                I                          ALPA Unpaid Day      --                                                 9:00 17:00",  // 3
    "ATJ   C                I   4:00           D                            AJ                                                 9:00 17:00",  // 4
    "LW    C                I   5:00           D       Linewright Day       LW                                                 8:00 18:00",  // 5
    "LW    P                I   4:30           D       Linewright Day       LW                                                 9:00 17:00",  // 6
    "BRG   C                I   5:00           D       Bargaining Commitee  BR                                                 8:00 18:00",  // 7
    "BST   C                I   2:50                   Bid Award Stat Day.  BT                                                12:00 16:00",  // 8
    "COB   C                I   4:00           D       Company Business     CB                                                 8:00 16:00",  // 9
    "COB   P                I   4:30           D       Company Business     CB                                                 8:00 16:00",  // 10
    "CPT   P                I   4:00           DD      Cockpit Pro. Trn     CP                                                 8:00 12:00",  // 11
    "CBT   P                I   4:00           DD      Computer Based Train CT                                                 8:00 17:00",  // 12
    "CIR   P                I   4:00           DD      Circuits Company Use CR                                                 9:00 17:00",  // 13
    "CRI   P                I   5:18           DD      CRM Instructor       CI                                                 8:00 18:00",  // 14
    "CRM   C                E   4:00           DD      CREW RESOURCE MGMT   CM                                                10:00 18:00",  // 15
    "CRM   P                I   4:00           DD      Crew Resource Mgmt   CM                                                10:00 18:00",  // 16
    "DFD   P                I   2:00                   Duty Free Day        DD                                                12:00 16:00",  // 17
    "DOR   C                I                          Day Off Required     --                                                12:00 16:00",  // 18
    "FAT   C                I   4:45           D       FIRST AID            FT                                                 9:00 16:00",  // 19
    "FLS   P                I   5:00           DD      Flight Safety        FS                                                 9:00 17:00",  // 20
    "FOC   C                I   4:00           D       FOCUS GROUP          FC                                                 8:00 17:00",  // 21
    "FRN   C                I   4:00           D       FRENCH TRAINING      FN                                                 8:30 15:30",  // 22
    "FSA   C                I   5:00           D       F/A Special Assignmt FA                                                 8:00 18:00",  // 23
    "GO    C                I                          Guaranteed Day Off   GO                                                12:00 16:00",  // 24
    "GO    P                I                          Guaranteed Day Off   GO                                                12:00 16:00",  // 25
    "GS    P                I   4:00           DD      Ground School        GS                                                 8:00 17:00",  // 26
    "GSI   P                I   5:18           DD      GRS Instructor       GI                                                 8:00 18:00",  // 27
    "HTL   C                I   5:00           D       Hotel Commitee       HO                                                 8:00 18:00",  // 28
    "IDO   P                I   5:00           D       CRM Inst on Day Off  I8                                                 9:00 17:00",  // 29
    "INS   C                I   5:00           D       F/A TRNG INSTRUCTOR  IS                                                 8:00 16:00",  // 30
    "IPT   P                I   4:00           DD      Inst Procedures Trn  IP                                                 8:00 12:00",  // 31
    "ITR   P                I   4:00           DD      Initial Training     IT                                                 9:00 17:00",  // 32
    "LDS   C                I   4:00                   Leadership Training  LS                                                10:00 17:00",  // 33
    "LOA   C                I   2:50                   Leave of Absence     LA                                                12:00 16:00",  // 34
    "LOA   P                I   2:50                   Leave of Absence     LA                                                12:00 16:00",  // 35
    "MAT   C                I   2:50                   Maternity Leave      MT                                                12:00 16:00",  // 36
    "MAT   P                I   2:50                   Maternity Leave      MT                                                12:00 16:00",  // 37
    "MED   C                I   2:50                   Medical Leave        MD                                                12:00 16:00",  // 38
    "MED   P                I   2:50                   Medical Leave        MD                                                12:00 16:00",  // 39
    "MOV   C                I   4:00                   Moving Days          MV                                                12:00 16:00",  // 40
    "MOV   P                I   2:50                   Moving Days          MV                                                12:00 16:00",  // 41
    "MOD   C                I   2:30                   Modified Work        MW                                                12:00 13:00",  // 42
    "OF    C                I   4:00           DD      OFFICE DAY           OC                                                 8:00 16:00",  // 43
    "OF    P                I   4:30           DD      Office Day           OC                                                 8:00 17:00",  // 44
    "REC   C                E   4:00           D       F/A RECURENT TRNG    RT                                                 9:00 17:00",  // 45
    "RA    C                I   4:00           D       Reserve A            RA                                                 4:00 18:00",  // 46
    "RA    P                I                  DD      Reserve A            RA                                                 3:00 17:00",  // 47
    "RB    C                I   4:00           D       Reserve B            RB                                                12:00  2:00",  // 48
    "RB    P                I                  DD      Reserve B            RB                                                12:00  2:00",  // 49
    "RE    C                I   4:00           D       Reserve Early        RE                                                 3:00 17:00",  // 50
    "RCK   P                D                  DD      Check Pilot Reserve  RK                                                 7:00 19:00",  // 51
    "SDO   P                I                          DAY OFF IN STAT WK   SO                                                12:00 16:00",  // 52
    "SEC   C                I   4:00           DD      Security Training    SC                                                 8:00 17:00",  // 53
    "SEC   P                I   4:00           DD      Security Train I/W   SC                                                 8:00 17:00",  // 54
    "SEW   P                E   4:00           DD      Secur Train OutWin   SW                                                 8:00 17:00",  // 55
    "SIM   P                I   4:00           DD      Simulator Day        SM                                                 9:00 15:00",  // 56
    "STA   P                I   4:00                   STAT                 SA                                                12:00 16:00",  // 57
    "STA   C                I   4:00                   STAT                 SA                                                12:00 16:00",  // 58
    "STT   P                I   4:00                   STAT                 ST                                                12:00 16:00",  // 59
    "STT   C                I   4:00                   Stat Day - Operation ST                                                12:00 16:00",  // 60
    "TBK   C                I   2:50                   TIME BANK            TK                                                12:00 16:00",  // 61
    "TEA   C                I   5:00           D       Teamster Day         TE                                                 8:00 18:00",  // 62
    "TRN   C                I   4:00           D       Training             TN                                                 9:00 17:00",  // 63
    "TRN   P                I   4:00           DD      TRAINING             TN                                                 9:00 17:00",  // 64
    "TVL   C                I   4:00           DD      Travel Day           TL                                                12:00 16:00",  // 65
    "TVL   P                I   4:30           DD      Travel Day           TL                                                 9:00 17:00",  // 66
    "TVU   C                I                          Travel Day Unpaid    TU                                                12:00 12:01",  // 67
    "TVU   P                I                          Travel Day Unpaid    TU                                                12:00 12:01",  // 68
    "TVS   P                I   4:00           DD      Travel and Sim Day   TS                                                 8:00 16:00",  // 69
    "UNF   C                I   5:00           D       Uniform Commitee     UN                                                 8:00 18:00",  // 70
    "UTF   C                I                          Unable to Fly        UF                                                 8:00 16:00",  // 71
    "UTF   P                I                          Unable to Fly        UF                                                 8:00 16:00",  // 72
    "VAC   C                I   2:50                   Vacation             VC                                                12:00 16:00",  // 73
    "VAC   P                I   2:50                   Vacation             VC                                                12:00 16:00",  // 74
    "VAU   P                I   2:50                   Vacation Unpaid      VU                                                12:00 16:00",  // 75
    "VAU   C                I   2:50                   Vacation Unpaid      VU                                                12:00 16:00",  // 76
    "SIW   P                E   4:00           DD      Simulator Day OutWin 74                                                 9:00 15:00",  // 77
    "CRW   P                E   4:00           DD      Crew Rsc Mgmt OutWin CW                                                10:00 18:00",  // 78
    "GRW   P                E   4:00           DD      Ground School OutWin GW                                                 8:00 17:00",  // 79
    "LCK   P                I   5:18                   Line Check Day       LC                                                 7:00 19:00",  // 80
    "SMI   P                I   5:18           DD      Simulator Inst Day   SI                                                 9:00 15:00",  // 81
    "VTP   P                I   5:18                   Check Pilot Vac Day  VT                                                12:00 16:00",  // 82
    "WCB   C                U                          WORKERS COMPENSATION 64                                                12:00 12:01",  // 83
    "WCB   P                U                          WORKERS COMPENSATION 64                                                12:00 12:01",  // 84
    "LTD   C                U                          Long Term Disability LD                                                12:00 12:01",  // 85
    "LTD   P                U                          Long Term Disability LD                                                12:00 12:01",  // 86
    "PSD   C                U                          Preplanned STD       PD                                                12:00 12:01",  // 87
    "PSD   P                U                          Preplanned STD       PD                                                12:00 12:01",  // 88
    "IPW   P                E   4:00           DD      Inst ProcTrng OutWin IW                                                 8:00 17:00",  // 89
    "CPW   P                E   4:00           DD      Ckpit ProcTrn OutWin 68                                                 8:00 17:00",  // 90
    "CBW   P                E   4:00           DD      Comp BsdTrn OutWin   BW                                                 8:00 17:00",  // 91
    "SEW   P                E   4:00           DD      SEC OutWin           SW                                                 8:00 17:00",  // 92
    "TVW   P                E   4:00           DD      Travl Sim Day OutWin TW                                                 8:00 17:00",  // 93
    "ALP   P                G   4:30                   ALPA Day             53                                                 9:00 17:00",  // 94
    "SCK   P                G   4:00                   SICK                 54                                                 0:00  0:00",  // 95
    "LCK   P                U                                               62                                                 0:01  0:02",  // 96
    "LCP   P                U                          Line Check Pending   59                                                 1:00  2:00",  // 97
    "SMI   P                D   4:00                   Sim Instruction      SU                                                 9:00 17:00",  // 98
    "LPC   P                P                  DD      CONDUCTING LINE CK   LC                                                 0:00  0:00",  // 99
    "GDV   P                U                          G-Day w/Vacation     GV                                                12:00 12:01",  // 100
    "DDT   P                D   4:30                   Double Training Duty 49                                                 0:00  0:00",  // 101
    "IPI   P                G   4:00                   IPT Instructor       56                                                 8:00 17:00",  // 102
    "RSF   C                D   4:00           DD      Reserve Call First   67                                                 0:01 23:59",  // 103
    "RSF   P                D                  DD      Reserve Call First   67                                                12:00 12:01",  // 104
    "OWP   C                P                          OFF WITH PAY         H9                                                12:00 12:01",  // 105
    "OWP   P                P                          OFF WITH PAY         52                                                12:00 12:01",  // 106
    "ONP   C                U                          OFF NO PAY           OP                                                12:00 12:01",  // 107
    "ONP   P                U                          OFF NO PAY           OP                                                12:00 12:01",  // 108
    "FPG   C                P                  D       FLT PAY GUARANTEE    FG                                                12:00 12:01",  // 109
    "FPG   P                P                          FLT PAY GUARANTEE    FG                                                12:00 12:01",  // 110
    "BEV   C                P                          Bereavement          BV                                                 0:00  0:00",  // 111
    "BEV   P                P                          Bereavement          BV                                                 0:00  0:00",  // 112
    "SKU   C                U                          Sick Unpaid          61                                                 0:00  0:00",  // 113
    "SKU   P                U                          Sick Unpaid          61                                                 0:00  0:00",  // 114
    "RTA   C                U                  D       Res Trade Add        69                                                 0:00  0:00",  // 115
    "RTA   P                U                  D       RES TTRADE ADD       69                                                 0:00  0:00",  // 116
};

namespace {

// Rows shorter than this have no CrewTrac code.
constexpr size_t kOutsideCodeEnd = 73;

char Column(std::string_view row, size_t pos) { return pos < row.size() ? row[pos] : ' '; }

std::string_view Columns(std::string_view row, size_t pos, size_t len) {
    return pos < row.size() ? row.substr(pos, len) : std::string_view{};
}

// "hh:mm" at pos: hours in the first two columns, minutes in the last two.
int32_t MinutesAt(std::string_view row, int pos, base::LogSink* log) {
    return base::GetInt(row, pos, 2, log) * 60 + base::GetInt(row, pos + 3, 2, log);
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

template <size_t N>
bool Contains(const std::array<std::string_view, N>& list, std::string_view code) {
    return std::find(list.begin(), list.end(), code) != list.end();
}

int UsedActivities(const Document& doc) {
    const int slots = static_cast<int>(std::min<size_t>(doc.Activities.size(), kActivitySlots));
    return std::clamp(doc.ActivityCount, 0, slots);
}

std::optional<OutsideCodeMatch> LookupInActivities(const Document& doc, std::string_view outsideCode) {
    const int count = UsedActivities(doc);
    for (int i = 0; i < count; ++i) {
        const TAbsence& a = doc.Activities[static_cast<size_t>(i)];
        if (a.ExtractCode != outsideCode) continue;
        OutsideCodeMatch m;
        m.code = a.Code;
        m.credit = a.Credit;
        m.hardTime = a.HardTime;
        m.containsDuty = a.ContainsDuty;
        m.carsDuty = a.CarsDuty;
        m.creditCounts = a.CreditCounts;
        m.reserve = IsReserveCode(doc.CrewGroup, outsideCode) && a.Code != kNeverReserveCode;
        return m;
    }
    return std::nullopt;
}

std::optional<OutsideCodeMatch> LookupInTable(const Document& doc, std::string_view outsideCode,
                                              std::span<const std::string_view> rows) {
    const bool cabin = doc.IsFlightAttendants();
    const char kind = cabin ? 'C' : 'P';
    for (std::string_view row : rows) {
        if (Column(row, 6) != kind) continue;
        if (row.size() < kOutsideCodeEnd) {
            // Cabin rows were never checked for length; a short one simply cannot match.
            if (!cabin) doc.Log("Vandrel Codes Data Error\n");
            continue;
        }
        if (row.substr(71, 2) != outsideCode) continue;
        OutsideCodeMatch m;
        m.code = std::string(row.substr(0, 3));
        m.credit = MinutesAt(row, 26, doc.RunLog);
        m.containsDuty = Column(row, 42) == 'D';
        // Cabin days found here get no CARS mark: the CARS limits are counted for pilots only.
        m.carsDuty = !cabin && Column(row, 43) == 'D';
        m.hardTime = 0;
        m.creditCounts = true;
        if (cabin)
            m.reserve = m.code == "RA " || m.code == "RB " || m.code == "RE ";
        else
            m.reserve = Contains(kPilotReserveCodes, outsideCode);
        if (m.code == kNeverReserveCode) m.reserve = false;
        return m;
    }
    return std::nullopt;
}

ToolboxButton RequestButton(const DayOffRequest& request) {
    ToolboxButton b;
    b.label = request.code;
    b.value = request.value;
    b.caption = request.caption;
    b.activity.Code = request.code;
    b.activity.Caption = request.caption;
    b.activity.Credit = request.value;
    b.activity.InToolbox = true;
    return b;
}

ToolboxButton ActivityButton(const Document& doc, const TAbsence& a) {
    ToolboxButton b;
    const bool reserve = (doc.IsFlightAttendants() ? Contains(kCabinReserveLabels, a.ExtractCode)
                                                   : Contains(kPilotReserveLabels, a.ExtractCode)) &&
                         a.Code != kNeverReserveCode;
    // Reserves are known on the floor by their CrewTrac code (RA, RB...), so the button shows it.
    b.label = reserve ? a.ExtractCode : a.Code;
    b.value = a.Credit;
    b.caption = a.Caption;
    b.reserve = reserve;
    b.activity = a;
    b.excludeCredit = !a.CreditCounts;
    return b;
}

ToolboxButton BuiltInButton(std::string_view row, base::LogSink* log) {
    ToolboxButton b;
    b.label = std::string(Column(row, 2) != ' ' ? row.substr(0, 3) : row.substr(0, 2));
    const bool excluded = Column(row, 23) == 'E';
    TAbsence& a = b.activity;
    a.Code = b.label;
    a.ExtractCode = std::string(Columns(row, 71, 2));
    a.Caption = std::string(TrimRight(Columns(row, 50, 20)));
    a.Credit = MinutesAt(row, 26, log);
    a.StartTime = MinutesAt(row, 121, log);
    a.EndTime = MinutesAt(row, 127, log);
    a.HardTime = 0;
    a.ContainsDuty = Column(row, 42) == 'D';
    a.CarsDuty = Column(row, 43) == 'D';
    a.CreditCounts = !excluded;
    a.InToolbox = true;
    b.value = a.Credit;
    b.caption = a.Caption;
    b.reserve = a.ExtractCode == "RA" || a.ExtractCode == "RB" || a.ExtractCode == "RE" || b.label == "RCK";
    b.excludeCredit = excluded;
    return b;
}

}  // namespace

bool IsReserveCode(int8_t crewGroup, std::string_view outsideCode) {
    return crewGroup == kFlightAttendants ? Contains(kCabinReserveCodes, outsideCode)
                                          : Contains(kPilotReserveCodes, outsideCode);
}

std::optional<OutsideCodeMatch> LookupOutsideCode(const Document& doc, std::string_view outsideCode) {
    return LookupOutsideCode(doc, outsideCode, kBuiltInActivities);
}

std::optional<OutsideCodeMatch> LookupOutsideCode(const Document& doc, std::string_view outsideCode,
                                                  std::span<const std::string_view> builtInRows) {
    if (doc.ActivityCount > 0) return LookupInActivities(doc, outsideCode);
    return LookupInTable(doc, outsideCode, builtInRows);
}

ToolboxRect ToolboxButtonRect(int n) {
    return {(n % kToolboxButtonsPerRow) * kToolboxColumnPitch, (n / kToolboxButtonsPerRow) * kToolboxRowPitch,
            kToolboxButtonWidth, kToolboxButtonHeight};
}

Toolbox BuildToolbox(const Document& doc) {
    Toolbox box;
    for (const DayOffRequest& request : kDayOffRequests) box.buttons.push_back(RequestButton(request));

    if (doc.ActivityCount > 0) {
        box.title = "ToolBox Date " + doc.DocTexts[kToolboxDateText];
        const int count = UsedActivities(doc);
        for (int i = 0; i < count; ++i) {
            const TAbsence& a = doc.Activities[static_cast<size_t>(i)];
            if (a.InToolbox) box.buttons.push_back(ActivityButton(doc, a));
        }
    } else {
        box.title = "Default ToolBox";
        const char kind = doc.IsFlightAttendants() ? 'C' : 'P';
        for (int r = 0; r < kBuiltInToolboxRows; ++r) {
            const std::string_view row = kBuiltInActivities[static_cast<size_t>(r)];
            if (Column(row, 6) != kind) continue;
            if (TrimRight(Columns(row, 71, 2)).empty()) continue;
            box.buttons.push_back(BuiltInButton(row, doc.RunLog));
        }
    }

    // Activities start on the second row, after the twelve request buttons.
    for (size_t n = 0; n < box.buttons.size(); ++n) box.buttons[n].rect = ToolboxButtonRect(static_cast<int>(n));
    return box;
}

}  // namespace lw::model
