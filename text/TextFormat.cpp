#include "text/TextFormat.h"

#include "resources/ids/StringIds.h"
#include "text/Catalogue.h"
#include "text/LocaleFormats.h"
#include "text/Strings.h"

namespace {

QString Count(std::uint32_t n, std::uint16_t singular, std::uint16_t plural) {
    return FormatText(u"%d %s", {n, LoadFormatted(n == 1 ? singular : plural)});
}

QString Unit(std::uint64_t size, int shift, const char* unit, bool unitOnly, QChar point) {
    const std::uint64_t number = size >> shift;
    const std::uint64_t mask = (std::uint64_t(1) << shift) - 1;
    const std::uint64_t hundredths = ((size & mask) * 100) >> shift;
    const QString name = TranslateText("FileSize", unit);
    if (unitOnly)
        return FormatText(u"%I64d", {number}) + name;
    return FormatText(u"%I64d", {number}) + point + FormatText(u"%02d", {unsigned(hundredths)}) +
           u' ' + name;
}

} // namespace

QString FormatTimeSpan(std::uint32_t milliseconds) {
    using namespace ids;
    if (milliseconds == 0xFFFFFFFFu)
        return LoadFormatted(IDS_NA);
    const std::uint32_t s = milliseconds / 1000;
    if (s < 60)
        return Count(s, IDS_SECOND, IDS_SECONDS);
    if (s < 3600)
        return Count(s / 60, IDS_MINUTE, IDS_MINUTES);
    if (s < 86400)
        return Count(s / 3600, IDS_HOUR, IDS_HOURS) + ", " +
               Count((s % 3600) / 60, IDS_MINUTE, IDS_MINUTES);
    const std::uint32_t days = s / 86400;
    if (days > 5)
        return LoadFormatted(IDS_NA);
    return Count(days, IDS_DAY, IDS_DAYS) + ", " + Count((s % 86400) / 3600, IDS_HOUR, IDS_HOURS);
}

QString FormatFileSize(std::uint64_t size, bool noGigabytes, bool smallAsKilobytes, bool unitOnly,
                       QChar decimalPoint) {
    if (!noGigabytes && size > 1073741824ull)
        return Unit(size, 30, QT_TRANSLATE_NOOP("FileSize", "GB"), unitOnly, decimalPoint);
    if (size > 1048576ull)
        return Unit(size, 20, QT_TRANSLATE_NOOP("FileSize", "MB"), unitOnly, decimalPoint);
    if (size > 1024ull || smallAsKilobytes)
        return Unit(size, 10, QT_TRANSLATE_NOOP("FileSize", "KB"), unitOnly, decimalPoint);
    return FormatText(u"%I64d", {size}) + LoadFormatted(size == 1 ? ids::IDS_BYTE : ids::IDS_BYTES);
}

QString FormatFileSize(std::uint64_t size, bool noGigabytes, bool smallAsKilobytes, bool unitOnly) {
    return FormatFileSize(size, noGigabytes, smallAsKilobytes, unitOnly, LocaleDecimalPoint());
}
