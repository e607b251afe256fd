#include "mail/screens/ContactPickerDialog.h"

#include "mail/ContactStore.h"
#include "mail/screens/FooterLayout.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/device/WaitCursor.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"
#include "ui/toolkit/TouchInput.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int kRecordRole = Qt::UserRole + 1;

} // namespace

CContactPickerDialog::CContactPickerDialog(const QString& contactsFolder, CScreen* owner)
    : CDialog(ids::IDD_CONTACT_PICKER, owner), m_folder(contactsFolder) {
    using namespace ids;
    auto* list = new QTreeWidget(this);
    EnableFlicking(list);
    FitRowsForTouch(list);
    list->setColumnCount(2);
    list->setHeaderLabels({LoadFormatted(IDS_NAME), LoadFormatted(IDS_EMAIL)});
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    list->setAccessibleName(LoadFormatted(IDS_CONTACTS));
    list->setAccessibleDescription(LoadFormatted(IDS_SELECT_CONTACT));
    AttachControl(IDC_CONTACT_LIST, list);
    list->show(); // the place holder it replaces was not shown yet
    list->verticalScrollBar()->setAccessibleName(LoadFormatted(IDS_CONTACTS));
    list->horizontalScrollBar()->setAccessibleName(LoadFormatted(IDS_CONTACTS));
    ApplyFont(GetFontCode(kFontDialog), list);
    setAccessibleName(LoadFormatted(IDS_CONTACTS));

    SetupStandardButton(Button(IDC_CANCEL), kButtonCancel);
    SetupStandardButton(Button(IDC_OK), kButtonOk);
    SetMenuBarId(IDR_MENU_OK_CANCEL_5);
    OnCommandId(IDC_OK, [this] { OnOK(); });
    OnCommandId(ID_OK, [this] { OnOK(); });
    OnCommandId(IDC_CANCEL, [this] { OnCancel(); });
    OnCommandId(ID_PLATFORM_CANCEL, [this] { OnCancel(); });

    QObject::connect(list, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateOkRule(); });
    QObject::connect(list, &QTreeWidget::currentItemChanged, this, [this] { UpdateOkRule(); });
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, this,
                     [this] { SendCommand(ids::IDC_OK); });
}

CContactPickerDialog::~CContactPickerDialog() {
    if (m_picture)
        SkinReleaseImage(m_picture);
}

QTreeWidget* CContactPickerDialog::List() const {
    return ControlAs<QTreeWidget>(ids::IDC_CONTACT_LIST);
}

int CContactPickerDialog::RowCount() const {
    return List()->topLevelItemCount();
}

void CContactPickerDialog::OnInitDialog() {
    using namespace ids;
    m_picture = SkinAddImage(IDB_HEADER_CONTACTS);
    // Reading a large address book takes a moment: nothing can be chosen meanwhile.
    for (int id : {IDC_OK, IDC_CANCEL, ID_OK, ID_PLATFORM_CANCEL})
        EnableCommand(id, false);
    BeginWait();
    m_contacts = CContactStore(m_folder).Load();
    QTreeWidget* list = List();
    for (int i = 0; i < int(m_contacts.size()); ++i) {
        const CContact& c = m_contacts[size_t(i)];
        if (!c.HasAddress())
            continue;
        auto* row = new QTreeWidgetItem(list, {c.Name(), c.email[0]});
        row->setData(0, kRecordRole, i);
    }
    EndWait();
    for (int id : {IDC_CANCEL, ID_PLATFORM_CANCEL})
        EnableCommand(id, true);
    list->setFocus();
    UpdateOkRule();
    Layout();
}

void CContactPickerDialog::UpdateOkRule() {
    const QTreeWidget* list = List();
    const bool selected = list->topLevelItemCount() > 0 && !list->selectedItems().isEmpty();
    EnableCommand(ids::IDC_OK, selected);
    EnableCommand(ids::ID_OK, selected);
}

void CContactPickerDialog::OnOK() {
    const auto rows = List()->selectedItems();
    if (rows.isEmpty())
        return;
    m_selected = rows.front()->data(0, kRecordRole).toInt();
    EndDialog(IDOK);
}

bool CContactPickerDialog::GetSelectedContact(QStringList* addresses, QString* name) const {
    if (m_selected < 0 || m_selected >= int(m_contacts.size()))
        return false;
    const CContact& c = m_contacts[size_t(m_selected)];
    if (!c.HasAddress())
        return false;
    *addresses = c.Addresses();
    *name = c.Name();
    return true;
}

void CContactPickerDialog::Layout() {
    CDialog::Layout();
    PlaceFooterButtons(*this, ids::IDC_CANCEL, ids::IDC_OK);
    QTreeWidget* list = List();
    if (!list)
        return;
    // The template's list is taller than a landscape screen: it ends above the footer band
    // instead of running over the buttons there.
    QRect place = list->geometry();
    place.setBottom(std::min(place.bottom(), FrameFooterTop(height()) - ScalePixels(4)));
    list->setGeometry(place);
    if (list->columnCount() == 2)
        list->setColumnWidth(0, list->viewport()->width() / 2);
}

void CContactPickerDialog::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, LoadFormatted(ids::IDS_CONTACTS),
                    LoadFormatted(ids::IDS_SELECT_CONTACT), m_picture, kFooterBand);
}
