#include "program/tour/TourContext.h"

#include "resources/ResourceIds.h"
#include "screens/EditCommand.h"
#include "screens/ImageEditDlg.h"
#include "screens/ImageView.h"
#include "screens/MainDlg.h"
#include "session/PageFactory.h"
#include "session/Session.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/Screen.h"
#include "ui/toolkit/QuestionBox.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTimer>

namespace {

// A photographed page: a heading band, a table of figures with a coloured chart beside it
// and lines of text, on slightly warm paper.
QString DrawPage(const QString& folder) {
    const int width = 1200;
    const int height = 1600;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0xF6, 0xF3, 0xEC));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    const int margin = 110;
    p.fillRect(QRect(margin, margin, width - 2 * margin, 90), QColor(0x2F, 0x5D, 0x8C));
    int y = margin + 150;
    for (int i = 0; i < 7; ++i, y += 36)
        p.fillRect(QRect(margin, y, (width - 2 * margin) * (70 + (i * 13) % 30) / 100, 18),
                   QColor(0x44, 0x44, 0x48));
    // A chart: five bars in the accent colours, with a base line.
    const QColor bars[] = {QColor(0x2F, 0x5D, 0x8C), QColor(0x8C, 0x3B, 0x2F),
                           QColor(0x3B, 0x7A, 0x4A), QColor(0x6A, 0x4C, 0x93),
                           QColor(0xC8, 0x8A, 0x1E)};
    const int chartTop = y + 40;
    const int chartBottom = chartTop + 420;
    for (int i = 0; i < 5; ++i) {
        const int h = 120 + (i * 67) % 280;
        p.fillRect(QRect(margin + 60 + i * 190, chartBottom - h, 120, h), bars[i]);
    }
    p.fillRect(QRect(margin, chartBottom, width - 2 * margin, 6), QColor(0x33, 0x33, 0x33));
    y = chartBottom + 70;
    for (int i = 0; y + 20 < height - margin; ++i, y += 36)
        p.fillRect(QRect(margin, y, (width - 2 * margin) * (i % 6 == 5 ? 50 : 88) / 100, 18),
                   QColor(0x44, 0x44, 0x48));
    p.end();
    QString path = QDir(folder).filePath(QStringLiteral("editor_page.jpg"));
    image.save(path, "JPG", 92);
    return path;
}

} // namespace

void RunEditorTour(CTourContext& tour) {
    using namespace ids;
    CSession session;
    std::unique_ptr<CPage> page = MakePageFromFile(DrawPage(tour.ScratchFolder()), false, 100, 100);
    if (!page)
        return;
    session.AddPage(std::move(page));

    auto isEditor = [](CScreen* top) {
        auto* editor = dynamic_cast<CImageEditDlg*>(top);
        if (editor && !editor->View()->FitMode())
            editor->SendCommand(ID_ZOOM_FIT);
        return editor != nullptr;
    };
    auto zoomAndCrop = [&tour](CScreen* top) {
        auto* editor = static_cast<CImageEditDlg*>(top);
        CImageView* view = editor->View();
        editor->SendCommand(ID_ZOOM_200);
        // Scrolled so that the top-left corner of the chart's first bar (picture 170, 852,
        // doubled) is in the middle of the view, with a frame drawn across it.
        const QSize shown = view->viewport()->size();
        view->ScrollBars().ScrollTo(QPoint(340, 1704) -
                                    QPoint(shown.width() / 2, shown.height() / 2));
        view->SetViewSelection(
            {shown.width() / 5, shown.height() / 4, shown.width() * 4 / 5, shown.height() * 3 / 4});
        tour.Shot(QStringLiteral("61-editor-200-percent-selection"));
        // The question comes up modally once this stop has returned to the editor; a timer
        // photographs it, answers "No" and closes the editor.
        auto* watch = new QTimer(tour.Device());
        watch->setInterval(20);
        QObject::connect(watch, &QTimer::timeout, [&tour, watch, editor, ticks = 0]() mutable {
            auto* box = dynamic_cast<CQuestionBox*>(tour.Device()->TopScreen());
            if (box && box->HasPainted()) {
                tour.Shot(QStringLiteral("62-editor-crop-question"));
                box->EndDialog(kResultCancel);
            } else if (++ticks < 500) {
                return;
            }
            watch->stop();
            watch->deleteLater();
            editor->EndDialog(IDCANCEL);
        });
        watch->start();
        editor->PostCommand(ID_CROP_IMAGE);
    };
    tour.ShootModal(
        QStringLiteral("60-editor-fit"), [&] { EditPage(tour.Main(), session, 0); }, isEditor,
        zoomAndCrop);
}
