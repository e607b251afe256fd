#include "program/ScanApp.h"

#include "app/KnownFolders.h"
#include "commands/CommandLine.h"
#include "program/ScreenshotTour.h"
#include "program/SingleInstance.h"
#include "program/SplashDlg.h"
#include "resources/ResourceIds.h"
#include "screens/OpenedPictures.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/MessageBox.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ResourceTables.h"

#include <QApplication>
#include <QFileInfo>
#include <QStyleFactory>
#include <QTextStream>

CScanApp::CScanApp(CStartupServices services) : m_services(std::move(services)) {}

int CScanApp::InitInstance() {
    CSplashDlg splash(m_services);
    splash.DoModal();
    return 0;
}

int RunScreens(const CCommandLine& line) {
    QStringList pictures;
    for (const QString& picture : line.pictures)
        pictures << QFileInfo(picture).absoluteFilePath();
    // One window per data folder: a second start gives its pictures to the first.
    CSingleInstance instance(GetAppDataFolder());
    QString error;
    switch (instance.Start(pictures, &error, line.screenshots.isEmpty())) {
    case CSingleInstance::EStart::kFirst: break;
    case CSingleInstance::EStart::kHandedOver: return 0;
    case CSingleInstance::EStart::kFailed:
        QTextStream(stderr) << "quillmark: " << error << "\n";
        return 1;
    }

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QSize size = line.screen;
    if (line.landscape)
        size.transpose();
    // A phone shell gets the whole screen, a desktop a window the user sizes; --screen and
    // the tour keep one size.
    platform::ScreenFacts facts = CDeviceWindow::HostScreenFacts();
    facts.turned = line.landscape;
    if (line.screenGiven || !line.screenshots.isEmpty())
        facts.requested = size;
    const platform::WindowPlan plan = platform::PlanWindow(facts);
    const QString title = FindDialogTemplate(ids::IDD_SPLASH)->caption;
    CDeviceWindow device(plan.size);
    device.setWindowTitle(title);
    device.ShowAs(plan);
    QApplication::setFont(MakeFont(8, ScreenPixelsPerInch()));
    instance.SetReceiver([&device](const QStringList& files) {
        if (!files.isEmpty()) {
            HandOverPictures(files); // the main screen adds them and comes to the front
            return;
        }
        device.raise();
        device.activateWindow();
    });
    if (!pictures.isEmpty())
        HandOverPictures(pictures);

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
