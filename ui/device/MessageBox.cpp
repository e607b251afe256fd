#include "ui/device/MessageBox.h"

#include "ui/device/DeviceWindow.h"

#include <QMessageBox>

namespace {
std::function<void(const QString&, const QString&)>& Handler() {
    static std::function<void(const QString&, const QString&)> handler;
    return handler;
}
} // namespace

void PlatformMessageBox(const QString& text, const QString& title) {
    if (Handler()) {
        Handler()(text, title);
        return;
    }
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, CDeviceWindow::Instance());
    box.exec();
}

void SetMessageBoxHandler(std::function<void(const QString&, const QString&)> handler) {
    Handler() = std::move(handler);
}
