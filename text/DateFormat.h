#pragma once

// Dates and times as text, with the pictures, names and AM/PM texts of the user's locale.
//
// A picture is read left to right: runs of d, M, y, q, w, g, h, H, m, s, t form fields;
// text in single quotes is copied without the quotes; every other character is copied.
// Fields: d/M 1 number, 2 two digits, 3 short name, 4 full name; y 1 full year, 2 two
// digits, 4 four digits; q quarter; w week of year (1 or 2 digits); g nothing; h 12-hour,
// H 24-hour, m, s (1 or 2 digits); t first letter, tt whole AM/PM text. Any other run
// length gives "???".

#include <QLocale>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

// A calendar date and time of day held as days since 30 December 1899 with the time as the
// fraction, as the platform's date variant; `valid` is false for dates it cannot hold.
struct CDateValue {
    double serial = 0;
    bool valid = false;

    static CDateValue FromCalendar(int year, int month, int day, int hour, int minute, int second);
    // Back to the calendar; false for an invalid value.
    bool ToCalendar(int* year, int* month, int* day, int* hour, int* minute, int* second) const;
};

struct CCalendarTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// What a locale says about dates: its three pictures (in the letters above), names of days
// (Sunday first) and months, and the AM/PM texts.
struct CLocaleDateTexts {
    QString longDate, shortDate, time;
    std::array<QString, 7> dayNames, abbrevDayNames;
    std::array<QString, 12> monthNames, abbrevMonthNames;
    QString am, pm;

    static CLocaleDateTexts FromLocale(const QLocale& locale);
};

// Converts a Qt date/time format to the picture letters above (h becomes H on a 24-hour
// clock, AP becomes tt, time zones and milliseconds are dropped).
QString PictureFromQtFormat(const QString& qtFormat);

// The texts of the system locale, read on first use and kept for the run.
const CLocaleDateTexts& LocaleDateTexts();
// Replaces the kept texts (a test, or a change of language at run time).
void SetLocaleDateTexts(const CLocaleDateTexts& texts);

QString FormatPicture(const CDateValue& date, QStringView picture);

// A file time (seconds since 1970 UTC) in local time: the long or short date picture,
// followed by ", " and the time picture unless `dateOnly`. "N/A" when it does not convert.
QString FormatFileTime(std::int64_t secondsSinceEpoch, bool dateOnly, bool shortDate);
QString FormatDateTime(const CCalendarTime& local, bool dateOnly, bool shortDate);
