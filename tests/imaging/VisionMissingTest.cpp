// Without the vision library (a broken install) the program still loads and edits pictures;
// finding, straightening and enhancing a sheet fail as when memory is short, the picture stays
// as it was, and the log says why, once. The loader decides once per process, so this test is a
// program of its own: it points the loader at a file that does not exist (QM_VISION_MODULE)
// before the first operation.

#include "app/Log.h"
#include "imaging/Enhance.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageEdit.h"
#include "imaging/PageFinder.h"
#include "imaging/ScanCopy.h"
#include "imaging/Straighten.h"
#include "tests/support/TempHome.h"

#include <QImage>

namespace {

using VisionMissingTest = CTempHomeTest;

TEST_F(VisionMissingTest, SheetOperationsFailAndLeaveThePictureAsItWas) {
    ASSERT_TRUE(qputenv("QM_VISION_MODULE", "/nonexistent/quillmark-vision.so"));
    QImage page(120, 90, QImage::Format_RGB32);
    page.fill(qRgb(90, 90, 90));
    for (int y = 20; y < 70; ++y)
        for (int x = 30; x < 90; ++x)
            page.setPixel(x, y, qRgb(240, 240, 235));
    ASSERT_TRUE(page.save(PathIn("photo.png")));
    OpenLog(PathIn("quillmark.log"));
    EnableDiagnosticLog();
    StartImaging();

    EXPECT_FALSE(FindSheet(page).has_value());
    EXPECT_EQ(FindPageCorners(page), CPageCorners::Whole(120, 90));
    EXPECT_TRUE(EnhanceImage(page, ELook::Grey).isNull());
    EXPECT_TRUE(
        StraightenImage(page, CPageCorners({30, 20}, {89, 20}, {89, 69}, {30, 69})).isNull());
    EXPECT_FALSE(
        MakeScanCopy(PathIn("photo.png"), {true, ELook::BlackAndWhite}, PathIn("copy.jpg")));
    EXPECT_FALSE(QFile::exists(PathIn("copy.jpg")));

    CImageEdit edit;
    ASSERT_TRUE(edit.LoadPicture(PathIn("photo.png")));
    EXPECT_FALSE(edit.Enhance(ELook::ColourDocument));
    EXPECT_FALSE(edit.Straighten(CPageCorners({30, 20}, {89, 20}, {89, 69}, {30, 69})));
    ASSERT_NE(edit.Current(), nullptr);
    EXPECT_EQ(edit.Current()->ToImage().convertToFormat(QImage::Format_RGB32), page);
    StopImaging();
    CloseLog();

    // Tried once, however often an operation is asked for.
    const QByteArray log = ReadFile(PathIn("quillmark.log"));
    EXPECT_EQ(log.count("finding, straightening and enhancing sheets are not available: "
                        "/nonexistent/quillmark-vision.so: cannot open shared object file"),
              1)
        << log.toStdString();
}

} // namespace
