#include "screens/PdfCommands.h"

#include "app/AppSettings.h"
#include "browser/FileEntry.h"
#include "browser/screens/FileList.h"
#include "browser/screens/FolderTree.h"
#include "pdf/screens/CreatePdfFlow.h"
#include "pdf/screens/PdfSetupDialog.h"
#include "pdf/screens/ProgressDialog.h"
#include "resources/ResourceIds.h"
#include "screens/PdfLibraryDlg.h"
#include "session/Session.h"
#include "tests/screens/ScreenTestSupport.h"
#include "tests/support/TouchGestures.h"
#include "ui/toolkit/RememberedAnswers.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QStyleHints>
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

TEST_F(PdfScreensTest, TheLibraryShowsThreeFileRowsOnEverySupportedScreen) {
    for (int i = 0; i < 6; ++i)
        WriteFile(PathIn(QStringLiteral("doc%1.pdf").arg(i)), "%PDF-1.3\n");
    const struct {
        QSize screen;
        int rows;
    } kScreens[] = {{{240, 320}, 3}, {{320, 240}, 3}, {{480, 640}, 4}, {{640, 480}, 4}};
    for (const auto& expected : kScreens) {
        SCOPED_TRACE(expected.screen.width());
        m_owner.DestroyScreen();
        UseScreen(expected.screen);
        m_owner.ShowModeless();
        CPdfLibraryDialog library(&m_owner);
        library.SetInitialFolder(Home());
        library.ShowModeless();
        ASSERT_TRUE(WaitFor([&] { return library.HasPainted(); }));
        const CFileList* list = library.List();
        const int row = list->visualItemRect(list->topLevelItem(0)).height();
        ASSERT_GT(row, 0);
        EXPECT_EQ(list->viewport()->height() / row, expected.rows);
        // The size and date columns show their texts whole.
        for (int c : {kColumnSize, kColumnDate})
            EXPECT_LT(list->fontMetrics().horizontalAdvance(list->topLevelItem(0)->text(c)),
                      list->columnWidth(c))
                << c;
        library.DestroyScreen();
    }
}

TEST_F(PdfScreensTest, ALongPressOnALibraryFileOffersOpenAndShare) {
    WriteFile(PathIn("one.pdf"), "%PDF-1.3\n");
    CPdfLibraryDialog library(&m_owner);
    library.SetInitialFolder(Home());
    library.ShowModeless();
    ASSERT_TRUE(WaitFor([&] { return library.HasPainted(); }));
    QStringList entries;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                entries << action->text();
            menu->close();
        }
    });
    watch.start(20);
    QWidget* viewport = library.List()->viewport();
    const QPoint row = library.List()->visualItemRect(library.List()->topLevelItem(0)).center();
    Hold(viewport, row, QGuiApplication::styleHints()->mousePressAndHoldInterval() + 300);
    // The press selected the file the menu is for.
    EXPECT_EQ(library.SelectedFile(), PathIn("one.pdf"));
    EXPECT_EQ(entries, (QStringList{MenuPath(*library.MenuBar(), ID_OPEN).back(),
                                    MenuPath(*library.MenuBar(), ID_SHARE).back()}));
    // Beside the files (nothing selected) a long press offers nothing.
    entries.clear();
    ASSERT_TRUE(library.Tree()->SelectPath(Home()));
    library.List()->setCurrentItem(nullptr);
    const QPoint below(row.x(), viewport->height() - 3);
    Hold(viewport, below, QGuiApplication::styleHints()->mousePressAndHoldInterval() + 300);
    EXPECT_TRUE(entries.isEmpty());
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
