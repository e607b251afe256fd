#include "program/tour/TourContext.h"

#include "resources/ResourceIds.h"
#include "screens/CornerEditor.h"
#include "screens/EditCommand.h"
#include "screens/ImageEditDlg.h"
#include "screens/ImageView.h"
#include "screens/MainDlg.h"
#include "screens/StraightenDlg.h"
#include "session/PageFactory.h"
#include "session/Session.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/Screen.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

// A printed page photographed at an angle on a wooden desk, lit from one side.
QString DrawSkewedPhoto(const QString& folder) {
    QImage sheet(800, 1100, QImage::Format_RGB32);
    sheet.fill(QColor(0xF4, 0xF1, 0xE8));
    QPainter s(&sheet);
    s.fillRect(QRect(70, 70, 660, 60), QColor(0x2F, 0x5D, 0x8C));
    int y = 180;
    for (int i = 0; y < 1020; ++i, y += 30) {
        if (i == 8) {
            // A small chart among the lines.
            const QColor bars[] = {QColor(0x8C, 0x3B, 0x2F), QColor(0x3B, 0x7A, 0x4A),
                                   QColor(0x6A, 0x4C, 0x93), QColor(0xC8, 0x8A, 0x1E)};
            for (int b = 0; b < 4; ++b) {
                const int h = 80 + (b * 53) % 140;
                s.fillRect(QRect(120 + b * 150, y + 220 - h, 90, h), bars[b]);
            }
            y += 250;
        }
        s.fillRect(QRect(70, y, 660 * (i % 5 == 4 ? 45 : 90) / 100, 13), QColor(0x38, 0x38, 0x3C));
    }
    s.end();

    QImage photo(1200, 1600, QImage::Format_RGB32);
    QPainter p(&photo);
    QLinearGradient wood(0, 0, 1200, 1600);
    wood.setColorAt(0, QColor(0x8A, 0x5A, 0x34));
    wood.setColorAt(1, QColor(0x4E, 0x30, 0x1A));
    p.fillRect(photo.rect(), wood);
    p.setPen(QPen(QColor(0, 0, 0, 40), 3));
    for (int x = -400; x < 1600; x += 37)
        p.drawLine(x, 0, x + 400, 1600);
    QPolygonF quad;
    quad << QPointF(230, 170) << QPointF(1010, 260) << QPointF(1080, 1420) << QPointF(140, 1350);
    QTransform onDesk;
    QPolygonF flat;
    flat << QPointF(0, 0) << QPointF(sheet.width(), 0) << QPointF(sheet.width(), sheet.height())
         << QPointF(0, sheet.height());
    QTransform::quadToQuad(flat, quad, onDesk);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setTransform(onDesk);
    p.drawImage(0, 0, sheet);
    p.resetTransform();
    // Light falling off towards the lower right, as from a window.
    QLinearGradient light(0, 0, 1200, 1600);
    light.setColorAt(0, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(photo.rect(), light);
    p.end();
    QString path = QDir(folder).filePath(QStringLiteral("skewed_page.jpg"));
    photo.save(path, "JPG", 92);
    return path;
}

void SendMouse(QWidget* widget, QEvent::Type type, QPointF at) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Walks the editor through straightening and the looks, one step per tick, and closes it.
void RunSteps(CTourContext& tour, CImageEditDlg* editor) {
    using namespace ids;
    auto* timer = new QTimer(tour.Device());
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout,
                     [&tour, timer, editor, step = 0, ticks = 0]() mutable {
                         CScreen* top = tour.Device()->TopScreen();
                         auto* handles = dynamic_cast<CStraightenDlg*>(top);
                         bool done = ++ticks > 1000;
                         if (step == 0) {
                             editor->PostCommand(ID_STRAIGHTEN);
                             step = 1;
                         } else if (step == 1 && handles && handles->HasPainted()) {
                             tour.Shot(QStringLiteral("91-straighten-corners"));
                             // A finger on the top-right handle, dragged a little: the magnifier
                             // shows.
                             CCornerEditor* corners = handles->Editor();
                             const QPointF at = corners->ToView(corners->Corners().At(1));
                             SendMouse(corners, QEvent::MouseButtonPress, at);
                             SendMouse(corners, QEvent::MouseMove, at + QPointF(-4, 3));
                             corners->repaint();
                             tour.Shot(QStringLiteral("92-straighten-magnifier"));
                             SendMouse(corners, QEvent::MouseButtonRelease, at);
                             handles->SendCommand(ID_OK);
                             step = 2;
                         } else if (step == 2 && top == editor && !editor->IsBusy() &&
                                    editor->ModificationCount() == 1) {
                             const struct {
                                 int command;
                                 const char* shot;
                             } looks[] = {{0, "93-straightened"},
                                          {ID_LOOK_GREY, "94-enhance-grey"},
                                          {ID_LOOK_BLACK_WHITE, "95-enhance-black-and-white"},
                                          {ID_LOOK_COLOUR, "96-enhance-colour-document"}};
                             for (const auto& look : looks) {
                                 if (look.command)
                                     editor->SendCommand(look.command);
                                 editor->SendCommand(ID_ZOOM_FIT);
                                 editor->View()->viewport()->repaint();
                                 tour.Shot(QString::fromLatin1(look.shot));
                             }
                             done = true;
                         }
                         if (!done)
                             return;
                         timer->stop();
                         timer->deleteLater();
                         if (auto* open = dynamic_cast<CStraightenDlg*>(tour.Device()->TopScreen()))
                             open->EndDialog(IDCANCEL);
                         editor->EndDialog(IDCANCEL);
                     });
    timer->start();
}

} // namespace

void RunScanTour(CTourContext& tour) {
    CSession session;
    std::unique_ptr<CPage> page =
        MakePageFromFile(DrawSkewedPhoto(tour.ScratchFolder()), false, 100, 100);
    if (!page)
        return;
    session.AddPage(std::move(page));
    auto isEditor = [](CScreen* top) {
        auto* editor = dynamic_cast<CImageEditDlg*>(top);
        if (editor && !editor->View()->FitMode())
            editor->SendCommand(ids::ID_ZOOM_FIT);
        return editor != nullptr;
    };
    tour.ShootModal(
        QStringLiteral("90-scan-photo-in-editor"), [&] { EditPage(tour.Main(), session, 0); },
        isEditor, [&tour](CScreen* top) { RunSteps(tour, static_cast<CImageEditDlg*>(top)); });
}
