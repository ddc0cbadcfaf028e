// lwright's command line (a month, --help, --version, usage errors) and the About box's version.
#include <QLabel>
#include <gtest/gtest.h>

#include "lw_version.h"
#include "ui/command_line.h"
#include "ui/settings_dialogs.h"

namespace lw::ui {
namespace {

using Action = StartRequest::Action;

StartRequest Parse(QStringList args) {
    args.prepend("lwright");
    return ParseStartArguments(args);
}

TEST(StartArguments, FileHelpVersionAndErrors) {
    EXPECT_EQ(Parse({}).action, Action::Run);
    EXPECT_EQ(Parse({}).file, std::nullopt);
    EXPECT_EQ(Parse({"x"}).file, std::nullopt);  // one character names no file
    EXPECT_EQ(Parse({"ab"}).file, "ab");
    EXPECT_EQ(Parse({"/months/March", "2027.lw2"}).file, "/months/March 2027.lw2");
    EXPECT_EQ(Parse({"\"/months/March 2027.lw2\""}).file, "/months/March 2027.lw2");
    EXPECT_EQ(Parse({"file:///months/March%202027.lw2"}).file, "/months/March 2027.lw2");
    EXPECT_EQ(Parse({"\"file:///months/a%26b.lwv\""}).file, "/months/a&b.lwv");
    EXPECT_EQ(Parse({"--", "-dash.lw2"}).file, "-dash.lw2");
    EXPECT_EQ(Parse({"--", "--help"}).action, Action::Run);

    for (const char* option : {"--help", "-h"}) {
        const StartRequest help = Parse({option, "march.lw2"});
        EXPECT_EQ(help.action, Action::Help) << option;
        EXPECT_EQ(help.file, std::nullopt);
        EXPECT_TRUE(help.text.contains("Linewright: build the monthly blocks of an airline crew group.")) << option;
        EXPECT_TRUE(help.text.contains("-v, --version")) << option;
        EXPECT_TRUE(help.text.contains("month  ") && help.text.contains("[MONTH]")) << help.text.toStdString();
    }
    for (const char* option : {"--version", "-v"}) {
        const StartRequest version = Parse({option});
        EXPECT_EQ(version.action, Action::Version);
        EXPECT_EQ(version.text.toStdString(), std::string("Linewright ") + LW_VERSION + "\n");
    }
    const StartRequest wrong = Parse({"--frobnicate", "march.lw2"});
    EXPECT_EQ(wrong.action, Action::Error);
    EXPECT_EQ(wrong.file, std::nullopt);
    EXPECT_EQ(wrong.text.toStdString(), "Unknown option 'frobnicate'.\nTry 'lwright --help'.\n");

    EXPECT_TRUE(AsksForTextOnly({"lwright", "march.lw2", "--version"}));
    EXPECT_TRUE(AsksForTextOnly({"lwright", "-h"}));
    EXPECT_FALSE(AsksForTextOnly({"lwright", "--", "--help"}));
    EXPECT_FALSE(AsksForTextOnly({"lwright", "march.lw2"}));
    EXPECT_FALSE(AsksForTextOnly({"--help"}));  // the program's own name is no option
}

TEST(AboutBox, ShowsTheProjectVersion) {
    AboutDialog about;
    const QLabel* version = about.findChild<QLabel*>("Version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text().toStdString(), std::string(" ") + LW_VERSION);
}

}  // namespace
}  // namespace lw::ui
