#include "text/Strings.h"

#include "resources/StringTable.h"
#include "resources/ids/StringIds.h"
#include "text/ProductInfo.h"

#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

using namespace ids;

namespace {

TEST(StringsTest, CatalogueTextsAreExactTyposIncluded) {
    // The handheld's catalogue has 198 texts; the program's own texts live at 9000-9999.
    std::size_t catalogue = 0, own = 0;
    for (int id = 0; id <= 0xFFFF; ++id) {
        if (LoadRawString(std::uint16_t(id)).isEmpty())
            continue;
        ++(id >= 9000 && id < 10000 ? own : catalogue);
    }
    EXPECT_EQ(catalogue, 198u);
    EXPECT_EQ(catalogue + own, StringTableSize());
    EXPECT_EQ(LoadFormatted(IDS_NEXT), "Next");
    EXPECT_EQ(LoadFormatted(IDS_UNSUPPORED_FILE_FORMAT), "Unsuppored file format.");
    EXPECT_EQ(LoadFormatted(IDS_MY_DOCUMENTS), "\\My Documents");
    EXPECT_EQ(LoadFormatted(1095),
              "Could not open the session file for writting. Check if the file is read-only or  "
              "locked by another application.");
    EXPECT_EQ(
        LoadFormatted(1124),
        "Do you really wish to remove the image? Tap 'Ok' to remove it or 'Cancel' to "
        "skip.\r\n\r\nTo delete the image file as well check the \"Remove image\" option below.");
    EXPECT_EQ(LoadFormatted(IDS_WOULD_LIKE_VIEW_PDF),
              "Would you like to view the PDF file or send it by email? Please tap \"Open' to view "
              "the file with your default PDF viewer or 'Share' to send it to an email address.");
    EXPECT_EQ(LoadFormatted(65281), "All Files|*.*|");
    EXPECT_TRUE(LoadRawString(IDS_SENT_POCKET_DOCUMENT_COPIER).contains("%s"));
    EXPECT_EQ(LoadFormatted(IDS_SENT_POCKET_DOCUMENT_COPIER, ProductNameLong()).count("%"), 0);
}

TEST(StringsTest, FormatsArgumentsAndUnknownIdsGiveEmptyText) {
    EXPECT_EQ(LoadFormatted(IDS_ADDING_PAGE, 3, 10), "Adding page 3 of 10...");
    EXPECT_EQ(LoadFormatted(1024, 4097), "Critical application error #4097.");
    EXPECT_EQ(LoadFormatted(1177, QString("a.pdf"), "x@y.z"),
              "Could not send file 'a.pdf' to 'x@y.z'. Please check whether your mail account is "
              "configured and that you are able to send emails and try again.");
    EXPECT_EQ(LoadFormatted(1025), QString());
    EXPECT_EQ(LoadFormatted(0), QString());
    EXPECT_EQ(LoadFormatted(65535), QString());
}

TEST(StringsTest, PrintfRules) {
    EXPECT_EQ(FormatText(u"%d%%", {50}), "50%");
    EXPECT_EQ(FormatText(u"%04d-%02d", {2026, 7}), "2026-07");
    EXPECT_EQ(FormatText(u"%I64d", {5000000000LL}), "5000000000");
    EXPECT_EQ(FormatText(u"%d", {5000000000LL}), "705032704"); // 32 bits, as the platform reads it
    EXPECT_EQ(FormatText(u"%u %x %X", {-1, 255, 255}), "4294967295 ff FF");
    EXPECT_EQ(FormatText(u"[%5s|%-5s|%.2s]", {"ab", "cd", "xyz"}), "[   ab|cd   |xy]");
    EXPECT_EQ(FormatText(u"%*d", {4, 7}), "   7");
    EXPECT_EQ(FormatText(u"%c%c", {QChar(u'é'), 65}), QString::fromUtf8("éA"));
    EXPECT_EQ(FormatText(u"%.1f", {2.25}), "2.2");
    EXPECT_EQ(FormatText(u"%s", {QString::fromUtf8("Zoë ✓")}), QString::fromUtf8("Zoë ✓"));
}

TEST(StringsTest, MismatchedOrMissingArgumentsAreSafe) {
    EXPECT_EQ(FormatText(u"%s and %d", {}), " and ");
    EXPECT_EQ(FormatText(u"%s", {42}), "42");
    EXPECT_EQ(FormatText(u"%d", {"text"}), "0");
    EXPECT_EQ(FormatText(u"100%", {}), "100");
    EXPECT_EQ(FormatText(u"%y", {}), "%y");
}

TEST(StringsTest, OutputIsLimitedTo1023Characters) {
    const QString big(3000, u'x');
    EXPECT_EQ(FormatText(u"%s", {big}).size(), 1023);
    EXPECT_EQ(LoadFormatted(1177, big, big).size(), 1023);
}

TEST(StringsTest, ProductTexts) {
    EXPECT_EQ(VersionShort(), "1.20");
    EXPECT_TRUE(VersionLong().startsWith("1.20.189 (Linux, ")) << VersionLong().toStdString();
    EXPECT_TRUE(VersionLong().endsWith(")"));
    EXPECT_EQ(ProductName(), "Tessaly Quillmark");
    EXPECT_EQ(ProductNameLong(), "Tessaly Quillmark Mobile");
}

} // namespace
