#include "import/pairing_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <limits>
#include <vector>

#include "import/text_lines.h"
#include "model/capacities.h"
#include "model/document.h"
#include "model/pair.h"
#include "base/time_text.h"
#include "platform/interaction.h"

namespace lw::import {

namespace {

using base::FormatTime;

// The columns a record's text reaches; see RecordTextWidth.
constexpr size_t kHeaderWidth = 145;
constexpr size_t kSegmentWidth = 62;
constexpr size_t kDutyWidth = 99;
constexpr size_t kOtherCarrierWidth = 86;
constexpr size_t kOtherSegmentWidth = 47;

// Only called for columns inside the line's text width.
std::string_view Col(std::string_view line, size_t pos, size_t len) {
    if (pos >= line.size()) return {};
    return line.substr(pos, len);
}

int32_t Num(std::string_view line, int pos, int len, base::LogSink* log) {
    return ColumnInt(line, pos, len, log);
}

// FormatTime straight into the text: "06:00", or " 1:15" with a blank for a leading zero.
// Pairing texts are written for thousands of records, so the usual times skip the formatter.
void AppendTime(std::string& text, int32_t minutes, bool spacePad) {
    if (minutes < 0 || minutes >= 100 * 60) {
        text += base::FormatTime(minutes, spacePad);
        return;
    }
    const int h = minutes / 60, m = minutes % 60;
    const char digits[5] = {h < 10 ? (spacePad ? ' ' : '0') : static_cast<char>('0' + h / 10),
                            static_cast<char>('0' + h % 10), ':', static_cast<char>('0' + m / 10),
                            static_cast<char>('0' + m % 10)};
    text.append(digits, 5);
}

// "06:00" and " 1:15".
void Clock(std::string& text, int32_t minutes) { AppendTime(text, minutes, false); }
void Hours(std::string& text, int32_t minutes) { AppendTime(text, minutes, true); }

void AppendInt(std::string& text, int value) {
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    text.append(buf, end);
}

int32_t Clamp32(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// Every line of the text ends here: the blank (or line feed) that closes it becomes a line
// feed. A text ending in anything else keeps it and gets a line feed after it.
void EndLine(std::string& text) {
    if (!text.empty() && (text.back() == ' ' || text.back() == '\n'))
        text.back() = '\n';
    else
        text.push_back('\n');
}

// "MAR.5" (withZero false) or "MAR.05".
void AppendMonthDay(std::string& text, int month, int day, bool withZero) {
    text += base::MonthLabel(month);
    text += '.';
    if (withZero && day >= 0 && day < 10) text += '0';
    AppendInt(text, day);
}

// The day of the trip a segment flies on, 1 for the first day.
int TripDay(base::Date segment, base::Date first) {
    if (!segment.IsValid() || !first.IsValid()) return 0;
    return segment.DaysSince(first) + 1;
}

base::Date DateAt(std::string_view line, int yearPos, base::LogSink* log) {
    return base::Date::FromDmy(Num(line, yearPos + 6, 2, log), Num(line, yearPos + 4, 2, log),
                                Num(line, yearPos, 4, log));
}

void RenderHeader(model::TPair& pair, std::string_view line, base::LogSink* log) {
    std::string& t = pair.PairText;
    t += "    ";
    t += Col(line, 1, 5);
    t += "   BSE REPT:";
    Clock(t, pair.ReportTime);
    t += "L   OPERATES - ";
    AppendMonthDay(t, Num(line, 19, 2, log), Num(line, 21, 2, log), false);
    t += '-';
    AppendMonthDay(t, Num(line, 27, 2, log), Num(line, 29, 2, log), false);
    t += ' ';

    // A pairing flying most days lists the days it does not fly, otherwise the days it flies.
    static constexpr std::array<const char*, 7> kWeekdays = {"MON ", "TUE ", "WED ", "THU ",
                                                              "FRI ", "SAT ", "SUN "};
    const std::string_view flags = Col(line, 31, 7);
    int count = 0;
    for (char c : flags) count += c == 'Y' ? 1 : (c == 'N' ? -1 : 0);
    const char listed = count > 0 ? 'N' : 'Y';
    if (count > 0) t += "EXCEPT ";
    for (size_t i = 0; i < flags.size(); ++i)
        if (flags[i] == listed) t += kWeekdays[i];
    EndLine(t);

    t += "    ";
    t += Col(line, 113, 32);
    bool except = false;
    for (int k = 0; k < 4; ++k) {
        const int month = Num(line, 38 + 4 * k, 2, log);
        const int day = Num(line, 40 + 4 * k, 2, log);
        if (day <= 0) continue;
        if (!except) t += "EXCEPT ";
        except = true;
        AppendMonthDay(t, month, day, true);
        t += ' ';
    }
    t += "  ";
    EndLine(t);
    t += "  ";
    EndLine(t);
}

void RenderSegment(model::TPair& pair, std::string_view line, base::Date first, base::LogSink* log) {
    std::string& t = pair.PairText;
    t += "  ";
    AppendInt(t, TripDay(DateAt(line, 31, log), first));
    t += line[61] == 'D' ? "  DH" : "    ";
    const size_t flight = t.size();
    t += Col(line, 15, 4);
    if (t[flight] == '0') t[flight] = ' ';
    t += "   ";
    t += Col(line, 28, 3);
    t += '-';
    t += Col(line, 43, 3);
    t += "   ";
    Clock(t, Num(line, 39, 4, log));
    t += ' ';
    Clock(t, Num(line, 54, 4, log));
    t += "  ";
    Hours(t, Num(line, 64, 4, log));
    t += ' ';
    EndLine(t);
}

void RenderOtherCarrier(model::TPair& pair, std::string_view line, base::Date first, base::LogSink* log) {
    std::string& t = pair.PairText;
    t += "  ";
    AppendInt(t, TripDay(DateAt(line, 26, log), first));
    t += " DH";
    const size_t flight = t.size();
    t += Col(line, 18, 7);
    if (t[flight + 2] == '0') t[flight + 2] = ' ';
    t += ' ';
    t += Col(line, 34, 3);
    t += '-';
    t += Col(line, 49, 3);
    t += "   ";
    Clock(t, Num(line, 45, 4, log));
    t += ' ';
    Clock(t, Num(line, 60, 4, log));
    t += "         ";
    t += Col(line, 83, 3);
    t += ' ';
    EndLine(t);
}

void RenderOtherSegment(model::TPair& pair, std::string_view line, base::Date first, base::LogSink* log) {
    std::string& t = pair.PairText;
    t += "  ";
    AppendInt(t, TripDay(DateAt(line, 32, log), first));
    t += "     ";
    t += Col(line, 18, 3);
    t += "   ";
    t += Col(line, 29, 3);
    t += '-';
    t += Col(line, 44, 3);
    t += "   ";
    Clock(t, Num(line, 40, 4, log));
    t += ' ';
    Clock(t, Num(line, 55, 4, log));
    t += "             ";
    EndLine(t);
}

void RenderDuty(model::TPair& pair, std::string_view line, base::LogSink* log) {
    std::string& t = pair.PairText;
    // The duty's figures continue the line of its last segment.
    if (!t.empty() && t.back() == '\n') t.back() = ' ';
    for (int pos : {114, 130, 122, 47}) {
        Hours(t, Num(line, pos, 4, log));
        t += "  ";
    }
    const std::string_view hotelField = Col(line, 59, 15);
    const bool layover = hotelField.find_first_not_of(' ') != std::string_view::npos;
    const std::string_view hotel = Col(line, 59, 40);
    const int32_t start = Num(line, 30, 4, log);
    const int32_t end = Num(line, 42, 4, log);
    auto reportAndEnd = [&] {
        t += "    REPT: ";
        Clock(t, start);
        t += " D-END: ";
        Clock(t, end);
        t += ' ';
    };
    if (layover && pair.LateRelease) {
        EndLine(t);
        t += "     CREW ON DUTY ";
        t += hotel;
    } else if (layover) {
        t += Col(line, 56, 3);
        t += ' ';
        Hours(t, Num(line, 51, 5, log));
        t += ' ';
        EndLine(t);
        reportAndEnd();
        t += hotel;
    } else {
        EndLine(t);
        reportAndEnd();
        EndLine(t);
        int64_t block = 0, duty = 0;
        for (int d = 0; d < 6; ++d) {
            block += pair.DailyHardTime[static_cast<size_t>(d)];
            duty += pair.DailyDuty[static_cast<size_t>(d)];
        }
        t += "   TOTALS  TAFB ";
        Clock(t, pair.Tafb);
        t += "   BLOCK ";
        Hours(t, Clamp32(block));
        t += "   CREDIT ";
        Hours(t, pair.TotalCredit);
        t += "   FAT UNITS: ";
        Hours(t, pair.FatigueUnits);
        t += "   DUTY: ";
        Hours(t, Clamp32(duty));
        t += "  ";
    }
    EndLine(t);
}

// The US airports, packed for lookup. Repeats in the list do no harm.
constexpr std::string_view kUsAirports =
    "ABR ABI CAK ALB ABQ ESF ABE APN AMA ANC ATW AVL ASE ATL AIY AGS AUS BFL BWI BGR BRW BTR MBS BPT "
    "BED BJI BEH BET ABE BIL BIX BGM BHM BIS BMI BLF BOI BOS WBU BWG BZN BRD TRI BRO BUF IFP BUR BTV "
    "BTM CAK CID CMI CHS CRW CLT CHA CYS CHI MDW ORD CVG CKB CLE CVN CLL COS COU CAE CSG GTR CMH CCR "
    "CNK CDV CRP DFW DAY DAB DEN DSM DTT DTW DUJ DBQ DLH RDU DRO RDU DUT ABE EAU ELD IPL ELP ELM ERI "
    "ESC EUG EVV FAI FAR FYV FLG FNT FLO FOD FLL RSW FSM VPS FWA DFW FKL FAT GNV GCK GYY GCC GGW GCN "
    "GFK GJT GRR GPZ GTF GRB GSO GLH GSP GPT GUC SUN HNS PHF HNM PAK CMX HRL MDT HRO HDN BDL HIB GSO "
    "ITO HHH HBB HOM HNL MKK HOT HOU HOU IAH HSV HON IDA IND INL IMT IWD ISP JAN MKL JAC JAX OAJ JVL "
    "TRI JLN JNU AZO MCI LIH EEN KTN EYW ILE TRI IRK LMT TYS ADQ KOA LSE LAF LFT LCH LNY LNS LAN LAR "
    "LRD LAS PIB LAW LEX LNK LIT LGB GGG LAX SDF LBB MCN MSN MHT MHK MKT MQT MCW OGG MFE MFR MLB MEM "
    "MEI MIA MBS MAF MKE MSP MOT MOB MLI MLU MRY MGM MWH MSL MKG MYR ACK APF BNA HVN MSY NYC JFK LGA "
    "EWR SWF PHF OME ORF OAK MAF OKC OMA ONT SNA MCO OSH OWB OXR PAH PSP PFN PLN PNS PIA PHL PHX PIR "
    "PIP PIT PLB PSE BPT PWM PDX PVD UIN RDU RDG RNO RHI RIC ROA RST ROC RFD ROW SMF MBS STC SGU STL "
    "SLC SJT SAT SAN SFO SJC SJU SBP SNA SBA SAF SMX SRQ CIU SAV SEA SHV SUX FSD SIT SBN GSP GEG SPI "
    "SGF SCE SBS CWA SWF SUN SYR TLH TPA HUF TXK TVF TOL FOE TVC TUS TUL TUP TCL TWF TYR CMI UCA EGE "
    "VDZ VLD VPS ACT ALW WAS IAD DCA ALO ATY CWA PBI HPN ICT SPS AVP PHF IPT ISN ORH YKM YAK YUM YNG ";

constexpr int kLetterCodes = 26 * 26 * 26;

int CodeIndex(char a, char b, char c) {
    auto letter = [](char x) { return x >= 'A' && x <= 'Z' ? x - 'A' : -1; };
    const int i = letter(a), j = letter(b), k = letter(c);
    if (i < 0 || j < 0 || k < 0) return -1;
    return (i * 26 + j) * 26 + k;
}

const std::array<bool, kLetterCodes>& UsAirportTable() {
    static const std::array<bool, kLetterCodes> table = [] {
        std::array<bool, kLetterCodes> t{};
        for (size_t p = 0; p + 3 <= kUsAirports.size(); p += 4) {
            const int i = CodeIndex(kUsAirports[p], kUsAirports[p + 1], kUsAirports[p + 2]);
            if (i >= 0) t[static_cast<size_t>(i)] = true;
        }
        return t;
    }();
    return table;
}

// ---- city-pair summary

constexpr size_t kMaxCityPairs = 500;
constexpr size_t kSlots = 1024;  // a power of two above kMaxCityPairs
constexpr size_t kMaxPrefixes = 20;
constexpr size_t kSummaryMinLine = 80;

}  // namespace

bool DutyRecordHasDuty(std::string_view line) {
    const char a = line.size() > 30 ? line[30] : ' ';
    const char b = line.size() > 31 ? line[31] : ' ';
    return a != ' ' || b != ' ';
}

size_t RecordTextWidth(std::string_view line) {
    if (line.empty()) return 0;
    switch (line[0]) {
        case '1': return kHeaderWidth;
        case '2': return kSegmentWidth;
        case '3': return DutyRecordHasDuty(line) ? kDutyWidth : 0;
        case '4': return kOtherCarrierWidth;
        case '5': return kOtherSegmentWidth;
        default: return 0;
    }
}

bool RenderPairingRecord(model::TPair& pair, std::string_view line, base::Date firstDate, base::LogSink* log) {
    if (line.empty() || line.size() < RecordTextWidth(line)) return false;
    switch (line[0]) {
        case '1': RenderHeader(pair, line, log); break;
        case '2': RenderSegment(pair, line, firstDate, log); break;
        case '3':
            if (DutyRecordHasDuty(line)) RenderDuty(pair, line, log);
            break;
        case '4': RenderOtherCarrier(pair, line, firstDate, log); break;
        case '5': RenderOtherSegment(pair, line, firstDate, log); break;
        default: break;
    }
    return true;
}

bool HasUsDeparture(std::string_view pairText) {
    const auto& us = UsAirportTable();
    for (size_t dash = pairText.find('-', 3); dash != std::string_view::npos; dash = pairText.find('-', dash + 1)) {
        const int i = CodeIndex(pairText[dash - 3], pairText[dash - 2], pairText[dash - 1]);
        if (i >= 0 && us[static_cast<size_t>(i)]) return true;
    }
    return false;
}

int ScanUsSegments(model::Document& doc, platform::Interaction& ui) {
    const int last = std::min<int>(doc.LastPairIndex, static_cast<int>(doc.Pairings.size()) - 1);
    const int count = last + 1;
    PercentProgress progress(ui, "Scanning for USA Segments");
    for (int i = 0; i < count; ++i) doc.Pairings[static_cast<size_t>(i)].UsaSegments = false;
    int marked = 0;
    // The copies of a pairing for each crew position follow one another with the same text.
    std::string lastText;
    bool lastUs = false;
    for (int i = 0; i < count; ++i) {
        model::TPair& pair = doc.Pairings[static_cast<size_t>(i)];
        if (i == 0 || pair.PairText != lastText) {
            lastText = pair.PairText;
            lastUs = HasUsDeparture(lastText);
        }
        if (lastUs) {
            // A second scan finds the mark of the first and leaves the text as it is.
            if (pair.PairText.find("USA SEGMENT") == std::string::npos) pair.PairText += kUsSegmentMarker;
            pair.UsaSegments = true;
            ++marked;
        }
        progress.Report((i + 1) * 100 / count);  // the scan is quick; it always runs to the end
    }
    return marked;
}

CityPairSummaryBuilder::CityPairSummaryBuilder()
    : cells_(kMaxCityPairs * kMaxPrefixes), slotKeys_(kSlots, 0), slotRows_(kSlots, -1) {}

// The row of a city pair, -1 when it is new and the table has no room for it.
int CityPairSummaryBuilder::RowOf(uint64_t key) {
    size_t slot = static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 54) & (kSlots - 1);
    while (slotRows_[slot] >= 0) {
        if (slotKeys_[slot] == key) return slotRows_[slot];
        slot = (slot + 1) & (kSlots - 1);
    }
    if (names_.size() == kMaxCityPairs) return -1;
    slotKeys_[slot] = key;
    slotRows_[slot] = static_cast<int16_t>(names_.size());
    return slotRows_[slot];
}

void CityPairSummaryBuilder::Add(std::string_view line) {
    if (full_ || line.size() < kSummaryMinLine) return;
    const bool segment = line[0] == '2';
    if (!segment && line[0] != '4') return;
    const size_t from = segment ? 28 : 34;
    const size_t to = segment ? 43 : 49;
    std::array<char, 7> name{};
    std::copy_n(line.begin() + static_cast<std::ptrdiff_t>(from), 3, name.begin());
    name[3] = '-';
    std::copy_n(line.begin() + static_cast<std::ptrdiff_t>(to), 3, name.begin() + 4);
    const uint16_t prefix = static_cast<uint16_t>(static_cast<unsigned char>(line[1]) << 8 |
                                                  static_cast<unsigned char>(line[2]));
    size_t column = lastPrefix_;
    if (column >= prefixes_.size() || prefixes_[column] != prefix)
        column = static_cast<size_t>(std::find(prefixes_.begin(), prefixes_.end(), prefix) - prefixes_.begin());
    if (column == prefixes_.size() && prefixes_.size() == kMaxPrefixes) {
        full_ = true;
        return;
    }
    uint64_t key = 0;
    for (char c : name) key = (key << 8) | static_cast<unsigned char>(c);
    const int row = RowOf(key);
    if (row < 0) {
        full_ = true;
        return;
    }
    if (static_cast<size_t>(row) == names_.size()) names_.push_back(name);
    if (column == prefixes_.size()) prefixes_.push_back(prefix);
    lastPrefix_ = column;
    Cell& cell = cells_[static_cast<size_t>(row) * kMaxPrefixes + column];
    if (segment)
        cell.time += base::GetInt(line, 64, 4);
    else if (cell.deadheads < std::numeric_limits<int32_t>::max())
        ++cell.deadheads;
}

std::string CityPairSummaryBuilder::Text() const {
    std::string out(8, ' ');
    char buf[64];
    for (const uint16_t p : prefixes_) {
        const std::string code = {static_cast<char>(p >> 8), static_cast<char>(p & 0xFF)};
        std::snprintf(buf, sizeof buf, " ----- %2s ----- ", code.c_str());
        out += buf;
    }
    out += '\n';
    for (size_t row = 0; row < names_.size(); ++row) {
        out.append(names_[row].begin(), names_[row].end());
        for (size_t column = 0; column < prefixes_.size(); ++column) {
            const Cell& cell = cells_[row * kMaxPrefixes + column];
            if (cell.time == 0 && cell.deadheads == 0) {
                out.append(16, ' ');
                continue;
            }
            std::snprintf(buf, sizeof buf, " %8s  DH%3d", base::FormatTime(Clamp32(cell.time)).c_str(), cell.deadheads);
            out += buf;
        }
        out += '\n';
    }
    return out;
}

std::optional<std::string> BuildCityPairSummary(const std::filesystem::path& file) {
    TextFileLines lines(file);
    if (!lines.IsOpen()) return std::nullopt;
    CityPairSummaryBuilder summary;
    while (!summary.Full())
        if (const auto line = lines.Next())
            summary.Add(*line);
        else
            break;
    if (lines.Failed()) return std::nullopt;
    return summary.Text();
}

}  // namespace lw::import
