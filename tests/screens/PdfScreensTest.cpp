#include "screens/PdfCommands.h"

#include "app/AppSettings.h"
#include "browser/screens/FileList.h"
#include "browser/screens/FolderTree.h"
#include "pdf/screens/CreatePdfFlow.h"
#include "pdf/screens/PdfSetupDialog.h"
#include "pdf/screens/ProgressDialog.h"
#include "resources/ResourceIds.h"
#include "screens/PdfLibraryDlg.h"
#include "session/Session.h"
#include "tests/screens/ScreenTestSupport.h"
#include "ui/toolkit/RememberedAnswers.h"

#include <QDir>
#include <QLineEdit>
#include <QTimer>

#include <memory>

using namespace ids;

namespace {

class PdfScreensTest : public CScreenTest {
protected:
    void SetUp() override {
        CScreenTest::SetUp();
        LoadSettings(AppSettings());
        AppSettings().lastSaveFolder = Home();
        m_owner.ShowModeless();
    }
    void TearDown() override {
        m_owner.DestroyScreen();
        CScreenTest::TearDown();
    }
    // Answers the setup, the success message and the new-session question (actions
    // silenced); the progress screen in between is left alone.
    void AnswerFlow(int newSession) {
        StoreRememberedAnswer(kPdfActionsBox, 1);
        auto step = std::make_shared<int>(0);
        auto* timer = new QTimer(m_device.get());
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, timer, [=, this] {
            CScreen* top = m_device->TopScreen();
            if (!top || top == &m_owner || dynamic_cast<CProgressDialog*>(top) ||
                !top->HasPainted() || !top->IsRunning())
                return;
            if (*step == 0) {
                static_cast<CPdfSetupDialog*>(top)->FileEdit()->setText("out.pdf");
                top->SendCommand(IDC_QB_BUTTON_OK);
            } else if (*step == 1) {
                top->SendCommand(IDOK_COMMAND);
            } else {
                m_asked = true;
                top->SendCommand(newSession);
                timer->stop();
                timer->deleteLater();
            }
            ++*step;
        });
        timer->start();
    }

    CScreen m_owner;
    static inline bool m_asked = false;
};

TEST_F(PdfScreensTest, NoOnTheNewSessionQuestionKeepsTheSessionAndYesClearsIt) {
    CSession session;
    session.AddPage(session.MakePageFromFile(Picture("a.jpg", 200, 300)));
    session.AddPage(session.MakePageFromFile(Picture("b.jpg", 300, 200)));
    ASSERT_EQ(session.PageCount(), 2);

    m_asked = false;
    AnswerFlow(IDCANCEL_COMMAND);
    EXPECT_TRUE(CreatePdf(&m_owner, session));
    EXPECT_TRUE(m_asked);
    EXPECT_EQ(session.PageCount(), 2);
    EXPECT_TRUE(QFileInfo(PathIn("out.pdf")).size() > 0);

    m_asked = false;
    AnswerFlow(IDOK_COMMAND);
    EXPECT_TRUE(CreatePdf(&m_owner, session));
    EXPECT_TRUE(m_asked);
    EXPECT_EQ(session.PageCount(), 0);
    // Without pages the command does nothing at all.
    EXPECT_FALSE(CreatePdf(&m_owner, session));
}

TEST_F(PdfScreensTest, TheLibraryListsOnlyPdfsAndAFolderChangeDisablesOpenAndShare) {
    WriteFile(PathIn("one.pdf"), "%PDF-1.3\n");
    WriteFile(PathIn("two.PDF.txt"), "no");
    WriteFile(PathIn("photo.jpg"), "no");
    QDir().mkpath(PathIn("empty"));
    CPdfLibraryDialog library(&m_owner);
    library.SetInitialFolder(Home());
    library.ShowModeless();
    ASSERT_EQ(library.CurrentFolder(), Home());
    ASSERT_EQ(library.List()->topLevelItemCount(), 1);
    EXPECT_EQ(library.List()->topLevelItem(0)->text(0), "one.pdf");
    EXPECT_FALSE(library.IsCommandEnabled(IDC_OPEN));
    EXPECT_FALSE(library.IsCommandEnabled(IDC_LIBRARY_SHARE));
    // The menu's Open with nothing selected does nothing (no message, the screen stays).
    library.SendCommand(ID_OPEN);
    EXPECT_EQ(m_device->TopScreen(), &library);

    ASSERT_TRUE(library.List()->SelectFile("one.pdf"));
    EXPECT_EQ(library.SelectedFile(), PathIn("one.pdf"));
    EXPECT_TRUE(library.IsCommandEnabled(IDC_OPEN));
    EXPECT_TRUE(library.IsCommandEnabled(IDC_LIBRARY_SHARE));

    ASSERT_TRUE(library.Tree()->SelectPath(PathIn("empty")));
    EXPECT_EQ(library.CurrentFolder(), PathIn("empty"));
    EXPECT_EQ(library.List()->topLevelItemCount(), 0);
    EXPECT_TRUE(library.SelectedFile().isEmpty());
    EXPECT_FALSE(library.IsCommandEnabled(IDC_OPEN));
    EXPECT_FALSE(library.IsCommandEnabled(IDC_LIBRARY_SHARE));
    library.DestroyScreen();
}

TEST_F(PdfScreensTest, TheLibraryOpensOnTheLastSaveFolderFromTheMainScreen) {
    WriteFile(PathIn("saved.pdf"), "%PDF-1.3\n");
    QString folder;
    int rows = -1;
    WhenScreenOpens(&m_owner, [&](CScreen* top) {
        auto* library = dynamic_cast<CPdfLibraryDialog*>(top);
        ASSERT_NE(library, nullptr);
        folder = library->CurrentFolder();
        rows = library->List()->topLevelItemCount();
        top->SendCommand(ID_CLOSE);
    });
    ShowPdfLibrary(&m_owner);
    EXPECT_EQ(folder, Home());
    EXPECT_EQ(rows, 1);
}

} // namespace
