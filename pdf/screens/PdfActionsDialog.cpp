#include "pdf/screens/PdfActionsDialog.h"

#include "pdf/screens/PdfFileActions.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QCheckBox>
#include <QLabel>

using namespace ids;

CPdfActionsDialog::CPdfActionsDialog(CScreen* owner) : CDialog(IDD_PDF_ACTIONS, owner) {
    SetDlgItemText(IDC_MESSAGE_TEXT, LoadFormatted(IDS_WOULD_LIKE_VIEW_PDF));
    if (auto* text = ControlAs<QLabel>(IDC_MESSAGE_TEXT))
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetDlgItemText(IDC_QB_CHECK, LoadFormatted(IDS_DON_T_SHOW_THIS_1144));
    SetupStandardButton(Button(IDC_QB_BUTTON_CANCEL), kButtonClose);
    SetupStandardButton(Button(IDC_ACTIONS_SHARE), kButtonPlain);
    SetupStandardButton(Button(IDC_ACTIONS_OPEN), kButtonPlain);
    Button(IDC_ACTIONS_SHARE)->setText(LoadFormatted(IDS_SHARE));
    Button(IDC_ACTIONS_OPEN)->setText(LoadFormatted(IDS_PDF_OPEN));
    setAccessibleName(LoadFormatted(IDS_ACTIONS));
    setAccessibleDescription(LoadFormatted(IDS_VIEW_SHARE_NEW_PDF));
    SetMenuBarId(IDR_MENU_ACTIONS);

    for (int id : {IDC_ACTIONS_OPEN, ID_OPEN})
        OnCommandId(id, [this] { OpenPdfFile(this, m_path); });
    for (int id : {IDC_ACTIONS_SHARE, ID_SHARE})
        OnCommandId(id, [this] { SharePdfFile(this, m_path); });
    for (int id : {IDC_QB_BUTTON_CANCEL, ID_CLOSE, ID_PLATFORM_CANCEL})
        OnCommandId(id, [this] { EndDialog(IDCANCEL); });
}

CPdfActionsDialog::~CPdfActionsDialog() {
    if (m_picture)
        SkinReleaseImage(m_picture);
}

bool CPdfActionsDialog::IsDontShowChecked() const {
    auto* check = ControlAs<QCheckBox>(IDC_QB_CHECK);
    return check && check->isChecked();
}

void CPdfActionsDialog::OnInitDialog() {
    m_picture = SkinAddImage(IDB_HEADER_DOCUMENT);
    Layout();
    Button(IDC_ACTIONS_OPEN)->setFocus();
}

void CPdfActionsDialog::Layout() {
    const int w = width();
    const int h = height();
    const int margin = ScalePixels(7);
    const int top = FrameHeaderBottom() + ScalePixels(8);
    const int footerTop = FrameFooterTop(h);
    const auto* box = ControlAs<QCheckBox>(IDC_QB_CHECK);
    const int check = box ? box->sizeHint().height() : 0;
    const int checkTop = footerTop - ScalePixels(6) - check;
    PlaceControlPixels(IDC_MESSAGE_TEXT,
                       QRect(margin, top, w - 2 * margin, checkTop - ScalePixels(4) - top));
    PlaceControlPixels(IDC_QB_CHECK, QRect(margin, checkTop, w - 2 * margin, check));
    const int ids[] = {IDC_QB_BUTTON_CANCEL, IDC_ACTIONS_SHARE, IDC_ACTIONS_OPEN};
    const int edge = ScalePixels(4);
    const int slot = (w - 2 * edge) / 3;
    for (int i = 0; i < 3; ++i) {
        CSkinButton* b = Button(ids[i]);
        const QSize bs = b->sizeHint();
        const int bw = std::min(bs.width(), slot - ScalePixels(2));
        const int by = footerTop + (h - footerTop - bs.height() + ScalePixels(1)) / 2;
        const int x = i == 0 ? edge : i == 2 ? w - edge - bw : (w - bw) / 2;
        PlaceControlPixels(ids[i], QRect(x, by, bw, bs.height()));
    }
}

void CPdfActionsDialog::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, LoadFormatted(IDS_ACTIONS),
                    LoadFormatted(IDS_VIEW_SHARE_NEW_PDF), m_picture, kFooterBand);
}
