#pragma once

// A device window with the build's skin library bound, in a fresh home folder, and a way to
// answer the next modal screen once it is up: the settings pages' and import commands' tests.

#include "skin/binding/SkinBinding.h"
#include "tests/support/SkinnedDeviceTest.h"
#include "tests/support/TempHome.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/Screen.h"

#include <QCoreApplication>
#include <QTimer>

#include <functional>
#include <memory>

class CSettingsScreenTest : public CSkinnedDeviceTest {};
