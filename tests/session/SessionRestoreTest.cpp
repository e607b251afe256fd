#include "session/SessionRestore.h"

#include "app/AppSettings.h"
#include "session/PageSelection.h"
#include "session/Session.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace {

class SessionRestoreTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        m_session.SetThumbBox({60, 60});
    }
    QString Picture(const QString& name, int width = 30, int height = 40) {
        QString path = PathIn(name);
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(qRgb(200, 40, 40));
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }
    QStringList Paths() const {
        QStringList paths;
        for (int i = 0; i < m_session.PageCount(); ++i)
            paths << m_session.Pages().At(i)->path;
        return paths;
    }
    static CRecoveryPage Page(const QString& path, bool copy = false, bool turned = false) {
        return {path, path.isEmpty() ? kImageTypeJpeg : ImageTypeFromPath(path), copy, turned};
    }

    CSession m_session;
};

} // namespace

TEST_F(SessionRestoreTest, PagesComeBackInOrderWithTheirCurrentPageAndKinds) {
    const QString a = Picture("a.png"), b = Picture("b.png", 40, 30);
    const QString copy = Picture("c.gif.tesimg");
    CRecoveryState state;
    state.currentIndex = 3;
    state.scanCounter = 5;
    state.pages = {Page(a), Page(QString()), Page(copy, true), Page(b, false, true), Page({})};
    state.pages[2].typeCode = kImageTypeJpeg;

    const CRestoreResult result = RestoreSession(m_session, state);
    EXPECT_EQ(result.restored, 5);
    EXPECT_TRUE(result.missing.isEmpty());
    EXPECT_EQ(Paths(), (QStringList{a, QString(), copy, b, QString()}));
    EXPECT_EQ(m_session.CurrentIndex(), 3);
    EXPECT_EQ(m_session.scanCounter, 5);

    const CPageList& pages = m_session.Pages();
    EXPECT_TRUE(pages.At(1)->IsBlank());
    EXPECT_EQ(pages.At(2)->isTemporaryCopy, 1u);
    EXPECT_EQ(pages.At(2)->typeCode, kImageTypeJpeg);
    EXPECT_EQ(pages.At(0)->typeCode, kImageTypePng);
    EXPECT_EQ(pages.At(0)->isTemporaryCopy, 0u);
    // The turned page draws upright: its landscape picture is a portrait thumbnail.
    EXPECT_TRUE(pages.At(3)->turnCcw);
    EXPECT_FALSE(pages.At(3)->IsLandscape());
    EXPECT_GT(pages.At(0)->boxWidth, 0);

    // A restored copy still goes with its page, as before the crash.
    m_session.Listener().StripSelect(2);
    m_session.RemoveCurrentPage();
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_TRUE(QFile::exists(a));
}

TEST_F(SessionRestoreTest, MissingAndUnreadablePicturesAreNamedAndLeftOut) {
    const QString a = Picture("a.png"), d = Picture("d.png");
    const QString gone = PathIn("gone.jpg");
    const QString broken = PathIn("broken.jpg");
    WriteFile(broken, "not a picture");
    const QString folder = PathIn("folder.png");
    QDir().mkpath(folder);
    CRecoveryState state;
    state.currentIndex = 1; // the missing one: the next page kept becomes current
    state.pages = {Page(a), Page(gone), Page(broken, true), Page(folder), Page(d)};

    const CRestoreResult result = RestoreSession(m_session, state);
    EXPECT_EQ(result.restored, 2);
    EXPECT_EQ(result.missing, (QStringList{gone, broken, folder}));
    EXPECT_EQ(Paths(), (QStringList{a, d}));
    EXPECT_EQ(m_session.CurrentIndex(), 1);
    // A file left out is not the restore's to delete, whatever the record claimed.
    EXPECT_TRUE(QFile::exists(broken));

    CSession last;
    CRecoveryState tail;
    tail.currentIndex = 2;
    tail.pages = {Page(a), Page(d), Page(gone)};
    RestoreSession(last, tail);
    EXPECT_EQ(last.CurrentIndex(), 1);

    CSession none;
    CRecoveryState allGone;
    allGone.currentIndex = 0;
    allGone.pages = {Page(gone)};
    EXPECT_EQ(RestoreSession(none, allGone).restored, 0);
    EXPECT_EQ(none.PageCount(), 0);
    EXPECT_FALSE(none.Pages().IsValidIndex(none.CurrentIndex()));
}

TEST_F(SessionRestoreTest, DeclinedRecordsTakeOnlyTheirOwnCopiesAlong) {
    const QString picture = Picture("a.png");
    const QString copy = Picture("a.gif.tesimg");
    const QString scan = Picture("b.png.scan.tesimg");
    const QString claimed = Picture("mine.png"); // marked as a copy, but not one by its name
    CRecoveryState state;
    state.pages = {Page(picture), Page(copy, true), Page(scan, true), Page(claimed, true),
                   Page({})};
    DeleteRecordedCopies(state);
    EXPECT_TRUE(QFile::exists(picture));
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_FALSE(QFile::exists(scan));
    EXPECT_TRUE(QFile::exists(claimed));
}
