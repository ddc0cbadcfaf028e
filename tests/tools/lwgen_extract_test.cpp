// lwgen's CrewTrac extracts, listings and toolbox file: widths, ranges and how they agree with
// each other and with the pairing file.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/date.h"
#include "tools/lwgen_run.h"

namespace {

using lw::base::Date;
using namespace lw::test::lwgen;

lw::base::Date YmdAt(const std::string& line, size_t pos) {
    return lw::base::Date::FromDmy(Num(line, pos + 6, 2), Num(line, pos + 4, 2), Num(line, pos, 4));
}

bool Blank(const std::string& line, size_t pos, size_t len) {
    return line.substr(pos, len) == std::string(len, ' ');
}

// The outside codes the toolbox file defines for one crew kind.
std::set<std::string> ToolboxCodes(const std::vector<std::string>& box, const std::string& kind) {
    std::set<std::string> codes;
    for (size_t r = 3; r + 12 <= box.size(); r += 12)
        if (box[r + 1] == kind) codes.insert(box[r + 2]);
    return codes;
}

struct PilotTag {};
class LwgenPilotExtracts : public MonthSuite<PilotTag> {
protected:
    static void SetUpTestSuite() {
        Make({"--seed", "77", "--month", "2027-01", "--base", "YYC", "--eqp", "E75", "--status", "fo", "--crew", "70"});
    }
    const lw::base::Date first_ = lw::base::Date::FromDmy(1, 1, 2027);  // January ends on the 30th
    const int days_ = 30, nextDays_ = 30;           // February: 31 January to 1 March
};

TEST_F(LwgenPilotExtracts, RosterIsTheBaseInSeniorityOrder) {
    const std::vector<std::string> roster = File("YYC1perp.ext");
    std::map<std::string, int> groups;
    const std::set<std::string> known = {"LA", "LC", "LB", "ZT", "AR", "MR", "PT", "PC", "RB"};
    int previous = 0, row = 0;
    for (const std::string& line : roster) {
        ASSERT_EQ(line.size(), 147u) << line;
        const int employee = Num(line, 0, 9);
        EXPECT_GT(employee, previous) << "employee numbers rise with seniority";
        EXPECT_NE(employee, 99999);
        previous = employee;
        EXPECT_EQ(Num(line, 49, 5), ++row);
        EXPECT_FALSE(Blank(line, 9, 20));
        EXPECT_EQ(line[29], line[55]) << "the initial is the given name's";
        ++groups[line.substr(31, 8)];
        std::string codes = line.substr(77, 12);
        for (size_t i = 0; i + 2 <= codes.size(); i += 3) {
            const std::string code = codes.substr(i, 2);
            if (code != "  ") {
                EXPECT_TRUE(known.count(code)) << code;
            }
        }
        if (line.substr(37, 2) == "FO") {
            EXPECT_EQ(codes.find("LC"), std::string::npos) << "check pilots are captains";
        }
    }
    EXPECT_EQ(groups["YYCE75FO"], 70);
    EXPECT_EQ(groups["YYCE75CA"], 70);
    EXPECT_EQ(groups["YYCDH8CA"], 15) << "the base's other groups, for the loader to pass over";
    EXPECT_EQ(groups["YYCCRJFO"], 15);
}

TEST_F(LwgenPilotExtracts, AbsencesFitThisMonthAndTheNext) {
    const std::vector<std::string> roster = File("YYC1perp.ext");
    const std::set<std::string> codes = ToolboxCodes(File("JAN2027.box"), "Pilot");
    int used = 0;
    for (const auto& [name, days] : {std::pair<std::string, int>{"YYC1absp.ext", days_}, {"YYC2absp.ext", nextDays_}}) {
        const std::vector<std::string> lines = File(name);
        ASSERT_EQ(lines.size(), roster.size() + 1) << name;
        EXPECT_EQ(Num(lines.back(), 0, 9), 99999) << "the end line";
        for (size_t i = 0; i + 1 < lines.size(); ++i) {
            const std::string& line = lines[i];
            ASSERT_EQ(line.size(), 443u);
            EXPECT_EQ(line.substr(0, 9), roster[i].substr(0, 9));
            int lastDay = 0;
            bool ended = false;
            for (size_t s = 0; s < 31; ++s) {
                const size_t c = 9 + 14 * s;
                if (Blank(line, c, 2)) {
                    ended = true;
                    EXPECT_TRUE(Blank(line, c, 14)) << "nothing after the slots end";
                    continue;
                }
                ASSERT_FALSE(ended) << line;
                ++used;
                EXPECT_TRUE(codes.count(line.substr(c, 2))) << line.substr(c, 2);
                const int from = Num(line, c + 2, 2), to = Num(line, c + 4, 2);
                EXPECT_TRUE(from > lastDay && from <= to && to <= days) << name << " " << line.substr(c, 14);
                EXPECT_TRUE(Num(line, c + 6, 4) < 1440 && Num(line, c + 10, 4) < 1440);
                lastDay = to;
            }
        }
    }
    EXPECT_GT(used, static_cast<int>(roster.size()) / 4);
}

TEST_F(LwgenPilotExtracts, ActivityNamesPairingsOfThePriorPeriodOnly) {
    const std::vector<std::string> activity = File("YYC1actp.ext"), prior = File("YYC1prgp.ext");
    const std::set<std::string> codes = ToolboxCodes(File("JAN2027.box"), "Pilot");
    std::map<std::string, std::string> pairings;  // number and start -> line
    for (const std::string& line : prior) {
        ASSERT_EQ(line.size(), 1178u);
        EXPECT_TRUE(line[0] == 'C' && Num(line, 1, 4) > 0) << line.substr(0, 5);
        EXPECT_EQ(line.substr(6, 8), line.substr(14, 8));
        EXPECT_TRUE(Blank(line, 814, 11)) << "entry 0 is the day before the pairing";
        int credits = 0;
        for (size_t k = 0; k < 33; ++k) credits += std::max(0, Num(line, 821 + 11 * k, 4));
        EXPECT_LE(credits, Num(line, 44, 6));
        EXPECT_TRUE(Num(line, 66, 4) == 660 || Num(line, 66, 4) == 780);
        EXPECT_TRUE(pairings.emplace(line.substr(0, 14), line).second) << "one line per pairing and date";
    }
    const lw::base::Date before = first_.AddDays(-31);
    std::map<std::string, std::set<int>> carried;  // employee -> month days still on a trip
    int intoTheMonth = 0;
    ASSERT_EQ(activity.size(), File("YYC1perp.ext").size());
    for (const std::string& line : activity) {
        ASSERT_EQ(line.size(), 1605u);
        std::map<int, int> claims;  // day -> slots working on it
        for (size_t s = 0; s < 31; ++s) {
            const size_t v = 9 + 40 * s;
            if (Blank(line, v, 2) && Blank(line, v + 2, 5)) continue;
            if (Blank(line, v, 2)) {
                const lw::base::Date start = YmdAt(line, v + 8);
                EXPECT_TRUE(start >= before && start < first_);
                const auto found = pairings.find(line.substr(v + 2, 5) + " " + line.substr(v + 8, 8));
                ASSERT_NE(found, pairings.end()) << line.substr(v, 40);
                for (size_t k = 0; k < 31; ++k) {
                    const lw::base::Date duty = YmdAt(found->second, 70 + 24 * k);
                    if (!duty.IsValid()) break;
                    const lw::base::Date previous = k == 0 ? start : YmdAt(found->second, 70 + 24 * (k - 1));
                    for (lw::base::Date d = k == 0 ? start : previous.Next(); d <= duty; d = d.Next()) ++claims[d.DaysSince(before)];
                    if (duty >= first_) carried[line.substr(0, 9)].insert(duty.DaysSince(first_) + 1);
                    intoTheMonth += duty >= first_;
                }
            } else {
                EXPECT_TRUE(codes.count(line.substr(v, 2))) << line.substr(v, 2);
                const lw::base::Date from = YmdAt(line, v + 16), to = YmdAt(line, v + 28);
                EXPECT_TRUE(from >= before && from <= to && to < first_) << line.substr(v, 40);
                for (lw::base::Date d = from; d <= to; d = d.Next()) ++claims[d.DaysSince(before)];
            }
        }
        for (const auto& [day, count] : claims) EXPECT_EQ(count, 1) << line.substr(0, 9) << " day " << day;
        for (size_t w = 0; w < 31; ++w) EXPECT_TRUE(Num(line, 1481 + 4 * w, 4) <= 480) << "no day over 8:00 block";
    }
    EXPECT_GT(intoTheMonth, 0) << "some trips run into the month";
    // A trip still running keeps its days free of absences.
    for (const std::string& line : File("YYC1absp.ext")) {
        const auto busy = carried.find(line.substr(0, 9));
        if (busy == carried.end()) continue;
        for (size_t s = 0; s < 31 && !Blank(line, 9 + 14 * s, 2); ++s)
            for (int d = Num(line, 11 + 14 * s, 2); d <= Num(line, 13 + 14 * s, 2); ++d) EXPECT_FALSE(busy->second.count(d));
    }
}

TEST_F(LwgenPilotExtracts, ToolboxRecordsAreTwelveLinesForBothCrewKinds) {
    const std::vector<std::string> box = File("JAN2027.box");
    ASSERT_GE(box.size(), 3u);
    EXPECT_EQ(box[0], "LWToolBox");
    const int count = std::stoi(box[2]);
    ASSERT_EQ(box.size(), 3 + 12 * static_cast<size_t>(count));
    for (size_t r = 3; r < box.size(); r += 12) {
        EXPECT_TRUE(box[r + 1] == "Pilot" || box[r + 1] == "Cabin");
        EXPECT_EQ(box[r + 2].size(), 2u);
        for (size_t t = 4; t < 6; ++t) EXPECT_EQ(box[r + t].size(), 5u) << box[r + t];
        for (size_t f = 8; f < 12; ++f) EXPECT_TRUE(box[r + f] == "Y" || box[r + f] == "N");
    }
    EXPECT_FALSE(ToolboxCodes(box, "Cabin").empty());
    EXPECT_TRUE(ToolboxCodes(box, "Pilot").count("RB"));
}

TEST_F(LwgenPilotExtracts, ListingsPutEveryTypeWhereTheScanLooks) {
    const std::vector<std::string> prg = File("JAN2027.PRG");
    std::map<std::string, std::set<std::string>> flights;  // designation -> its legs' flight numbers
    std::map<std::string, bool> usa;
    for (const std::string& line : prg) {
        const std::string designation = line.substr(1, 5);
        if (line[0] != '2') continue;
        std::string flight = line.substr(15, 4);
        if (flight[0] == '0') flight[0] = ' ';
        flights[designation].insert(flight);
        usa[designation] = usa[designation] || UsAirports().count(line.substr(28, 3));
    }
    for (const char* base : {"YVR", "YYC", "YYZ", "YUL", "YHZ"}) {
        for (const std::string& side : {std::string("PILOT"), std::string("CABIN")}) {
            const std::string text = lw::test::ReadBytes(Dir() / (std::string(base) + "_" + side + "_JAN2027.LIS"));
            EXPECT_GT(text.size(), 7500u) << "the scan skips a listing of less";
            const bool french = text.find("FRENCH") != std::string::npos;
            if (side == "PILOT" || std::string(base) == "YUL") {
                EXPECT_EQ(french, side == "CABIN") << base << side << ": only cabin pairings ask for French";
            }
            const size_t offset = side == "PILOT" ? 71 : 63;
            std::string current;
            size_t pos = 0, blocks = 0;
            while (pos < text.size()) {
                size_t end = text.find('\n', pos);
                if (end == std::string::npos) end = text.size();
                const std::string line = text.substr(pos, end - pos);
                pos = end + 1;
                if (line.size() > 5 && flights.count(line.substr(0, 5))) {
                    current = line.substr(0, 5);
                    ++blocks;
                    EXPECT_EQ(text.find(current, pos), std::string::npos) << current << " listed twice";
                }
                for (const char* mark : {"CRA [", "CRJ [", "DH1 [", "E75 ["}) {
                    const size_t at = line.find(mark);
                    if (at == std::string::npos) continue;
                    ASSERT_GE(at, offset);
                    EXPECT_TRUE(flights[current].count(line.substr(at - offset, 4))) << current << ": " << line;
                }
                const size_t cad = line.find("MEALS CAD:");
                if (cad != std::string::npos) {
                    const size_t us = line.find("MEALS US:");
                    EXPECT_EQ(us != std::string::npos, usa[current]) << current;
                    if (us != std::string::npos) {
                        EXPECT_EQ(cad, us + 18) << "the scan's meals note is 34 characters";
                    }
                    EXPECT_GE(line.size(), cad + 17);
                }
            }
            EXPECT_GT(blocks, 0u);
        }
    }
}

struct CabinTag {};
class LwgenCabinExtracts : public MonthSuite<CabinTag> {
protected:
    static void SetUpTestSuite() {
        Make({"--seed", "9", "--first", "2027-10-20", "--last", "2027-11-19", "--base", "YUL", "--status", "fa", "--crew",
              "60"});
    }
};

TEST_F(LwgenCabinExtracts, CabinCrewHaveTheirOwnExtracts) {
    for (const char* name : {"YUL1perc.ext", "YUL1absc.ext", "YUL2absc.ext", "YUL1actc.ext", "YUL1prgc.ext",
                             "NOV2027.PRG", "NOV2027.box", "YUL_CABIN_NOV2027.LIS"})
        EXPECT_FALSE(File(name).empty()) << name;
    const std::vector<std::string> roster = File("YUL1perc.ext");
    ASSERT_EQ(roster.size(), 60u);
    int pursers = 0, seniorPursers = 0, french = 0;
    for (size_t i = 0; i < roster.size(); ++i) {
        const std::string& line = roster[i];
        ASSERT_EQ(line.size(), 102u);
        const std::string key = line.substr(31, 8);
        EXPECT_TRUE(key == "YUL   FA" || key == "YUL   PU") << key;
        pursers += key == "YUL   PU";
        seniorPursers += key == "YUL   PU" && i < roster.size() / 2;
        for (size_t c = 77; c < 89; c += 3) {
            const std::string code = line.substr(c, 2);
            EXPECT_TRUE(code == "  " || code == "FR" || code == "IT" || code == "RB") << code;
            french += code == "FR";
        }
    }
    EXPECT_GT(pursers, 0);
    EXPECT_GT(seniorPursers * 2, pursers) << "pursers come mostly from the senior half";
    EXPECT_GT(french, 30) << "most of Montreal's cabin crew speak French";
    const std::set<std::string> codes = ToolboxCodes(File("NOV2027.box"), "Cabin");
    for (const std::string& line : File("YUL1absc.ext")) {
        ASSERT_EQ(line.size(), 443u);
        for (size_t c = 9; c < line.size() && !Blank(line, c, 2); c += 14)
            EXPECT_TRUE(codes.count(line.substr(c, 2))) << line.substr(c, 2);
    }
    for (const std::string& line : File("YUL1prgc.ext")) EXPECT_EQ(line[0], 'M');
    EXPECT_GT(GroupPairings(File("NOV2027.PRG"), 'M', "", "FA"), 20);
}

}  // namespace
