#pragma once

// The skinned device with a base screen underneath, pictures drawn by the test, and a way to
// answer the screens a flow opens one after the other.

#include "tests/support/SkinnedDeviceTest.h"
#include "ui/device/Screen.h"

#include <QColor>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CPdfScreenTest : public CSkinnedDeviceTest {
protected:
    using CAnswer = std::function<void(CScreen*)>;

    void SetUp() override;
    void TearDown() override;
    // A JPEG (or PNG, by extension) of that size; `noise` makes it hard to compress.
    QString Picture(const QString& name, int width, int height, bool noise = false);
    // Each screen that comes on top (other than `base` and progress screens), once painted,
    // gets the next answer, in order; the answers may end their screen.
    void Answer(CScreen* base, std::vector<CAnswer> answers);
    // Names (accessible names or question headings) of the screens answered so far.
    const QStringList& Seen() const { return *m_seen; }

    std::unique_ptr<CScreen> m_base;
    std::shared_ptr<QStringList> m_seen = std::make_shared<QStringList>();
};

// The heading of a question box, or the accessible name of another screen.
QString ScreenName(CScreen* screen);
// Presses the button of a screen by its identifier.
void Press(CScreen* screen, int id);
