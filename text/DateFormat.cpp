#include "text/DateFormat.h"

#include "resources/ids/StringIds.h"
#include "text/Strings.h"

#include <QDate>
#include <QDateTime>

#include <cmath>
#include <optional>

namespace {

const qint64 kEpochJulianDay = QDate(1899, 12, 30).toJulianDay();

std::optional<CLocaleDateTexts>& Kept() {
    static std::optional<CLocaleDateTexts> texts;
    return texts;
}

bool IsFieldLetter(QChar c) {
    switch (c.unicode()) {
    case u'd':
    case u'M':
    case u'y':
    case u'q':
    case u'w':
    case u'g':
    case u'h':
    case u'H':
    case u'm':
    case u's':
    case u't': return true;
    default: return false;
    }
}

QString Number(int value, int digits) {
    return digits == 2 ? FormatText(u"%02d", {value}) : FormatText(u"%d", {value});
}

QString Field(QChar letter, int length, const QDate& date, int hour, int minute, int second,
              const CLocaleDateTexts& names) {
    QString unknown = "???";
    const int weekday = date.dayOfWeek() % 7; // Sunday = 0
    switch (letter.unicode()) {
    case u'd':
        if (length <= 2)
            return Number(date.day(), length);
        if (length == 3)
            return names.abbrevDayNames[weekday];
        if (length == 4)
            return names.dayNames[weekday];
        return unknown;
    case u'M':
        if (length <= 2)
            return Number(date.month(), length);
        if (length == 3)
            return names.abbrevMonthNames[date.month() - 1];
        if (length == 4)
            return names.monthNames[date.month() - 1];
        return unknown;
    case u'y':
        if (length == 1)
            return FormatText(u"%d", {date.year()});
        if (length == 2)
            return FormatText(u"%02d", {date.year() % 100});
        if (length == 4)
            return FormatText(u"%04d", {date.year()});
        return unknown;
    case u'q': return length == 1 ? Number((date.month() - 1) / 3 + 1, 1) : unknown;
    case u'w': {
        if (length > 2)
            return unknown;
        const int jan1 = QDate(date.year(), 1, 1).dayOfWeek() % 7;
        return Number((date.dayOfYear() + jan1 + 1) / 7 + 1, length);
    }
    case u'g': return QString();
    case u'h': {
        if (length > 2)
            return unknown;
        const int h12 = hour % 12 == 0 ? 12 : hour % 12;
        return Number(h12, length);
    }
    case u'H': return length <= 2 ? Number(hour, length) : unknown;
    case u'm': return length <= 2 ? Number(minute, length) : unknown;
    case u's': return length <= 2 ? Number(second, length) : unknown;
    case u't': {
        const QString& designator = hour < 12 ? names.am : names.pm;
        if (length == 1)
            return designator.left(1);
        if (length == 2)
            return designator;
        return unknown;
    }
    }
    return unknown;
}

} // namespace

CDateValue CDateValue::FromCalendar(int year, int month, int day, int hour, int minute,
                                    int second) {
    CDateValue value;
    const QDate date(year, month, day);
    if (year < 100 || year > 9999 || !date.isValid() || hour < 0 || hour > 23 || minute < 0 ||
        minute > 59 || second < 0 || second > 59)
        return value;
    const double days = double(date.toJulianDay() - kEpochJulianDay);
    const double fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
    value.serial = days >= 0 ? days + fraction : days - fraction;
    int y, mo, d, h, mi, s;
    value.valid = true;
    // Only a value that converts back to the same moment is valid.
    value.valid = value.ToCalendar(&y, &mo, &d, &h, &mi, &s) && y == year && mo == month &&
                  d == day && h == hour && mi == minute && s == second;
    return value;
}

bool CDateValue::ToCalendar(int* year, int* month, int* day, int* hour, int* minute,
                            int* second) const {
    if (!valid || !std::isfinite(serial))
        return false;
    double whole = std::trunc(serial);
    long long seconds = std::llround(std::fabs(serial - whole) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        whole += serial < 0 ? -1 : 1;
    }
    const QDate date = QDate::fromJulianDay(kEpochJulianDay + qint64(whole));
    if (!date.isValid())
        return false;
    date.getDate(year, month, day);
    *hour = int(seconds / 3600);
    *minute = int(seconds / 60 % 60);
    *second = int(seconds % 60);
    return true;
}

QString PictureFromQtFormat(const QString& qtFormat) {
    // Qt's h means the 12-hour clock only when an AM/PM field (a, A, ap, AP) is present.
    bool twelveHour = false;
    bool quoted = false;
    for (QChar c : qtFormat) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && (c == u'a' || c == u'A'))
            twelveHour = true;
    }
    QString out;
    for (qsizetype i = 0; i < qtFormat.size();) {
        const QChar c = qtFormat[i];
        if (c == u'\'') {
            const qsizetype end = qtFormat.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? qtFormat.size() : end + 1;
            out += qtFormat.mid(i, stop - i);
            i = stop;
            continue;
        }
        qsizetype run = 1;
        while (i + run < qtFormat.size() && qtFormat[i + run] == c)
            ++run;
        if (c == u'A' || c == u'a') {
            out += QLatin1String("tt");
            i += (i + 1 < qtFormat.size() && (qtFormat[i + 1] == u'P' || qtFormat[i + 1] == u'p'))
                     ? 2
                     : 1;
            continue;
        }
        if (c == u't' || c == u'z') {
            // Time zones and milliseconds have no picture letter; drop them with their blank.
            while (out.endsWith(u' '))
                out.chop(1);
        } else if (c == u'h' && !twelveHour) {
            out += QString(run, u'H');
        } else {
            out += QString(run, c);
        }
        i += run;
    }
    return out.trimmed();
}

CLocaleDateTexts CLocaleDateTexts::FromLocale(const QLocale& locale) {
    CLocaleDateTexts t;
    t.longDate = PictureFromQtFormat(locale.dateFormat(QLocale::LongFormat));
    t.shortDate = PictureFromQtFormat(locale.dateFormat(QLocale::ShortFormat));
    t.time = PictureFromQtFormat(locale.timeFormat(QLocale::LongFormat));
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i; // Qt counts Monday = 1 .. Sunday = 7
        t.dayNames[i] = locale.dayName(qtDay, QLocale::LongFormat);
        t.abbrevDayNames[i] = locale.dayName(qtDay, QLocale::ShortFormat);
    }
    for (int i = 0; i < 12; ++i) {
        t.monthNames[i] = locale.monthName(i + 1, QLocale::LongFormat);
        t.abbrevMonthNames[i] = locale.monthName(i + 1, QLocale::ShortFormat);
    }
    t.am = locale.amText();
    t.pm = locale.pmText();
    return t;
}

const CLocaleDateTexts& LocaleDateTexts() {
    if (!Kept())
        Kept() = CLocaleDateTexts::FromLocale(QLocale::system());
    return *Kept();
}

void SetLocaleDateTexts(const CLocaleDateTexts& texts) {
    Kept() = texts;
}

QString FormatPicture(const CDateValue& value, QStringView picture) {
    int year, month, day, hour, minute, second;
    if (!value.ToCalendar(&year, &month, &day, &hour, &minute, &second))
        return LoadFormatted(ids::IDS_NA);
    const QDate date(year, month, day);
    const CLocaleDateTexts& names = LocaleDateTexts();

    QString out;
    for (qsizetype i = 0; i < picture.size();) {
        const QChar c = picture[i];
        if (c == u'\'') {
            const qsizetype end = picture.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? picture.size() : end;
            out += picture.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (!IsFieldLetter(c)) {
            out += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        out += Field(c, int(run), date, hour, minute, second, names);
        i += run;
    }
    return out;
}

QString FormatDateTime(const CCalendarTime& t, bool dateOnly, bool shortDate) {
    const CDateValue value =
        CDateValue::FromCalendar(t.year, t.month, t.day, t.hour, t.minute, t.second);
    if (!value.valid)
        return LoadFormatted(ids::IDS_NA);
    const CLocaleDateTexts& texts = LocaleDateTexts();
    QString picture = shortDate ? texts.shortDate : texts.longDate;
    if (!dateOnly)
        picture += ", " + texts.time;
    return FormatPicture(value, picture);
}

QString FormatFileTime(std::int64_t secondsSinceEpoch, bool dateOnly, bool shortDate) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::LocalTime);
    if (!local.isValid())
        return LoadFormatted(ids::IDS_NA);
    const QDate d = local.date();
    const QTime t = local.time();
    return FormatDateTime({d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()},
                          dateOnly, shortDate);
}
