#include "screens/StraightenDlg.h"

#include "app/AppSettings.h"
#include "imaging/ImageDecoder.h"
#include "resources/ResourceIds.h"
#include "screens/CornerEditor.h"
#include "screens/ImageEditDlg.h"
#include "screens/ImageView.h"
#include "screens/Magnifier.h"
#include "skin/binding/SkinBinding.h"
#include "tests/support/SkinnedDeviceTest.h"
#include "ui/device/DeviceWindow.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace ids;

// A white sheet with dark lines on a dark green desk, its corners at the given points.
QImage SkewedPage(QSize size, const std::array<QPointF, 4>& corners) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(30, 70, 40));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(245, 245, 240));
    painter.drawPolygon(corners.data(), 4);
    painter.setPen(QPen(QColor(20, 20, 20), 3));
    for (int i = 1; i < 6; ++i) {
        const double t = i / 6.0;
        painter.drawLine(
            corners[0] + (corners[3] - corners[0]) * t + (corners[1] - corners[0]) * 0.15,
            corners[1] + (corners[2] - corners[1]) * t - (corners[1] - corners[0]) * 0.15);
    }
    return image;
}

const std::array<QPointF, 4> kSheet = {QPointF(70, 40), QPointF(300, 60), QPointF(280, 390),
                                       QPointF(50, 360)};

QImage PictureOf(const CImageView& view) {
    return view.Current()->ToImage().convertToFormat(QImage::Format_RGB32);
}

// The largest difference of any colour channel; the undo file is a JPEG at quality 100.
int MaxDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 256;
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

class StraightenDlgTest : public CSkinnedDeviceTest {
protected:
    void SetUp() override {
        CSkinnedDeviceTest::SetUp();
        StartImaging();
        AppSettings().backupEditFile = 0;
    }
    void TearDown() override {
        StopImaging();
        CSkinnedDeviceTest::TearDown();
    }
    std::unique_ptr<CImageEditDlg> Open(const QImage& picture) {
        const QString path = PathIn("page.png");
        EXPECT_TRUE(picture.save(path));
        auto editor = std::make_unique<CImageEditDlg>(nullptr, false);
        editor->LoadPicture(path);
        editor->ShowModeless();
        QCoreApplication::processEvents();
        return editor;
    }
    // Runs `act` on the straighten screen once it is on top (polled: the busy frame before
    // it runs pending events too).
    void OnHandles(std::function<void(CStraightenDlg&)> act) {
        m_act = std::move(act);
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            auto* handles = dynamic_cast<CStraightenDlg*>(m_device->TopScreen());
            if (!handles || !handles->IsRunning() || !m_act)
                return;
            m_poll.stop();
            auto pending = std::move(m_act);
            m_act = nullptr;
            pending(*handles);
        });
        m_poll.start();
    }
    std::function<void(CStraightenDlg&)> m_act;
    QTimer m_poll;
};

TEST_F(StraightenDlgTest, TheToolsMenuCarriesStraightenAndTheLooksWithTheCurrentOneTicked) {
    auto editor = Open(SkewedPage({360, 420}, kSheet));
    const CMenuTemplate* bar = editor->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(MenuPath(*bar, ID_STRAIGHTEN),
              (std::vector<QString>{"Tools", "Edit", "Straighten..."}));
    EXPECT_EQ(MenuPath(*bar, ID_LOOK_ORIGINAL),
              (std::vector<QString>{"Tools", "Enhance", "Original"}));
    EXPECT_EQ(MenuPath(*bar, ID_LOOK_GREY), (std::vector<QString>{"Tools", "Enhance", "Grey"}));
    EXPECT_EQ(MenuPath(*bar, ID_LOOK_BLACK_WHITE),
              (std::vector<QString>{"Tools", "Enhance", "Black and white"}));
    EXPECT_EQ(MenuPath(*bar, ID_LOOK_COLOUR),
              (std::vector<QString>{"Tools", "Enhance", "Colour document"}));
    EXPECT_TRUE(editor->IsMenuItemChecked(ID_LOOK_ORIGINAL));
    EXPECT_FALSE(editor->IsMenuItemChecked(ID_LOOK_GREY));
}

TEST_F(StraightenDlgTest, LooksAreOneChangeAndOriginalBringsThePictureBackExactly) {
    auto editor = Open(SkewedPage({360, 420}, kSheet));
    const QImage before = PictureOf(*editor->View());
    editor->SendCommand(ID_LOOK_GREY);
    EXPECT_TRUE(editor->IsMenuItemChecked(ID_LOOK_GREY));
    EXPECT_FALSE(editor->IsMenuItemChecked(ID_LOOK_ORIGINAL));
    EXPECT_EQ(editor->ModificationCount(), 1);
    const QImage grey = PictureOf(*editor->View());
    EXPECT_EQ(qRed(grey.pixel(180, 200)), qBlue(grey.pixel(180, 200)));
    editor->SendCommand(ID_LOOK_BLACK_WHITE);
    EXPECT_TRUE(editor->IsMenuItemChecked(ID_LOOK_BLACK_WHITE));
    EXPECT_FALSE(editor->IsMenuItemChecked(ID_LOOK_GREY));
    EXPECT_EQ(editor->ModificationCount(), 1);
    const QImage bw = PictureOf(*editor->View());
    for (QPoint p : {QPoint(5, 5), QPoint(180, 200), QPoint(150, 150)})
        EXPECT_TRUE(qGray(bw.pixel(p)) == 0 || qGray(bw.pixel(p)) == 255) << p.x() << "," << p.y();
    // The same look again is no change.
    editor->SendCommand(ID_LOOK_BLACK_WHITE);
    EXPECT_EQ(editor->ModificationCount(), 1);
    editor->SendCommand(ID_LOOK_ORIGINAL);
    EXPECT_EQ(editor->ModificationCount(), 0);
    EXPECT_TRUE(editor->IsMenuItemChecked(ID_LOOK_ORIGINAL));
    EXPECT_EQ(PictureOf(*editor->View()), before);
    // Undo after a look takes it back and ticks Original again.
    editor->SendCommand(ID_LOOK_COLOUR);
    EXPECT_TRUE(editor->IsMenuItemChecked(ID_LOOK_COLOUR));
    editor->SendCommand(ID_ACTION_UNDO);
    EXPECT_EQ(editor->ModificationCount(), 0);
    EXPECT_TRUE(editor->IsMenuItemChecked(ID_LOOK_ORIGINAL));
    EXPECT_LE(MaxDifference(PictureOf(*editor->View()), before), 16);
}

TEST_F(StraightenDlgTest, TheHandlesStartOnTheFoundSheetAndOkStraightensWhatTheyShow) {
    auto editor = Open(SkewedPage({360, 420}, kSheet));
    const QImage before = PictureOf(*editor->View());
    CPageCorners shown;
    OnHandles([&](CStraightenDlg& handles) {
        CCornerEditor* corners = handles.Editor();
        EXPECT_EQ(corners->geometry(), handles.rect());
        EXPECT_EQ(corners->accessibleName(), "Page corners");
        EXPECT_EQ(corners->HandleSide(), ScalePixels(8));
        for (int i = 0; i < 4; ++i)
            EXPECT_LT(QLineF(corners->Corners().At(i), kSheet[std::size_t(i)]).length(), 8.0) << i;
        // Tab picks the top-right handle, an arrow moves it by one screen pixel.
        QTest::keyClick(corners, Qt::Key_Tab);
        EXPECT_EQ(corners->CurrentCorner(), 1);
        const QPointF start = corners->Corners().At(1);
        QTest::keyClick(corners, Qt::Key_Left);
        EXPECT_NEAR(corners->Corners().At(1).x(), start.x() - 1.0 / corners->Scale(), 1e-9);
        EXPECT_EQ(corners->Corners().At(1).y(), start.y());
        shown = handles.Corners();
        handles.SendCommand(ID_OK);
    });
    editor->SendCommand(ID_STRAIGHTEN);
    EXPECT_EQ(editor->ModificationCount(), 1);
    EXPECT_EQ(QSize(editor->View()->PictureWidth(), editor->View()->PictureHeight()),
              shown.StraightenedSize());
    // The sheet now fills the picture: its middle and its edges are paper, not desk.
    const QImage after = PictureOf(*editor->View());
    EXPECT_GT(qGreen(after.pixel(4, after.height() / 2)), 200);
    EXPECT_GT(qRed(after.pixel(after.width() - 5, after.height() / 2)), 200);
    editor->SendCommand(ID_ACTION_UNDO);
    EXPECT_LE(MaxDifference(PictureOf(*editor->View()), before), 16);
}

TEST_F(StraightenDlgTest, CancelLeavesThePictureAlone) {
    auto editor = Open(SkewedPage({360, 420}, kSheet));
    const QImage before = PictureOf(*editor->View());
    OnHandles([](CStraightenDlg& handles) { handles.SendCommand(ID_PLATFORM_CANCEL); });
    editor->SendCommand(ID_STRAIGHTEN);
    EXPECT_EQ(editor->ModificationCount(), 0);
    EXPECT_FALSE(editor->IsMenuItemEnabled(ID_ACTION_UNDO));
    EXPECT_EQ(PictureOf(*editor->View()), before);
}

TEST_F(StraightenDlgTest, AHandleFollowsTheFingerWithTheMagnifierAndStaysInThePicture) {
    CCornerEditor corners;
    corners.resize(200, 300);
    QImage picture(100, 100, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    corners.SetPicture(picture);
    corners.SetCorners(CPageCorners::Whole(100, 100));
    corners.show();
    // Fitted: 2 screen pixels a picture pixel, centred vertically.
    ASSERT_DOUBLE_EQ(corners.Scale(), (200.0 - corners.HandleSide()) / 100.0);
    const QPointF bottomRight = corners.ToView(QPointF(99, 99));
    EXPECT_EQ(corners.ToPicture(bottomRight), QPointF(99, 99));
    // A press near (not on) the bottom-right handle takes it.
    QTest::mousePress(&corners, Qt::LeftButton, {}, (bottomRight + QPointF(5, 5)).toPoint());
    EXPECT_TRUE(corners.IsDragging());
    EXPECT_EQ(corners.CurrentCorner(), 2);
    const QPoint target = corners.ToView(QPointF(60, 70)).toPoint();
    QTest::mouseMove(&corners, target);
    const QImage dragging = corners.grab().toImage();
    // The loupe in the top-left corner shows the blue picture enlarged.
    const CMagnifier loupe(ScalePixels(90), 3.0);
    const QRect where = loupe.Place(corners.rect(), target);
    EXPECT_EQ(where.topLeft().y(), where.top());
    EXPECT_EQ(dragging.pixel(where.center().x(), where.top() + ScalePixels(5)), qRgb(0, 0, 255));
    QTest::mouseRelease(&corners, Qt::LeftButton, {}, target);
    EXPECT_FALSE(corners.IsDragging());
    EXPECT_LT(QLineF(corners.Corners().At(2), QPointF(60, 70)).length(), 1.0);
    // The loupe has gone: that spot shows the desk above the picture again.
    const QImage released = corners.grab().toImage();
    EXPECT_EQ(released.pixel(where.center().x(), where.top() + ScalePixels(5)),
              qRgb(0x30, 0x30, 0x30));
    // A corner dragged off the picture stops at its edge.
    QTest::mousePress(&corners, Qt::LeftButton, {}, target);
    QTest::mouseMove(&corners, QPoint(199, 299));
    QTest::mouseRelease(&corners, Qt::LeftButton, {}, QPoint(199, 299));
    EXPECT_EQ(corners.Corners().At(2), QPointF(99, 99));
    // Shift+Tab goes back round to the bottom-left handle.
    QTest::keyClick(&corners, Qt::Key_Tab);
    QTest::keyClick(&corners, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(&corners, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(corners.CurrentCorner(), 1);
}

TEST(MagnifierTest, TheLoupeNeverSitsUnderTheFinger) {
    const CMagnifier loupe(90, 3.0);
    const QRect area(0, 0, 480, 600);
    EXPECT_EQ(loupe.Place(area, QPointF(400, 500)).topLeft(), QPoint(5, 5));
    EXPECT_EQ(loupe.Place(area, QPointF(40, 40)), QRect(480 - 5 - 90, 5, 90, 90));
    EXPECT_EQ(loupe.Place(area, QPointF(300, 40)).topLeft(), QPoint(5, 5));
}

} // namespace
