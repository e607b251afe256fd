#include "pdf/screens/CreatePdfFlow.h"

#include "app/AppSettings.h"
#include "browser/screens/PathBox.h"
#include "pdf/screens/PdfActionsDialog.h"
#include "pdf/screens/PdfSetupDialog.h"
#include "pdf/screens/ProgressDialog.h"
#include "resources/ResourceIds.h"
#include "tests/pdf/PdfFile.h"
#include "tests/pdf/screens/PdfScreenTest.h"
#include "tests/support/MountedFolder.h"
#include "tests/support/PrivateMounts.h"
#include "ui/toolkit/QuestionBox.h"
#include "ui/toolkit/RememberedAnswers.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>

using namespace ids;

namespace {

class CreatePdfFlowTest : public CPdfScreenTest {
protected:
    void SetUp() override {
        CPdfScreenTest::SetUp();
        m_settings.lastSaveFolder = Home();
        m_settings.pageSize = kPaperA4;
    }
    std::vector<CPdfJobPage> Pages(int count, bool noise = false) {
        std::vector<CPdfJobPage> pages;
        pages.reserve(std::size_t(count));
        for (int i = 0; i < count; ++i)
            pages.push_back({Picture(QStringLiteral("p%1.jpg").arg(i), 300 + 10 * i, 400, noise),
                             kImageTypeJpeg, false});
        return pages;
    }
    // Confirms the setup screen with `name` in `folder` (the remembered folder by default).
    CAnswer Setup(const QString& name, const QString& folder = {}) {
        return [name, folder](CScreen* top) {
            auto* setup = dynamic_cast<CPdfSetupDialog*>(top);
            ASSERT_NE(setup, nullptr);
            setup->FileEdit()->setText(name);
            if (!folder.isEmpty())
                setup->FolderBox()->SetPath(folder);
            Press(setup, IDC_QB_BUTTON_OK);
        };
    }
    static CAnswer Yes() {
        return [](CScreen* top) { top->SendCommand(IDOK_COMMAND); };
    }
    static CAnswer No() {
        return [](CScreen* top) { top->SendCommand(IDCANCEL_COMMAND); };
    }

    CAppSettings m_settings;
};

TEST_F(CreatePdfFlowTest, SuccessShowsTheMessageTheActionsAndTheNewSessionQuestion) {
    bool checked = false;
    Answer(m_base.get(), {Setup("made.pdf"), Yes(),
                          [&](CScreen* top) {
                              auto* actions = dynamic_cast<CPdfActionsDialog*>(top);
                              ASSERT_NE(actions, nullptr);
                              EXPECT_EQ(actions->File(), PathIn("made.pdf"));
                              actions->ControlAs<QCheckBox>(IDC_QB_CHECK)->setChecked(true);
                              checked = true;
                              Press(actions, IDC_QB_BUTTON_CANCEL);
                          },
                          Yes()});
    const CCreatePdfOutcome outcome = RunCreatePdf(m_base.get(), Pages(2), m_settings);
    EXPECT_TRUE(outcome.written);
    EXPECT_TRUE(outcome.newSession);
    EXPECT_EQ(outcome.path, PathIn("made.pdf"));
    EXPECT_EQ(Seen(), QStringList({"PDF setup", "PDF document created successfully", "Actions",
                                   "Start a new session?"}));
    EXPECT_TRUE(checked);
    EXPECT_EQ(ReadRememberedAnswer(kPdfActionsBox), 1);
    CPdfFile pdf;
    ASSERT_TRUE(pdf.Load(PathIn("made.pdf"))) << pdf.Error().toStdString();
    EXPECT_EQ(pdf.Pages().size(), 2);
}

TEST_F(CreatePdfFlowTest, SilencedActionsAreSkippedAndNoKeepsTheSession) {
    StoreRememberedAnswer(kPdfActionsBox, 1);
    Answer(m_base.get(), {Setup("quiet"), Yes(), No()});
    const CCreatePdfOutcome outcome = RunCreatePdf(m_base.get(), Pages(1), m_settings);
    EXPECT_TRUE(outcome.written);
    EXPECT_FALSE(outcome.newSession);
    EXPECT_EQ(Seen(), QStringList({"PDF setup", "PDF document created successfully",
                                   "Start a new session?"}));
    EXPECT_TRUE(QFile::exists(PathIn("quiet"))); // no extension added
}

TEST_F(CreatePdfFlowTest, NoPagesOrACancelledSetupDoNothing) {
    Answer(m_base.get(), {No()});
    EXPECT_FALSE(RunCreatePdf(m_base.get(), {}, m_settings).written);
    EXPECT_TRUE(Seen().isEmpty());
    EXPECT_FALSE(RunCreatePdf(m_base.get(), Pages(1), m_settings).written);
    EXPECT_EQ(Seen(), QStringList({"PDF setup"}));
    EXPECT_EQ(QDir(Home()).entryList({"*.pdf"}, QDir::Files), QStringList());
}

TEST_F(CreatePdfFlowTest, CancelDuringPageThreeFinishesItAndLeavesTheOldFile) {
    WriteFile(PathIn("old.pdf"), "older file");
    std::vector<int> pagesAdded;
    auto observer = [&](CProgressDialog& progress, EPdfJobStage stage, int page) {
        if (stage != EPdfJobStage::AddingPage)
            return;
        pagesAdded.push_back(page);
        if (page == 3)
            Press(&progress, IDC_CANCEL);
    };
    Answer(m_base.get(), {Setup("old.pdf"), [](CScreen* top) {
                              auto* box = dynamic_cast<CQuestionBox*>(top);
                              ASSERT_NE(box, nullptr);
                              EXPECT_EQ(box->Caption(), "Message");
                              EXPECT_EQ(box->CurrentPicture(), IDB_MSG_SUCCESS);
                              top->SendCommand(IDOK_COMMAND);
                          }});
    const CCreatePdfOutcome outcome = RunCreatePdf(m_base.get(), Pages(5), m_settings, observer);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(pagesAdded, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Seen(), QStringList({"PDF setup", "User abort"}));
    EXPECT_EQ(ReadFile(PathIn("old.pdf")), "older file");
    EXPECT_EQ(QDir(Home()).entryList(QDir::Files | QDir::Hidden).filter(".pdf"),
              QStringList({"old.pdf"}));
}

TEST_F(CreatePdfFlowTest, AFullDiskShowsTheLibraryErrorAndLeavesNoFile) {
    if (RerunWithPrivateMounts())
        return;
    const QString disk = PathIn("disk");
    QDir().mkpath(disk);
    QString why;
    auto mounted = CMountedFolder::SmallDisk(disk, qint64(64) * 1024, &why);
    ASSERT_TRUE(mounted) << why.toStdString();
    QString body;
    Answer(m_base.get(), {Setup("full.pdf", disk), [&](CScreen* top) {
                              auto* box = dynamic_cast<CQuestionBox*>(top);
                              ASSERT_NE(box, nullptr);
                              body = box->GetDlgItemText(IDC_QB_BODY);
                              top->SendCommand(IDOK_COMMAND);
                          }});
    const CCreatePdfOutcome outcome = RunCreatePdf(m_base.get(), Pages(2, true), m_settings);
    EXPECT_FALSE(outcome.written);
    // The error alone: no abort message, no new-session question.
    EXPECT_EQ(Seen(), QStringList({"PDF setup", "Critical error"}));
    EXPECT_TRUE(body.contains("disk full")) << body.toStdString();
    EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

// Each page's picture goes into the file as the page is added: one removed while the rest
// is saved is in the PDF already.
TEST_F(CreatePdfFlowTest, APagePictureRemovedDuringTheSaveIsInThePdfAlready) {
    std::vector<CPdfJobPage> pages = Pages(3);
    const QString changed = pages[0].path;
    const QByteArray added = ReadFile(changed);
    auto observer = [&](CProgressDialog&, EPdfJobStage stage, int) {
        if (stage == EPdfJobStage::Saving)
            QFile::remove(changed);
    };
    StoreRememberedAnswer(kPdfActionsBox, 1);
    Answer(m_base.get(), {Setup("changed.pdf"), Yes(), No()});
    EXPECT_TRUE(RunCreatePdf(m_base.get(), pages, m_settings, observer).written);
    EXPECT_EQ(Seen(), QStringList({"PDF setup", "PDF document created successfully",
                                   "Start a new session?"}));
    CPdfFile pdf;
    ASSERT_TRUE(pdf.Load(PathIn("changed.pdf"))) << pdf.Error().toStdString();
    ASSERT_EQ(pdf.Pages().size(), 3);
    EXPECT_EQ(pdf.Objects().at(pdf.Images(pdf.Pages()[0])[0]).rawStream, added);
}

TEST_F(CreatePdfFlowTest, TheScreenMakesTheBytesThePdfCommandMakes) {
    std::vector<CPdfJobPage> pages = Pages(2);
    pages.push_back({Picture("p.png", 120, 80), kImageTypePng, false});
    pages.push_back({QString(), kImageTypeJpeg, false}); // a blank page
    CPdfJobOptions options;
    options.outputPath = PathIn("screen.pdf");
    options.layout = CPdfPageOptions::FromSettings(m_settings);
    ASSERT_TRUE(MakePdfWithProgress(m_base.get(), pages, options).Done());

    // The command turns the same pictures into pages itself.
    QStringList pictures;
    for (const CPdfJobPage& page : pages)
        if (!page.path.isEmpty())
            pictures << page.path;
    CPdfJobDelegate quiet;
    options.outputPath = PathIn("command.pdf");
    ASSERT_TRUE(CPdfJob(options, quiet).RunOnPictures(pictures).Done());
    // Without the blank page the command's file has one page less; compare like with like.
    pages.pop_back();
    options.outputPath = PathIn("screen3.pdf");
    ASSERT_TRUE(MakePdfWithProgress(m_base.get(), pages, options).Done());
    EXPECT_EQ(ReadFile(PathIn("screen3.pdf")), ReadFile(PathIn("command.pdf")));
    CPdfFile pdf;
    ASSERT_TRUE(pdf.Load(PathIn("screen.pdf")));
    EXPECT_EQ(pdf.Pages().size(), 4);
}

TEST_F(CreatePdfFlowTest, TheScreenHandlesItsEventsWhileThePdfIsSaved) {
    std::vector<CPdfJobPage> pages = Pages(3);
    bool handled = false;
    bool saved = false;
    auto observer = [&](CProgressDialog& progress, EPdfJobStage stage, int) {
        if (stage != EPdfJobStage::Saving)
            return;
        // Queued behind the pending events: it runs only if the job lets the screen breathe.
        QMetaObject::invokeMethod(
            &progress, [&] { handled = !saved; }, Qt::QueuedConnection);
    };
    CPdfJobOptions options;
    options.outputPath = PathIn("busy.pdf");
    const CPdfJobResult result = MakePdfWithProgress(m_base.get(), pages, options, observer);
    saved = true;
    EXPECT_TRUE(result.Done());
    EXPECT_TRUE(handled);
}

} // namespace
