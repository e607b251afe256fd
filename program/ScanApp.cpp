#include "program/ScanApp.h"

#include "program/CommandLine.h"
#include "program/ScreenshotTour.h"
#include "program/SplashDlg.h"
#include "resources/ResourceIds.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/MessageBox.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ResourceTables.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTextStream>

CScanApp::CScanApp(CStartupServices services) : m_services(std::move(services)) {}

int CScanApp::InitInstance() {
    CSplashDlg splash(m_services);
    splash.DoModal();
    return 0;
}

int RunScreens(const CCommandLine& line) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QSize size = line.screen;
    if (line.landscape)
        size.transpose();
    const QString title = FindDialogTemplate(ids::IDD_SPLASH)->caption;
    CDeviceWindow device(size);
    device.setWindowTitle(title);
    QApplication::setFont(MakeFont(8, ScreenPixelsPerInch()));
    device.show();

    CStartupServices services = DefaultStartupServices(line.log);
    std::unique_ptr<CScreenshotTour> tour;
    if (!line.screenshots.isEmpty()) {
        tour = std::make_unique<CScreenshotTour>(line.screenshots, &device);
        tour->Install(services);
        // Nobody is there to confirm a box: report it and go on.
        SetMessageBoxHandler([](const QString& text, const QString& caption) {
            QTextStream(stderr) << caption << ": " << text << "\n";
        });
    }
    const int status = CScanApp(services).InitInstance();
    if (tour) {
        SetMessageBoxHandler({});
        QTextStream(stdout) << "Screenshots: " << tour->Written().join(QStringLiteral(", ")) << "\n"
                            << "in " << line.screenshots << "\n";
        if (tour->Failed())
            return 1;
    }
    return status;
}
