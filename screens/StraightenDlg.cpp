#include "screens/StraightenDlg.h"

#include "resources/ResourceIds.h"
#include "screens/CornerEditor.h"
#include "text/Strings.h"

CStraightenDlg::CStraightenDlg(CScreen* owner)
    : CDialog(ids::IDD_STRAIGHTEN, owner), m_editor(new CCornerEditor) {
    using namespace ids;
    setWindowTitle(LoadRawString(IDS_STRAIGHTEN_TITLE));
    AttachControl(IDC_CORNER_EDITOR, m_editor);
    m_editor->show();
    setFocusProxy(m_editor);
    for (int command : {int(IDOK_COMMAND), ID_OK})
        OnCommandId(command, [this] { EndDialog(IDOK); });
    for (int command : {int(IDCANCEL_COMMAND), int(ID_PLATFORM_CANCEL)})
        OnCommandId(command, [this] { EndDialog(IDCANCEL); });
    SetMenuBarId(IDR_MENU_OK_CANCEL_5);
}

void CStraightenDlg::SetPicture(const QImage& picture, const CPageCorners& corners) {
    m_editor->SetPicture(picture);
    m_editor->SetCorners(corners);
}

CPageCorners CStraightenDlg::Corners() const {
    return m_editor->Corners();
}

void CStraightenDlg::OnInitDialog() {
    m_editor->setFocus(Qt::OtherFocusReason);
}

void CStraightenDlg::Layout() {
    // The handles need the whole screen, whatever the template says.
    m_editor->setGeometry(rect());
}
