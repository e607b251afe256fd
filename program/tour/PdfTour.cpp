#include "program/tour/TourContext.h"

#include "app/AppSettings.h"
#include "browser/screens/FileList.h"
#include "pdf/screens/CreatePdfFlow.h"
#include "pdf/screens/PdfActionsDialog.h"
#include "pdf/screens/PdfSetupDialog.h"
#include "pdf/screens/ProgressDialog.h"
#include "screens/MainDlg.h"
#include "screens/PdfLibraryDlg.h"
#include "ui/device/MessagePump.h"

#include <QDir>
#include <QImage>
#include <QPainter>

namespace {

// A page of text as a camera would see it: grey lines on white paper.
QString DrawPage(const QString& folder, int number) {
    QImage image(600, 800, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 246));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(60, 60, 300, 26);
    p.setBrush(QColor(150, 150, 155));
    for (int line = 0; line < 24; ++line)
        p.drawRect(60, 120 + 26 * line, line % 5 == 4 ? 280 : 480, 10);
    p.end();
    QString path = QStringLiteral("%1/page%2.jpg").arg(folder).arg(number);
    image.save(path, "JPEG", 90);
    return path;
}

// The tour waits in a loop of its own while a screen comes up; a repaint makes sure its first
// paint is not left waiting behind it.
bool Painted(CScreen* top) {
    if (!top->HasPainted())
        top->repaint();
    return true;
}

} // namespace

void RunPdfTour(CTourContext& tour) {
    CMainDlg* main = tour.Main();
    const QString folder = tour.ScratchFolder() + "/PDF";
    QDir().mkpath(folder);
    CAppSettings settings = AppSettings();
    settings.lastSaveFolder = folder;

    CPdfSetupDialog setup(settings, main);
    setup.SetNow(QDateTime(QDate(2026, 12, 8), QTime(9, 30)));
    tour.ShootModal(
        "80-pdf-setup", [&] { setup.DoModal(); },
        [&](CScreen* top) { return top == &setup && Painted(top); });

    std::vector<CPdfJobPage> pages;
    for (int i = 1; i <= 6; ++i)
        pages.push_back({DrawPage(folder, i), kImageTypeJpeg, false});
    const QString pdf = folder + "/20261208_0930.pdf";
    CPdfJobOptions options;
    options.outputPath = pdf;
    options.layout = CPdfPageOptions::FromSettings(settings);
    MakePdfWithProgress(main, pages, options,
                        [&](CProgressDialog& progress, EPdfJobStage stage, int page) {
                            // Every step label is shown, so the shot has the current one.
                            if (stage == EPdfJobStage::Preparing) {
                                auto now = std::make_shared<std::int64_t>(0);
                                progress.SetClock([now] { return *now += 100; });
                            }
                            if (stage == EPdfJobStage::AddingPage && page == 6) {
                                progress.repaint();
                                PumpMessages(10);
                                tour.Shot("81-pdf-progress");
                            }
                        });

    CPdfActionsDialog actions(main);
    actions.SetFile(pdf);
    tour.ShootModal(
        "82-pdf-actions", [&] { actions.DoModal(); },
        [&](CScreen* top) { return top == &actions && Painted(top); });

    CPdfLibraryDialog library(main);
    library.SetInitialFolder(folder);
    tour.ShootModal(
        "83-pdf-library", [&] { library.DoModal(); },
        [&](CScreen* top) {
            if (top != &library)
                return false;
            if (library.SelectedFile().isEmpty() &&
                !library.List()->SelectFile(QStringLiteral("20261208_0930.pdf")))
                return false;
            return Painted(top);
        });
}
