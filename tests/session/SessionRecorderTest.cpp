#include "session/SessionRecorder.h"

#include "app/AppSettings.h"
#include "session/PageSelection.h"
#include "session/PictureImport.h"
#include "session/Session.h"
#include "session/SessionRestore.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>

#include <memory>

namespace {

// The strip of a session without screens, telling the recorder of every change as the main
// screen does.
class CRecordedSelection : public CPageSelection {
public:
    CSessionRecorder* recorder = nullptr;
    int StripAdd(CPage* page) override {
        Changed();
        return CPageSelection::StripAdd(page);
    }
    void StripRemoveSelected() override {
        CPageSelection::StripRemoveSelected();
        if (recorder)
            recorder->WriteNow(true);
    }
    void StripSwap(int, int) override { Changed(); }
    void StripMove(int, int) override { Changed(); }
    void StripSelect(int index) override {
        Changed();
        CPageSelection::StripSelect(index);
    }
    void OnSessionClearing() override {
        if (recorder)
            recorder->Forget();
    }

private:
    void Changed() {
        if (recorder)
            recorder->Changed();
    }
};

// Pumps events until `ready` holds, for at most a minute.
bool PumpUntil(const std::function<bool()>& ready) {
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > 60000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

class SessionRecorderTest : public CTempHomeTest {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance())
            s_app = new QCoreApplication(s_argc, s_argv);
    }
    static void TearDownTestSuite() {
        delete s_app;
        s_app = nullptr;
    }

    void SetUp() override {
        CTempHomeTest::SetUp();
        AppSettings().autoPortrait = 0;
        AppSettings().straightenPages = 0;
        AppSettings().enhanceLook = 0;
        m_session = std::make_unique<CSession>();
        m_session->SetListener(&m_view);
        m_session->SetThumbBox({40, 40});
        m_recorder = std::make_unique<CSessionRecorder>(*m_session, PathIn("session.recovery"));
        m_view.recorder = m_recorder.get();
    }
    void TearDown() override {
        m_view.recorder = nullptr;
        m_recorder.reset();
        m_session.reset();
        CTempHomeTest::TearDown();
    }

    QString Picture(const QString& name) {
        QString path = PathIn("pics/" + name);
        QDir().mkpath(QFileInfo(path).path());
        QImage image(24, 32, QImage::Format_RGB32);
        image.fill(qRgb(30, 120, 200));
        EXPECT_TRUE(image.save(path));
        return path;
    }
    void Add(const QString& path) { m_session->AddPage(m_session->MakePageFromFile(path)); }
    CRecordRead Record() const { return ReadRecoveryRecord(PathIn("session.recovery")); }
    QStringList RecordedPaths() const {
        QStringList paths;
        for (const CRecoveryPage& page : Record().state.pages)
            paths << page.path;
        return paths;
    }

    CRecordedSelection m_view;
    std::unique_ptr<CSession> m_session;
    std::unique_ptr<CSessionRecorder> m_recorder;

private:
    static inline int s_argc = 1;
    static inline char s_name[] = "recorder-tests";
    static inline char* s_argv[] = {s_name, nullptr};
    static inline QCoreApplication* s_app = nullptr;
};

} // namespace

TEST_F(SessionRecorderTest, ChangesReachTheRecordAfterAShortDelay) {
    m_recorder->SetTiming(30, 0);
    const QString a = Picture("a.png"), b = Picture("b.png");
    Add(a);
    // Nothing is recorded before recording starts.
    EXPECT_FALSE(QFile::exists(PathIn("session.recovery")));
    m_recorder->Start();
    ASSERT_EQ(Record().status, ERecordStatus::kOk);
    EXPECT_EQ(RecordedPaths(), QStringList{a});
    EXPECT_EQ(Record().state.owner, CurrentRecoveryOwner());

    m_session->AddPage(std::make_unique<CPage>());
    Add(b);
    EXPECT_TRUE(m_recorder->IsPending());
    EXPECT_EQ(RecordedPaths(), QStringList{a});
    ASSERT_TRUE(PumpUntil([&] { return !m_recorder->IsPending(); }));
    EXPECT_EQ(RecordedPaths(), (QStringList{a, QString(), b}));
    EXPECT_EQ(Record().state.currentIndex, 2);

    // Moving the current page is a change like any other.
    m_session->MovePage(2, 0);
    ASSERT_TRUE(PumpUntil([&] { return !m_recorder->IsPending(); }));
    EXPECT_EQ(RecordedPaths(), (QStringList{b, a, QString()}));
    EXPECT_EQ(Record().state.currentIndex, 0);
}

TEST_F(SessionRecorderTest, AFolderImportOfHundredsOfPagesWritesAFewTimes) {
    // Longer bounds than the program's, so that the count cannot depend on the machine's pace.
    constexpr int kMinInterval = 250;
    m_recorder->SetTiming(50, kMinInterval);
    for (int i = 0; i < 300; ++i)
        Picture(QString("p%1.png").arg(i, 3, 10, QChar('0')));
    m_recorder->Start();
    const int before = m_recorder->WriteCount();

    // The screen's delegate lets the event loop run after every page, as the main screen does.
    class CPumping : public CFolderImportDelegate {
        void PictureDone(int, int) override { QCoreApplication::processEvents(); }
    } delegate;
    QElapsedTimer clock;
    clock.start();
    AppSettings().pictureImportOrder = kImportByNameAscending;
    const CFolderImportResult result =
        ImportPictureFolder(*m_session, AppSettings(), PathIn("pics"), delegate);
    ASSERT_EQ(result.imported, 300);
    ASSERT_TRUE(PumpUntil([&] { return !m_recorder->IsPending(); }));
    const qint64 elapsed = clock.elapsed();

    const int writes = m_recorder->WriteCount() - before;
    EXPECT_GE(writes, 1);
    EXPECT_LE(writes, 2 + elapsed / kMinInterval) << elapsed << " ms";
    EXPECT_LT(writes, 300);
    EXPECT_EQ(Record().state.pages.size(), 300u);
    EXPECT_EQ(Record().state.pages.back().path, PathIn("pics/p299.png"));
}

TEST_F(SessionRecorderTest, TheRecordLetsGoOfAPageBeforeItsCopyIsDeleted) {
    m_recorder->SetTiming(0, 0);
    const QString picture = Picture("landscape.png");
    const QString copy = picture + ".tesimg";
    QFile::copy(picture, copy);
    auto page = m_session->MakePageFromFile(copy);
    ASSERT_TRUE(page);
    page->isTemporaryCopy = 1;
    m_session->AddPage(std::move(page));
    Add(picture);
    m_recorder->Start();
    ASSERT_EQ(RecordedPaths(), (QStringList{copy, picture}));

    // Remove the copy's page: by the time its file goes, the record no longer names it.
    m_session->Listener().StripSelect(0);
    m_session->RemoveCurrentPage();
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_EQ(RecordedPaths(), QStringList{picture});

    // A new session: the record goes at once, before any page does.
    m_session->ClearSession();
    EXPECT_FALSE(QFile::exists(PathIn("session.recovery")));
    EXPECT_TRUE(QFile::exists(picture));
}

TEST_F(SessionRecorderTest, ARecordThatCannotBeUpdatedIsRemovedBeforeFilesGo) {
    m_recorder->SetTiming(0, 0);
    for (int i = 0; i < 40; ++i)
        Add(Picture(QString("p%1.png").arg(i)));
    m_recorder->Start();
    ASSERT_EQ(Record().status, ERecordStatus::kOk);
    {
        // The disk is full: the new record cannot be written.
        CFileSizeLimit limit(64);
        ASSERT_TRUE(limit.IsSet());
        m_session->RemoveCurrentPage();
    }
    EXPECT_FALSE(QFile::exists(PathIn("session.recovery")));
    // Once there is room again, the next change brings it back.
    m_recorder->WriteNow();
    EXPECT_EQ(Record().state.pages.size(), 39u);
}

TEST_F(SessionRecorderTest, DiscardRemovesStopKeepsAndEmptySessionsHaveNone) {
    m_recorder->SetTiming(10000, 10000);
    m_recorder->Start();
    EXPECT_FALSE(QFile::exists(PathIn("session.recovery")));
    const QString a = Picture("a.png");
    Add(a);
    ASSERT_TRUE(m_recorder->IsPending());
    // Stopping writes what was still pending, then leaves the record alone.
    m_recorder->Stop();
    EXPECT_EQ(RecordedPaths(), QStringList{a});
    Add(Picture("b.png"));
    EXPECT_FALSE(m_recorder->WriteNow());
    EXPECT_EQ(RecordedPaths(), QStringList{a});

    m_recorder->Start();
    EXPECT_EQ(RecordedPaths().size(), 2);
    EXPECT_TRUE(m_recorder->Discard());
    EXPECT_FALSE(QFile::exists(PathIn("session.recovery")));
    Add(Picture("c.png"));
    EXPECT_FALSE(m_recorder->IsPending());
    EXPECT_FALSE(QFile::exists(PathIn("session.recovery")));
}

TEST_F(SessionRecorderTest, PagesLeftToTheRecordKeepTheirCopies) {
    const QString picture = Picture("a.png");
    const QString copy = picture + ".tesimg";
    QFile::copy(picture, copy);
    auto page = std::make_unique<CPage>(copy);
    page->isTemporaryCopy = 1;
    m_session->AddPage(std::move(page));
    LeaveFilesToRecord(m_session->Pages());
    m_session->ClearSession();
    EXPECT_TRUE(QFile::exists(copy));
}
