#include "screens/PageChooserDlg.h"

#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QComboBox>
#include <QLabel>

CPageChooserDlg::CPageChooserDlg(CScreen* owner) : CDialog(ids::IDD_PAGE_CHOOSER, owner) {
    using namespace ids;
    m_list = new QComboBox(this);
    ApplyFont(GetFontCode(kFontDialog), m_list);
    AttachControl(IDC_PAGE_LIST, m_list);
    m_list->show(); // attached while the screen is hidden
    SetPrompt(LoadFormatted(IDS_CHOOSER_PROMPT));
    QObject::connect(m_list, &QComboBox::currentIndexChanged, this,
                     [this](int) { OnSelectionChanged(); });
    SetupStandardButton(Button(IDC_OK), kButtonOk);
    SetupStandardButton(Button(IDC_CANCEL), kButtonCancel);
    for (int command : {int(IDOK_COMMAND), ID_OK, IDC_OK})
        OnCommandId(command, [this] { OnOk(); });
    for (int command : {int(IDCANCEL_COMMAND), int(ID_PLATFORM_CANCEL), IDC_CANCEL})
        OnCommandId(command, [this] { EndDialog(IDCANCEL); });
    m_picture = SkinAddImage(IDB_MSG_QUESTION);
}

CPageChooserDlg::~CPageChooserDlg() {
    if (m_picture)
        SkinReleaseImage(m_picture);
}

void CPageChooserDlg::SetPages(int currentIndex, int pageCount) {
    m_choices.SetPages(currentIndex, pageCount);
}

void CPageChooserDlg::Exclude(int index) {
    m_choices.Exclude(index);
}

void CPageChooserDlg::SetHeader(const QString& title, const QString& subtitle) {
    m_title = title;
    m_subtitle = subtitle;
    setWindowTitle(title);
}

void CPageChooserDlg::SetPrompt(const QString& text) {
    SetDlgItemText(ids::IDC_PAGE_PROMPT, text);
    if (auto* label = ControlAs<QLabel>(ids::IDC_PAGE_PROMPT))
        label->setBuddy(m_list);
    m_list->setAccessibleName(text);
}

void CPageChooserDlg::OnInitDialog() {
    SetMenuBarId(ids::IDR_MENU_OK_CANCEL_5);
    m_list->clear();
    for (int index : m_choices.Choices())
        m_list->addItem(LoadFormatted(ids::IDS_PAGE, index + 1), index);
    m_list->setCurrentIndex(-1);
    OnSelectionChanged();
    m_list->setFocus();
}

void CPageChooserDlg::OnSelectionChanged() {
    const bool chosen = m_list->currentIndex() >= 0;
    EnableCommand(ids::IDC_OK, chosen);
    EnableCommand(ids::ID_OK, chosen);
}

void CPageChooserDlg::OnOk() {
    if (m_list->currentIndex() < 0)
        return;
    m_result = m_list->currentData().toInt();
    EndDialog(IDOK);
}

void CPageChooserDlg::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, m_title, m_subtitle, m_picture, kFooterNone);
}
