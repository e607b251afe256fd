#include "screens/MainDlg.h"

#include "app/AppSettings.h"
#include "resources/ResourceIds.h"
#include "session/SessionFile.h"
#include "session/SessionRecorder.h"
#include "tests/screens/ScreenTestSupport.h"
#include "ui/toolkit/QuestionBox.h"
#include "ui/toolkit/RememberedAnswers.h"

#include <QFile>
#include <QFileInfo>
#include <QTextEdit>
#include <QTimer>

namespace {

using namespace ids;

class MainDlgRecoveryTest : public CScreenTest {
protected:
    void SetUp() override {
        CScreenTest::SetUp();
        m_settings = AppSettings();
        AppSettings().autoPortrait = 0;
        AppSettings().deleteFile = 1;
        StoreRememberedAnswer(1, 1); // no camera notice
    }
    void TearDown() override {
        AppSettings() = m_settings;
        CScreenTest::TearDown();
    }
    QString Record() const { return PathIn("session.recovery"); }
    QStringList RecordedNames() const {
        QStringList names;
        for (const CRecoveryPage& page : ReadRecoveryRecord(Record()).state.pages)
            names << (page.path.isEmpty() ? QStringLiteral("_") : QFileInfo(page.path).fileName());
        return names;
    }
    // Runs the screen modally; `act` runs once its first paint (and a restore) is done.
    int Run(CMainDlg& main, const std::function<void()>& act) {
        QTimer::singleShot(0, &main, [&main, act] {
            EXPECT_TRUE(WaitFor([&] { return main.HasPainted() && main.LayoutCount() > 0; }));
            act();
        });
        return main.DoModal();
    }
    void Add(CMainDlg& main, const QString& name) {
        main.Session().AddPage(main.Session().MakePageFromFile(Picture(name, 60, 80)));
    }
    // An upright copy a page owns, as an import beside a picture leaves it.
    QString Copy(const QString& name) {
        QString copy = PathIn(name + ".gif.tesimg");
        EXPECT_TRUE(QFile::rename(Picture(name + ".jpg", 80, 60), copy));
        return copy;
    }
    void Settle(CMainDlg& main) {
        ASSERT_TRUE(WaitFor([&] { return !main.Recorder()->IsPending(); }));
    }

    CAppSettings m_settings;
};

} // namespace

TEST_F(MainDlgRecoveryTest, RestoredPagesComeFirstAndMissingOnesAreNamed) {
    CRecoveryState state;
    state.currentIndex = 0;
    state.pages = {{Picture("a.jpg", 60, 80), kImageTypeJpeg, false, false},
                   {PathIn("gone.jpg"), kImageTypeJpeg, false, false},
                   {QString(), kImageTypeJpeg, false, false}};
    CMainDlg main;
    main.KeepRecoveryRecord(Record(), state);
    QString notice;
    WhenScreenOpens(&main, [&](CScreen* screen) {
        auto* box = dynamic_cast<CQuestionBox*>(screen);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->Kind(), CQuestionBox::kClose);
        notice = box->Heading();
        const QString body = box->ControlAs<QTextEdit>(IDC_QB_BODY)->toPlainText();
        EXPECT_TRUE(body.contains(PathIn("gone.jpg"))) << qPrintable(body);
        EXPECT_FALSE(body.contains("a.jpg")) << qPrintable(body);
        box->SendCommand(IDOK_COMMAND);
    });
    Run(main, [&] {
        EXPECT_EQ(notice, QStringLiteral("Some pages were left out"));
        EXPECT_EQ(main.PageCount(), 2);
        EXPECT_EQ(main.Strip()->Count(), 2);
        EXPECT_EQ(main.Session().CurrentIndex(), 0);
        // The restored session is recorded as this run's at once.
        EXPECT_EQ(RecordedNames(), (QStringList{"a.jpg", "_"}));
        main.SendCommand(ID_FILE_EXIT);
    });
}

TEST_F(MainDlgRecoveryTest, EveryChangeIsRecordedAndExitOrCancelLeaveNone) {
    for (int command : {ID_FILE_EXIT, IDCANCEL}) {
        CMainDlg main;
        main.KeepRecoveryRecord(Record());
        const int result = Run(main, [&] {
            main.Recorder()->SetTiming(0, 0);
            Add(main, "a.jpg");
            Add(main, "b.jpg");
            main.SendCommand(ID_ADD_BLANK_PAGE);
            Settle(main);
            EXPECT_EQ(RecordedNames(), (QStringList{"a.jpg", "b.jpg", "_"}));
            EXPECT_EQ(ReadRecoveryRecord(Record()).state.currentIndex, 2);
            main.SendCommand(ID_IMAGE_MOVE_UP);
            Settle(main);
            EXPECT_EQ(RecordedNames(), (QStringList{"a.jpg", "_", "b.jpg"}));
            EXPECT_EQ(ReadRecoveryRecord(Record()).state.currentIndex, 1);
            // A page chosen in the strip is the current page of the record too.
            main.Strip()->Select(0);
            main.Strip()->SelectNext();
            main.Strip()->SelectPrevious();
            Settle(main);
            EXPECT_EQ(ReadRecoveryRecord(Record()).state.currentIndex, 0);
            main.SendCommand(command);
        });
        EXPECT_EQ(result, command == IDCANCEL ? IDCANCEL : IDOK);
        EXPECT_FALSE(QFile::exists(Record())) << command;
    }
    // Exit still writes the session file as always.
    EXPECT_TRUE(QFile::exists(SessionFilePath()));
}

TEST_F(MainDlgRecoveryTest, AWindowClosedFromOutsideLeavesTheRecordAndItsCopies) {
    const QString copy = Copy("wide");
    {
        CMainDlg main;
        main.KeepRecoveryRecord(Record());
        Run(main, [&] {
            auto page = std::make_unique<CPage>(copy);
            page->isTemporaryCopy = 1;
            ASSERT_TRUE(page->BuildThumb(nullptr, 40, 40));
            main.Session().AddPage(std::move(page));
            // The desktop closes the window: the screens end as Cancel ends them, but the user
            // did not choose Cancel.
            m_device->close();
        });
    }
    EXPECT_EQ(RecordedNames(), QStringList{"wide.gif.tesimg"});
    EXPECT_TRUE(QFile::exists(copy));
}

TEST_F(MainDlgRecoveryTest, ANewSessionDropsTheRecordBeforeThePagesCopies) {
    const QString copy = Copy("wide");
    CMainDlg main;
    main.KeepRecoveryRecord(Record());
    Run(main, [&] {
        auto page = std::make_unique<CPage>(copy);
        page->isTemporaryCopy = 1;
        main.Session().AddPage(std::move(page));
        main.Recorder()->WriteNow();
        ASSERT_TRUE(QFile::exists(Record()));
        WhenScreenOpens(&main, [](CScreen* s) { s->SendCommand(IDOK_COMMAND); });
        main.SendCommand(ID_FILE_NEW_SESSION);
        EXPECT_EQ(main.PageCount(), 0);
        EXPECT_FALSE(QFile::exists(Record()));
        EXPECT_FALSE(QFile::exists(copy));
        main.SendCommand(IDCANCEL);
    });
}

TEST_F(MainDlgRecoveryTest, WithoutBeingAskedTheScreenKeepsNoRecord) {
    CMainDlg main;
    EXPECT_EQ(main.Recorder(), nullptr);
    Run(main, [&] {
        Add(main, "a.jpg");
        main.SendCommand(IDCANCEL);
    });
    EXPECT_FALSE(QFile::exists(Record()));
}
