#include "session/PictureImport.h"

#include "app/AppSettings.h"
#include "session/Session.h"
#include "tests/support/TempHome.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>

namespace {

class CScriptedDelegate : public CFolderImportDelegate {
public:
    std::vector<bool> busy;
    int asked = 0;
    bool answer = true;
    std::uint32_t choice = kImportByNameAscending;
    std::vector<int> pagesWhenDone;
    CSession* session = nullptr;

    void SearchBusy(bool on) override { busy.push_back(on); }
    bool AskOrder(std::uint32_t& order) override {
        ++asked;
        order = choice;
        return answer;
    }
    void PictureDone(int, int) override { pagesWhenDone.push_back(session->PageCount()); }
};

class PictureImportTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        m_settings.recursive = 1;
        m_settings.autoPortrait = 0;
        m_settings.pictureImportOrder = kImportAskEachTime;
        m_delegate.session = &m_session;
        QDir().mkpath(PathIn("pics"));
    }
    // A small picture whose colour tells it apart, written a given number of seconds after a
    // fixed time.
    QString Picture(const QString& name, int seconds = 0, const char* format = "JPEG") {
        QString path = PathIn("pics/" + name);
        QDir().mkpath(QFileInfo(path).path());
        QImage image(40, 60, QImage::Format_RGB32);
        image.fill(qRgb(10 * seconds, 100, 200));
        EXPECT_TRUE(image.save(path, format));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::fromSecsSinceEpoch(1'700'000'000 + seconds, Qt::UTC),
                      QFileDevice::FileModificationTime);
        return path;
    }
    QStringList PagePaths() const {
        QStringList paths;
        for (int i = 0; i < m_session.PageCount(); ++i)
            paths << QFileInfo(m_session.Pages().At(i)->path).fileName();
        return paths;
    }

    CAppSettings m_settings;
    CSession m_session;
    CScriptedDelegate m_delegate;
};

TEST_F(PictureImportTest, OnePictureWithAskMeImportsWithoutAsking) {
    Picture("only.jpg");
    const CFolderImportResult r =
        ImportPictureFolder(m_session, m_settings, PathIn("pics"), m_delegate);
    EXPECT_EQ(m_delegate.asked, 0);
    EXPECT_EQ(r.found, 1);
    EXPECT_EQ(r.imported, 1);
    EXPECT_EQ(m_session.PageCount(), 1);
    EXPECT_EQ(m_settings.pictureImportOrder, kImportAskEachTime);
    EXPECT_EQ(m_delegate.busy, (std::vector<bool>{true, false}));
}

TEST_F(PictureImportTest, ThePromptsChoiceIsStoredAndUsedAndPagesArriveOneByOne) {
    Picture("b.jpg", 1);
    Picture("C.JPG", 2);
    Picture("a.png", 3, "PNG");
    m_delegate.choice = kImportByNameDescending;
    const CFolderImportResult r =
        ImportPictureFolder(m_session, m_settings, PathIn("pics"), m_delegate);
    EXPECT_EQ(m_delegate.asked, 1);
    EXPECT_EQ(m_settings.pictureImportOrder, kImportByNameDescending);
    EXPECT_EQ(r.imported, 3);
    EXPECT_EQ(m_session.importedCount, 3);
    EXPECT_EQ(m_session.foundCount, 3);
    EXPECT_EQ(PagePaths(), (QStringList{"C.JPG", "b.jpg", "a.png"}));
    EXPECT_EQ(m_delegate.pagesWhenDone, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(m_settings.lastImportFolder, PathIn("pics"));

    // The next import uses the stored order without asking.
    ImportPictureFolder(m_session, m_settings, PathIn("pics"), m_delegate);
    EXPECT_EQ(m_delegate.asked, 1);
    EXPECT_EQ(m_session.PageCount(), 6);
}

TEST_F(PictureImportTest, StoredDateOrderNewestFirstIncludingSubfolders) {
    Picture("old.jpg", 1);
    Picture("sub/newest.jpg", 9);
    Picture("mid.jpg", 5);
    m_settings.pictureImportOrder = kImportNewestFirst;
    ImportPictureFolder(m_session, m_settings, PathIn("pics"), m_delegate);
    EXPECT_EQ(m_delegate.asked, 0);
    EXPECT_EQ(PagePaths(), (QStringList{"newest.jpg", "mid.jpg", "old.jpg"}));

    m_session.ClearSession();
    m_settings.recursive = 0;
    m_settings.pictureImportOrder = kImportOldestFirst;
    ImportPictureFolder(m_session, m_settings, PathIn("pics"), m_delegate);
    EXPECT_EQ(PagePaths(), (QStringList{"old.jpg", "mid.jpg"}));
}

TEST_F(PictureImportTest, CancelledPromptLeavesTheSessionButSetsTheFolder) {
    Picture("a.jpg");
    Picture("b.jpg");
    m_settings.lastImportFolder = "/somewhere/else";
    m_delegate.answer = false;
    const CFolderImportResult r =
        ImportPictureFolder(m_session, m_settings, PathIn("pics"), m_delegate);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.imported, 0);
    EXPECT_EQ(m_session.PageCount(), 0);
    EXPECT_EQ(m_settings.pictureImportOrder, kImportAskEachTime);
    EXPECT_EQ(m_settings.lastImportFolder, PathIn("pics"));
}

TEST_F(PictureImportTest, DamagedPicturesAreSkippedSilently) {
    Picture("a.jpg", 1);
    WriteFile(PathIn("pics/b.jpg"), "this is no picture");
    WriteFile(PathIn("pics/empty.png"), "");
    Picture("c.jpg", 3);
    m_settings.pictureImportOrder = kImportByNameAscending;
    const CFolderImportResult r =
        ImportPictureFolder(m_session, m_settings, PathIn("pics"), m_delegate);
    EXPECT_EQ(r.found, 4);
    EXPECT_EQ(r.imported, 2);
    EXPECT_EQ(PagePaths(), (QStringList{"a.jpg", "c.jpg"}));
    EXPECT_EQ(m_delegate.pagesWhenDone.size(), 4u);
}

TEST_F(PictureImportTest, EmptyFolderImportsNothing) {
    const CFolderImportResult r =
        ImportPictureFolder(m_session, m_settings, PathIn("pics"), m_delegate);
    EXPECT_EQ(r.found, 0);
    EXPECT_EQ(m_session.PageCount(), 0);
    EXPECT_EQ(m_settings.lastImportFolder, PathIn("pics"));
}

TEST_F(PictureImportTest, SingleFileImportSetsItsFolder) {
    const QString path = Picture("sub/one.png", 0, "PNG");
    EXPECT_EQ(ImportPictureFile(m_session, m_settings, path), EFileImport::Whole);
    EXPECT_EQ(m_session.PageCount(), 1);
    EXPECT_EQ(m_settings.lastImportFolder, PathIn("pics/sub"));

    WriteFile(PathIn("pics/bad.bmp"), "BM broken");
    EXPECT_EQ(ImportPictureFile(m_session, m_settings, PathIn("pics/bad.bmp")),
              EFileImport::NotAPicture);
    EXPECT_EQ(m_session.PageCount(), 1);
    EXPECT_EQ(m_settings.lastImportFolder, PathIn("pics"));

    EXPECT_EQ(FolderOfFile("/a.jpg"), "/");
    EXPECT_EQ(FolderOfFile("/x/y/a.jpg"), "/x/y");
}

TEST_F(PictureImportTest, CommandLineArgumentsExpandLikeTheScreen) {
    Picture("b.jpg", 2);
    Picture("A.jpg", 1);
    Picture("sub/c.jpg", 3);
    const QString single = PathIn("single.png");
    QImage(4, 4, QImage::Format_RGB32).save(single, "PNG");

    QStringList byName =
        ExpandPictureArguments({single, PathIn("pics")}, true, kImportByNameAscending);
    EXPECT_EQ(byName, (QStringList{single, PathIn("pics/A.jpg"), PathIn("pics/b.jpg"),
                                   PathIn("pics/sub/c.jpg")}));
    EXPECT_EQ(ExpandPictureArguments({PathIn("pics")}, false, kImportNewestFirst),
              (QStringList{PathIn("pics/b.jpg"), PathIn("pics/A.jpg")}));
    EXPECT_EQ(ExpandPictureArguments({PathIn("pics"), single}, true, kImportOldestFirst),
              (QStringList{PathIn("pics/A.jpg"), PathIn("pics/b.jpg"), PathIn("pics/sub/c.jpg"),
                           single}));
}

} // namespace
