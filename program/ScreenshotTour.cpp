#include "program/ScreenshotTour.h"

#include "program/AboutDlg.h"
#include "program/SplashDlg.h"
#include "program/TextFitAudit.h"
#include "resources/ResourceIds.h"
#include "screens/MainDlg.h"
#include "text/Strings.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/MessagePump.h"
#include "ui/device/SoftKeyBar.h"
#include "ui/toolkit/AccessibilityAudit.h"
#include "ui/toolkit/QuestionBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>

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

CScreenshotTour::CScreenshotTour(const QString& folder, CDeviceWindow* device,
                                 std::vector<CTourStop> stops)
    : m_folder(folder), m_device(device), m_stops(std::move(stops)) {
    QDir().mkpath(folder);
    // Inside the program's home when there is one, else in the temporary folder; a fresh,
    // private folder either way.
    const QString home = qEnvironmentVariable("QUILLMARK_HOME");
    if (!home.isEmpty())
        QDir().mkpath(home); // the program makes it later; the tour needs it first
    m_scratchDir =
        home.isEmpty()
            ? std::make_unique<QTemporaryDir>(QDir::temp().filePath("quillmark-tour-XXXXXX"))
            : std::make_unique<QTemporaryDir>(QDir(home).filePath("tour-scratch-XXXXXX"));
    if (m_scratchDir->isValid())
        m_scratch = m_scratchDir->path();
    else
        Problem(
            QStringLiteral("no scratch folder for the tour: %1").arg(m_scratchDir->errorString()));
}

CScreenshotTour::~CScreenshotTour() = default;

void CScreenshotTour::Problem(const QString& text) {
    m_problems << text;
    m_failed = true;
    QTextStream(stderr) << "quillmark: " << text << "\n";
}

bool CScreenshotTour::WaitUntil(const std::function<bool()>& ready) {
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > kTimeoutMs) {
            Problem(QStringLiteral("the screenshot tour timed out"));
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
    // The screen open() brings up is this call's to close.
    ++m_attending;
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
        // Close whatever came up (or, after the time-out, everything the stop opened) so
        // open() returns.
        if (top && top != m_main) {
            if (close && shown)
                close(top);
            else if (shown)
                top->EndDialog(IDCANCEL);
            else
                EndAboveMain();
        }
        finished = true;
    });
    open();
    WaitUntil([&] { return finished; });
    --m_attending;
    return shot;
}

void CScreenshotTour::RunStops() {
    if (m_scratch.isEmpty())
        return;
    for (const CTourStop& stop : m_stops) {
        // Watches the stop from inside whatever modal loop it runs.
        QTimer watch;
        watch.setInterval(50);
        QObject::connect(&watch, &QTimer::timeout, m_device,
                         [this, &stop] { CloseUnattendedScreen(stop.name); });
        watch.start();
        stop.run(*this);
        watch.stop();
        if (!WaitUntil([this] { return m_device->TopScreen() == m_main; })) {
            Problem(QStringLiteral("the tour stop %1 left a screen open").arg(stop.name));
            return;
        }
        if (m_failed) {
            Problem(QStringLiteral("the tour stopped after %1").arg(stop.name));
            return;
        }
    }
}

void CScreenshotTour::EndAboveMain() {
    // A copy: ending a screen does not take it off the stack before its loop returns.
    const std::vector<CScreen*> stack = m_device->Stack();
    if (std::find(stack.begin(), stack.end(), m_main) == stack.end())
        return;
    for (auto it = stack.rbegin(); *it != m_main; ++it)
        (*it)->EndDialog(IDCANCEL);
}

void CScreenshotTour::CloseUnattendedScreen(const char* stop) {
    CScreen* top = m_device->TopScreen();
    if (!top || top == m_main || m_attending > 0 || !top->IsModal())
        return;
    QString said = top->accessibleName();
    if (auto* box = dynamic_cast<CQuestionBox*>(top))
        said = box->Caption() + QStringLiteral(": ") + box->Heading() + QStringLiteral(": ") +
               box->GetDlgItemText(ids::IDC_QB_BODY);
    Problem(QStringLiteral("the tour stop %1 failed: %2")
                .arg(QString::fromUtf8(stop), said.simplified()));
    top->EndDialog(IDCANCEL);
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
    AuditTextFit(name);
}

void CScreenshotTour::AuditTextFit(const QString& name) {
    CScreen* top = m_device->TopScreen();
    for (const QString& problem :
         FindClippedTexts(top ? static_cast<QWidget*>(top) : m_device, m_device->SoftKeys())) {
        m_clipped << name + QStringLiteral(": ") + problem;
        QTextStream(stderr) << "quillmark: text does not fit: " << m_clipped.last() << "\n";
    }
    QFile report(QDir(m_folder).filePath(QStringLiteral("text-fit.txt")));
    if (report.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        QTextStream out(&report);
        for (const QString& line : m_clipped)
            out << line << "\n";
    } else {
        m_failed = true;
    }
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

void CScreenshotTour::WaitFor(const std::function<bool()>& ready,
                              const std::function<void()>& then) {
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
            Problem(QStringLiteral("the screenshot tour timed out"));
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
