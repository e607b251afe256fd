#include "program/AboutDlg.h"

#include "program/SplashDlg.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/ProductInfo.h"
#include "text/Strings.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

CAboutDlg::CAboutDlg(CScreen* owner) : CDialog(ids::IDD_ABOUT, owner) {
    OnCommandId(ids::ID_ABOUT_CLOSE, [this] { EndDialog(IDOK); });
    OnCommandId(ids::IDC_ABOUT_CLOSE, [this] { EndDialog(IDOK); });
}

CAboutDlg::~CAboutDlg() {
    if (m_logo)
        SkinReleaseImage(m_logo);
    if (m_header)
        SkinReleaseImage(m_header);
}

void CAboutDlg::OnInitDialog() {
    using namespace ids;
    SetMenuBarId(IDR_MENU_ABOUT);
    setAccessibleName(LoadFormatted(IDS_ABOUT));
    SetDlgItemText(IDC_PRODUCT_NAME, ProductNameLong());
    SetDlgItemText(IDC_VERSION, LoadFormatted(IDS_VERSION, VersionLong()));
    SetDlgItemText(IDC_WEB_ADDRESS, CSplashDlg::WebAddress());
    SetDlgItemText(IDC_SUPPORT_ADDRESS, QString());
    ApplyFont(GetFontCode(kFontTitle), Control(IDC_PRODUCT_NAME));
    ApplyFont(GetFontCode(kFontDetail), Control(IDC_VERSION));
    ApplyFont(GetFontCode(kFontDetail), Control(IDC_WEB_ADDRESS));
    Control(IDC_WEB_ADDRESS)->setStyleSheet(QStringLiteral("color: #2a62b0;"));
    SetupStandardButton(Button(IDC_ABOUT_CLOSE), kButtonClose);
    m_logo = SkinAddImage(IDB_LOGO);
    m_header = SkinAddImage(IDB_MSG_INFORMATION);
    Layout();
}

void CAboutDlg::Layout() {
    CDialog::Layout();
    if (CSkinButton* close = Button(ids::IDC_ABOUT_CLOSE)) {
        const QSize s = close->sizeHint();
        const int footerTop = FrameFooterTop(height());
        PlaceControlPixels(
            ids::IDC_ABOUT_CLOSE,
            QRect(width() - ScalePixels(4) - s.width(),
                  footerTop + (height() - footerTop - s.height() + ScalePixels(1)) / 2, s.width(),
                  s.height()));
    }
}

QRect CAboutDlg::LogoRect() const {
    const QSize size = m_logo ? SkinImageSize(m_logo) : QSize();
    if (size.isEmpty())
        return {};
    const int bottom = height() - ScalePixels(50);
    int textBottom = 0;
    for (int id : {ids::IDC_PRODUCT_NAME, ids::IDC_VERSION, ids::IDC_WEB_ADDRESS,
                   ids::IDC_SUPPORT_ADDRESS}) {
        const QWidget* text = Control(id);
        if (text && !text->isHidden() && !GetDlgItemText(id).isEmpty())
            textBottom = std::max(textBottom, text->geometry().bottom() + 1);
    }
    const int room = bottom - (textBottom + ScalePixels(4));
    if (room <= 0)
        return {};
    QSize fitted = size;
    if (fitted.height() > room || fitted.width() > width())
        fitted = size.scaled(std::min(size.width(), width()), std::min(size.height(), room),
                             Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, bottom - fitted.height()), fitted);
}

void CAboutDlg::OnPaint(QPainter& p) {
    CDialog::OnPaint(p);
    DrawScreenFrame(this, p, LoadFormatted(ids::IDS_ABOUT), ProductNameLong(), m_header,
                    kFooterBand);
    const QRect r = LogoRect();
    if (r.isEmpty())
        return;
    const QSize s = SkinImageSize(m_logo);
    if (r.size() == s) {
        SkinDrawImage(p, m_logo, r.x(), r.y());
    } else {
        // The library draws at its own size: the logo is drawn once and scaled smoothly.
        QImage logo(s, QImage::Format_ARGB32_Premultiplied);
        logo.fill(Qt::transparent);
        SkinDrawImage(logo, m_logo, 0, 0);
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(r, logo);
        p.restore();
    }
    SetPictureDescription(ids::IDB_LOGO, r, LoadFormatted(ids::IDS_LOGO_PICTURE, ProductName()));
}
