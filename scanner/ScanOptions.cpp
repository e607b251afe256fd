#include "scanner/ScanOptions.h"

#include "app/AppSettings.h"

std::optional<EScanSource> ScanSourceFromName(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("default"))
        return EScanSource::Default;
    if (n == QLatin1String("flatbed"))
        return EScanSource::Flatbed;
    if (n == QLatin1String("adf") || n == QLatin1String("feeder"))
        return EScanSource::Feeder;
    if (n == QLatin1String("duplex"))
        return EScanSource::Duplex;
    return std::nullopt;
}

QString ScanSourceName(EScanSource source) {
    switch (source) {
    case EScanSource::Default: return QStringLiteral("default");
    case EScanSource::Flatbed: return QStringLiteral("flatbed");
    case EScanSource::Feeder: return QStringLiteral("adf");
    case EScanSource::Duplex: return QStringLiteral("duplex");
    }
    return {};
}

std::optional<EScanMode> ScanModeFromName(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("color") || n == QLatin1String("colour"))
        return EScanMode::Color;
    if (n == QLatin1String("gray") || n == QLatin1String("grey"))
        return EScanMode::Gray;
    if (n == QLatin1String("lineart") || n == QLatin1String("bw"))
        return EScanMode::Lineart;
    return std::nullopt;
}

QString ScanModeName(EScanMode mode) {
    switch (mode) {
    case EScanMode::Color: return QStringLiteral("color");
    case EScanMode::Gray: return QStringLiteral("gray");
    case EScanMode::Lineart: return QStringLiteral("lineart");
    }
    return {};
}

CScanOptions ScanOptionsFromSettings(const CAppSettings& settings) {
    CScanOptions options;
    options.device = settings.pageSource;
    options.source =
        settings.scannerSource <= 3 ? EScanSource(settings.scannerSource) : EScanSource::Default;
    options.resolution =
        settings.scannerResolution > 0 ? int(settings.scannerResolution) : kDefaultScanResolution;
    options.mode = settings.scannerMode <= 2 ? EScanMode(settings.scannerMode) : EScanMode::Color;
    // The paper sizes in millimetres, in the order of the PageSize values (Letter .. A6).
    static constexpr double kPaper[][2] = {
        {215.9, 279.4}, {190.5, 254.0}, {215.9, 355.6}, {279.4, 431.8}, {99.8, 146.8}, {841, 1189},
        {594, 841},     {420, 594},     {297, 420},     {210, 297},     {148, 210},    {105, 148}};
    const std::uint32_t paper = settings.pageSize < std::size(kPaper) ? settings.pageSize : 9;
    options.widthMm = kPaper[paper][0];
    options.heightMm = kPaper[paper][1];
    return options;
}

bool ScansFromScanner(const CAppSettings& settings) {
    return !settings.pageSource.trimmed().isEmpty();
}
