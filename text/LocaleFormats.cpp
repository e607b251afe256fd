#include "text/LocaleFormats.h"

#include <QLocale>
#include <QString>

#include <array>

namespace {

// The territories whose paper is Letter; everywhere else it is A4.
constexpr std::array<const char*, 14> kLetterTerritories = {
    "BZ", "CA", "CL", "CO", "CR", "GT", "MX", "NI", "PA", "PH", "PR", "SV", "US", "VE"};

// "en_US.UTF-8@x" -> "US"; empty without a territory.
QString Territory(const QString& locale) {
    const qsizetype underscore = locale.indexOf(u'_');
    if (underscore < 0)
        return {};
    QString territory = locale.mid(underscore + 1);
    for (QChar end : {u'.', u'@'}) {
        const qsizetype at = territory.indexOf(end);
        if (at >= 0)
            territory.truncate(at);
    }
    return territory.toUpper();
}

} // namespace

bool LocaleUsesLetterPaper(const QProcessEnvironment& env) {
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString value = env.value(QString::fromLatin1(variable));
        if (value.isEmpty())
            continue;
        const QString territory = Territory(value);
        for (const char* letter : kLetterTerritories)
            if (territory == QLatin1String(letter))
                return true;
        return false;
    }
    return false;
}

QChar LocaleDecimalPoint() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 ? point.front() : QChar(u'.');
}
