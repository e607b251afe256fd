#pragma once

// The screens' fixture: a skinned device window in a fresh home folder, and pictures drawn by
// the test.

#include "tests/support/SkinnedDeviceTest.h"

#include <QColor>
#include <QString>

class CScreenTest : public CSkinnedDeviceTest {
protected:
    // A picture file of that size and colour in the test folder (JPEG or PNG by extension).
    QString Picture(const QString& name, int width, int height,
                    QColor colour = QColor(40, 90, 160));
};
