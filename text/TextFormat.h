#pragma once

// Numbers as words: time spans and file sizes, with the words from the string table.

#include <QChar>
#include <QString>

#include <cstdint>

// "0 seconds", "1 minute", "1 hour, 1 minute", "5 days, 23 hours"; "N/A" for 0xFFFFFFFF
// (unknown) and for six days or more. Seconds below a minute are shown, the rest of a
// minute is not.
QString FormatTimeSpan(std::uint32_t milliseconds);

// Binary units with two truncated decimals ("1.50 KB", "1024.00 MB", "1.00 GB"); sizes of at
// most 1024 bytes as "512bytes" / "1byte" unless `smallAsKilobytes`. `unitOnly` drops the
// decimals ("1KB"). `noGigabytes` keeps large sizes in MB. The decimal separator is the
// user's number locale's ("1,50 KB" in German), the unit the language's ("1,50 Ko").
QString FormatFileSize(std::uint64_t size, bool noGigabytes, bool smallAsKilobytes, bool unitOnly);
QString FormatFileSize(std::uint64_t size, bool noGigabytes, bool smallAsKilobytes, bool unitOnly,
                       QChar decimalPoint);
