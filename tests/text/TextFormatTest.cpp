#include "text/TextFormat.h"

#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatTimeSpanTest, WordsAndBoundaries) {
    EXPECT_EQ(FormatTimeSpan(0), "0 seconds");
    EXPECT_EQ(FormatTimeSpan(999), "0 seconds");
    EXPECT_EQ(FormatTimeSpan(1000), "1 second");
    EXPECT_EQ(FormatTimeSpan(59999), "59 seconds");
    EXPECT_EQ(FormatTimeSpan(61000), "1 minute");
    EXPECT_EQ(FormatTimeSpan(3599000), "59 minutes");
    EXPECT_EQ(FormatTimeSpan(3600000), "1 hour, 0 minutes");
    EXPECT_EQ(FormatTimeSpan(3660000), "1 hour, 1 minute");
    EXPECT_EQ(FormatTimeSpan(86400000), "1 day, 0 hours");
    EXPECT_EQ(FormatTimeSpan(6u * 86400000u - 1000u), "5 days, 23 hours");
    EXPECT_EQ(FormatTimeSpan(6u * 86400000u), "N/A");
    EXPECT_EQ(FormatTimeSpan(0xFFFFFFFFu), "N/A");
}

TEST(FormatFileSizeTest, UnitsAndTruncatedHundredths) {
    EXPECT_EQ(FormatFileSize(1, false, false, false), "1byte");
    EXPECT_EQ(FormatFileSize(0, false, false, false), "0bytes");
    EXPECT_EQ(FormatFileSize(1024, false, false, false), "1024bytes");
    EXPECT_EQ(FormatFileSize(512, false, true, false), "0.50 KB");
    EXPECT_EQ(FormatFileSize(1024, false, true, false), "1.00 KB");
    EXPECT_EQ(FormatFileSize(1536, false, false, false), "1.50 KB");
    EXPECT_EQ(FormatFileSize(1536, false, false, true), "1KB");
    EXPECT_EQ(FormatFileSize(1048576, false, false, false), "1024.00 KB");
    EXPECT_EQ(FormatFileSize(1048577, false, false, false), "1.00 MB");
    EXPECT_EQ(FormatFileSize(1073741824ull, false, false, false), "1024.00 MB");
    EXPECT_EQ(FormatFileSize(1073741825ull, false, false, false), "1.00 GB");
    EXPECT_EQ(FormatFileSize(1073741825ull, true, false, false), "1024.00 MB");
    EXPECT_EQ(FormatFileSize(0x100000000ull + 1, false, false, true), "4GB");
    EXPECT_EQ(FormatFileSize(1048576ull * 1023 + 1048575, false, false, false), "1023.99 MB");
}

} // namespace
