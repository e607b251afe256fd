#include "program/StartupRecovery.h"

#include "camera/CameraState.h"
#include "program/ScanApp.h"
#include "resources/ResourceIds.h"
#include "screens/FrameList.h"
#include "screens/MainDlg.h"
#include "session/SessionFile.h"
#include "skin/binding/SkinBinding.h"
#include "tests/support/TempHome.h"
#include "ui/device/DeviceWindow.h"
#include "ui/toolkit/QuestionBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

class StartupRecoveryTest : public CTempHomeTest {
protected:
    QString Record() const { return PathIn("session.recovery"); }
    QString Picture(const QString& name) const {
        QString path = PathIn(name);
        QImage image(30, 40, QImage::Format_RGB32);
        image.fill(qRgb(20, 160, 90));
        EXPECT_TRUE(image.save(path, "JPEG"));
        return path;
    }
    // A record left by a run that has ended: pages a.jpg, a blank page, a copy it owned.
    CRecoveryState LeftBehind() {
        CRecoveryState state;
        state.currentIndex = 1;
        state.pages = {{Picture("a.jpg"), kImageTypeJpeg, false, false},
                       {QString(), kImageTypeJpeg, false, false},
                       {Picture("b.gif.tesimg"), kImageTypeJpeg, true, false}};
        EXPECT_TRUE(WriteRecoveryRecord(Record(), state));
        return state;
    }
    CRecoveryChoice Choose(bool answer) {
        CRecoveryPrompts prompts;
        prompts.askRestore = [this, answer](const CRecoveryState& state) {
            asked.push_back(int(state.pages.size()));
            return answer;
        };
        prompts.tellSetAside = [this](ERecordStatus why, const QString& aside) {
            told.push_back({why, aside});
        };
        return ChooseRecovery(Record(), prompts);
    }

    std::vector<int> asked;
    std::vector<std::pair<ERecordStatus, QString>> told;
};

} // namespace

TEST_F(StartupRecoveryTest, NoRecordAsksNothingAndRecords) {
    const CRecoveryChoice choice = Choose(true);
    EXPECT_TRUE(choice.keepRecord);
    EXPECT_TRUE(choice.restore.pages.empty());
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(told.empty());
}

TEST_F(StartupRecoveryTest, YesHandsThePagesOverAndNoLetsThemGoWithTheirCopies) {
    const CRecoveryState state = LeftBehind();
    CRecoveryChoice yes = Choose(true);
    EXPECT_EQ(asked, std::vector<int>{3});
    EXPECT_TRUE(yes.keepRecord);
    EXPECT_EQ(yes.restore, state);
    // The record stays until this run's own replaces it.
    EXPECT_TRUE(QFile::exists(Record()));

    CRecoveryChoice no = Choose(false);
    EXPECT_TRUE(no.keepRecord);
    EXPECT_TRUE(no.restore.pages.empty());
    EXPECT_FALSE(QFile::exists(Record()));
    EXPECT_TRUE(QFile::exists(PathIn("a.jpg")));
    EXPECT_FALSE(QFile::exists(PathIn("b.gif.tesimg")));
}

TEST_F(StartupRecoveryTest, UntrustworthyRecordsAreSetAsideAndTold) {
    const QByteArray record = EncodeRecoveryRecord(LeftBehind());
    struct {
        QByteArray bytes;
        ERecordStatus why;
        const char* kept;
    } cases[] = {{record.left(record.size() - 3), ERecordStatus::kTruncated, ".damaged-"},
                 {QByteArray("QMRC") + QByteArray(40, '\x7f'), ERecordStatus::kNewer, ".newer-"},
                 {QByteArray(200, 'x'), ERecordStatus::kDamaged, ".damaged-"}};
    for (const auto& c : cases) {
        told.clear();
        WriteFile(Record(), c.bytes);
        const CRecoveryChoice choice = Choose(true);
        EXPECT_TRUE(asked.empty());
        EXPECT_TRUE(choice.keepRecord);
        EXPECT_TRUE(choice.restore.pages.empty());
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0].first, c.why);
        EXPECT_TRUE(told[0].second.startsWith(Record() + c.kept)) << qPrintable(told[0].second);
        EXPECT_EQ(ReadFile(told[0].second), c.bytes);
        EXPECT_FALSE(QFile::exists(Record()));
    }
    // Nothing the set-aside records named was deleted.
    EXPECT_TRUE(QFile::exists(PathIn("b.gif.tesimg")));
}

TEST_F(StartupRecoveryTest, TheRecordOfARunningWindowIsNeitherOfferedNorTouched) {
    CRecoveryState state = LeftBehind();
    state.owner = CurrentRecoveryOwner(); // this process stands for the other window
    ASSERT_TRUE(WriteRecoveryRecord(Record(), state));
    const QByteArray before = ReadFile(Record());
    const CRecoveryChoice choice = Choose(true);
    EXPECT_FALSE(choice.keepRecord);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(ReadFile(Record()), before);
    EXPECT_TRUE(QFile::exists(PathIn("b.gif.tesimg")));
}

TEST_F(StartupRecoveryTest, AnEmptyRecordIsRemovedWithoutAQuestion) {
    ASSERT_TRUE(WriteRecoveryRecord(Record(), {}));
    EXPECT_TRUE(Choose(true).keepRecord);
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(QFile::exists(Record()));
}

// The whole start: the question over the start-up window, Yes, the pages on the main screen,
// Exit, and no record left.
TEST_F(StartupRecoveryTest, TheProgramAsksAtStartAndRestoresOnYes) {
    CDeviceWindow device(QSize(480, 640));
    device.show();
    ASSERT_TRUE(WriteCameraHardwareValue(true));
    LeftBehind();

    CStartupServices services = DefaultStartupServices();
    services.bindSkin = [](int* error) {
        return BindSkinLibraryFrom(QCoreApplication::applicationDirPath(), nullptr, error);
    };
    QString heading, body;
    QStringList pagesOnMain;
    int current = -2;
    bool answered = false, exited = false;
    // Answers from a poll, without waiting inside another screen's loop: the question first
    // (before the main screen runs), then the main screen once its pages are back.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        CScreen* top = device.TopScreen();
        if (!top || !top->HasPainted())
            return;
        if (auto* box = dynamic_cast<CQuestionBox*>(top)) {
            if (box->Kind() != CQuestionBox::kNoYes || answered) {
                box->SendCommand(ids::IDOK_COMMAND); // any notice after it
                return;
            }
            answered = true;
            heading = box->Heading();
            body = box->ControlAs<QTextEdit>(ids::IDC_QB_BODY)->toPlainText();
            box->SendCommand(ids::IDOK_COMMAND);
        } else if (auto* main = dynamic_cast<CMainDlg*>(top);
                   main && main->PageCount() > 0 && !exited) {
            exited = true;
            for (int i = 0; i < main->PageCount(); ++i)
                pagesOnMain << QFileInfo(main->Session().Pages().At(i)->path).fileName();
            current = main->Session().CurrentIndex();
            main->SendCommand(ids::ID_FILE_EXIT);
        }
    });
    poll.start(20);
    EXPECT_EQ(CScanApp(services).InitInstance(), 0);
    UnbindSkinLibrary();

    EXPECT_EQ(heading, QStringLiteral("Restore the last session?"));
    EXPECT_TRUE(body.contains("session of 3 pages")) << qPrintable(body);
    EXPECT_EQ(pagesOnMain, (QStringList{"a.jpg", "", "b.gif.tesimg"}));
    EXPECT_EQ(current, 1);
    EXPECT_FALSE(QFile::exists(Record()));
    EXPECT_TRUE(QFile::exists(SessionFilePath()));
}
