#include "program/ScreenshotTour.h"

#include "program/AboutDlg.h"
#include "program/SplashDlg.h"
#include "resources/ResourceIds.h"
#include "screens/MainDlg.h"
#include "text/Strings.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/MessagePump.h"
#include "ui/toolkit/AccessibilityAudit.h"
#include "ui/toolkit/QuestionBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QThread>
#include <QTimer>

namespace {

constexpr int kTimeoutMs = 15000;

struct CSampleBox {
    CQuestionBox::EKind kind;
    std::uint16_t caption, heading, body;
    std::uint16_t first, second;
    std::uint32_t picture;
};

// One box of each kind, with texts the program really shows in that kind of box.
constexpr CSampleBox kSamples[] = {
    {CQuestionBox::kClose, ids::IDS_SUCCESS, ids::IDS_PDF_DOCUMENT_CREATED_SUCCESSFULLY,
     ids::IDS_SUCCESSULLY_COMPILED_FILE_FROM, 0, 0, ids::IDB_MSG_SUCCESS},
    {CQuestionBox::kNoYes, ids::IDS_QUESTION, ids::IDS_SAVE_SESSION_1121,
     ids::IDS_SAVE_CURRENT_SESSION_YES, 0, 0, ids::IDB_MSG_QUESTION},
    {CQuestionBox::kCancelOk, ids::IDS_WARNING, ids::IDS_START_NEW_SESSION,
     ids::IDS_STARTING_NEW_SESSION_WILL, 0, 0, ids::IDB_MSG_ATTENTION},
    {CQuestionBox::kCancelOkRadio, ids::IDS_DELETE, ids::IDS_DELETE_IMAGE,
     ids::IDS_DO_REALLY_WISH_REMOVE, ids::IDS_REMOVE_IMAGE_DELETE_IMAGE,
     ids::IDS_ONLY_REMOVE_IMAGE_FROM, ids::IDB_MSG_QUESTION},
    {CQuestionBox::kCancelNext, ids::IDS_ERROR_1093, ids::IDS_CRITICAL_ERROR,
     ids::IDS_OUT_MEMORY_COMPLETE_OPERATION, 0, 0, ids::IDB_MSG_ERROR},
    {CQuestionBox::kCancelNextCheck, ids::IDS_QUESTION_1145, ids::IDS_CROP_IMAGE,
     ids::IDS_ARE_SURE_WISH_CROP, ids::IDS_DON_T_SHOW_THIS, 0, ids::IDB_MSG_QUESTION},
    {CQuestionBox::kCancelNextCheckRequired, ids::IDS_QUESTION_1148, ids::IDS_DISCARD_CHANGES,
     ids::IDS_HAVE_MODIFIED_SOURCE_IMAGE, ids::IDS_DON_T_SHOW_THIS, 0, ids::IDB_MSG_ATTENTION},
    {CQuestionBox::kCancelNextRadio, ids::IDS_DELETE, ids::IDS_DELETE_IMAGE,
     ids::IDS_DO_REALLY_WISH_REMOVE, ids::IDS_REMOVE_IMAGE_DELETE_IMAGE,
     ids::IDS_ONLY_REMOVE_IMAGE_FROM, ids::IDB_MSG_QUESTION},
    {CQuestionBox::kCancelNextRadioRequired, ids::IDS_QUESTION_1138,
     ids::IDS_START_NEW_SESSION_1139, ids::IDS_WOULD_LIKE_START_NEW, ids::IDS_YES_1071,
     ids::IDS_NO_1070, ids::IDB_MSG_QUESTION},
    {CQuestionBox::kYesNoAll, ids::IDS_QUESTION, ids::IDS_SAVE_SESSION_1121,
     ids::IDS_SAVE_CURRENT_SESSION_YES, ids::IDS_DON_T_SHOW_THIS_1144, 0, ids::IDB_MSG_QUESTION},
    {CQuestionBox::kDontShowAgain, ids::IDS_MESSAGE, ids::IDS_NO_CAMERA_DETECTED,
     ids::IDS_NO_SUPPORTED_CAMERA_CAPTURE, ids::IDS_DON_T_SHOW_THIS_1144, 0, 0},
};

} // namespace

CScreenshotTour::CScreenshotTour(const QString& folder, CDeviceWindow* device)
    : m_folder(folder), m_device(device) {
    QDir().mkpath(folder);
    m_scratch = QDir(qEnvironmentVariable("QUILLMARK_HOME", QDir::tempPath()))
                    .filePath(QStringLiteral("tour-scratch"));
    QDir(m_scratch).removeRecursively();
    QDir().mkpath(m_scratch);
}

bool CScreenshotTour::WaitUntil(const std::function<bool()>& ready) {
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > kTimeoutMs) {
            QTextStream(stderr) << "quillmark: the screenshot tour timed out\n";
            m_failed = true;
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

bool CScreenshotTour::ShootModal(const QString& name, const std::function<void()>& open,
                                 const std::function<bool(CScreen*)>& isShown,
                                 const std::function<void(CScreen*)>& close) {
    bool shot = false;
    bool finished = false;
    QTimer::singleShot(0, m_device, [&] {
        const bool shown = WaitUntil([&] {
            CScreen* top = m_device->TopScreen();
            return top && isShown(top) && top->HasPainted();
        });
        CScreen* top = m_device->TopScreen();
        if (shown) {
            Shot(name);
            shot = true;
        }
        // Close whatever came up (or a wrong screen after the time-out) so open() returns.
        if (top && top != m_main) {
            if (close && shown)
                close(top);
            else
                top->EndDialog(IDCANCEL);
        }
        finished = true;
    });
    open();
    WaitUntil([&] { return finished; });
    return shot;
}

void CScreenshotTour::RunStops() {
    for (const CTourStop& stop : TourStops()) {
        stop.run(*this);
        if (!WaitUntil([this] { return m_device->TopScreen() == m_main; })) {
            QTextStream(stderr) << "quillmark: the tour stop " << stop.name
                                << " left a screen open\n";
            return;
        }
    }
}

void CScreenshotTour::Install(CStartupServices& services) {
    // The camera notice is photographed at the main screen's stop; at start it would cover
    // the main screen the tour waits for.
    auto makeMain = services.makeMainScreen;
    services.makeMainScreen = [makeMain](CScreen* owner) {
        std::unique_ptr<CScreen> screen = makeMain(owner);
        if (auto* main = dynamic_cast<CMainDlg*>(screen.get()))
            main->SetCameraNoticeAtStart(false);
        return screen;
    };
    // The tour's session is no one's work: nothing is offered, and no record is kept.
    services.recoverSession = {};
    auto previous = services.beforeMainScreen;
    services.beforeMainScreen = [this, previous](CSplashDlg& splash) {
        if (previous)
            previous(splash);
        m_splash = &splash;
        Shot(QStringLiteral("01-splash"));
        WaitFor(
            [this] {
                return dynamic_cast<CMainDlg*>(m_device->TopScreen()) &&
                       m_device->TopScreen()->HasPainted();
            },
            [this] { OnMainScreen(); });
    };
}

void CScreenshotTour::Shot(const QString& name) {
    PumpMessages(3);
    const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
    if (m_device->Grab().save(path)) {
        m_written << QFileInfo(path).fileName();
    } else {
        QTextStream(stderr) << "quillmark: could not write " << path << "\n";
        m_failed = true;
    }
    AuditAccessibility(name);
}

void CScreenshotTour::AuditAccessibility(const QString& name) {
    for (const QString& problem : FindUnnamedControls(m_device)) {
        m_unnamed << name + QStringLiteral(": ") + problem;
        QTextStream(stderr) << "quillmark: no accessible name: " << m_unnamed.last() << "\n";
    }
    QFile report(QDir(m_folder).filePath(QStringLiteral("accessibility.txt")));
    if (report.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        QTextStream out(&report);
        for (const QString& line : m_unnamed)
            out << line << "\n";
    } else {
        m_failed = true;
    }
}

void CScreenshotTour::WaitFor(std::function<bool()> ready, std::function<void()> then) {
    auto* timer = new QTimer(m_device);
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, m_device, [this, timer, clock, ready, then] {
        if (ready()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            then();
        } else if (clock->elapsed() > kTimeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            QTextStream(stderr) << "quillmark: the screenshot tour timed out\n";
            m_failed = true;
            // Leave through the normal shut-down all the same.
            for (CScreen* screen : m_device->Stack())
                screen->EndDialog(IDCANCEL);
        }
    });
    timer->start();
}

void CScreenshotTour::OnMainScreen() {
    CScreen* main = m_device->TopScreen();
    m_main = dynamic_cast<CMainDlg*>(main);
    // The first paint sets the buttons up; give it a moment to show them.
    QTimer::singleShot(150, m_device, [this, main] {
        Shot(QStringLiteral("02-main"));
        main->SendCommand(ids::ID_HELP_ABOUT);
        WaitFor(
            [this] {
                return dynamic_cast<CAboutDlg*>(m_device->TopScreen()) &&
                       m_device->TopScreen()->HasPainted();
            },
            [this, main] {
                Shot(QStringLiteral("03-about"));
                m_device->TopScreen()->SendCommand(ids::ID_ABOUT_CLOSE);
                WaitFor([this, main] { return m_device->TopScreen() == main; },
                        [this, main] {
                            ShowQuestionBoxes();
                            RunStops();
                            m_completed = !m_failed;
                            main->SendCommand(ids::ID_FILE_EXIT);
                        });
            });
    });
}

void CScreenshotTour::ShowQuestionBoxes() {
    CScreen* main = m_device->TopScreen();
    for (const CSampleBox& sample : kSamples) {
        CQuestionBox box(main);
        box.SetKind(sample.kind);
        box.SetTitles(LoadFormatted(sample.caption), LoadFormatted(sample.heading));
        box.SetBody(LoadFormatted(sample.body, QStringLiteral("20261208_0930.pdf")));
        if (sample.first)
            box.SetOptionTexts(LoadFormatted(sample.first),
                               sample.second ? LoadFormatted(sample.second) : QString());
        if (sample.picture)
            box.SetPictures(sample.picture, 0, 500);
        const QString name = QStringLiteral("%1-question-kind%2")
                                 .arg(4 + sample.kind, 2, 10, QChar('0'))
                                 .arg(sample.kind);
        // Kind 10 is taken after its second picture has come up.
        QTimer::singleShot(sample.kind == CQuestionBox::kDontShowAgain ? 700 : 120, &box,
                           [this, &box, name] {
                               Shot(name);
                               box.EndDialog(IDCANCEL);
                           });
        box.Show();
    }
}
