#include "program/tour/TourContext.h"

#include "app/AppSettings.h"
#include "browser/screens/FileList.h"
#include "browser/screens/FolderTree.h"
#include "browser/screens/PickerDialog.h"
#include "resources/ResourceIds.h"
#include "screens/MainDlg.h"
#include "screens/SettingsPageDlg.h"
#include "session/PictureSearch.h"
#include "text/Strings.h"

#include <QDir>
#include <QImage>
#include <QPainter>

namespace {

// A camera folder with a few pictures and two subfolders, as a phone keeps it.
QString MakePictures(const QString& scratch) {
    QString folder = scratch + "/Pictures";
    QDir().mkpath(folder + "/Holiday");
    QDir().mkpath(folder + "/Scans");
    for (int i = 1; i <= 6; ++i) {
        QImage image(320 + 40 * i, 240, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(40 * i, 60, 230));
        QPainter p(&image);
        p.fillRect(20, 20, 100 + 20 * i, 12, Qt::darkGray);
        p.end();
        image.save(QString("%1/IMG_%2.JPG").arg(folder).arg(i, 4, 10, QLatin1Char('0')), "JPEG",
                   90);
    }
    QImage(200, 300, QImage::Format_RGB32).save(folder + "/receipt.png", "PNG");
    return folder;
}

// The tour waits inside a queued call, where the update a screen with lists and trees posts
// while it opens may wait behind it; the screen is painted at once instead.
void PaintNow(CScreen* screen) {
    if (!screen->HasPainted())
        screen->repaint();
}

void ShootPicker(CTourContext& tour, const QString& name, int mode, const QString& folder,
                 const QString& file) {
    CPickerDialog picker(mode, tour.Main());
    picker.SetTitles(LoadFormatted(ids::IDS_IMPORT_FILE),
                     LoadFormatted(ids::IDS_SELECT_FILE_IMPORT));
    if (mode == CPickerDialog::kPickFile) {
        // The filters of "Add from file...": the import's masks without "*.jpeg".
        picker.SetFilter(QString::fromLatin1(kPictureMasks[1]));
        for (std::size_t i = 2; i < kPictureMasks.size(); ++i)
            picker.AddFilter(QString::fromLatin1(kPictureMasks[i]));
    }
    picker.SetInitialFolder(folder);
    tour.ShootModal(
        name, [&] { picker.Show(); },
        [&](CScreen* top) {
            if (top != &picker)
                return false;
            PaintNow(top);
            if (!file.isEmpty() && picker.GetSelectedFile().isEmpty())
                picker.List()->SelectFile(file);
            return true;
        });
}

void ShootPage(CTourContext& tour, const QString& name, int command, CAppSettings& settings) {
    CSettingsPageDlg page(command, settings, tour.Main());
    tour.ShootModal(
        name, [&] { page.Show(); },
        [&](CScreen* top) {
            if (top != &page)
                return false;
            PaintNow(top);
            return true;
        });
}

} // namespace

void RunBrowserTour(CTourContext& tour) {
    const QString pictures = MakePictures(tour.ScratchFolder());
    ShootPicker(tour, "40-file-picker", CPickerDialog::kPickFile, pictures, "IMG_0002.JPG");
    ShootPicker(tour, "41-folder-picker", CPickerDialog::kPickFolder, pictures + "/Holiday", {});

    // The record is copied: the tour shows the pages without changing the settings.
    CAppSettings settings = AppSettings();
    settings.pictureImportOrder = kImportAskEachTime;
    ShootPage(tour, "42-sort-order-prompt", ids::ID_SETTINGS_IMPORT, settings);
    settings.pictureImportOrder = kImportByNameAscending;
    ShootPage(tour, "43-settings-file-import", ids::ID_SETTINGS_IMPORT, settings);
    ShootPage(tour, "44-settings-camera", ids::ID_SETTINGS_CAMERA, settings);
    ShootPage(tour, "45-settings-image-embedding", ids::ID_SETTINGS_EMBEDDING, settings);
    ShootPage(tour, "46-settings-pdf-output", ids::ID_SETTINGS_PDF, settings);
    ShootPage(tour, "47-settings-misc", ids::ID_SETTINGS_MISC, settings);
}
