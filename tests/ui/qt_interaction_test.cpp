// The file choosers' filter lists as Qt takes them, and the decoding of month texts.
#include <gtest/gtest.h>

#include "ui/qt_interaction.h"
#include "ui/text.h"

namespace lw::ui {
namespace {

TEST(QtFileFilter, PairsOfCaptionAndPatternBecomeQtFilters) {
    EXPECT_EQ(QtFileFilter("Name(*.box)|*.box|All Files (*.*)|*.*").toStdString(), "Name(*.box);;All Files (*.*)");
    EXPECT_EQ(QtFileFilter("Linewright (*.lw2)|*.lw2|Linewright Viewer(*.lwv)|*.lwv| Company Blocks(*.skd)|*.skd|All "
                           "Files (*.*)|*.*")
                  .toStdString(),
              "Linewright (*.lw2);;Linewright Viewer(*.lwv);;Company Blocks(*.skd);;All Files (*.*)");
    // A caption without its pattern gets it; several patterns are parted by blanks; a lone caption is dropped.
    EXPECT_EQ(QtFileFilter("Extracts|*perp.ext;*perc.ext|Lonely").toStdString(), "Extracts (*perp.ext *perc.ext)");
    EXPECT_EQ(QtFileFilter("Lists (*.txt)|*.LIS").toStdString(), "Lists (*.LIS)");
    EXPECT_EQ(QtFileFilter("").toStdString(), "");
}

TEST(DocText, Utf8WhenValidElseLatin1) {
    EXPECT_EQ(FromDocText("J\xC3\xA9r\xC3\xB4me"), QString::fromUtf8("J\xC3\xA9r\xC3\xB4me"));
    EXPECT_EQ(FromDocText("J\xE9r\xF4me"), QString::fromUtf8("J\xC3\xA9r\xC3\xB4me"));
    EXPECT_EQ(ToDocText(QString::fromUtf8("J\xC3\xA9r\xC3\xB4me")), "J\xC3\xA9r\xC3\xB4me");
}

}  // namespace
}  // namespace lw::ui
