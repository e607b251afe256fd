#include "text/ProductInfo.h"

#include "text/Strings.h"

#include <QSysInfo>

namespace {
constexpr int kMajor = 1;
constexpr int kMinor = 20;
constexpr int kBuild = 189;

QString PlatformText() {
    QString kernel = QSysInfo::kernelType();
    if (!kernel.isEmpty())
        kernel[0] = kernel[0].toUpper();
    return kernel + ", " + QSysInfo::currentCpuArchitecture();
}
} // namespace

QString VersionShort() {
    return FormatText(u"%d.%02d", {kMajor, kMinor});
}

QString VersionLong() {
    return FormatText(u"%d.%02d.%03d (%s)", {kMajor, kMinor, kBuild, PlatformText()});
}

QString ProductName() {
    return QStringLiteral("Tessaly Quillmark");
}

QString ProductNameLong() {
    return QStringLiteral("Tessaly Quillmark Mobile");
}
