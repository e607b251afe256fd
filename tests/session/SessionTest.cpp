#include "session/Session.h"

#include "app/AppSettings.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QScopedValueRollback>
#include <QStringList>

namespace {

QString NameOf(const CPage* page) {
    return page ? QFileInfo(page->path).baseName() : QStringLiteral("none");
}

// Stands in for the strip and preview: writes down every call the session makes, and keeps
// the selection the way the strip does.
class CRecordingListener : public CPageSelection {
public:
    int StripAdd(CPage* page) override {
        log << "add " + NameOf(page);
        const QScopedValueRollback inside(m_inside, true);
        return CPageSelection::StripAdd(page);
    }
    void StripRemoveSelected() override {
        log << "remove";
        const QScopedValueRollback inside(m_inside, true);
        CPageSelection::StripRemoveSelected();
    }
    void StripSwap(int a, int b) override { log << QString("swap %1 %2").arg(a).arg(b); }
    void StripMove(int from, int to) override { log << QString("move %1 %2").arg(from).arg(to); }
    void StripSelect(int index) override {
        if (!m_inside)
            log << QString("select %1").arg(index);
        CPageSelection::StripSelect(index);
    }
    void StripClear() override {
        log << "clear";
        CPageSelection::StripClear();
    }
    void PreviewShow(CPage* page, int number) override {
        previewPage = page;
        previewNumber = number;
    }
    void OnFirstPage(CPage* page) override { log << "first " + NameOf(page); }
    void OnSessionClearing() override { log << "clearing"; }
    void OnSessionCleared() override { log << "cleared"; }
    void Redraw() override { log << "redraw"; }

    QStringList log;
    CPage* previewPage = nullptr;
    int previewNumber = -1;

private:
    bool m_inside = false; // the strip selecting on its own while adding or removing
};

class SessionTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        AppSettings().deleteFile = 1;
    }
    // A page on a real file named `name` in the test folder.
    std::unique_ptr<CPage> FilePage(const QString& name) {
        WriteFile(PathIn(name), "x");
        return std::make_unique<CPage>(PathIn(name));
    }
    QString Order(const CSession& s) const {
        QString order;
        for (int i = 0; i < s.PageCount(); ++i)
            order += QFileInfo(s.Pages().At(i)->path).baseName();
        return order;
    }
    void AddAbcd(CSession& s) {
        for (const char* n : {"A", "B", "C", "D"})
            s.AddPage(FilePage(QString(n) + ".jpg"));
    }
};

TEST_F(SessionTest, AddPageAppendsSelectsAndShowsIt) {
    CRecordingListener view; // outlives the session, which tells it when it goes
    CSession session;
    session.SetListener(&view);
    session.AddPage(nullptr);
    EXPECT_EQ(session.PageCount(), 0);
    EXPECT_EQ(session.CurrentPage(), nullptr);

    AddAbcd(session);
    EXPECT_EQ(Order(session), "ABCD");
    EXPECT_EQ(session.CurrentIndex(), 3);
    EXPECT_EQ(session.CurrentPage(), session.Pages().At(3));
    EXPECT_EQ(view.previewPage, session.Pages().At(3));
    EXPECT_EQ(view.previewNumber, 4);
    EXPECT_EQ(view.log, QStringList({"add A", "first A", "add B", "add C", "add D"}));
}

// A move puts the page in front of the page that was at `to`; the strip is told the same two
// indices and selects index `to`.
TEST_F(SessionTest, MovePagePutsThePageInFrontOfThePageThatWasAtTo) {
    struct {
        int from;
        int to;
        const char* order;
        const char* current;
    } const moves[] = {
        // forward: the page ends one place before `to`
        {0, 2, "BACD", "C"},
        {0, 3, "BCAD", "D"},
        {1, 3, "ACBD", "D"},
        {0, 1, "ABCD", "B"}, // already in front of B
        // backward: the page ends at `to`
        {3, 1, "ADBC", "D"},
        {3, 0, "DABC", "D"},
        {2, 1, "ACBD", "C"},
        {1, 0, "BACD", "B"},
    };
    for (const auto& m : moves) {
        SCOPED_TRACE(QString("move %1 %2").arg(m.from).arg(m.to).toStdString());
        CRecordingListener view; // outlives the session, which tells it when it goes
        CSession session;
        session.SetListener(&view);
        AddAbcd(session);
        view.log.clear();
        EXPECT_TRUE(session.MovePage(m.from, m.to));
        EXPECT_EQ(Order(session).toStdString(), m.order);
        EXPECT_EQ(view.log, QStringList({QString("move %1 %2").arg(m.from).arg(m.to),
                                         QString("select %1").arg(m.to), "redraw"}));
        EXPECT_EQ(session.CurrentIndex(), m.to);
        EXPECT_EQ(NameOf(session.CurrentPage()).toStdString(), m.current);
    }
}

TEST_F(SessionTest, MovesBetweenEqualOrInvalidIndicesChangeNothing) {
    CRecordingListener view; // outlives the session, which tells it when it goes
    CSession session;
    session.SetListener(&view);
    AddAbcd(session);
    view.log.clear();
    EXPECT_TRUE(session.MovePage(2, 2));
    EXPECT_FALSE(session.MovePage(0, 4));
    EXPECT_FALSE(session.MovePage(4, 0));
    EXPECT_FALSE(session.MovePage(-1, 0));
    EXPECT_EQ(Order(session), "ABCD");
    EXPECT_EQ(view.log, QStringList());
    EXPECT_EQ(session.CurrentIndex(), 3);
}

TEST_F(SessionTest, SwapPagesExchangesTwoPagesAndKeepsTheSelectionIndex) {
    CRecordingListener view; // outlives the session, which tells it when it goes
    CSession session;
    session.SetListener(&view);
    AddAbcd(session);
    view.log.clear();
    EXPECT_TRUE(session.SwapPages(0, 3));
    EXPECT_EQ(Order(session), "DBCA");
    EXPECT_TRUE(session.SwapPages(2, 1));
    EXPECT_EQ(Order(session), "DCBA");
    EXPECT_FALSE(session.SwapPages(1, 4));
    EXPECT_FALSE(session.SwapPages(-1, 1));
    EXPECT_EQ(Order(session), "DCBA");
    EXPECT_EQ(view.log, QStringList({"swap 0 3", "swap 2 1"}));
    EXPECT_EQ(session.CurrentIndex(), 3); // the index stays, so the page under it changes
    EXPECT_EQ(NameOf(session.CurrentPage()), "A");
}

TEST_F(SessionTest, RemoveCurrentPageKeepsFilesUnlessAskedAndFollowsTheStrip) {
    CSession session;
    AddAbcd(session);
    // The last page goes: the one before becomes current.
    session.RemoveCurrentPage();
    EXPECT_EQ(Order(session), "ABC");
    EXPECT_EQ(session.CurrentIndex(), 2);
    EXPECT_TRUE(QFile::exists(PathIn("D.jpg")));

    // A page in the middle goes with its file: the selection stays at the same index.
    session.Pages().At(1)->deleteFileRequested = 1;
    // Select B through the built-in selection.
    session.Listener().StripSelect(1);
    session.RemoveCurrentPage();
    EXPECT_EQ(Order(session), "AC");
    EXPECT_EQ(session.CurrentIndex(), 1);
    EXPECT_FALSE(QFile::exists(PathIn("B.jpg")));

    session.RemoveCurrentPage();
    session.RemoveCurrentPage();
    EXPECT_EQ(session.PageCount(), 0);
    EXPECT_EQ(session.CurrentPage(), nullptr);
    session.RemoveCurrentPage(); // nothing to remove: nothing happens
    EXPECT_TRUE(QFile::exists(PathIn("A.jpg")));
    EXPECT_TRUE(QFile::exists(PathIn("C.jpg")));
}

TEST_F(SessionTest, DeleteFileOffKeepsRequestedFilesButNeverTemporaryCopies) {
    AppSettings().deleteFile = 0;
    {
        CSession session;
        auto requested = FilePage("req.jpg");
        requested->deleteFileRequested = 1;
        auto copy = FilePage("a.jpg.tesimg");
        copy->isTemporaryCopy = 1;
        session.AddPage(std::move(requested));
        session.AddPage(std::move(copy));
    }
    EXPECT_TRUE(QFile::exists(PathIn("req.jpg")));
    EXPECT_FALSE(QFile::exists(PathIn("a.jpg.tesimg")));

    AppSettings().deleteFile = 1;
    {
        auto requested = FilePage("req.jpg");
        requested->deleteFileRequested = 1;
    }
    EXPECT_FALSE(QFile::exists(PathIn("req.jpg")));
}

TEST_F(SessionTest, BlankPagesDeleteNothingWhateverTheirFlags) {
    // A file named like the empty path resolves against the working directory; make sure a
    // blank page never reaches QFile::remove.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(Home());
    WriteFile(PathIn(".keep"), "k");
    {
        CPage blank;
        blank.deleteFileRequested = 1;
        blank.isTemporaryCopy = 1;
        EXPECT_TRUE(blank.IsBlank());
        EXPECT_EQ(blank.typeCode, kImageTypeJpeg);
    }
    QDir::setCurrent(cwd);
    EXPECT_TRUE(QFile::exists(PathIn(".keep")));
}

TEST_F(SessionTest, ClearSessionResetsCountersAndScanNames) {
    CRecordingListener view; // outlives the session, which tells it when it goes
    CSession session;
    session.SetListener(&view);
    EXPECT_EQ(session.MakeScanFileName(), "scan_1.jpg");
    session.scanCounter = 3;
    session.importedCount = 5;
    session.foundCount = 7;
    EXPECT_EQ(session.MakeScanFileName(), "scan_3.jpg");
    EXPECT_EQ(session.lastScanName, "scan_3.jpg");
    auto copy = FilePage("x.jpg.tesimg");
    copy->isTemporaryCopy = 1;
    session.AddPage(std::move(copy));
    view.log.clear();

    session.ClearSession();
    EXPECT_EQ(view.log, QStringList({"clearing", "clear", "cleared"}));
    EXPECT_EQ(session.PageCount(), 0);
    EXPECT_EQ(view.previewPage, nullptr);
    EXPECT_EQ(session.scanCounter, 1);
    EXPECT_EQ(session.importedCount, 0);
    EXPECT_EQ(session.foundCount, 0);
    EXPECT_FALSE(QFile::exists(PathIn("x.jpg.tesimg")));
    // The next camera page is scan_1.jpg again, even when such a file exists.
    WriteFile(PathIn("scan_1.jpg"), "old");
    EXPECT_EQ(session.MakeScanFileName(), "scan_1.jpg");
}

TEST_F(SessionTest, WorkingFolderIsLeafpdfInTheDocumentsFolder) {
    QDir().mkpath(PathIn("Docs"));
    const QByteArray old = qgetenv("XDG_DOCUMENTS_DIR");
    qputenv("XDG_DOCUMENTS_DIR", QFile::encodeName(PathIn("Docs")));
    CSession session;
    qputenv("XDG_DOCUMENTS_DIR", old);
    EXPECT_EQ(session.workingFolder, PathIn("Docs") + "/leafpdf");
    EXPECT_EQ(session.workingFolderName, "leafpdf");
    EXPECT_EQ(session.scanFileFormat, "scan_%d.jpg");
    EXPECT_FALSE(QFileInfo::exists(session.workingFolder)); // not created here
}

} // namespace
