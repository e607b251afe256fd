#include "screens/OpenedPictures.h"

#include <QTimer>

namespace {

QStringList g_pending;
std::function<void()> g_handler;

void NotifyLater() {
    if (!g_handler || g_pending.isEmpty())
        return;
    // Not inside the caller: the hand-over may come from a socket or from the start-up code.
    QTimer::singleShot(0, [] {
        if (g_handler && !g_pending.isEmpty())
            g_handler();
    });
}

} // namespace

void HandOverPictures(const QStringList& files) {
    g_pending += files;
    NotifyLater();
}

void SetOpenedPicturesHandler(std::function<void()> handler) {
    g_handler = std::move(handler);
    NotifyLater();
}

QStringList TakeOpenedPictures() {
    return std::exchange(g_pending, {});
}
