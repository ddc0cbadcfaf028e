#include "platform/recent_files.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

using lw::platform::AddRecentFile;
using lw::platform::Profile;
using lw::platform::ReadRecentFiles;
using lw::platform::WithRecentFile;
using lw::test::ReadBytes;
using lw::test::TempFolder;
using lw::test::WriteBytes;
using List = std::vector<std::string>;

TEST(RecentFiles, NewPathGoesInFrontAndTheListStopsAtFour) {
    EXPECT_EQ(WithRecentFile({}, "/m/a.lw2"), (List{"/m/a.lw2"}));
    EXPECT_EQ(WithRecentFile({"/m/a.lw2", "/m/b.lw2"}, "/m/c.lw2"), (List{"/m/c.lw2", "/m/a.lw2", "/m/b.lw2"}));
    EXPECT_EQ(WithRecentFile({"/m/a.lw2", "/m/b.lw2", "/m/c.lw2", "/m/d.lw2"}, "/m/e.lw2"),
              (List{"/m/e.lw2", "/m/a.lw2", "/m/b.lw2", "/m/c.lw2"}));
}

TEST(RecentFiles, AKnownPathMovesToTheFrontWithoutARepeat) {
    EXPECT_EQ(WithRecentFile({"/m/a.lw2", "/m/b.lw2", "/m/c.lw2", "/m/d.lw2"}, "/m/c.lw2"),
              (List{"/m/c.lw2", "/m/a.lw2", "/m/b.lw2", "/m/d.lw2"}));
    EXPECT_EQ(WithRecentFile({"/m/a.lw2", "/m/b.lw2"}, "/m/a.lw2"), (List{"/m/a.lw2", "/m/b.lw2"}));
    // Names differing only in case are different files on Linux.
    EXPECT_EQ(WithRecentFile({"/m/a.lw2"}, "/m/A.lw2"), (List{"/m/A.lw2", "/m/a.lw2"}));
    EXPECT_EQ(WithRecentFile({"/m/a.lw2"}, ""), (List{"/m/a.lw2"}));
}

TEST(RecentFiles, StoredInSectionMruNextToOtherSettings) {
    TempFolder dir;
    const auto ini = dir / "lwright.ini";
    WriteBytes(ini, "[LW]\nGrid=1\n");
    Profile profile(ini);
    EXPECT_EQ(ReadRecentFiles(profile), List{});

    AddRecentFile(profile, "/m/a.lw2");
    AddRecentFile(profile, "/m/b.lw2");
    bool ok = false;
    EXPECT_EQ(AddRecentFile(profile, "/m/a.lw2", &ok), (List{"/m/a.lw2", "/m/b.lw2"}));
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadBytes(ini), "[LW]\nGrid=1\n\n[MRU]\nFile1=/m/a.lw2\nFile2=/m/b.lw2\nFile3=\nFile4=\n");
    EXPECT_EQ(ReadRecentFiles(Profile(ini)), (List{"/m/a.lw2", "/m/b.lw2"}));

    for (const char* p : {"/m/c.lw2", "/m/d.lw2", "/m/e with space.lw2"}) AddRecentFile(profile, p);
    EXPECT_EQ(ReadBytes(ini),
              "[LW]\nGrid=1\n\n[MRU]\nFile1=/m/e with space.lw2\nFile2=/m/d.lw2\nFile3=/m/c.lw2\nFile4=/m/a.lw2\n");
}

TEST(RecentFiles, EntriesOfGoneFilesAreKeptAndGapsAndRepeatsSkipped) {
    TempFolder dir;
    const auto ini = dir / "lwright.ini";
    // Written by hand: a gap, a repeat, a file that does not exist.
    WriteBytes(ini, "[mru]\nFile1=/gone/x.lw2\nFile2=\nfile3=/m/b.lw2\nFILE4=/gone/x.lw2\n");
    Profile profile(ini);
    EXPECT_EQ(ReadRecentFiles(profile), (List{"/gone/x.lw2", "/m/b.lw2"}));
    EXPECT_EQ(AddRecentFile(profile, "/m/c.lw2"), (List{"/m/c.lw2", "/gone/x.lw2", "/m/b.lw2"}));
    EXPECT_EQ(ReadBytes(ini), "[mru]\nFile1=/m/c.lw2\nFile2=/gone/x.lw2\nfile3=/m/b.lw2\nFILE4=\n");
}

TEST(RecentFiles, AFailedWriteIsReported) {
    TempFolder dir;
    WriteBytes(dir / "blocker", "a file where the folder should be");
    Profile profile(dir / "blocker" / "lwright.ini");
    bool ok = true;
    EXPECT_EQ(AddRecentFile(profile, "/m/a.lw2", &ok), (List{"/m/a.lw2"}));
    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadRecentFiles(profile), List{});
}

}  // namespace
