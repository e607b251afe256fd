#include "mail/screens/ListChooserDialog.h"

#include "mail/screens/FooterLayout.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"
#include "ui/toolkit/TouchInput.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

CListChooserDialog::CListChooserDialog(CScreen* owner)
    : CDialog(ids::IDD_LIST_CHOOSER, owner), m_pictureId(ids::IDB_MSG_QUESTION) {
    using namespace ids;
    auto* list = new QComboBox(this);
    AttachControl(IDC_CHOOSER_LIST, list);
    list->show(); // the place holder it replaces was not shown yet
    ApplyFont(GetFontCode(kFontDialog), list);
    // The drop-down's entries flick and are finger-sized on a phone, as the lists are.
    EnableFlicking(list->view());
    FitRowsForTouch(list->view());
    if (auto* text = ControlAs<QLabel>(IDC_CHOOSER_TEXT))
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetupStandardButton(Button(IDC_QB_BUTTON_CANCEL), kButtonCancel);
    SetupStandardButton(Button(IDC_QB_BUTTON_OK), kButtonOk);
    SetMenuBarId(IDR_MENU_OK_CANCEL_5);

    OnCommandId(IDC_QB_BUTTON_OK, [this] { OnOK(); });
    OnCommandId(ID_OK, [this] { OnOK(); });
    OnCommandId(IDC_QB_BUTTON_CANCEL, [this] { OnCancel(); });
    OnCommandId(ID_PLATFORM_CANCEL, [this] { OnCancel(); });
}

CListChooserDialog::~CListChooserDialog() {
    if (m_picture)
        SkinReleaseImage(m_picture);
}

QComboBox* CListChooserDialog::List() const {
    return ControlAs<QComboBox>(ids::IDC_CHOOSER_LIST);
}

void CListChooserDialog::SetHeader(const QString& title, const QString& subtitle) {
    m_title = title;
    m_subtitle = subtitle;
    setAccessibleName(title);
    setAccessibleDescription(subtitle);
}

void CListChooserDialog::SetLabel(const QString& text) {
    SetDlgItemText(ids::IDC_CHOOSER_LABEL, text);
    List()->setAccessibleName(text);
}

void CListChooserDialog::SetText(const QString& text) {
    SetDlgItemText(ids::IDC_CHOOSER_TEXT, text);
    List()->setAccessibleDescription(text);
}

void CListChooserDialog::AddItem(const QString& text) {
    m_items << text;
}

void CListChooserDialog::OnInitDialog() {
    QComboBox* list = List();
    list->clear();
    // Each entry remembers its index among the items.
    for (int i = 0; i < m_items.size(); ++i)
        list->addItem(m_items[i], i);
    if (!m_items.isEmpty())
        list->setCurrentIndex(0);
    EnableCommand(ids::IDC_QB_BUTTON_OK, !m_items.isEmpty());
    EnableCommand(ids::ID_OK, !m_items.isEmpty());
    m_picture = SkinAddImage(m_pictureId);
    list->setFocus();
    Layout();
}

void CListChooserDialog::OnOK() {
    const QComboBox* list = List();
    m_chosen = list->currentIndex() >= 0 ? list->currentData().toInt() : -1;
    EndDialog(IDOK);
}

void CListChooserDialog::Layout() {
    CDialog::Layout();
    PlaceFooterButtons(*this, ids::IDC_QB_BUTTON_CANCEL, ids::IDC_QB_BUTTON_OK);
}

void CListChooserDialog::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, m_title, m_subtitle, m_picture, kFooterBand);
}
