#include "ui/device/WaitCursor.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

namespace {

Qt::CursorShape Current() {
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? c->shape() : Qt::BlankCursor; // BlankCursor: none set
}

TEST(WaitCursorTest, NestedPairsRestoreThePreviousCursorOnlyAtTheOutermostEnd) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    BeginWait();
    EXPECT_EQ(Current(), Qt::WaitCursor);
    BeginWait();
    EXPECT_EQ(WaitDepth(), 2);
    EndWait();
    EXPECT_EQ(Current(), Qt::WaitCursor);
    EndWait();
    EXPECT_EQ(WaitDepth(), 0);
    EXPECT_EQ(Current(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WaitCursorTest, AnUnbalancedEndLeavesOtherCursorsAlone) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    EndWait();
    EXPECT_EQ(Current(), Qt::CrossCursor);
    EXPECT_EQ(WaitDepth(), 0);
    QGuiApplication::restoreOverrideCursor();
}

} // namespace
