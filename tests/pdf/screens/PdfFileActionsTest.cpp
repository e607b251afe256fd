#include "pdf/screens/PdfFileActions.h"

#include "mail/screens/SendMailDialog.h"
#include "pdf/PdfJob.h"
#include "pdf/screens/PdfActionsDialog.h"
#include "pdf/screens/ProgressDialog.h"
#include "platform/Paths.h"
#include "resources/ResourceIds.h"
#include "tests/pdf/screens/PdfScreenTest.h"
#include "text/TextFormat.h"
#include "ui/toolkit/QuestionBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

using namespace ids;

namespace {

class PdfFileActionsTest : public CPdfScreenTest {
protected:
    void TearDown() override {
        qunsetenv("QUILLMARK_OPENER");
        CPdfScreenTest::TearDown();
    }
    // An opener that writes what it was asked to open into a file.
    QString RecordingOpener() {
        QString script = PathIn("opener.sh");
        WriteFile(script, QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n")
                              .arg(PathIn("opened.txt"))
                              .toUtf8());
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return script;
    }
    // A PDF of two photos as the Create-PDF flow makes it.
    QString MadePdf(const QString& name) {
        const std::vector<CPdfJobPage> pages = {{Picture("one.jpg", 900, 700, true)},
                                                {Picture("two.jpg", 900, 700, true)}};
        CPdfJobOptions options;
        options.outputPath = PathIn(name);
        CPdfJobDelegate quiet;
        EXPECT_TRUE(CPdfJob(options, quiet).Run(pages).Done());
        return options.outputPath;
    }
    // Answers the question about a large file with `answer` (Yes or No).
    CAnswer AnswerLargeFile(int answer, QString* body = nullptr) {
        return [answer, body](CScreen* top) {
            auto* box = dynamic_cast<CQuestionBox*>(top);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->Kind(), CQuestionBox::kNoYes);
            if (body)
                *body = box->GetDlgItemText(IDC_QB_BODY);
            box->EndDialog(answer);
        };
    }
    // Notes what the send screen attaches, and cancels it.
    CAnswer NoteSendScreen(QString* attachment, QString* shown, bool* copyExists = nullptr) {
        return [=](CScreen* top) {
            auto* send = dynamic_cast<CSendMailDialog*>(top);
            ASSERT_NE(send, nullptr);
            *attachment = send->Attachment();
            *shown = send->AttachmentText();
            if (copyExists)
                *copyExists = QFileInfo(send->Attachment()).isFile();
            top->SendCommand(ID_PLATFORM_CANCEL);
        };
    }
    QStringList CopyFolders() const {
        return QDir(platform::CacheFolder()).entryList({"smaller-copy-*"}, QDir::Dirs);
    }
};

TEST_F(PdfFileActionsTest, AFailingOpenerShowsCouldNotOpenWithTheFileName) {
    const QString pdf = PathIn("report.pdf");
    WriteFile(pdf, "%PDF-1.3\n");
    // xdg-open ends with 3 when no program takes the file; a missing opener cannot start.
    const QString failing = PathIn("failing-opener.sh");
    WriteFile(failing, "#!/bin/sh\nexit 3\n");
    QFile::setPermissions(failing, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString& opener : {failing, PathIn("no-such-viewer")}) {
        SCOPED_TRACE(opener.toStdString());
        qputenv("QUILLMARK_OPENER", QFile::encodeName(opener));
        m_seen->clear();
        QString body, caption;
        Answer(m_base.get(), {[&](CScreen* top) {
                   auto* box = dynamic_cast<CQuestionBox*>(top);
                   ASSERT_NE(box, nullptr);
                   caption = box->Caption();
                   body = box->GetDlgItemText(IDC_QB_BODY);
                   top->SendCommand(IDOK_COMMAND);
               }});
        EXPECT_FALSE(OpenPdfFile(m_base.get(), pdf));
        EXPECT_EQ(Seen(), QStringList({"Could not open file"}));
        EXPECT_EQ(caption, "Error");
        EXPECT_EQ(body, "Could not open PDF file 'report.pdf'. Please check if you have a PDF "
                        "file reader installed on your device.");
    }
}

TEST_F(PdfFileActionsTest, OpenHandsTheFileToTheOpenerAndAMissingFileDoesNothing) {
    const QString pdf = PathIn("report.pdf");
    WriteFile(pdf, "%PDF-1.3\n");
    qputenv("QUILLMARK_OPENER", QFile::encodeName(RecordingOpener()));
    EXPECT_TRUE(OpenPdfFile(m_base.get(), pdf));
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(PathIn("opened.txt")); }));
    EXPECT_TRUE(WaitFor([&] { return ReadFile(PathIn("opened.txt")) == pdf.toUtf8(); }));

    EXPECT_FALSE(OpenPdfFile(m_base.get(), PathIn("gone.pdf")));
    EXPECT_FALSE(SharePdfFile(m_base.get(), PathIn("gone.pdf")));
    EXPECT_FALSE(OpenPdfFile(m_base.get(), {}));
    EXPECT_TRUE(Seen().isEmpty());
}

TEST_F(PdfFileActionsTest, TheActionsPromptOpensAndStaysOpenUntilClosed) {
    const QString pdf = PathIn("made.pdf");
    WriteFile(pdf, "%PDF-1.3\n");
    qputenv("QUILLMARK_OPENER", QFile::encodeName(RecordingOpener()));
    CPdfActionsDialog actions(m_base.get());
    actions.SetFile(pdf);
    bool stillOpen = false;
    Answer(m_base.get(), {[&](CScreen* top) {
               Press(top, IDC_ACTIONS_OPEN);
               stillOpen = top->IsRunning();
               top->SendCommand(ID_CLOSE);
           }});
    EXPECT_EQ(actions.DoModal(), IDCANCEL);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(actions.IsDontShowChecked());
    EXPECT_TRUE(WaitFor([&] { return ReadFile(PathIn("opened.txt")) == pdf.toUtf8(); }));
}

TEST_F(PdfFileActionsTest, ShareOpensTheSendScreenForTheFile) {
    const QString pdf = PathIn("minutes.pdf");
    WriteFile(pdf, "%PDF-1.3\n");
    QString subject;
    Answer(m_base.get(), {[&](CScreen* top) {
               auto* send = dynamic_cast<CSendMailDialog*>(top);
               ASSERT_NE(send, nullptr);
               subject = send->SubjectEdit()->text();
               top->SendCommand(ID_PLATFORM_CANCEL);
           }});
    EXPECT_FALSE(SharePdfFile(m_base.get(), pdf)); // cancelled: nothing sent
    EXPECT_EQ(Seen(), QStringList({"Share"}));
    EXPECT_EQ(subject, "Emailing: minutes.pdf");
}

TEST_F(PdfFileActionsTest, AFileUpToTheLimitIsSentAsItIsAndALargerOneIsAskedAbout) {
    const QString pdf = MadePdf("minutes.pdf");
    const qint64 size = QFileInfo(pdf).size();
    QString attachment, shown, body;
    Answer(m_base.get(), {NoteSendScreen(&attachment, &shown)});
    EXPECT_FALSE(SharePdfFile(m_base.get(), pdf, size));
    EXPECT_EQ(Seen(), QStringList({"Share"}));
    EXPECT_EQ(attachment, pdf);

    // "No": the file as it is.
    m_seen->clear();
    Answer(m_base.get(), {AnswerLargeFile(IDCANCEL, &body), NoteSendScreen(&attachment, &shown)});
    EXPECT_FALSE(SharePdfFile(m_base.get(), pdf, size - 1));
    EXPECT_EQ(Seen(), QStringList({"Large attachment", "Share"}));
    EXPECT_EQ(attachment, pdf);
    const QString sizeText = FormatFileSize(std::uint64_t(size), false, true, false);
    EXPECT_EQ(body, "'minutes.pdf' is " + sizeText +
                        ", more than many mail servers accept. Tap 'Yes' to send a copy with "
                        "smaller pictures, or 'No' to send the file as it is. The file itself "
                        "stays unchanged.");
    EXPECT_EQ(shown, "Attachment: minutes.pdf (" + sizeText + ")");
}

TEST_F(PdfFileActionsTest, YesSendsASmallerCopyUnderTheSameNameAndRemovesItAfterwards) {
    const QString pdf = MadePdf("minutes.pdf");
    const QByteArray before = ReadFile(pdf);
    QString attachment, shown;
    bool copyExisted = false;
    Answer(m_base.get(),
           {AnswerLargeFile(IDOK), NoteSendScreen(&attachment, &shown, &copyExisted)});
    EXPECT_FALSE(SharePdfFile(m_base.get(), pdf, 1024));
    EXPECT_EQ(Seen(), QStringList({"Large attachment", "Share"}));
    EXPECT_NE(attachment, pdf);
    EXPECT_EQ(QFileInfo(attachment).fileName(), "minutes.pdf");
    EXPECT_TRUE(copyExisted);
    EXPECT_FALSE(QFile::exists(attachment));
    EXPECT_EQ(CopyFolders(), QStringList());
    EXPECT_EQ(ReadFile(pdf), before);
    EXPECT_NE(shown, "Attachment: minutes.pdf (" +
                         FormatFileSize(std::uint64_t(before.size()), false, true, false) + ")");
}

TEST_F(PdfFileActionsTest, CancelWhileTheCopyIsMadeSendsNothingAndLeavesNoCopy) {
    const QString pdf = MadePdf("minutes.pdf");
    const QByteArray before = ReadFile(pdf);
    // Cancel as soon as the progress screen is up.
    QTimer cancel;
    bool pressed = false;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        auto* progress = dynamic_cast<CProgressDialog*>(m_device->TopScreen());
        if (progress && !pressed) {
            pressed = true;
            Press(progress, IDC_CANCEL);
        }
    });
    cancel.start(0);
    Answer(m_base.get(), {AnswerLargeFile(IDOK)});
    EXPECT_FALSE(SharePdfFile(m_base.get(), pdf, 1024));
    EXPECT_TRUE(pressed);
    EXPECT_EQ(Seen(), QStringList({"Large attachment"}));
    EXPECT_EQ(CopyFolders(), QStringList());
    EXPECT_EQ(ReadFile(pdf), before);
}

TEST_F(PdfFileActionsTest, APdfNotMadeHereIsExplainedAndSentAsItIs) {
    const QString pdf = PathIn("scanned elsewhere.pdf");
    WriteFile(pdf, "%PDF-1.7\n" + QByteArray(4096, ' ') + "\n%%EOF\n");
    QString attachment, shown, body;
    Answer(m_base.get(), {AnswerLargeFile(IDOK),
                          [&](CScreen* top) {
                              auto* box = dynamic_cast<CQuestionBox*>(top);
                              ASSERT_NE(box, nullptr);
                              body = box->GetDlgItemText(IDC_QB_BODY);
                              top->SendCommand(IDOK_COMMAND);
                          },
                          NoteSendScreen(&attachment, &shown)});
    EXPECT_FALSE(SharePdfFile(m_base.get(), pdf, 1024));
    EXPECT_EQ(Seen(), QStringList({"Large attachment", "Large attachment", "Share"}));
    EXPECT_EQ(body, "Could not make a smaller copy of 'scanned elsewhere.pdf': only PDF documents "
                    "made by this program can be made smaller. The file will be sent as it is.");
    EXPECT_EQ(attachment, pdf);
    EXPECT_EQ(CopyFolders(), QStringList());
}

} // namespace
