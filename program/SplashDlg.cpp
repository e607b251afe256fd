#include "program/SplashDlg.h"

#include "program/AboutDlg.h"
#include "program/OpenHelp.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/ProductInfo.h"
#include "text/Strings.h"
#include "ui/device/MessageBox.h"
#include "ui/device/MessagePump.h"
#include "ui/device/WaitCursor.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ResourceTables.h"

#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

CSplashDlg::CSplashDlg(CStartupServices services)
    : CDialog(ids::IDD_SPLASH), m_services(std::move(services)) {}

CSplashDlg::~CSplashDlg() {
    if (IsRunning())
        DestroyScreen();
}

QString CSplashDlg::WebAddress() {
    return QStringLiteral("www.tessaly.example/quillmark");
}

void CSplashDlg::OnInitDialog() {
    using namespace ids;
    m_productName = ProductName();
    m_versionText = LoadFormatted(IDS_VERSION, VersionLong());
    m_webAddress = WebAddress();
    m_supportAddress.clear();
    m_status = LoadFormatted(IDS_LOADING_RESOURCES_WAIT);
    SetDlgItemText(IDC_PRODUCT_NAME, m_productName);
    SetDlgItemText(IDC_VERSION, m_versionText);
    SetDlgItemText(IDC_WEB_ADDRESS, m_webAddress);
    SetDlgItemText(IDC_SUPPORT_ADDRESS, m_supportAddress);
    SetDlgItemText(IDC_STATUS, m_status);
    ApplyFont(GetFontCode(kFontTitle), Control(IDC_PRODUCT_NAME));
    ApplyFont(GetFontCode(kFontDetail), Control(IDC_VERSION));
    ApplyFont(GetFontCode(kFontDetail), Control(IDC_WEB_ADDRESS));
    ApplyFont(GetFontCode(kFontStatus), Control(IDC_STATUS));
    Control(IDC_PRODUCT_NAME)->setStyleSheet(QStringLiteral("color: #1d2b3a;"));
    Control(IDC_VERSION)->setStyleSheet(QStringLiteral("color: #4a5563;"));
    Control(IDC_WEB_ADDRESS)->setStyleSheet(QStringLiteral("color: #2a62b0;"));
    Control(IDC_STATUS)->setStyleSheet(QStringLiteral("color: #6b7480;"));
}

void CSplashDlg::OnPaint(QPainter& p) {
    QLinearGradient wash(0, 0, 0, height());
    wash.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    wash.setColorAt(1, QColor(0xE9, 0xEE, 0xF4));
    p.fillRect(rect(), wash);
    // Assistive tools learn what the pictures show where they are drawn.
    QRect splashRect, logoRect;
    if (m_splash) {
        const QSize s = SkinImageSize(m_splash);
        splashRect = QRect(QPoint((width() - s.width()) / 2, ScalePixels(8)), s);
        SkinDrawImage(p, m_splash, splashRect.x(), splashRect.y());
    }
    if (m_logo) {
        const QSize s = SkinImageSize(m_logo);
        const int top = height() - ScalePixels(25) - s.height();
        // A device turned sideways has no room for both: the splash picture wins.
        const int splashBottom = m_splash ? ScalePixels(8) + SkinImageSize(m_splash).height() : 0;
        if (top >= splashBottom) {
            logoRect = QRect(QPoint((width() - s.width()) / 2, top), s);
            SkinDrawImage(p, m_logo, logoRect.x(), logoRect.y());
        }
    }
    SetPictureDescription(ids::IDB_SPLASH, splashRect,
                          m_splash ? LoadFormatted(ids::IDS_SPLASH_PICTURE, m_productName)
                                   : QString());
    SetPictureDescription(ids::IDB_LOGO, logoRect,
                          logoRect.isValid() ? LoadFormatted(ids::IDS_LOGO_PICTURE, m_productName)
                                             : QString());
}

void CSplashDlg::Layout() {
    CDialog::Layout();
    // The status line keeps to the bottom edge whatever the screen's height.
    if (QWidget* status = Control(ids::IDC_STATUS)) {
        const int h = status->height();
        int y = std::min(status->y(), height() - h - ScalePixels(2));
        if (QWidget* web = Control(ids::IDC_WEB_ADDRESS))
            y = std::max(y, web->geometry().bottom() + 1);
        status->move(status->x(), y);
    }
}

void CSplashDlg::OnFirstPaint() {
    Initialise();
}

void CSplashDlg::Initialise() {
    if (m_initialised)
        return;
    BeginWait();
    m_initialised = true;

    BeginWait();
    m_services.openLog(StartupLogPath());
    m_services.loadSettings();
    int skinError = 0;
    m_succeeded = m_services.bindSkin(&skinError);
    if (!m_succeeded && skinError)
        PlatformMessageBox(LoadFormatted(ids::IDS_CRITICAL_APPLICATION_ERROR, skinError),
                           FindDialogTemplate(ids::IDD_SPLASH)->caption);
    m_services.startImaging();
    EndWait();

    if (m_succeeded) {
        m_splash = SkinAddImage(ids::IDB_SPLASH);
        m_logo = SkinAddImage(ids::IDB_LOGO);
        // The program's icon is its logo: give it to the host window.
        // At the picture's own pixels, so a dense display's icon is the fine one.
        const int ratio = SkinPictureRatio();
        QImage icon(SkinImageSize(m_logo) * ratio, QImage::Format_ARGB32_Premultiplied);
        icon.setDevicePixelRatio(ratio);
        icon.fill(Qt::transparent);
        if (!icon.isNull() && SkinDrawImage(icon, m_logo, 0, 0))
            window()->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    }
    // Balanced on failure too, so the cursor does not stay busy under the error box.
    EndWait();

    if (m_succeeded) {
        SetDlgItemText(ids::IDC_STATUS, LoadFormatted(ids::IDS_READY));
        update();
        PumpMessages(2); // let the splash show its pictures before the main screen covers it
        if (m_services.beforeMainScreen)
            m_services.beforeMainScreen(*this);
        std::unique_ptr<CScreen> main = m_services.makeMainScreen(this);
        if (m_services.recoverSession)
            m_services.recoverSession(this, *main);
        m_main = main.get();
        main->DoModal();
        m_main = nullptr;
    }
    PostQuit();
}

void CSplashDlg::PostQuit() {
    QMetaObject::invokeMethod(
        this, [this] { EndDialog(0); }, Qt::QueuedConnection);
}

void CSplashDlg::OnMessage(unsigned message, qintptr wParam, qintptr lParam) {
    if (message == ids::WM_FRAME_COMMAND) {
        if (wParam == ids::kFrameCommandAbout) {
            CAboutDlg about(this);
            about.DoModal();
        } else if (wParam == ids::kFrameCommandHelp) {
            OpenHelpOrReport(this);
        }
    }
    CDialog::OnMessage(message, wParam, lParam);
}

void CSplashDlg::OnClose() {
    if (m_splash)
        SkinReleaseImage(std::exchange(m_splash, 0));
    if (m_logo)
        SkinReleaseImage(std::exchange(m_logo, 0));
    ShutDown();
}

void CSplashDlg::ShutDown() {
    if (m_shutDown || !m_initialised)
        return;
    m_shutDown = true;
    BeginWait();
    m_services.stopImaging();
    m_services.saveSettings();
    for (platform::HKEY root : {platform::HKEY_CLASSES_ROOT, platform::HKEY_CURRENT_USER,
                                platform::HKEY_LOCAL_MACHINE, platform::HKEY_USERS})
        m_services.flushRegistry(root);
    m_services.closeLog();
    EndWait();
}
