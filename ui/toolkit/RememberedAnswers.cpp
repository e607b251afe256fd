#include "ui/toolkit/RememberedAnswers.h"

#include "app/AppSettings.h"
#include "platform/Registry.h"

#include <QString>

namespace {
QString ValueName(int boxNumber) {
    return QStringLiteral("DS%1").arg(boxNumber);
}
} // namespace

std::int32_t ReadRememberedAnswer(int boxNumber) {
    if (boxNumber == 0)
        return -1;
    std::uint32_t value = 0xFFFFFFFFu;
    ReadNumberOrDefault(QStringLiteral("CMsg"), ValueName(boxNumber), 0xFFFFFFFFu, value);
    return std::int32_t(value);
}

void StoreRememberedAnswer(int boxNumber, std::int32_t value) {
    if (boxNumber == 0)
        return;
    WriteNumber(SettingsKeyPath(QStringLiteral("CMsg")), ValueName(boxNumber),
                std::uint32_t(value));
    // The user silenced a box: keep that even if the program does not end normally.
    platform::RegFlushKey(platform::HKEY_LOCAL_MACHINE);
}
