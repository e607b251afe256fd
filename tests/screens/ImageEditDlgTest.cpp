#include "screens/ImageEditDlg.h"

#include "app/AppSettings.h"
#include "imaging/ImageDecoder.h"
#include "resources/ResourceIds.h"
#include "screens/EditCommand.h"
#include "screens/ImageView.h"
#include "session/PageFactory.h"
#include "session/Session.h"
#include "skin/binding/SkinBinding.h"
#include "tests/support/MountedFolder.h"
#include "tests/support/PrivateMounts.h"
#include "tests/support/SkinnedDeviceTest.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/WaitCursor.h"
#include "ui/toolkit/QuestionBox.h"
#include "ui/toolkit/ResourceTables.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace ids;

// Every pixel of a picture up to 512 x 512 has its own colour.
QRgb Colour(int x, int y) {
    return qRgb(x % 256, y % 256, (x / 256) * 100 + (y / 256) * 50);
}

QImage DistinctPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, Colour(x, y));
    return image;
}

QImage PictureOf(const CImageView& view) {
    return view.Current() ? view.Current()->ToImage().convertToFormat(QImage::Format_RGB32)
                          : QImage();
}

// The quantisation tables of a baseline JPEG: all ones at quality 100.
std::vector<int> QuantValues(const QByteArray& jpeg) {
    std::vector<int> values;
    for (qsizetype i = 2; i + 4 < jpeg.size();) {
        if (uchar(jpeg[i]) != 0xFF)
            break;
        const int marker = uchar(jpeg[i + 1]);
        const int length = (uchar(jpeg[i + 2]) << 8) | uchar(jpeg[i + 3]);
        if (marker == 0xDB)
            for (int k = 4; k < length + 2; k += 65)
                for (int v = 1; v <= 64 && i + k + v < jpeg.size(); ++v)
                    values.push_back(uchar(jpeg[i + k + v]));
        if (marker == 0xDA)
            break;
        i += 2 + length;
    }
    return values;
}

// Answers the question boxes that come up, in order, with the given buttons (Cancel once
// the list is used up) and remembers their headings.
class CBoxAnswerer {
public:
    CBoxAnswerer(CDeviceWindow* device, std::vector<int> buttons)
        : m_device(device), m_buttons(std::move(buttons)) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }
    std::vector<QString> headings;
    std::vector<QString> bodies;

private:
    void Poll() {
        auto* box = dynamic_cast<CQuestionBox*>(m_device->TopScreen());
        if (!box || !box->IsRunning() || box == m_answered)
            return;
        m_answered = box;
        headings.push_back(box->Heading());
        bodies.push_back(box->GetDlgItemText(IDC_QB_BODY));
        const int button = m_next < m_buttons.size() ? m_buttons[m_next++] : IDC_QB_BUTTON_CANCEL;
        box->SendCommand(button);
    }

    CDeviceWindow* m_device;
    std::vector<int> m_buttons;
    size_t m_next = 0;
    // A box lives on the stack of its caller, so the next one may have the same address.
    QPointer<CQuestionBox> m_answered;
    QTimer m_timer;
};

constexpr int kYes = IDC_QB_BUTTON_OK;
constexpr int kNo = IDC_QB_BUTTON_CANCEL;

class ImageEditDlgTest : public CSkinnedDeviceTest {
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
    QString Page(const QImage& image, const QString& name = "page.png") {
        QString path = PathIn(name);
        EXPECT_TRUE(image.save(path, nullptr, name.endsWith(".jpg") ? 50 : -1));
        return path;
    }
    // An editor on the stack with the picture loaded, as the main screen opens it.
    std::unique_ptr<CImageEditDlg> Open(const QString& page, bool backup = false) {
        auto editor = std::make_unique<CImageEditDlg>(nullptr, backup);
        editor->LoadPicture(page);
        editor->ShowModeless();
        QCoreApplication::processEvents();
        return editor;
    }
};

TEST_F(ImageEditDlgTest, MenuBarCarriesToolsAndActionWithEveryCommand) {
    auto editor = Open(Page(DistinctPicture(40, 30)));
    const CMenuTemplate* bar = editor->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->id, IDR_MENU_EDITOR_5);
    EXPECT_EQ(MenuPath(*bar, ID_ZOOM_200), (std::vector<QString>{"Tools", "Zoom", "200%"}));
    EXPECT_EQ(MenuPath(*bar, ID_ZOOM_FIT), (std::vector<QString>{"Tools", "Zoom", "Fit to page"}));
    EXPECT_EQ(MenuPath(*bar, ID_CROP_IMAGE), (std::vector<QString>{"Tools", "Edit", "Crop image"}));
    EXPECT_EQ(MenuPath(*bar, ID_ROTATE_90_CCW),
              (std::vector<QString>{"Tools", "Rotate", "90 CCW"}));
    EXPECT_EQ(MenuPath(*bar, ID_FLIP_HORIZONTAL),
              (std::vector<QString>{"Tools", "Rotate", "Flip horizontal"}));
    EXPECT_EQ(MenuPath(*bar, ID_ACTION_UNDO), (std::vector<QString>{"Action", "Undo"}));
    EXPECT_EQ(MenuPath(*bar, ID_ACTION_OK), (std::vector<QString>{"Action", "Ok"}));
    EXPECT_EQ(FindMenuTemplate(IDR_MENU_EDITOR)->left.popup.size(), bar->left.popup.size());
    // The view covers the screen and has a name for assistive tools.
    EXPECT_EQ(editor->View()->geometry(), editor->rect());
    EXPECT_EQ(editor->View()->accessibleName(), "Page picture");
    // Focus given to the screen (also when a question closes) lands in the view.
    EXPECT_EQ(editor->focusProxy(), editor->View());
}

TEST_F(ImageEditDlgTest, UndoIsGreyedAtStartAndAfterAnUndoAndOfferedAfterAChange) {
    auto editor = Open(Page(DistinctPicture(40, 30)));
    EXPECT_FALSE(editor->IsMenuItemEnabled(ID_ACTION_UNDO));
    ASSERT_TRUE(editor->SendCommand(ID_ROTATE_90_CW));
    EXPECT_TRUE(editor->IsMenuItemEnabled(ID_ACTION_UNDO));
    EXPECT_EQ(editor->ModificationCount(), 1);
    EXPECT_EQ(editor->View()->PictureWidth(), 30);
    // The busy frame has ended: cursor back, both soft keys usable.
    EXPECT_EQ(WaitDepth(), 0);
    EXPECT_TRUE(editor->IsSoftKeyEnabled(true));
    EXPECT_TRUE(editor->IsSoftKeyEnabled(false));
    editor->SendCommand(ID_ACTION_UNDO);
    EXPECT_FALSE(editor->IsMenuItemEnabled(ID_ACTION_UNDO));
    EXPECT_EQ(editor->ModificationCount(), 0);
    EXPECT_EQ(PictureOf(*editor->View()).size(), QSize(40, 30));
    // A refused undo does not count.
    editor->SendCommand(ID_ACTION_UNDO);
    EXPECT_EQ(editor->ModificationCount(), 0);
}

TEST_F(ImageEditDlgTest, AOnePixelWidePictureIsNotTurnedButOffersUndoWithoutAnError) {
    auto editor = Open(Page(DistinctPicture(1, 5)));
    CBoxAnswerer answers(m_device.get(), {});
    editor->SendCommand(ID_ROTATE_90_CW);
    EXPECT_TRUE(answers.headings.empty());
    EXPECT_EQ(editor->View()->PictureWidth(), 1);
    EXPECT_EQ(editor->ModificationCount(), 0);
    EXPECT_TRUE(editor->IsMenuItemEnabled(ID_ACTION_UNDO));
}

TEST_F(ImageEditDlgTest, CancelAsksOnlyWhileChangesRemain) {
    const QString page = Page(DistinctPicture(40, 30));
    const QByteArray before = ReadFile(page);
    {
        // Turn, turn, undo: one change left, so Cancel asks; "No" keeps the editor open.
        auto editor = Open(page);
        editor->SendCommand(ID_ROTATE_90_CW);
        editor->SendCommand(ID_ROTATE_180);
        editor->SendCommand(ID_ACTION_UNDO);
        EXPECT_EQ(editor->ModificationCount(), 1);
        CBoxAnswerer answers(m_device.get(), {kNo, kYes});
        editor->SendCommand(ID_ACTION_CANCEL);
        EXPECT_EQ(editor->Result(), 0);
        EXPECT_EQ(answers.headings, std::vector<QString>{"Discard changes?"});
        editor->SendCommand(IDCANCEL);
        EXPECT_EQ(editor->Result(), IDCANCEL);
        EXPECT_EQ(answers.headings.size(), 2u);
    }
    {
        // Turn, undo: nothing left, Cancel closes at once.
        auto editor = Open(page);
        editor->SendCommand(ID_ROTATE_90_CCW);
        editor->SendCommand(ID_ACTION_UNDO);
        CBoxAnswerer answers(m_device.get(), {});
        editor->SendCommand(ID_ACTION_CANCEL);
        EXPECT_EQ(editor->Result(), IDCANCEL);
        EXPECT_TRUE(answers.headings.empty());
    }
    {
        // A mirror counts as a change.
        auto editor = Open(page);
        editor->SendCommand(ID_FLIP_VERTICAL);
        CBoxAnswerer answers(m_device.get(), {kYes});
        editor->SendCommand(ID_ACTION_CANCEL);
        EXPECT_EQ(editor->Result(), IDCANCEL);
        EXPECT_EQ(answers.headings, std::vector<QString>{"Discard changes?"});
    }
    EXPECT_EQ(ReadFile(page), before);
}

TEST_F(ImageEditDlgTest, FitKeepsTheFrameAndAZoomDropsIt) {
    auto editor = Open(Page(DistinctPicture(400, 300)));
    CImageView* view = editor->View();
    view->SetViewSelection({20, 40, 220, 240});
    editor->SendCommand(ID_ZOOM_FIT);
    EXPECT_TRUE(view->FitMode());
    EXPECT_TRUE(view->SelectionShown());
    EXPECT_EQ(view->ViewSelection().right, 220);
    editor->SendCommand(ID_ZOOM_50);
    EXPECT_FALSE(view->FitMode());
    EXPECT_EQ(view->ZoomPercent(), 50);
    EXPECT_FALSE(view->SelectionShown());
}

TEST_F(ImageEditDlgTest, FitViewShowsTheWholePictureAtTheTopLeftOnWhite) {
    QImage picture(400, 100, QImage::Format_RGB32);
    picture.fill(qRgb(200, 0, 0));
    auto editor = Open(Page(picture));
    CImageView* view = editor->View();
    editor->SendCommand(ID_ZOOM_FIT);
    view->viewport()->repaint();
    const QImage painted = view->PaintedImage();
    const int width = view->viewport()->width();
    ASSERT_EQ(painted.width(), width);
    const int fittedHeight = 100 * width / 400;
    EXPECT_EQ(QColor(painted.pixel(width / 2, fittedHeight / 2)), QColor(200, 0, 0));
    EXPECT_EQ(QColor(painted.pixel(width / 2, fittedHeight + 2)), QColor(Qt::white));
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
}

TEST_F(ImageEditDlgTest, AFrameAt200PercentScrolledToTheMiddleCropsExactlyTheFramedPixels) {
    const QImage source = DistinctPicture(400, 300);
    auto editor = Open(Page(source));
    CImageView* view = editor->View();
    editor->SendCommand(ID_ZOOM_200);
    const QSize page = view->viewport()->size();
    ASSERT_LT(page.width(), 800);
    ASSERT_LT(page.height(), 600);
    const QPoint middle(((800 - page.width()) / 2) & ~1, ((600 - page.height()) / 2) & ~1);
    view->ScrollBars().ScrollTo(middle);
    ASSERT_EQ(view->ScrollBars().Position(), middle);
    view->viewport()->repaint();
    const QImage shown = view->PaintedImage();

    view->SetViewSelection({20, 40, 220, 240});
    CBoxAnswerer answers(m_device.get(), {kYes});
    editor->SendCommand(ID_CROP_IMAGE);
    EXPECT_EQ(answers.headings, std::vector<QString>{"Crop image?"});
    EXPECT_EQ(editor->ModificationCount(), 1);
    const QImage cropped = PictureOf(*view);
    ASSERT_EQ(cropped.size(), QSize(100, 100));
    const QPoint origin((middle.x() + 20) / 2, (middle.y() + 40) / 2);
    int wrong = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            wrong += cropped.pixel(x, y) != Colour(origin.x() + x, origin.y() + y);
            wrong += cropped.pixel(x, y) != shown.pixel(20 + 2 * x, 40 + 2 * y);
        }
    EXPECT_EQ(wrong, 0);
    // The crop starts a new view: 100 %, at the origin, no frame.
    EXPECT_EQ(view->ZoomPercent(), 200);
    EXPECT_EQ(view->ScrollBars().Position(), QPoint(0, 0));
    EXPECT_FALSE(view->SelectionShown());
}

TEST_F(ImageEditDlgTest, AFrameDrawnBackwardsCropsTheSameArea) {
    const QString page = Page(DistinctPicture(400, 300));
    QImage results[2];
    const CSelectionRect frames[2] = {{30, 50, 130, 170}, {130, 170, 30, 50}};
    for (int i = 0; i < 2; ++i) {
        auto editor = Open(page);
        editor->View()->SetViewSelection(frames[i]);
        CBoxAnswerer answers(m_device.get(), {kYes});
        editor->SendCommand(ID_CROP_IMAGE);
        results[i] = PictureOf(*editor->View());
    }
    ASSERT_EQ(results[0].size(), QSize(100, 120));
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(results[0].pixel(0, 0), Colour(30, 50));
}

TEST_F(ImageEditDlgTest, CropAnsweredNoOrTooSmallChangesNothing) {
    auto editor = Open(Page(DistinctPicture(400, 300)));
    CImageView* view = editor->View();
    view->SetViewSelection({10, 10, 200, 200});
    {
        CBoxAnswerer answers(m_device.get(), {kNo});
        editor->SendCommand(ID_CROP_IMAGE);
    }
    EXPECT_EQ(view->PictureWidth(), 400);
    // 59 x 200 on a high-resolution screen is below the smallest frame.
    view->SetViewSelection({10, 10, 69, 210});
    {
        CBoxAnswerer answers(m_device.get(), {kYes});
        editor->SendCommand(ID_CROP_IMAGE);
    }
    EXPECT_EQ(view->PictureWidth(), 400);
    EXPECT_EQ(editor->ModificationCount(), 0);
    EXPECT_FALSE(editor->IsMenuItemEnabled(ID_ACTION_UNDO));
}

TEST_F(ImageEditDlgTest, AcceptingWithoutChangesRewritesAtQuality100AndKeepsABackup) {
    const QString page = Page(DistinctPicture(64, 48), "page.jpg");
    const QByteArray before = ReadFile(page);
    ASSERT_NE(QuantValues(before), std::vector<int>(QuantValues(before).size(), 1));
    auto editor = Open(page, true);
    editor->SendCommand(ID_ACTION_OK);
    EXPECT_EQ(editor->Result(), IDOK);
    EXPECT_EQ(ReadFile(page + ".bak"), before);
    const QByteArray after = ReadFile(page);
    const std::vector<int> quant = QuantValues(after);
    ASSERT_FALSE(quant.empty());
    EXPECT_EQ(quant, std::vector<int>(quant.size(), 1));
    EXPECT_EQ(QImage(page).size(), QSize(64, 48));
    EXPECT_FALSE(QFile::exists(PathIn("tmpimage.jpg")));
    EXPECT_FALSE(editor->View()->HasPicture());
}

TEST_F(ImageEditDlgTest, AcceptingATurnReplacesThePageWithoutBackupWhenOff) {
    const QString page = Page(DistinctPicture(64, 48), "page.jpg");
    auto editor = Open(page, false);
    editor->SendCommand(ID_ROTATE_90_CW);
    editor->SendCommand(ID_ACTION_OK);
    EXPECT_EQ(editor->Result(), IDOK);
    EXPECT_EQ(QImage(page).size(), QSize(48, 64));
    EXPECT_FALSE(QFile::exists(page + ".bak"));
}

TEST_F(ImageEditDlgTest, AnUnreadablePageIsNeverReplacedByAnOlderUndoFile) {
    const QString page = PathIn("broken.jpg");
    WriteFile(page, "not a picture");
    Page(DistinctPicture(40, 30), "tmpimage.jpg"); // left over from an earlier edit
    auto editor = Open(page);
    EXPECT_FALSE(editor->View()->HasPicture());
    editor->SendCommand(ID_ACTION_OK);
    EXPECT_EQ(editor->Result(), IDCANCEL);
    EXPECT_EQ(ReadFile(page), QByteArray("not a picture"));
}

TEST_F(ImageEditDlgTest, AReadOnlyPageFolderShowsTheSaveErrorAndKeepsThePage) {
    if (RerunWithPrivateMounts())
        return;
    ASSERT_TRUE(QDir(Home()).mkdir("pages"));
    const QString page = Page(DistinctPicture(64, 48), "pages/page.jpg");
    const QByteArray before = ReadFile(page);
    auto editor = Open(page, true);
    editor->SendCommand(ID_ROTATE_180);
    QString why;
    auto readOnly = CMountedFolder::ReadOnly(PathIn("pages"), &why);
    ASSERT_TRUE(readOnly) << why.toStdString();
    CBoxAnswerer answers(m_device.get(), {kYes});
    editor->SendCommand(ID_ACTION_OK);
    EXPECT_EQ(answers.headings, std::vector<QString>{"File could not be saved"});
    ASSERT_EQ(answers.bodies.size(), 1u);
    EXPECT_EQ(answers.bodies[0], "Could not save file '" + page +
                                     "'. Please check if the file is write-protected or locked "
                                     "by another application.");
    EXPECT_EQ(editor->Result(), 0);
    EXPECT_EQ(ReadFile(page), before);
    EXPECT_EQ(QDir(PathIn("pages")).entryList(QDir::Files), QStringList{"page.jpg"});
    // The edit is still on screen and in the undo file.
    EXPECT_TRUE(editor->View()->HasPicture());
    EXPECT_TRUE(QFile::exists(PathIn("tmpimage.jpg")));
}

TEST_F(ImageEditDlgTest, AFullDiskWhileWritingTheResultKeepsThePageAndTheEditor) {
    if (RerunWithPrivateMounts())
        return;
    ASSERT_TRUE(QDir(Home()).mkdir("undo"));
    QString why;
    auto disk = CMountedFolder::SmallDisk(PathIn("undo"), qint64(2) * 1024 * 1024, &why);
    ASSERT_TRUE(disk) << why.toStdString();
    const QString page = Page(DistinctPicture(300, 200), "page.jpg");
    const QByteArray before = ReadFile(page);
    auto editor = Open(page, true);
    editor->View()->SetUndoPath(PathIn("undo/tmpimage.jpg"));
    editor->SendCommand(ID_ROTATE_90_CCW);
    ASSERT_TRUE(editor->IsMenuItemEnabled(ID_ACTION_UNDO));
    // The disk fills up behind the editor's back.
    QFile::remove(PathIn("undo/tmpimage.jpg"));
    CMountedFolder::FillUp(PathIn("undo"));
    CBoxAnswerer answers(m_device.get(), {kYes});
    editor->SendCommand(ID_ACTION_OK);
    EXPECT_EQ(answers.headings, std::vector<QString>{"Error saving the image"});
    EXPECT_EQ(editor->Result(), 0);
    EXPECT_EQ(ReadFile(page), before);
    EXPECT_FALSE(QFile::exists(page + ".bak"));
    EXPECT_EQ(editor->View()->PictureWidth(), 200);
    // The undo file was overwritten by the failed write, so there is nothing to undo.
    EXPECT_FALSE(editor->IsMenuItemEnabled(ID_ACTION_UNDO));
}

TEST_F(ImageEditDlgTest, EditingAnAutoPortraitPageChangesItsCopyNeverTheOriginal) {
    const QString original = Page(DistinctPicture(300, 200), "landscape.jpg");
    const QByteArray before = ReadFile(original);
    auto made = MakePageFromFile(original, true, 100, 100);
    ASSERT_NE(made, nullptr);
    ASSERT_TRUE(made->turnCcw);
    CSession session;
    session.AddPage(std::move(made));
    CPage* page = session.Pages().At(0);
    AppSettings().backupEditFile = 1;

    QTimer::singleShot(0, [this] {
        const bool opened = QTest::qWaitFor(
            [this] { return dynamic_cast<CImageEditDlg*>(m_device->TopScreen()) != nullptr; },
            5000);
        ASSERT_TRUE(opened);
        CScreen* editor = m_device->TopScreen();
        // The editor shows the page as the user sees it: upright.
        EXPECT_EQ(static_cast<CImageEditDlg*>(editor)->View()->PictureWidth(), 200);
        editor->SendCommand(ID_ROTATE_180);
        editor->SendCommand(ID_ACTION_OK);
    });
    EXPECT_TRUE(EditPage(nullptr, session, 0));
    EXPECT_EQ(ReadFile(original), before);
    EXPECT_EQ(page->path, original + ".tesimg");
    EXPECT_TRUE(page->isTemporaryCopy);
    EXPECT_FALSE(page->turnCcw);
    const QImage edited(page->path);
    EXPECT_EQ(edited.size(), QSize(200, 300));
    EXPECT_TRUE(QDir(Home()).entryList({"*.bak"}, QDir::Files).isEmpty());
    EXPECT_FALSE(EditPage(nullptr, session, 5));
}

TEST_F(ImageEditDlgTest, AnAutoPortraitPageInAReadOnlyFolderIsNotEditedAndSaysWhy) {
    if (RerunWithPrivateMounts())
        return;
    ASSERT_TRUE(QDir(Home()).mkdir("pictures"));
    const QString original = Page(DistinctPicture(300, 200), "pictures/landscape.jpg");
    const QByteArray before = ReadFile(original);
    CSession session;
    session.AddPage(MakePageFromFile(original, true, 100, 100));
    QString why;
    auto readOnly = CMountedFolder::ReadOnly(PathIn("pictures"), &why);
    ASSERT_TRUE(readOnly) << why.toStdString();
    CBoxAnswerer answers(m_device.get(), {kYes});
    EXPECT_FALSE(EditPage(nullptr, session, 0));
    EXPECT_EQ(answers.headings, std::vector<QString>{"Error saving the image"});
    EXPECT_EQ(ReadFile(original), before);
    EXPECT_EQ(session.Pages().At(0)->path, original);
    EXPECT_TRUE(session.Pages().At(0)->turnCcw);
}

TEST_F(ImageEditDlgTest, EditPageTakesTheBackupSettingAndReportsOnlyAnAcceptedEdit) {
    const QString file = Page(DistinctPicture(64, 48), "scan_1.jpg");
    const QByteArray before = ReadFile(file);
    CSession session;
    session.AddPage(MakePageFromFile(file, false, 100, 100));
    AppSettings().backupEditFile = 1;
    auto answer = [this](int command) {
        QTimer::singleShot(0, [this, command] {
            const bool opened = QTest::qWaitFor(
                [this] { return dynamic_cast<CImageEditDlg*>(m_device->TopScreen()) != nullptr; },
                5000);
            ASSERT_TRUE(opened);
            m_device->TopScreen()->SendCommand(command);
        });
    };
    answer(ID_ACTION_CANCEL);
    EXPECT_FALSE(EditPage(nullptr, session, 0));
    EXPECT_FALSE(QFile::exists(file + ".bak"));
    answer(ID_ACTION_OK);
    EXPECT_TRUE(EditPage(nullptr, session, 0));
    EXPECT_EQ(ReadFile(file + ".bak"), before);
}

TEST_F(ImageEditDlgTest, ArrowKeysScrollAndTheFrameFollowsThePicture) {
    auto editor = Open(Page(DistinctPicture(400, 300)));
    CImageView* view = editor->View();
    editor->SendCommand(ID_ZOOM_200);
    // Scroll bars sized for a finger on the device, not for the host's monitor.
    EXPECT_EQ(view->verticalScrollBar()->width(), ScalePixels(12));
    EXPECT_EQ(view->horizontalScrollBar()->height(), ScalePixels(12));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(view->ScrollBars().Position(), QPoint(10, 20));
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(view->ScrollBars().Position(), QPoint(0, 20));
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_EQ(view->ScrollBars().Position().y(), view->verticalScrollBar()->maximum());
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 600 - view->viewport()->height());

    view->SetViewSelection({100, 100, 200, 200});
    const CSelectionRect before = view->Selection();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(view->ViewSelection().left, 90);
    EXPECT_EQ(view->ViewSelection().top, 110);
    // Still over the same picture pixels.
    EXPECT_EQ(view->Selection().left, before.left);
    EXPECT_EQ(view->Selection().top, before.top);
}

TEST_F(ImageEditDlgTest, TheFrameIsDrawnWithThePointerOrTheKeyboard) {
    auto editor = Open(Page(DistinctPicture(400, 300)));
    CImageView* view = editor->View();
    QWidget* surface = view->viewport();
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(220, 240));
    QTest::mouseMove(surface, QPoint(100, 100));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(20, 40));
    ASSERT_TRUE(view->SelectionShown());
    EXPECT_EQ(view->ViewSelection().left, 220);
    EXPECT_EQ(view->ViewSelection().right, 20);
    // The bottom-right handle (outside the corner) resizes it.
    const int handle = ScalePixels(8);
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(220 + handle / 2, 240 + handle / 2));
    QTest::mouseMove(surface, QPoint(250 + handle / 2, 260 + handle / 2));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(250 + handle / 2, 260 + handle / 2));
    EXPECT_EQ(view->Tracker().NormalRect(), QRect(20, 40, 230, 220));
    // A tap elsewhere leaves no frame.
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(400, 400));
    EXPECT_FALSE(view->SelectionShown());
    // Shift+arrows make and size a frame, Ctrl+arrows move it.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    ASSERT_TRUE(view->SelectionShown());
    const QRect made = view->Tracker().NormalRect();
    EXPECT_EQ(made.width(), ScalePixels(60));
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(view->Tracker().NormalRect(), made.adjusted(0, 10, 10, 10));
}

TEST_F(ImageEditDlgTest, AssistiveToolsReadThePictureSizeAndFollowTheFrame) {
    auto editor = Open(Page(DistinctPicture(400, 300)));
    CImageView* view = editor->View();
    ASSERT_EQ(view->ZoomPercent(), 100);
    ASSERT_FALSE(view->FitMode());
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(access, nullptr);
    const auto described = [&] { return access->text(QAccessible::Description); };
    EXPECT_EQ(access->text(QAccessible::Name), "Page picture");
    EXPECT_TRUE(access->text(QAccessible::Help).startsWith("Arrow keys scroll the picture."));
    EXPECT_EQ(described(), "Picture of 400 x 300 pixels, no crop frame");

    // Drawn with the pointer, backwards, then moved from the keyboard.
    QWidget* surface = view->viewport();
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(220, 240));
    QTest::mouseMove(surface, QPoint(100, 100));
    EXPECT_EQ(described(), "Picture of 400 x 300 pixels, crop frame of 120 x 140 pixels from "
                           "100, 100");
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(20, 40));
    EXPECT_EQ(described(), "Picture of 400 x 300 pixels, crop frame of 200 x 200 pixels from "
                           "20, 40");
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(described(), "Picture of 400 x 300 pixels, crop frame of 200 x 200 pixels from "
                           "30, 40");
    // What lies beyond the picture is not part of what a crop keeps.
    view->SetViewSelection({300, 200, 500, 400});
    EXPECT_EQ(described(), "Picture of 400 x 300 pixels, crop frame of 100 x 100 pixels from "
                           "300, 200");

    // At 200 % the frame is told in picture pixels; a crop leaves a smaller picture, no frame.
    editor->SendCommand(ID_ZOOM_200);
    EXPECT_EQ(described(), "Picture of 400 x 300 pixels, no crop frame");
    view->SetViewSelection({20, 40, 220, 240});
    EXPECT_EQ(described(), "Picture of 400 x 300 pixels, crop frame of 100 x 100 pixels from "
                           "10, 20");
    CBoxAnswerer answers(m_device.get(), {kYes});
    editor->SendCommand(ID_CROP_IMAGE);
    EXPECT_EQ(described(), "Picture of 100 x 100 pixels, no crop frame");
}

TEST_F(ImageEditDlgTest, AFingerDrawsTheFrameLikeTheMouse) {
    auto editor = Open(Page(DistinctPicture(400, 300)));
    CImageView* view = editor->View();
    QPointingDevice* screen = QTest::createTouchDevice();
    QWidget* surface = view->viewport();
    QTest::touchEvent(surface, screen).press(0, QPoint(40, 60), surface);
    QTest::touchEvent(surface, screen).move(0, QPoint(140, 200), surface);
    QTest::touchEvent(surface, screen).release(0, QPoint(140, 200), surface);
    QCoreApplication::processEvents();
    ASSERT_TRUE(view->SelectionShown());
    EXPECT_EQ(view->Tracker().NormalRect(), QRect(40, 60, 100, 140));
}

} // namespace
