#include "pdf/screens/PdfFileActions.h"

#include "mail/screens/SendMailDialog.h"
#include "pdf/screens/PdfActionsDialog.h"
#include "resources/ResourceIds.h"
#include "tests/pdf/screens/PdfScreenTest.h"
#include "ui/toolkit/QuestionBox.h"

#include <QFile>
#include <QLineEdit>

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
        const QString script = PathIn("opener.sh");
        WriteFile(script, QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n")
                              .arg(PathIn("opened.txt"))
                              .toUtf8());
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return script;
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

} // namespace
