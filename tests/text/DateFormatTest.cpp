#include "text/DateFormat.h"

#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

namespace {

class DateFormatTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetLocaleDateTexts(
            CLocaleDateTexts::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates)));
    }
    static QString At(int y, int mo, int d, int h, int mi, int s, const char16_t* picture) {
        return FormatPicture(CDateValue::FromCalendar(y, mo, d, h, mi, s), picture);
    }
};

TEST_F(DateFormatTest, PictureFields) {
    EXPECT_EQ(At(2026, 12, 7, 0, 0, 0, u"dd/MM/yyyy"), "07/12/2026");
    EXPECT_EQ(At(2026, 12, 7, 0, 0, 0, u"d MMM yy"), "7 Dec 26");
    EXPECT_EQ(At(2026, 12, 7, 0, 0, 0, u"dddd d MMMM y"), "Monday 7 December 2026");
    EXPECT_EQ(At(2026, 12, 7, 0, 0, 0, u"ddd"), "Mon");
    EXPECT_EQ(At(2026, 12, 7, 0, 5, 0, u"h:mm tt"), "12:05 AM");
    EXPECT_EQ(At(2026, 12, 7, 13, 5, 9, u"hh:mm:ss t H"), "01:05:09 P 13");
    EXPECT_EQ(At(2026, 12, 7, 12, 0, 0, u"h tt"), "12 PM");
    EXPECT_EQ(At(2026, 12, 7, 0, 0, 0, u"q g gg"), "4  ");
    EXPECT_EQ(At(2026, 1, 1, 0, 0, 0, u"w ww"), "1 01");
}

TEST_F(DateFormatTest, LiteralsAndUnknownLengths) {
    EXPECT_EQ(At(2026, 12, 7, 0, 0, 0, u"'Day' d 'of' MMMM"), "Day 7 of December");
    EXPECT_EQ(At(2026, 12, 7, 0, 0, 0, u"yyyy. MM. dd."), "2026. 12. 07.");
    // Split so that "??-" does not read as a trigraph.
    EXPECT_EQ(At(2026, 12, 7, 0, 0, 0, u"ddddd-M"), "???"
                                                    "-12");
    EXPECT_EQ(At(2026, 12, 7, 0, 0, 0, u"yyy"), "???");
}

TEST_F(DateFormatTest, InvalidDatesGiveNA) {
    EXPECT_FALSE(CDateValue::FromCalendar(2026, 2, 30, 0, 0, 0).valid);
    EXPECT_FALSE(CDateValue::FromCalendar(2026, 1, 1, 24, 0, 0).valid);
    EXPECT_EQ(FormatPicture(CDateValue{}, u"d"), "N/A");
    EXPECT_EQ(FormatDateTime({2026, 13, 1, 0, 0, 0}, true, true), "N/A");
}

TEST_F(DateFormatTest, SerialDaysCountFrom30December1899) {
    EXPECT_EQ(CDateValue::FromCalendar(1899, 12, 30, 0, 0, 0).serial, 0.0);
    EXPECT_EQ(CDateValue::FromCalendar(1900, 1, 1, 12, 0, 0).serial, 2.5);
    int y, mo, d, h, mi, s;
    ASSERT_TRUE(
        CDateValue::FromCalendar(1899, 12, 29, 6, 0, 0).ToCalendar(&y, &mo, &d, &h, &mi, &s));
    EXPECT_EQ(d, 29);
    EXPECT_EQ(h, 6);
}

TEST_F(DateFormatTest, LocalePicturesAreConvertedFromQt) {
    EXPECT_EQ(PictureFromQtFormat("h:mm:ss AP t"), "h:mm:ss tt");
    EXPECT_EQ(PictureFromQtFormat("HH:mm:ss t"), "HH:mm:ss");
    EXPECT_EQ(PictureFromQtFormat("h:mm"), "H:mm");
    EXPECT_EQ(PictureFromQtFormat("dddd, d 'de' MMMM 'a' yyyy"), "dddd, d 'de' MMMM 'a' yyyy");
    CLocaleDateTexts t = LocaleDateTexts();
    t.longDate = "dd MMMM yyyy";
    t.shortDate = "dd/MM/yyyy";
    t.time = "HH:mm:ss";
    SetLocaleDateTexts(t);
    EXPECT_EQ(FormatDateTime({2026, 12, 7, 4, 5, 6}, false, true), "07/12/2026, 04:05:06");
    EXPECT_EQ(FormatDateTime({2026, 12, 7, 4, 5, 6}, true, false), "07 December 2026");
    const QDateTime local(QDate(2026, 12, 7), QTime(4, 5, 6), Qt::LocalTime);
    EXPECT_EQ(FormatFileTime(local.toSecsSinceEpoch(), false, true), "07/12/2026, 04:05:06");
}

} // namespace
