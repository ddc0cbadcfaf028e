#pragma once
// Builds months with every saved field filled, for round-trip tests and benchmarks.
#include <cstdio>
#include <string>

#include "model/document.h"

namespace lw::test {

// A month of 30 days from 1 April 2026 with `pairs` pairings and `crew` crew members whose
// 62 day cells all hold something, texts of realistic length, activities, history and notes.
inline void FillFullDocument(model::Document& doc, int crew, int pairs) {
    doc.GroupCode = "YYZDH8CAZ";
    doc.CrewGroup = model::kFirstOfficers;
    doc.DayCount = 30;
    doc.StartWeekday = 3;
    doc.MonthNumber = 4;
    doc.YearNumber = 2026;
    model::SetFieldText(doc.MonthTitle, "Apr");
    model::SetFieldText(doc.YearTitle, "2026");
    model::SetFieldText(doc.CodeA, "ABCDE");
    model::SetFieldText(doc.CodeB, "Z");
    const base::Date first = base::Date::FromDmy(1, 4, 2026);
    for (int d = 0; d < model::kDayCells; ++d) {
        const base::Date date = first.AddDays(d);
        doc.DayDate[static_cast<size_t>(d)] = date.Split();
        const std::string label = date.WeekdayLabel();
        doc.DayLabel[static_cast<size_t>(d)] = {label[0], label[1], '\0'};
        doc.Weekend[static_cast<size_t>(d)] = date.Weekday() == 0 || date.Weekday() == 6;
    }
    for (int w = 0; w < model::kPrevDays; ++w) doc.PrevDates[static_cast<size_t>(w)] = first.AddDays(w - 31).Split();
    doc.StartSetting = 2;
    doc.AvgBlock = 4600;
    doc.MaxBlock = 4900;
    doc.MinBlock = 4400;
    doc.DaysOffBlockHolder = 12;
    doc.DaysOffReserve = 13;
    doc.ReducedMax = 2700;
    doc.ReducedMin = 2400;
    doc.ReducedMinDaysOff = 21;
    doc.CheckPilotMax = 5300;
    doc.ExtraMonthSettings = {7, -8, 9, 10};
    doc.BlocksBuilt = 1;
    doc.ShowTakenPairings = false;
    doc.DocValue = 42;
    doc.PairWinOpen = true;
    doc.ToolboxWinOpen = false;
    doc.BidsWinOpen = true;
    doc.DocFlags = {true, false, true, false, false, true, false, false, true, true};
    doc.DocStrings = {"first", "", "third string"};
    for (int i = 0; i < model::kDocTexts; ++i) doc.DocTexts[static_cast<size_t>(i)] = "doc text " + std::to_string(i);
    doc.DocTexts[model::kToolboxDateText] = "March 2026";
    doc.DocTexts[model::kSharedNotesText] = std::string(3000, 'n') + "\r\nShared notes end\xE9";

    doc.LastPairIndex = pairs - 1;
    doc.LastLoadedPairIndex = pairs > 2 ? pairs - 3 : pairs - 1;
    char buf[200];
    for (int i = 0; i < pairs; ++i) {
        model::TPair& p = doc.Pairings[static_cast<size_t>(i)];
        p.PairNumber = 1000 + i % 9000;
        p.BaseEqpCode = "Z8";
        p.PairType = i % 2 ? "FO" : "CA";
        p.PairLength = static_cast<int8_t>(1 + i % 4);
        p.ReportTime = 300 + i % 600;
        p.ReleaseTime = 1000 + i % 400;
        p.Tafb = 600 + 1440 * (p.PairLength - 1);
        p.TotalCredit = 0;
        for (int d = 0; d < p.PairLength; ++d) {
            p.DailyStart[static_cast<size_t>(d)] = 300 + d * 7;
            p.DailyDuty[static_cast<size_t>(d)] = 600 + d;
            p.DailyHardTime[static_cast<size_t>(d)] = 400 + d;
            p.DailyCredit[static_cast<size_t>(d)] = 360 + d;
            p.TotalCredit += 360 + d;
        }
        for (int d = 0; d < model::kMonthDays; ++d) {
            p.DayStatus[static_cast<size_t>(d)] = (d + i) % 3;
            p.ExcludedCredit[static_cast<size_t>(d)] = (d * i) % 5;
            p.DayPairingType[static_cast<size_t>(d)] = (d + i) % 4;
        }
        p.FatigueUnits = i * 3;
        p.RestAfter = 660 + i % 3 * 60;
        p.IsValid = i % 5 != 0;
        p.PairStamp = 2461000 + i;
        std::string text;
        for (int leg = 0; leg < 4 * p.PairLength; ++leg) {
            std::snprintf(buf, sizeof buf, " %d  AC%04d YYZ %04d YUL %04d  1:%02d  DH8\r\n", leg % 4 + 1, 7000 + leg, 600 + leg,
                          700 + leg, leg % 60);
            text += buf;
        }
        p.PairText = text + (i % 7 == 0 ? "USA SEGMENTS" : "");
        p.Layovers = "YULYOWYQB";
        p.SourceLine = "3" + std::string(60, ' ') + std::to_string(i) + "\n4 segment line\n";
    }

    doc.CrewCount = crew;
    for (int c = 0; c < crew; ++c) {
        model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        p.Name = "CREWMEMBER, NUMBER " + std::to_string(c);
        p.Phone1 = "416-555-" + std::to_string(1000 + c);
        p.Phone2 = c % 2 ? "" : "905-555-0101";
        p.QuickNotes = "Prefers early starts; no YHZ layovers " + std::to_string(c);
        p.EmployeeNumber = c % 10 == 9 ? -1 : 100000 + c;
        p.ReservedValueA = c;
        for (int d = 0; d < model::kDayCells; ++d) {
            const size_t i = static_cast<size_t>(d);
            p.DayAssignment[i] = pairs > 0 && d % 5 == 0 ? (c + d) % pairs : model::kDayActivity;
            p.DayFlagA[i] = static_cast<int8_t>(d % 15);
            p.DayLocked[i] = static_cast<int8_t>(d % 2);
            p.DayCode[i] = d % 3 ? "VAC" : "RB ";
            p.DayExtractCode[i] = d % 3 ? "VC" : "RB";
            p.DayText[i] = d < 31 ? "LAST" : "OF";
            for (int j = 0; j < model::kDayValues; ++j) {
                p.DayActivity[i][static_cast<size_t>(j)] = d * 10 + j + c;
                p.PrevDayData[i][static_cast<size_t>(j)] = -(d * 10 + j);
            }
        }
        p.SavedFilters = "8101,8102";
        p.BidText = "WANT WEEKENDS OFF";
        p.RosterStatus = c % 4 ? "BL" : "RB";
        p.ReservedText = "rt";
        std::array<int32_t, model::TPilot::kSettingsCount> settings{};
        for (int k = 0; k < model::TPilot::kSettingsCount; ++k) settings[static_cast<size_t>(k)] = k * 11 + c;
        p.SetSettingsArray(settings);
        p.BidsReserve = c % 3 == 0;
        p.CreditHours = static_cast<int8_t>(70 + c % 10);
        p.CreditMinutes = static_cast<int8_t>(c % 60);
        p.DraftCredits = 4500;
        p.ReservedValueB = -3;
        p.ExtraCredits = 120;
        p.TimeBank = 75;
        p.TrainingAtHome = 30;
        p.OutsideW = c % 2 == 1;
    }

    doc.ActivityCount = 3;
    doc.Activities[0] = {"VAC", "VC", "Vacation", 720, 960, 170, 0, false, false, true, true};
    doc.Activities[1] = {"RB ", "RB", "Reserve B", 720, 120, 0, 0, true, true, true, true};
    doc.Activities[2] = {"SIM", "SM", "Simulator Day", 540, 900, 240, 60, true, true, false, false};

    for (int k = 0; k < 5 && crew > 0 && pairs > 0; ++k) doc.History.Record(k % crew, k % pairs, k, k % 2);
}

}  // namespace lw::test
