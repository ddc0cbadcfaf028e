// lwtool print on the two sample months: the PDF has the pages the layout gives, every page its
// header, and every printed member's name and pairing numbers (or every pairing number of the
// visual pairings) on the page the layout puts them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "output/printout_layout.h"
#include "persist/schedule_file.h"
#include "rules/build_blocks.h"
#include "rules/pairings_layout.h"
#include "run_tool.h"
#include "fake_interaction.h"

namespace {

namespace fs = std::filesystem;
using namespace lw;

std::string Capture(const std::string& cmd) {
    std::string out;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
    return out;
}

int PdfPages(const fs::path& pdf) {
    const std::string info = Capture("pdfinfo " + test::ShellQuote(pdf.string()));
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::set<std::string> Words(const std::string& text) {
    std::set<std::string> words;
    std::istringstream in(text);
    for (std::string w; in >> w;) words.insert(w);
    return words;
}

// The words of one page, and the page text with runs of spaces as one.
struct PageText {
    std::set<std::string> words;
    std::string flat;
};

PageText ReadPage(const fs::path& pdf, int page) {
    const std::string text = Capture("pdftotext -layout -f " + std::to_string(page) + " -l " + std::to_string(page) +
                                     " " + test::ShellQuote(pdf.string()) + " -");
    PageText p{Words(text), {}};
    std::istringstream in(text);
    for (std::string w; in >> w;) p.flat += (p.flat.empty() ? "" : " ") + w;
    return p;
}

std::string Flat(const std::string& s) {
    std::string out;
    std::istringstream in(s);
    for (std::string w; in >> w;) out += (out.empty() ? "" : " ") + w;
    return out;
}

struct BuiltSample {
    test::TempFolder dir;
    fs::path file;
    std::unique_ptr<model::Document> doc;
};

std::unique_ptr<BuiltSample> BuildSample(const std::string& name) {
    auto s = std::make_unique<BuiltSample>();
    s->file = s->dir / (name + ".lw2");
    fs::copy_file(fs::path(LW_SOURCE_DIR) / "samples" / name / (name + ".lw2"), s->file);
    const test::ToolResult built = test::RunToolOn(s->dir, s->file, {"build", "F", "--no"});
    EXPECT_EQ(built.exit, 0) << built.err;
    s->doc = std::make_unique<model::Document>(0);
    test::FakeInteraction ui;
    EXPECT_TRUE(persist::LoadSchedule(*s->doc, ui, s->file));
    rules::AfterOpeningMonth(*s->doc);
    return s;
}

const char* kSampleNames[] = {"capt-yyz-dh8-2027-03", "fa-yul-2027-03"};

TEST(PrintCommand, BlockPdfOfEachSampleMonthHasEveryMemberOnHisPage) {
    for (const char* name : kSampleNames) {
        SCOPED_TRACE(name);
        auto s = BuildSample(name);
        const fs::path pdf = s->dir / "blocks.pdf";
        const test::ToolResult r = test::RunToolOn(s->dir, s->file, {"print", "blocks", "F", "-o", pdf.string(), "--no"});
        ASSERT_EQ(r.exit, 0) << r.err;

        std::vector<int> all;
        for (int c = 0; c < s->doc->CrewCount; ++c) all.push_back(c);
        const output::BlockPrintout out =
            output::LayoutBlockPrintout(*s->doc, output::BlockPrintRows(*s->doc, all), false, false);
        ASSERT_EQ(PdfPages(pdf), static_cast<int>(out.pages.size()));
        for (size_t page = 0; page < out.pages.size(); ++page) {
            const PageText text = ReadPage(pdf, static_cast<int>(page) + 1);
            EXPECT_NE(text.flat.find(Flat(out.pages[page].header)), std::string::npos) << "page " << page + 1;
            EXPECT_NE(text.flat.find("EMP NAME"), std::string::npos);
            for (const output::BlockRow& row : out.pages[page].rows) {
                const std::string name9 = Flat(row.label);
                EXPECT_NE(text.flat.find(name9), std::string::npos) << name9 << " on page " << page + 1;
                for (const output::BlockCell& cell : row.days)
                    if (cell.text.size() == 4 && std::isdigit(static_cast<unsigned char>(cell.text[0]))) {
                        EXPECT_TRUE(text.words.count(cell.text)) << cell.text << " of " << name9;
                    }
            }
        }
        const PageText last = ReadPage(pdf, static_cast<int>(out.pages.size()));
        EXPECT_TRUE(last.words.count("RESERVES"));
        EXPECT_TRUE(last.words.count("OPEN"));
        for (const auto& day : out.open)
            for (const std::string& number : day) EXPECT_TRUE(last.words.count(number)) << "open " << number;

        // The draft header and a few rows on Letter paper.
        const fs::path draft = s->dir / "draft.pdf";
        ASSERT_EQ(test::RunToolOn(s->dir, s->file,
                                  {"print", "blocks", "F", "-o", draft.string(), "--crew", "1-3", "--page-size", "Letter",
                                   "--yes"}).exit, 0);
        EXPECT_EQ(PdfPages(draft), 1);
        EXPECT_NE(ReadPage(draft, 1).flat.find("DRAFT COPY *** Page 1 " + s->file.filename().string()), std::string::npos);
        EXPECT_NE(Capture("pdfinfo " + test::ShellQuote(draft.string())).find("612 x 792 pts (letter)"), std::string::npos);
    }
}

TEST(PrintCommand, PairingsPdfOfEachSampleMonthHasEveryPairingOnItsPage) {
    for (const char* name : kSampleNames) {
        SCOPED_TRACE(name);
        auto s = BuildSample(name);
        const fs::path pdf = s->dir / "pairings.pdf";
        const test::ToolResult r = test::RunToolOn(s->dir, s->file, {"print", "pairings", "F", "-o", pdf.string()});
        ASSERT_EQ(r.exit, 0) << r.err;
        rules::PairingsLayout layout;
        rules::LayoutPairings(*s->doc, layout);
        const output::PairsPrintout out = output::LayoutPairsPrintout(*s->doc, layout);
        ASSERT_EQ(PdfPages(pdf), static_cast<int>(out.pages.size()));
        for (size_t page = 0; page < out.pages.size(); ++page) {
            const PageText text = ReadPage(pdf, static_cast<int>(page) + 1);
            for (const std::string& header : out.pages[page].header)
                EXPECT_NE(text.flat.find(Flat(header)), std::string::npos) << header;
            for (const auto& row : out.pages[page].rows)
                for (const output::PairsCell& cell : row)
                    if (!cell.stars.empty()) {
                        EXPECT_TRUE(text.words.count(cell.text)) << cell.text;
                    }
        }
    }
}

TEST(PrintCommand, RefusesAMonthNotYetBuiltAndABadPageSize) {
    test::TempFolder dir;
    const fs::path file = dir / "m.lw2";
    fs::copy_file(fs::path(LW_SOURCE_DIR) / "samples" / kSampleNames[0] / (std::string(kSampleNames[0]) + ".lw2"), file);
    const test::ToolResult size = test::RunToolOn(dir, file, {"print", "pairings", "F", "-o", "x.pdf", "--page-size", "A3"});
    EXPECT_EQ(size.exit, 2);
    model::Document doc(0);
    test::FakeInteraction ui;
    ASSERT_TRUE(persist::LoadSchedule(doc, ui, file));
    if (doc.BlocksBuilt == 0) {
        const test::ToolResult r = test::RunToolOn(dir, file, {"print", "pairings", "F", "-o", (dir / "x.pdf").string()});
        EXPECT_EQ(r.exit, 1);
        EXPECT_EQ(r.err, "[Linewright] Run Build Blocks before printing.\n");
        EXPECT_FALSE(fs::exists(dir / "x.pdf"));
    }
}

}  // namespace
