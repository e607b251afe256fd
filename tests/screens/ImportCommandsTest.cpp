#include "screens/ImportCommands.h"

#include "SettingsScreenFixture.h"
#include "app/AppSettings.h"
#include "browser/screens/FileList.h"
#include "browser/screens/FolderTree.h"
#include "browser/screens/PickerDialog.h"
#include "resources/ResourceIds.h"
#include "screens/SettingsPageDlg.h"
#include "session/Session.h"
#include "tests/support/MountedFolder.h"
#include "tests/support/PrivateMounts.h"
#include "tests/support/TiffWriter.h"
#include "ui/device/WaitCursor.h"
#include "ui/toolkit/QuestionBox.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRadioButton>

namespace {

using namespace ids;

class ImportCommandsTest : public CSettingsScreenTest {
protected:
    void SetUp() override {
        CSettingsScreenTest::SetUp();
        LoadSettings(AppSettings());
        AppSettings().autoPortrait = 0;
        AppSettings().pictureImportOrder = kImportAskEachTime;
        AppSettings().lastImportFolder = Home();
        QDir().mkpath(PathIn("pics"));
    }
    QString PictureIn(const QString& name) {
        QString path = PathIn("pics/" + name);
        QImage image(40, 60, QImage::Format_RGB32);
        image.fill(qRgb(40, 90, 160));
        EXPECT_TRUE(image.save(path, name.endsWith("png") ? "PNG" : "JPEG"));
        return path;
    }
    // Picks `folder` (and in file mode `file`) in the next picker, then lets `next` answer
    // the screen after it, if any.
    void PickNext(const QString& folder, const QString& file = {},
                  const std::function<void(CScreen*)>& next = {}) {
        WhenScreenOpens(nullptr, [this, folder, file, next](CScreen* top) {
            auto* picker = dynamic_cast<CPickerDialog*>(top);
            ASSERT_NE(picker, nullptr);
            m_filters = picker->Filters();
            m_initial = picker->Tree()->SelectedPath();
            picker->Tree()->SelectPath(folder);
            if (!file.isEmpty())
                picker->List()->SelectFile(file);
            if (next)
                WhenScreenOpens(picker, next);
            picker->SendCommand(ID_OK);
        });
    }
    QStringList PageNames() const {
        QStringList names;
        for (int i = 0; i < m_session.PageCount(); ++i)
            names << QFileInfo(m_session.Pages().At(i)->path).fileName();
        return names;
    }

    CSession m_session;
    QStringList m_filters;
    QString m_initial;
};

TEST_F(ImportCommandsTest, FolderImportAsksForTheOrderAndKeepsTheAnswer) {
    PictureIn("b.jpg");
    PictureIn("A.JPG");
    PictureIn("c.png");
    std::vector<bool> busy;
    int waitDuringSearch = -1;
    PickNext(PathIn("pics"), {}, [](CScreen* prompt) {
        auto* page = dynamic_cast<CSettingsPageDlg*>(prompt);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->ControlAs<QRadioButton>(IDC_SORT_ASK)->isChecked());
        page->ControlAs<QRadioButton>(IDC_SORT_NAME_ASC)->click();
        page->SendCommand(IDC_SETTINGS_OK);
    });
    const bool added = ImportFromFolder(nullptr, m_session, [&](bool on) {
        busy.push_back(on);
        if (!on)
            waitDuringSearch = WaitDepth();
    });
    EXPECT_TRUE(added);
    EXPECT_EQ(m_initial, Home());
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(waitDuringSearch, 0);
    EXPECT_EQ(WaitDepth(), 0);
    EXPECT_EQ(PageNames(), (QStringList{"A.JPG", "b.jpg", "c.png"}));
    EXPECT_EQ(AppSettings().pictureImportOrder, kImportByNameAscending);
    EXPECT_EQ(AppSettings().lastImportFolder, PathIn("pics"));
}

TEST_F(ImportCommandsTest, CancelledPromptImportsNothingButRemembersTheFolder) {
    PictureIn("a.jpg");
    PictureIn("b.jpg");
    PickNext(PathIn("pics"), {}, [](CScreen* prompt) { prompt->SendCommand(ID_PLATFORM_CANCEL); });
    EXPECT_FALSE(ImportFromFolder(nullptr, m_session, {}));
    EXPECT_EQ(m_session.PageCount(), 0);
    EXPECT_EQ(AppSettings().pictureImportOrder, kImportAskEachTime);
    EXPECT_EQ(AppSettings().lastImportFolder, PathIn("pics"));
}

TEST_F(ImportCommandsTest, FileImportOffersAMaskPerPictureTypeAndRemembersTheFolder) {
    PictureIn("one.jpg");
    PickNext(PathIn("pics"), "one.jpg");
    EXPECT_TRUE(ImportFromFile(nullptr, m_session));
    EXPECT_EQ(m_filters, (QStringList{"*.jpg", "*.png", "*.bmp", "*.tif", "*.tiff", "*.gif",
                                      "*.webp", "*.heic", "*.heif"}));
    EXPECT_EQ(PageNames(), QStringList{"one.jpg"});
    EXPECT_EQ(AppSettings().lastImportFolder, PathIn("pics"));
}

TEST_F(ImportCommandsTest, DamagedFileIsReportedAndCancelChangesNothing) {
    WriteFile(PathIn("pics/bad.jpg"), "not a picture");
    QString heading;
    PickNext(PathIn("pics"), "bad.jpg", [&](CScreen* top) {
        auto* box = dynamic_cast<CQuestionBox*>(top);
        ASSERT_NE(box, nullptr);
        heading = box->Heading();
        box->SendCommand(IDOK_COMMAND);
    });
    EXPECT_FALSE(ImportFromFile(nullptr, m_session));
    EXPECT_EQ(heading, "Could not import image");
    EXPECT_EQ(m_session.PageCount(), 0);

    AppSettings().lastImportFolder = Home();
    WhenScreenOpens(nullptr, [](CScreen* picker) { picker->SendCommand(ID_PLATFORM_CANCEL); });
    EXPECT_FALSE(ImportFromFolder(nullptr, m_session, {}));
    EXPECT_EQ(AppSettings().lastImportFolder, Home());
}

// Files of which only some pages came in are named with the reason, in one notice per
// import; the pages that came in stay, and a whole file says nothing.
TEST_F(ImportCommandsTest, PagesThatCannotBeWrittenAreNamedWithTheReason) {
    if (RerunWithPrivateMounts())
        return;
    QImage page(40, 60, QImage::Format_RGB32);
    page.fill(qRgb(200, 60, 40));
    ASSERT_TRUE(WriteTiff(PathIn("pics/letter.tif"), {page, page, page}));
    ASSERT_TRUE(WriteTiff(PathIn("pics/single.tif"), {page}));
    QDir().mkpath(PathIn("more"));
    ASSERT_TRUE(WriteTiff(PathIn("more/three.tif"), {page, page, page}));
    QString why;
    auto readOnly = CMountedFolder::ReadOnly(PathIn("pics"), &why);
    ASSERT_TRUE(readOnly) << why.toStdString();
    AppSettings().pictureImportOrder = kImportByNameAscending;

    // Each notice shown: its heading and body.
    QStringList shown;
    const auto answer = [&](CScreen* top) {
        auto* box = dynamic_cast<CQuestionBox*>(top);
        ASSERT_NE(box, nullptr);
        shown << box->Heading() << box->accessibleDescription();
        box->SendCommand(IDOK_COMMAND);
    };
    const QString notWritten =
        "Not every page of these pictures could be imported, as copies of their pages cannot be "
        "written beside them. Please check if the folder is write-protected or the storage is "
        "full.\r\n\r\n%1\r\n\r\nTap 'Close' to discard this message.";

    PickNext(PathIn("pics"), "letter.tif", answer);
    EXPECT_TRUE(ImportFromFile(nullptr, m_session));
    EXPECT_EQ(shown, QStringList({"Some pages were left out", notWritten.arg("letter.tif")}));
    EXPECT_EQ(PageNames(), QStringList{"letter.tif"});

    shown.clear();
    PickNext(PathIn("pics"), {}, answer);
    EXPECT_TRUE(ImportFromFolder(nullptr, m_session, {}));
    EXPECT_EQ(shown, QStringList({"Some pages were left out", notWritten.arg("letter.tif")}));
    EXPECT_EQ(PageNames(), (QStringList{"letter.tif", "letter.tif", "single.tif"}));

    // Whole files are added without a word, and every page counts.
    EXPECT_EQ(ImportPictureFiles(nullptr, m_session,
                                 {PathIn("pics/single.tif"), PathIn("more/three.tif")}),
              4);
    EXPECT_EQ(m_session.PageCount(), 7);
}

} // namespace
