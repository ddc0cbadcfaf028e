#include "import/toolbox_file.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "fake_interaction.h"
#include "model/document.h"

namespace lw::model {
static void PrintTo(const TAbsence& a, std::ostream* os) {
    *os << "{" << a.Code << "|" << a.ExtractCode << "|" << a.Caption << "|" << a.StartTime << "|" << a.EndTime << "|"
        << a.Credit << "|" << a.HardTime << "|" << a.ContainsDuty << a.CarsDuty << a.CreditCounts << a.InToolbox << "}";
}
}  // namespace lw::model

namespace {

namespace fs = std::filesystem;
using lw::model::Document;
using lw::model::TAbsence;
using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;
using Kind = FakeInteraction::Kind;

const std::string kNotValid = "Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File.";
const std::string kCorrupt = "Error Loading Absences. File may be Currupt";
const std::string kNoAbsences = "No Absences to Load from File";
const std::string kTooMany = "The ToolBox File holds more than 300 Absences for this Crew Group. ToolBox not Loaded.";

Call Shown(const std::string& text) { return {Kind::Message, "Linewright", text}; }

// One record as the toolbox editor writes it: twelve lines.
std::string Record(const std::string& code, const std::string& kind, const std::string& outside,
                   const std::string& caption, const std::string& start, const std::string& end,
                   const std::string& credit, const std::string& hard, const std::string& duty = "Y",
                   const std::string& cars = "N", const std::string& counts = "Y", const std::string& inBox = "Y") {
    std::string out;
    for (const std::string* line : {&code, &kind, &outside, &caption, &start, &end, &credit, &hard, &duty, &cars,
                                    &counts, &inBox})
        out += *line + "\n";
    return out;
}

std::string Box(const std::string& date, int count, const std::string& records) {
    return "LWToolBox\n" + date + "\n" + std::to_string(count) + "\n" + records;
}

const std::string kVac = Record("VAC", "Pilot", "VC", "Vacation", "12:00", "16:00", "2:50", "0:00", "N", "N", "Y", "Y");
const std::string kCabinRes = Record("RB", "Cabin", "RB", "Reserve B", "12:00", "02:00", "4:00", "0:00");
const std::string kSim = Record("SIM", "Pilot", "SM", "Simulator Day", "9:00", "15:00", "4:00", "3:30", "Y", "Y", "N", "N");
const TAbsence kVacLoaded{"VAC", "VC", "Vacation", 720, 960, 170, 0, false, false, true, true};
const TAbsence kCabinResLoaded{"RB", "RB", "Reserve B", 720, 120, 240, 0, true, false, true, true};
const TAbsence kSimLoaded{"SIM", "SM", "Simulator Day", 540, 900, 240, 210, true, true, false, false};

class ToolboxFile : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> serial{0};
        dir_ = fs::temp_directory_path() /
               ("lw-toolbox-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
                std::to_string(serial++));
        fs::create_directories(dir_);
        doc_ = std::make_unique<Document>();
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    fs::path Write(const std::string& bytes, const std::string& name = "crew.box") {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // A document that already has a loaded toolbox, to see what a failed load leaves.
    void GiveToolbox() {
        doc_->Activities[0] = kSimLoaded;
        doc_->Activities[1] = kVacLoaded;
        doc_->ActivityCount = 2;
        doc_->DocTexts[lw::model::kToolboxDateText] = "FEB 2024";
        doc_->Modified = false;
        before_ = doc_->Activities;
    }

    void ExpectToolboxUnchanged() {
        EXPECT_EQ(doc_->ActivityCount, 2);
        EXPECT_TRUE(doc_->Activities == before_);
        EXPECT_EQ(doc_->DocTexts[lw::model::kToolboxDateText], "FEB 2024");
        EXPECT_FALSE(doc_->Modified);
    }

    fs::path dir_;
    std::unique_ptr<Document> doc_;
    std::vector<TAbsence> before_;
    FakeInteraction ui_;
};

TEST_F(ToolboxFile, KeepsTheRecordsOfTheDocumentsCrewKind) {
    const std::string file = Box("MAR 2024", 3, kVac + kCabinRes + kSim);
    {
        doc_->CrewGroup = lw::model::kCaptains;
        doc_->Activities[2] = kCabinResLoaded;  // left from an earlier toolbox
        fs::path folder;
        EXPECT_TRUE(lw::import::LoadToolboxFile(*doc_, ui_, Write(file), &folder));
        EXPECT_EQ(doc_->ActivityCount, 2);
        EXPECT_EQ(doc_->Activities[0], kVacLoaded);
        EXPECT_EQ(doc_->Activities[1], kSimLoaded);  // the cabin record's slot is reused
        EXPECT_EQ(doc_->Activities[2], TAbsence{});
        EXPECT_EQ(doc_->DocTexts[lw::model::kToolboxDateText], "MAR 2024");
        EXPECT_TRUE(doc_->Modified);
        EXPECT_EQ(folder, dir_);
        EXPECT_TRUE(ui_.calls.empty());
    }
    {
        auto cabin = std::make_unique<Document>();
        cabin->CrewGroup = lw::model::kFlightAttendants;
        EXPECT_TRUE(lw::import::LoadToolboxFile(*cabin, ui_, Write(file)));
        EXPECT_EQ(cabin->ActivityCount, 1);
        EXPECT_EQ(cabin->Activities[0], kCabinResLoaded);
        EXPECT_TRUE(ui_.calls.empty());
    }
}

TEST_F(ToolboxFile, WindowsLineEndingsAreRead) {
    std::string file = Box("MAR 2024", 3, kVac + kCabinRes + kSim);
    std::string crlf;
    for (char c : file) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    crlf.erase(crlf.size() - 2);  // the last line without its line end
    doc_->CrewGroup = lw::model::kFirstOfficers;
    EXPECT_TRUE(lw::import::LoadToolboxFile(*doc_, ui_, Write(crlf)));
    EXPECT_EQ(doc_->ActivityCount, 2);
    EXPECT_EQ(doc_->Activities[0], kVacLoaded);
    EXPECT_EQ(doc_->Activities[1], kSimLoaded);
    EXPECT_EQ(doc_->DocTexts[lw::model::kToolboxDateText], "MAR 2024");
    EXPECT_TRUE(ui_.calls.empty());
}

TEST_F(ToolboxFile, FieldReadingRules) {
    // Start and end are times of day; credit and hard time may pass 23 hours. Unreadable
    // times become 0. Only "Y" sets a flag. Extra lines after the records are ignored.
    const std::string file =
        Box("APR", 4,
            Record("A", "Pilot", "AA", "", "24:00", "23:59", "30:00", "99:30", "y", "Yes", "N", "") +
                Record("B", "Pilot", "BB", "Caption B", "", "7", "abc", "1:60", "Y", "Y", "Y", "Y") +
                Record("C", "Pilot", "CC", "Caption C", "-1:00", "0:00", "2:5", "0:05", " Y", "Y ", "Y", "Y") +
                Record("D", "Pilot", "DD", "Caption D", "7:30", "19:15", "5:18", "4:00", "Y", "N", "Y", "Y") +
                "trailing junk\n");
    EXPECT_TRUE(lw::import::LoadToolboxFile(*doc_, ui_, Write(file)));
    ASSERT_EQ(doc_->ActivityCount, 4);
    EXPECT_EQ(doc_->Activities[0], (TAbsence{"A", "AA", "", 0, 1439, 1800, 5970, false, false, false, false}));
    EXPECT_EQ(doc_->Activities[1], (TAbsence{"B", "BB", "Caption B", 0, 0, 0, 0, true, true, true, true}));
    EXPECT_EQ(doc_->Activities[2], (TAbsence{"C", "CC", "Caption C", 0, 0, 125, 5, false, false, true, true}));
    EXPECT_EQ(doc_->Activities[3], (TAbsence{"D", "DD", "Caption D", 450, 1155, 318, 240, true, false, true, true}));
    EXPECT_TRUE(ui_.calls.empty());
}

TEST_F(ToolboxFile, NotAToolboxFallsBackToTheBuiltInTable) {
    const std::vector<std::string> files = {
        "",
        "LWToolbox\nMAR\n1\n" + kVac,
        " LWToolBox\nMAR\n1\n" + kVac,
        "LWToolBox \nMAR\n1\n" + kVac,
        "LWToolBox\r\r\nMAR\n1\n" + kVac,
        std::string("\xEF\xBB\xBFLWToolBox\nMAR\n1\n") + kVac,
        std::string("LWTool\0Box\n", 11),
    };
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        GiveToolbox();
        ui_.calls.clear();
        EXPECT_FALSE(lw::import::LoadToolboxFile(*doc_, ui_, Write(files[i])));
        EXPECT_EQ(ui_.calls, std::vector<Call>{Shown(kNotValid)});
        EXPECT_EQ(doc_->ActivityCount, 0);
        EXPECT_EQ(doc_->DocTexts[lw::model::kToolboxDateText], "FEB 2024");
        EXPECT_TRUE(doc_->Modified);
    }
}

TEST_F(ToolboxFile, NoRecordsLeavesTheBuiltInTable) {
    for (const std::string count : {"0", "-3", "none", ""}) {
        SCOPED_TRACE(count);
        GiveToolbox();
        ui_.calls.clear();
        fs::path folder;
        EXPECT_TRUE(lw::import::LoadToolboxFile(*doc_, ui_, Write("LWToolBox\nAPR 2024\n" + count + "\n" + kVac),
                                                &folder));
        EXPECT_EQ(ui_.calls, std::vector<Call>{Shown(kNoAbsences)});
        EXPECT_EQ(doc_->ActivityCount, 0);
        EXPECT_EQ(doc_->DocTexts[lw::model::kToolboxDateText], "APR 2024");
        EXPECT_TRUE(doc_->Modified);
        EXPECT_EQ(folder, dir_);
    }
}

TEST_F(ToolboxFile, UnreadableFileChangesNothing) {
    for (const fs::path& path : {dir_ / "missing.box", dir_}) {
        GiveToolbox();
        ui_.calls.clear();
        fs::path folder = "untouched";
        EXPECT_FALSE(lw::import::LoadToolboxFile(*doc_, ui_, path, &folder));
        EXPECT_EQ(ui_.calls, std::vector<Call>{Shown("Unable to Open File " + path.string())});
        EXPECT_EQ(folder, fs::path("untouched"));
        ExpectToolboxUnchanged();
    }
}

TEST_F(ToolboxFile, FileEndingPartWayIsCorrupt) {
    const std::string full = Box("MAR 2024", 3, kVac + kCabinRes + kSim);
    const std::vector<std::string> files = {
        "LWToolBox\n",
        "LWToolBox\nMAR 2024\n",
        full.substr(0, full.size() - kSim.size() / 2),  // the last record cut short
        Box("MAR 2024", 4, kVac + kCabinRes + kSim),    // one record fewer than stated
        Box("MAR 2024", 2147483647, kVac),
        Box("MAR 2024", 1, "") + "99999999999999\n",
        Box("MAR 2024", 1, kVac) + std::string(size_t{5} << 20, 'x'),  // far too large to be a toolbox
    };
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        GiveToolbox();
        ui_.calls.clear();
        fs::path folder = "untouched";
        EXPECT_FALSE(lw::import::LoadToolboxFile(*doc_, ui_, Write(files[i]), &folder));
        EXPECT_EQ(ui_.calls, std::vector<Call>{Shown(kCorrupt)});
        EXPECT_EQ(doc_->ActivityCount, 0);
        EXPECT_EQ(doc_->Activities[0], kSimLoaded);
        EXPECT_EQ(doc_->DocTexts[lw::model::kToolboxDateText], "FEB 2024");
        EXPECT_TRUE(doc_->Modified);
        EXPECT_EQ(folder, fs::path("untouched"));
    }
}

TEST_F(ToolboxFile, MoreActivitiesThanTheDocumentHoldsAreRefused) {
    std::string records;
    for (int i = 0; i < 300; ++i) records += kVac + kCabinRes;  // 300 for each crew kind: fits
    EXPECT_TRUE(lw::import::LoadToolboxFile(*doc_, ui_, Write(Box("MAY", 600, records))));
    EXPECT_EQ(doc_->ActivityCount, 300);
    EXPECT_EQ(doc_->Activities[299], kVacLoaded);
    EXPECT_TRUE(ui_.calls.empty());

    for (const std::string& file : {Box("MAY", 601, records + kSim), Box("MAY", 2000, records + kSim)}) {
        GiveToolbox();
        ui_.calls.clear();
        EXPECT_FALSE(lw::import::LoadToolboxFile(*doc_, ui_, Write(file)));
        EXPECT_EQ(ui_.calls, std::vector<Call>{Shown(kTooMany)});
        ExpectToolboxUnchanged();
    }
}

TEST_F(ToolboxFile, JunkNeverBreaksTheDocument) {
    std::mt19937 random(20240301);
    const std::string pieces[] = {"LWToolBox\n", "Pilot\n", "Cabin\n", "Y\n", "12:00\n", "\r\n", "\n", "-5\n",
                                  "4000000000\n", "VAC\n"};
    for (int round = 0; round < 300; ++round) {
        std::string junk = round % 2 ? "LWToolBox\nJUN\n" + std::to_string(random() % 50) + "\n" : "";
        const int n = static_cast<int>(random() % 200);
        for (int i = 0; i < n; ++i) {
            if (random() % 3)
                junk += pieces[random() % std::size(pieces)];
            else
                junk += static_cast<char>(random() % 256);
        }
        ui_.calls.clear();
        const bool loaded = lw::import::LoadToolboxFile(*doc_, ui_, Write(junk));
        EXPECT_GE(doc_->ActivityCount, 0);
        EXPECT_LE(doc_->ActivityCount, 300);
        if (!loaded) {
            ASSERT_EQ(ui_.calls.size(), 1u);
            EXPECT_TRUE(ui_.calls[0] == Shown(kNotValid) || ui_.calls[0] == Shown(kCorrupt)) << ui_.calls[0];
            EXPECT_EQ(doc_->ActivityCount, 0);
        }
    }
}

}  // namespace
