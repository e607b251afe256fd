#include "ui/toolkit/RememberedAnswers.h"

#include "app/AppSettings.h"

#include <QString>

namespace {
QString ValueName(int boxNumber) {
    return QStringLiteral("DS%1").arg(boxNumber);
}
} // namespace

std::int32_t ReadRememberedAnswer(int boxNumber) {
    if (boxNumber == 0)
        return -1;
    platform::CRegKey key = SettingsKey(QStringLiteral("CMsg"));
    return ReadOrWriteDefault<std::int32_t>(key, ValueName(boxNumber), -1);
}

void StoreRememberedAnswer(int boxNumber, std::int32_t value) {
    if (boxNumber == 0)
        return;
    // Written through at once: the user silenced a box, keep that even if the program does
    // not end normally.
    SettingsKey(QStringLiteral("CMsg")).Write(ValueName(boxNumber), value);
}
