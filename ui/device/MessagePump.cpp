#include "ui/device/MessagePump.h"

#include <QCoreApplication>

void PumpMessages(int maxMessages) {
    for (int i = 0; i < maxMessages; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}
