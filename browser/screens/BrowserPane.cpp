#include "browser/screens/BrowserPane.h"

#include "browser/screens/FileList.h"
#include "browser/screens/FolderTree.h"
#include "browser/screens/PathBox.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "ui/toolkit/Dialog.h"
#include "ui/toolkit/Fonts.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The folder itself when it exists, else its nearest existing parent, else the root.
QString ExistingFolder(const QString& path) {
    QString folder = QDir::cleanPath(path);
    while (!folder.isEmpty() && folder != QLatin1String("/") && !QFileInfo(folder).isDir())
        folder = QFileInfo(folder).path();
    return folder.startsWith(u'/') ? folder : QStringLiteral("/");
}

} // namespace

CBrowserPane::CBrowserPane(CDialog* dialog, int treeShare)
    : QWidget(dialog), m_treeShare(treeShare) {
    using namespace ids;
    m_tree = new CFolderTree(m_icons, this);
    m_list = new CFileList(m_icons, this);
    m_path = new CPathBox(m_icons, this);
    const std::pair<int, QWidget*> controls[] = {
        {IDC_BROWSER_TREE, m_tree}, {IDC_BROWSER_LIST, m_list}, {IDC_BROWSER_PATH, m_path}};
    // Until the dialog lays it out, the pane covers its place holders and each control has the
    // place of its own.
    QRect area;
    for (auto [id, control] : controls)
        if (QWidget* holder = dialog->Control(id))
            area |= holder->geometry();
    setGeometry(area);
    for (auto [id, control] : controls) {
        if (QWidget* holder = dialog->Control(id)) {
            control->setGeometry(holder->geometry().translated(-area.topLeft()));
            // The place holder goes at once: a deferred delete would wait for the outermost
            // event loop while the dialog runs in a nested one.
            delete holder;
        }
        dialog->AddControl(id, control);
        ApplyFont(GetFontCode(kFontDialog), control);
    }
    m_tree->SetSelectionListener([this](const QString& path) { OnFolderSelected(path); });
    m_list->SetSelectionListener([this](const QString& path) {
        if (m_onFile)
            m_onFile(path);
    });
    m_list->SetActivationListener([this](const QString& path) {
        if (m_onActivate)
            m_onActivate(path);
    });
    m_path->SetChangedListener([this](const QString& path) { m_tree->SelectPath(path); });
}

void CBrowserPane::Init() {
    m_list->Init();
    m_tree->Init();
}

void CBrowserPane::Open(const QString& path) {
    m_tree->SelectPath(ExistingFolder(path));
    m_tree->setFocus();
}

void CBrowserPane::OnFolderSelected(const QString& path) {
    m_path->SetPath(path);
    m_list->ShowFolder(path, m_filters);
    if (m_onFolder)
        m_onFolder(path);
}

void CBrowserPane::LayOut() {
    const int w = width();
    const int gap = ScalePixels(4);
    const int pathHeight = std::max(m_path->sizeHint().height(), ScalePixels(16));
    m_path->setGeometry(0, 0, w, pathHeight);
    const int bodyTop = pathHeight + gap;
    const int body = std::max(0, height() - bodyTop);
    const QWidget* screen = parentWidget() ? parentWidget() : this;
    if (screen->width() > screen->height()) {
        // Landscape: side by side, so both get the whole height.
        const int treeWidth = (w - gap) * 2 / 5;
        m_tree->setGeometry(0, bodyTop, treeWidth, body);
        m_list->setGeometry(treeWidth + gap, bodyTop, w - treeWidth - gap, body);
    } else {
        int treeHeight = (body - gap) * m_treeShare / 20;
        // The tree gives up height until the list shows three whole rows (measured at the
        // list's new width, which decides its scroll bar).
        m_list->resize(w, m_list->height());
        treeHeight = std::max(0, std::min(treeHeight, body - gap - m_list->HeightForRows(3)));
        m_tree->setGeometry(0, bodyTop, w, treeHeight);
        m_list->setGeometry(0, bodyTop + treeHeight + gap, w, body - treeHeight - gap);
    }
    if (m_path->IsDroppedDown())
        m_path->DropDown();
}

void CBrowserPane::CloseUp() {
    m_path->CloseUp();
}

void CBrowserPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}
