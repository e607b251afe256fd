#include "ui/device/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
int g_depth = 0;
}

void BeginWait() {
    if (g_depth++ == 0 && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void EndWait() {
    if (g_depth <= 0)
        return; // an unbalanced EndWait must not pop a cursor someone else set
    if (--g_depth == 0 && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::restoreOverrideCursor();
}

int WaitDepth() {
    return g_depth;
}
