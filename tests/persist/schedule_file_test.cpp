#include "persist/schedule_file.h"

#include <gtest/gtest.h>

#include <memory>

#include "fake_interaction.h"
#include "output/document_dump.h"
#include "persist/object_stream.h"
#include "recording_log.h"
#include "support/full_document.h"
#include "temp_folder.h"

namespace lw::persist {
namespace {

using model::Document;
using test::FakeInteraction;
using Kind = FakeInteraction::Kind;

std::unique_ptr<Document> NewDoc() { return std::make_unique<Document>(2461000); }

std::unique_ptr<Document> FullDoc(int crew = 3, int pairs = 4) {
    auto doc = NewDoc();
    test::FillFullDocument(*doc, crew, pairs);
    return doc;
}

std::string Dump(const Document& doc) { return output::DumpDocument(doc, {}); }

// Little byte builder for expected files, kept apart from the writer under test.
struct Expect {
    std::string b;
    Expect& u8(int v) { b.push_back(static_cast<char>(v)); return *this; }
    Expect& le32(int32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF));
        return *this;
    }
    Expect& text(std::string_view s) { le32(static_cast<int32_t>(s.size())); b.append(s); return *this; }
};

TEST(ScheduleFile, SmallMonthMatchesTheFileLayoutByteForByte) {
    auto doc = NewDoc();
    doc->GroupCode = "YYZDH8CAZ";
    doc->CrewGroup = model::kCaptains;
    doc->DayCount = 2;
    doc->StartWeekday = 3;
    doc->DayDate[0] = {1, 4, 2026};
    doc->DayDate[1] = {2, 4, 2026};
    doc->DayLabel[0] = {'W', 'E', '\0'};
    doc->DayLabel[1] = {'T', 'H', '\0'};
    doc->MonthNumber = 4;
    model::SetFieldText(doc->MonthTitle, "Apr");
    model::SetFieldText(doc->YearTitle, "2026");
    for (int w = 0; w < 31; ++w) doc->PrevDates[static_cast<size_t>(w)] = {w + 1, 3, 2026};
    doc->History.Record(3, 12, 5, 1);
    doc->ActivityCount = 1;
    doc->Activities[0] = {"VAC", "VC", "Vacation", 720, 960, 170, 0, false, false, true, true};
    doc->DocTexts[model::kSharedNotesText] = "notes";

    Expect e;
    e.u8(0x3A).le32(0x101);
    e.text("Linewright29").text("YYZDH8CAZ");
    for (int32_t v : {1, 3, 2, 4650, 4800, 4500, 0, 0}) e.le32(v);
    e.le32(1).le32(4).le32(2026).u8('W').u8('E').u8(0).le32(0);
    e.le32(2).le32(4).le32(2026).u8('T').u8('H').u8(0).le32(0);
    e.le32(0).le32(-1);  // no crew, no pairings
    const std::string month("Apr\0\0\0", 6), year("2026\0\0", 6);
    for (int j = 0; j < 6; ++j) e.u8(month[static_cast<size_t>(j)]).u8(year[static_cast<size_t>(j)]).u8(0).u8(0);
    for (int w = 0; w < 31; ++w) e.le32(w + 1).le32(3).le32(2026);
    e.le32(4).le32(0).le32(1).le32(0).le32(0).le32(0).u8(0);
    e.text("000101000500030012");
    e.le32(-1);
    for (int i = 0; i < 10; ++i) e.le32(0);
    for (int i = 0; i < 3; ++i) e.text("");
    e.le32(0);
    for (int i = 0; i < 20; ++i) e.text("");
    e.le32(0);
    e.le32(1).text("VAC").text("VC").text("Vacation").le32(720).le32(960).le32(170).le32(0);
    e.le32(0).le32(0).le32(1).le32(1);
    e.text("");
    for (int32_t v : {3420, 2820, 12, 5400, 0, 0, 0, 0}) e.le32(v);
    e.text("").text("notes");
    for (int i = 0; i < 20; ++i) e.text("");
    e.text("EndOfFile");

    EXPECT_EQ(EncodeSchedule(*doc, model::kWorkingFile), e.b);
}

TEST(ScheduleFile, RecordsOpenWithClassNameAndVersion) {
    auto doc = FullDoc(1, 1);
    const std::string bytes = EncodeSchedule(*doc, model::kWorkingFile);
    Expect pair;
    pair.u8(0x5B).text("TPair").le32(5);
    Expect pilot;
    pilot.u8(0x5B).text("TPilot").le32(3);
    const size_t pairAt = bytes.find(pair.b);
    const size_t pilotAt = bytes.find(pilot.b);
    ASSERT_NE(pairAt, std::string::npos);
    ASSERT_NE(pilotAt, std::string::npos);
    EXPECT_LT(pairAt, pilotAt);
    EXPECT_EQ(bytes[pilotAt - 1], ']');  // the pairing record closes before the crew record opens
    EXPECT_EQ(bytes.find(pair.b, pairAt + 1), std::string::npos);
}

TEST(ScheduleFile, FullMonthRoundTripsEverySavedField) {
    test::TempFolder dir;
    auto doc = FullDoc(5, 9);
    FakeInteraction ui;
    const auto file = dir / "April.lw2";
    doc->Modified = true;
    ASSERT_TRUE(SaveSchedule(*doc, ui, file, model::kWorkingFile));
    EXPECT_FALSE(doc->Modified);

    auto loaded = NewDoc();
    ASSERT_TRUE(LoadSchedule(*loaded, ui, file));
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(Dump(*loaded), Dump(*doc));
    EXPECT_EQ(EncodeSchedule(*loaded, model::kWorkingFile), test::ReadBytes(file));
    EXPECT_EQ(loaded->CurrentFileName, file.string());
    EXPECT_FALSE(loaded->Modified);
    // Spot checks that the dump itself cannot hide.
    EXPECT_EQ(loaded->Crew[4].DayCode[61], doc->Crew[4].DayCode[61]);
    EXPECT_EQ(loaded->Crew[4].DayActivity[61], doc->Crew[4].DayActivity[61]);
    EXPECT_EQ(loaded->History.SaveText(), doc->History.SaveText());
    EXPECT_EQ(loaded->DocTexts[model::kSharedNotesText], doc->DocTexts[model::kSharedNotesText]);
    EXPECT_EQ(loaded->Pairings[8].PairText, doc->Pairings[8].PairText);
    EXPECT_FALSE(loaded->MarkedOnlyView);  // never kept across a load
}

TEST(ScheduleFile, TwoCaptainMarkIsNotSaved) {
    auto doc = FullDoc(1, 1);
    doc->Pairings[0].DayStatus[0] = -1;
    doc->Pairings[0].DayStatus[1] = -2;
    auto loaded = NewDoc();
    ASSERT_EQ(DecodeSchedule(EncodeSchedule(*doc, 0), *loaded).status, LoadStatus::Ok);
    EXPECT_EQ(loaded->Pairings[0].DayStatus[0], 1);
    EXPECT_EQ(loaded->Pairings[0].DayStatus[1], 2);
}

// The working days and the late-release mark are not in the file: a built month opened again
// must have them back, or the pairings window lays multi-day trips over each other.
TEST(ScheduleFile, WorkingDaysAndLateReleaseAreWorkedOutOnReading) {
    auto doc = FullDoc(1, 3);
    auto set = [&](int i, int length, int report, int release, int tafb) {
        model::TPair& q = doc->Pairings[static_cast<size_t>(i)];
        q.PairLength = static_cast<int8_t>(length);
        q.ReportTime = report;
        q.ReleaseTime = release;
        q.Tafb = tafb;
    };
    set(0, 3, 420, 1080, 3000);  // three days, home in the evening
    set(1, 3, 900, 45, 2000);    // home after midnight: two working days
    set(2, 2, 1200, 480, 720);   // continuous duty through the night
    auto loaded = NewDoc();
    ASSERT_EQ(DecodeSchedule(EncodeSchedule(*doc, 0), *loaded).status, LoadStatus::Ok);
    EXPECT_EQ(loaded->Pairings[0].WorkDays, 3);
    EXPECT_FALSE(loaded->Pairings[0].LateRelease);
    EXPECT_EQ(loaded->Pairings[1].WorkDays, 2);
    EXPECT_FALSE(loaded->Pairings[1].LateRelease);
    EXPECT_EQ(loaded->Pairings[2].WorkDays, 2);
    EXPECT_TRUE(loaded->Pairings[2].LateRelease);
}

TEST(ScheduleFile, MonthWithoutPairingsWritesMinusOneAndNoRecords) {
    auto doc = FullDoc(2, 0);
    const std::string bytes = EncodeSchedule(*doc, model::kWorkingFile);
    Expect counts;
    counts.le32(2).le32(-1).u8(0x5B).text("TPilot");
    EXPECT_NE(bytes.find(counts.b), std::string::npos);
    EXPECT_EQ(bytes.find("TPair"), std::string::npos);
    auto loaded = NewDoc();
    ASSERT_EQ(DecodeSchedule(bytes, *loaded).status, LoadStatus::Ok);
    EXPECT_EQ(loaded->LastPairIndex, -1);
    EXPECT_EQ(loaded->CrewCount, 2);
}

TEST(ScheduleFile, ViewerKindsWriteTheirHeaderAndLoadWithTheirVariant) {
    const std::pair<int, std::string> kinds[] = {
        {model::kWorkingFile, "Linewright29"},
        {model::kRosterViewer, "LWViewPrRost29"},
        {model::kScheduleViewer, "LWViewPrSked29"},
        {model::kFinalViewer, "LWView_Final29"},
    };
    for (const auto& [kind, header] : kinds) {
        auto doc = FullDoc(1, 1);
        const std::string bytes = EncodeSchedule(*doc, kind);
        Expect start;
        start.u8(0x3A).le32(0x101).text(header);
        EXPECT_EQ(bytes.substr(0, start.b.size()), start.b) << header;
        auto loaded = NewDoc();
        const LoadResult result = DecodeSchedule(bytes, *loaded);
        EXPECT_EQ(result.status, LoadStatus::Ok) << header;
        EXPECT_EQ(result.version, "29");
        EXPECT_EQ(loaded->FileVariant, kind) << header;
    }
}

TEST(ScheduleFile, LoadWritesTheRunLogLines) {
    test::RecordingLog log;
    test::TempFolder dir;
    auto doc = FullDoc(2, 2);
    doc->Crew[0].Name = "ADAMS";
    doc->Crew[1].Name = "BAKER";
    doc->Pairings[0].PairNumber = 8101;
    doc->Pairings[1].PairNumber = 8102;
    FakeInteraction ui;
    doc->RunLog = &log;
    ASSERT_TRUE(SaveSchedule(*doc, ui, dir / "a.lw2", 0));
    EXPECT_EQ(log.Text(), "SaveBlksBegin\nSaveBlksEnd\n");
    log.lines.clear();
    auto loaded = NewDoc();
    loaded->RunLog = &log;
    ASSERT_TRUE(LoadSchedule(*loaded, ui, dir / "a.lw2"));
    EXPECT_EQ(log.Text(),
              "LoadBlksBegin\nLoadBlksLoadPairs\nPairing 8101 Loaded\nPairing 8102 Loaded\n"
              "LoadBlksLoadEmployees\nEmployee ADAMS Loaded\nEmployee BAKER Loaded\n"
              "LoadMonthDataBegin\nLoadUndoRedoString\nLoadBlksEnd\n");
    EXPECT_EQ(loaded->RunLog, &log);
}

TEST(ScheduleFile, HistoryEntriesOutsideTheMonthAreDropped) {
    auto doc = FullDoc(2, 3);
    doc->History.Clear();
    doc->History.Record(1, 2, 4, 1);
    doc->History.Record(7, 2, 4, 1);   // no such crew row
    doc->History.Record(0, 50, 4, 0);  // no such pairing
    doc->History.Record(0, 1, 3, 0);
    auto loaded = NewDoc();
    ASSERT_EQ(DecodeSchedule(EncodeSchedule(*doc, 0), *loaded).status, LoadStatus::Ok);
    EXPECT_EQ(loaded->History.SaveText(), "0002" "00000300000001" "01000400010002");
}

// ---- older versions, built with the writer's primitives

struct OldFile {
    std::string version;
    int pairClassVersion = 5;
    int pilotClassVersion = 3;
    int32_t checkPilotMax = 5400;
    std::string endMarker = "EndOfFile";
};

void WriteOldPair(ObjectWriter& w, int classVersion) {
    w.BeginObject("TPair", classVersion);
    w.Word(360);   // report
    w.Word(1080);  // release
    w.Word(420);   // credit
    w.Char(1);
    w.Word(720);
    w.Word(8101);
    w.Flag(true);
    for (int d = 0; d < 31; ++d) w.Word(d == 2 ? 2 : 1);
    for (int d = 0; d < 31; ++d) {
        w.Word(d == 0 ? 360 : 0);
        w.Word(d == 0 ? 720 : 0);
        w.Word(d == 0 ? 420 : 0);
        w.Word(d == 0 ? 300 : 0);
    }
    w.Text("PAIRING TEXT");
    w.Text("YUL");
    w.Word(12);
    w.Text("Z8");
    w.Raw4(2450000);
    w.Text("CA");
    if (classVersion >= 2)
        for (int d = 0; d < 31; ++d) w.Word(d);
    if (classVersion >= 3) w.Word(720);
    if (classVersion >= 4) w.Text("SOURCE\n");
    if (classVersion >= 5)
        for (int d = 0; d < 31; ++d) w.Word(d % 4);
    w.EndObject();
}

void WriteOldPilot(ObjectWriter& w, int classVersion) {
    w.BeginObject("TPilot", classVersion);
    w.Text("OLDTIMER");
    w.Text("");
    w.Text("");
    w.Text("note");
    w.Raw4(123456);
    w.Word(0);
    for (int i = 0; i < 62; ++i) {
        w.Word(i == 2 ? 0 : -1);
        w.Char(0);
        w.Char(0);
        w.Text(i == 5 ? "VAC" : "");
        w.Text(i == 5 ? "VC" : "");
        w.Text("");
        for (int j = 0; j < 10; ++j) {
            w.Word(0);
            w.Word(i == 5 && j == 2 ? 170 : 0);
        }
    }
    w.Text("");
    w.Text("");
    w.Text("BL");
    const int settings = classVersion <= 1 ? 10 : 20;
    for (int k = 0; k < settings; ++k) w.Word(k + 1);
    w.Char(0);
    w.Char(6);
    w.Char(10);
    w.Word(0);
    w.Word(0);
    w.Word(0);
    if (classVersion >= 2) {
        w.Word(33);
        w.Word(44);
        w.Flag(true);
    }
    if (classVersion >= 3) w.Text("");
    w.EndObject();
}

std::string BuildOldFile(const OldFile& f) {
    auto newer = [&f](std::string_view v) { return f.version.compare(v) > 0; };
    const std::string header = "Linewright" + f.version;
    ObjectWriter w;
    w.WriteHeader();
    w.Text(header);
    w.Text("YULE75FOM");
    for (int32_t v : {1, 0, 3, 4650, 4800, 4500, 12, 12}) w.Word(v);
    for (int d = 0; d < 3; ++d) {
        w.Word(d + 1);
        w.Word(3);
        w.Word(2002);
        w.Raw(d == 2 ? "SU\0" : "FR\0", 3);  // dates as stored; not recomputed
        w.Flag(d == 2);
    }
    w.Word(1);  // crew
    w.Word(0);  // last pairing index
    WriteOldPair(w, f.pairClassVersion);
    WriteOldPilot(w, f.pilotClassVersion);
    const char* month = "Mar\0\0\0";
    const char* year = "2002\0\0";
    for (int j = 0; j < 6; ++j) {
        w.Byte(static_cast<uint8_t>(month[j]));
        w.Byte(static_cast<uint8_t>(year[j]));
        w.Byte('Q');
        w.Byte('R');
    }
    for (int k = 0; k < 31; ++k) {
        w.Word(k + 1);
        w.Word(2);
        w.Word(2002);
    }
    w.Word(3);
    w.Word(0);
    w.Flag(true);
    w.Word(9);
    w.Flag(false);
    w.Flag(false);
    w.Char(1);
    w.Text("0001" "01000200000000");
    if (newer("2")) w.Word(0);
    if (newer("21")) {
        for (int i = 0; i < 10; ++i) w.Flag(i == 3);
        for (int i = 0; i < 3; ++i) w.Text("s" + std::to_string(i));
        w.Flag(true);
    }
    if (newer("22"))
        for (int i = 0; i < 20; ++i) w.Text(i == 4 ? "four" : "");
    if (newer("23")) w.Flag(true);
    if (newer("25")) {
        w.Word(1);
        for (std::string_view t : {"SIM", "SM", "Sim"}) w.Text(t);
        for (int32_t v : {540, 900, 240, 0}) w.Word(v);
        for (bool b : {true, true, true, true}) w.Flag(b);
    }
    if (newer("26")) w.Text("Jan 2002");
    if (newer("27")) {
        for (int32_t v : {2700, 2400, 21, f.checkPilotMax, 1, 2, 3, 4}) w.Word(v);
        w.Text("t21");
    }
    if (newer("28")) {
        w.Text("shared");
        for (int i = 0; i < 20; ++i) w.Text("");
    }
    if (f.version == "25" || newer("25")) w.Text(f.endMarker);
    return w.TakeBytes();
}

TEST(ScheduleFileVersions, Version2HasNoLoadedPairIndexAndOldestRecords) {
    auto doc = NewDoc();
    const LoadResult r = DecodeSchedule(BuildOldFile({"2", 1, 1}), *doc);
    ASSERT_EQ(r.status, LoadStatus::Ok) << r.detail;
    EXPECT_EQ(r.version, "2");
    EXPECT_EQ(doc->LastPairIndex, 0);
    EXPECT_EQ(doc->LastLoadedPairIndex, doc->LastPairIndex);
    EXPECT_EQ(doc->ActivityCount, 0);
    EXPECT_EQ(doc->CheckPilotMax, 5400);
    EXPECT_EQ(doc->CrewGroup, 1);
    EXPECT_EQ(doc->GroupCode, "YULE75FOM");
    // Pairing class 1: no excluded credit, rest or source; defaults stand.
    const model::TPair& p = doc->Pairings[0];
    EXPECT_EQ(p.PairNumber, 8101);
    EXPECT_EQ(p.RestAfter, 660);
    EXPECT_EQ(p.SourceLine, "");
    EXPECT_EQ(p.ExcludedCredit, model::MonthArray{});
    EXPECT_EQ(p.DayStatus[2], 2);
    EXPECT_EQ(p.PairStamp, 2450000);
    // Crew class 1: ten settings only.
    const model::TPilot& c = doc->Crew[0];
    EXPECT_EQ(c.Name, "OLDTIMER");
    EXPECT_EQ(c.EmployeeNumber, 123456);
    EXPECT_EQ(c.SettingsArray(), (std::array<int32_t, 20>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(c.TimeBank, 0);
    EXPECT_FALSE(c.OutsideW);
    EXPECT_EQ(c.DayCode[5], "VAC");
    EXPECT_EQ(c.DayActivity[5][2], 170);
    EXPECT_EQ(c.DayAssignment[2], 0);
    EXPECT_EQ(doc->History.SaveText(), "0001" "01000200000000");
    // The month is extended past its 3 days.
    EXPECT_EQ(doc->DayDate[3], (base::CalendarDate{4, 3, 2002}));
    EXPECT_EQ(doc->MonthTitleText(), "Mar");
    EXPECT_EQ(model::FieldText(doc->CodeA), "QQQQQ");  // sixth character cut
}

TEST(ScheduleFileVersions, Version21StopsAfterTheLoadedPairIndex) {
    auto doc = NewDoc();
    doc->DocTexts[4] = "left over";
    const LoadResult r = DecodeSchedule(BuildOldFile({"21", 2, 2}), *doc);
    ASSERT_EQ(r.status, LoadStatus::Ok) << r.detail;
    EXPECT_EQ(doc->LastLoadedPairIndex, 0);
    EXPECT_EQ(doc->DocFlags, (std::array<bool, 10>{}));
    EXPECT_EQ(doc->DocStrings[0], "");
    EXPECT_EQ(doc->DocTexts[4], "");
    EXPECT_EQ(doc->ActivityCount, 0);
    EXPECT_EQ(doc->CheckPilotMax, 5400);
    EXPECT_EQ(doc->Pairings[0].ExcludedCredit[30], 30);  // class 2 has it
    EXPECT_EQ(doc->Pairings[0].RestAfter, 660);
    EXPECT_EQ(doc->Crew[0].TimeBank, 33);
    EXPECT_TRUE(doc->Crew[0].OutsideW);
}

TEST(ScheduleFileVersions, Version25EndsWithACopyOfItsHeader) {
    auto doc = NewDoc();
    const LoadResult r = DecodeSchedule(BuildOldFile({"25", 4, 3, 5400, "Linewright25"}), *doc);
    ASSERT_EQ(r.status, LoadStatus::Ok) << r.detail;
    EXPECT_EQ(doc->DocStrings[2], "s2");
    EXPECT_TRUE(doc->DocFlags[3]);
    EXPECT_FALSE(doc->MarkedOnlyView);  // read, then cleared
    EXPECT_EQ(doc->DocTexts[4], "four");
    EXPECT_TRUE(doc->BidsWinOpen);
    EXPECT_EQ(doc->ActivityCount, 0);
    EXPECT_EQ(doc->Pairings[0].SourceLine, "SOURCE\n");

    auto other = NewDoc();
    EXPECT_EQ(DecodeSchedule(BuildOldFile({"25", 4, 3, 5400, "EndOfFile"}), *other).status, LoadStatus::NoEndMarker);
}

TEST(ScheduleFileVersions, Version29WithNoCheckPilotMaximumGetsNinetyHours) {
    auto doc = NewDoc();
    const LoadResult r = DecodeSchedule(BuildOldFile({"29", 5, 3, 0}), *doc);
    ASSERT_EQ(r.status, LoadStatus::Ok) << r.detail;
    EXPECT_EQ(doc->CheckPilotMax, 5400);
    EXPECT_EQ(doc->ActivityCount, 1);
    EXPECT_EQ(doc->Activities[0].Code, "SIM");
    EXPECT_EQ(doc->DocTexts[model::kToolboxDateText], "Jan 2002");
    EXPECT_EQ(doc->ExtraMonthSettings, (std::array<int32_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(doc->DocTexts[21], "t21");
    EXPECT_EQ(doc->DocTexts[model::kSharedNotesText], "shared");
    EXPECT_EQ(doc->Pairings[0].DayPairingType[3], 3);
}

TEST(ScheduleFileVersions, NewerFileWithoutEndMarkerIsReported) {
    auto doc = NewDoc();
    EXPECT_EQ(DecodeSchedule(BuildOldFile({"28", 5, 3, 5400, "EndOfFilX"}), *doc).status, LoadStatus::NoEndMarker);
}

// ---- bad files

class ScheduleFileBadInput : public ::testing::Test {
protected:
    void SetUp() override {
        good = dir / "good.lw2";
        auto source = FullDoc(3, 4);
        ASSERT_TRUE(SaveSchedule(*source, ui, good, 0));
        bytes = test::ReadBytes(good);
        doc = NewDoc();
        ASSERT_TRUE(LoadSchedule(*doc, ui, good));
        doc->Modified = true;  // unsaved work that a failed open must not lose
        before = Dump(*doc);
        ui.calls.clear();
    }

    // Loads the given bytes as a file and expects it refused with the document untouched.
    std::vector<FakeInteraction::Call> Refused(const std::string& content) {
        const auto bad = dir / "bad.lw2";
        test::WriteBytes(bad, content);
        ui.calls.clear();
        EXPECT_FALSE(LoadSchedule(*doc, ui, bad));
        EXPECT_EQ(Dump(*doc), before);
        EXPECT_EQ(doc->CurrentFileName, good.string());
        EXPECT_TRUE(doc->Modified);
        return ui.Messages();
    }

    size_t CountsOffset() const { return 5 + 4 + 12 + 4 + 9 + 32 + 30 * 19; }

    std::string Patched(size_t at, int32_t value) const {
        std::string b = bytes;
        for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
        return b;
    }

    std::string DamagedMessage(const std::string& detail) const {
        return (dir / "bad.lw2").string() + " is damaged and was not opened: " + detail + ". Consider loading the Backup File.";
    }

    test::TempFolder dir;
    FakeInteraction ui;
    std::filesystem::path good;
    std::string bytes;
    std::unique_ptr<Document> doc;
    std::string before;
};

TEST_F(ScheduleFileBadInput, MissingFileIsNamedInTheMessage) {
    const auto missing = dir / "nowhere.lw2";
    EXPECT_FALSE(LoadSchedule(*doc, ui, missing));
    EXPECT_EQ(ui.Messages(), (std::vector<FakeInteraction::Call>{
                                 {Kind::Message, "Linewright - Cannot Open File", missing.string()}}));
    EXPECT_EQ(Dump(*doc), before);
}

TEST_F(ScheduleFileBadInput, EmptyFileAndForeignHeaderAreNotScheduleFiles) {
    const FakeInteraction::Call notValid{Kind::Message, "This is Not a Valid Linewright 2 File.", (dir / "bad.lw2").string()};
    EXPECT_EQ(Refused(""), std::vector<FakeInteraction::Call>{notValid});
    ObjectWriter w;
    w.WriteHeader();
    w.Text("Lineright29");
    EXPECT_EQ(Refused(w.Bytes() + bytes.substr(w.Bytes().size())), std::vector<FakeInteraction::Call>{notValid});
    EXPECT_EQ(Refused("%PDF-1.4 not a month"), std::vector<FakeInteraction::Call>{notValid});
}

TEST_F(ScheduleFileBadInput, CutOffFileIsRefusedAtEveryLength) {
    // Every possible cut of a real file decodes without a crash and is never taken as whole.
    auto scratch = NewDoc();
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        const LoadResult r = DecodeSchedule(std::string_view(bytes).substr(0, cut), *scratch);
        ASSERT_TRUE(r.status == LoadStatus::Truncated || r.status == LoadStatus::NotSchedule) << "cut at " << cut;
    }
    const FakeInteraction::Call currupt{Kind::Message, "Linewright",
                                        "This file may be currupt. No End Of File found. Consider loading Backup File"};
    for (size_t cut : {size_t{40}, bytes.size() / 2, bytes.size() - 1})
        EXPECT_EQ(Refused(bytes.substr(0, cut)), std::vector<FakeInteraction::Call>{currupt}) << cut;
}

TEST_F(ScheduleFileBadInput, CountsBeyondTheTablesAreRefused) {
    const size_t crewAt = CountsOffset();
    const size_t pairAt = crewAt + 4;
    const struct {
        size_t at;
        int32_t value;
        std::string detail;
    } cases[] = {
        {crewAt, 1000, "the file states 1000 crew members; 0 to 999 are possible"},
        {crewAt, -1, "the file states -1 crew members; 0 to 999 are possible"},
        {pairAt, 3001, "the file states 3001 as the last pairing index; -1 to 3000 are possible"},
        {pairAt, -2, "the file states -2 as the last pairing index; -1 to 3000 are possible"},
        {5 + 4 + 12 + 4 + 9 + 8, 32, "the file states 32 days in the month; 0 to 31 are possible"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Refused(Patched(c.at, c.value)),
                  (std::vector<FakeInteraction::Call>{{Kind::Message, "File Error", DamagedMessage(c.detail)}}))
            << c.detail;
    }
}

TEST_F(ScheduleFileBadInput, TooManyActivitiesAreRefused) {
    // The activity count follows the bids-window flag; find it from the end of the file.
    auto source = FullDoc(3, 4);
    source->ActivityCount = 0;
    const std::string plain = EncodeSchedule(*source, 0);
    Expect tail;
    tail.le32(0).text("March 2026");  // no activities, then the toolbox date
    const size_t at = plain.rfind(tail.b);
    ASSERT_NE(at, std::string::npos);
    std::string b = plain;
    b[at] = static_cast<char>(0x2D);  // 301
    b[at + 1] = 0x01;
    EXPECT_EQ(Refused(b), (std::vector<FakeInteraction::Call>{
                              {Kind::Message, "File Error",
                               DamagedMessage("the file states 301 toolbox activities; 0 to 300 are possible")}}));
}

TEST_F(ScheduleFileBadInput, BrokenRecordsAreRefused) {
    const size_t pairStart = CountsOffset() + 8;
    ASSERT_EQ(bytes[pairStart], '[');
    std::string unknown = bytes;
    unknown.replace(pairStart + 5, 5, "TPaix");
    EXPECT_EQ(Refused(unknown), (std::vector<FakeInteraction::Call>{
                                    {Kind::Message, "File Error",
                                     DamagedMessage("unknown record class \"TPaix\" at byte " + std::to_string(pairStart))}}));

    // The first crew record follows the four pairing records; break its closing byte.
    Expect pilot;
    pilot.u8(0x5B).text("TPilot");
    const size_t secondPilot = bytes.find(pilot.b, bytes.find(pilot.b) + 1);
    std::string noClose = bytes;
    noClose[secondPilot - 1] = '}';
    EXPECT_EQ(Refused(noClose), (std::vector<FakeInteraction::Call>{
                                    {Kind::Message, "File Error",
                                     DamagedMessage("no record end \"]\" at byte " + std::to_string(secondPilot - 1))}}));

    // A text whose length runs past the end of the file: the group code's.
    EXPECT_EQ(Refused(Patched(5 + 4 + 12, 0x7FFFFFF0)),
              (std::vector<FakeInteraction::Call>{
                  {Kind::Message, "Linewright", "This file may be currupt. No End Of File found. Consider loading Backup File"}}));
}

TEST_F(ScheduleFileBadInput, DayPointingPastThePairingsIsRefused) {
    auto source = FullDoc(3, 4);
    source->Crew[2].DayAssignment[7] = 4;  // only pairings 0..3 exist
    EXPECT_EQ(Refused(EncodeSchedule(*source, 0)),
              (std::vector<FakeInteraction::Call>{
                  {Kind::Message, "File Error",
                   DamagedMessage("crew row 3 day 8 refers to pairing 4, which the file does not hold")}}));
}

TEST_F(ScheduleFileBadInput, MissingEndMarkerOpensUntitledSoSaveCannotOverwrite) {
    std::string b = bytes;
    b.replace(b.size() - 9, 9, "EndOfFilX");
    const auto suspect = dir / "suspect.lw2";
    test::WriteBytes(suspect, b);
    ASSERT_TRUE(LoadSchedule(*doc, ui, suspect));
    EXPECT_EQ(ui.Messages(), (std::vector<FakeInteraction::Call>{
                                 {Kind::Message, "Linewright",
                                  "This file may be currupt. No End Of File found. Consider loading Backup File"}}));
    EXPECT_EQ(doc->CurrentFileName, "");
    EXPECT_TRUE(doc->Modified);
    EXPECT_EQ(doc->CrewCount, 3);
}

// ---- saving safely

TEST(ScheduleFileSave, FolderThatCannotTakeTheFileIsReported) {
    test::TempFolder dir;
    auto doc = FullDoc(1, 1);
    doc->Modified = true;
    FakeInteraction ui;
    EXPECT_FALSE(SaveSchedule(*doc, ui, dir / "no such folder" / "x.lw2", 0));
    EXPECT_EQ(ui.Messages(), (std::vector<FakeInteraction::Call>{
                                 {Kind::Message, "File Error",
                                  "Unable to create file. File may be Read Only or In use by Another Application. Use "
                                  "Save As to Save as a new name"}}));
    EXPECT_TRUE(doc->Modified);
}

}  // namespace
}  // namespace lw::persist
