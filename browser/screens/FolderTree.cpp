#include "browser/screens/FolderTree.h"

#include "browser/FileEntry.h"
#include "browser/IconProvider.h"
#include "browser/WellKnownFolders.h"
#include "resources/ids/StringIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/TouchInput.h"

#include <QDir>
#include <QHeaderView>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kPopulatedRole = Qt::UserRole + 1;

QString Join(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

} // namespace

CFolderTree::CFolderTree(CIconProvider& icons, QWidget* parent)
    : QTreeWidget(parent), m_icons(icons) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(LoadFormatted(ids::IDS_BROWSER_FOLDERS));
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setIconSize(QSize(ScalePixels(16), ScalePixels(16)));
    EnableFlicking(this);
    FitRowsForTouch(this);

    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { Populate(item); });
    connect(this, &QTreeWidget::currentItemChanged, this, &CFolderTree::OnCurrentChanged);
    const auto activate = [this](QTreeWidgetItem* item) {
        if (item && m_onActivate)
            m_onActivate(PathOf(item));
    };
    connect(this, &QTreeWidget::itemActivated, this, activate);
    connect(this, &QTreeWidget::itemClicked, this, activate);
}

QString CFolderTree::PathOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kPathRole).toString() : QString();
}

QTreeWidgetItem* CFolderTree::AddFolder(QTreeWidgetItem* parent, const QString& path,
                                        const QString& text) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setData(0, kPathRole, path);
    item->setToolTip(0, path);
    // Whether a folder has subfolders is only known once it is enumerated.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    SetItemIcon(item, false);
    return item;
}

void CFolderTree::SetItemIcon(QTreeWidgetItem* item, bool open) {
    const QString path = PathOf(item);
    const int index = item->parent() ? m_icons.FolderIcon(path, open)
                                     : (open ? CIconProvider::kFolderOpen : CIconProvider::kFolder);
    item->setIcon(0, m_icons.Icon(index));
}

void CFolderTree::Init() {
    clear();
    QTreeWidgetItem* root = AddFolder(nullptr, QStringLiteral("/"), DeviceName());
    Populate(root);
    root->setExpanded(true);
    setCurrentItem(root);
}

void CFolderTree::Populate(QTreeWidgetItem* item) {
    if (!item || item->data(0, kPopulatedRole).toBool())
        return;
    item->setData(0, kPopulatedRole, true);
    const QString folder = PathOf(item);
    const QStringList names = ListSubfolders(folder, m_showHidden);
    for (const QString& name : names)
        AddFolder(item, Join(folder, name), name);
    if (names.isEmpty())
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

bool CFolderTree::SelectPath(const QString& path) {
    if (topLevelItemCount() == 0)
        Init();
    QTreeWidgetItem* item = topLevelItem(0);
    const QStringList parts = QDir::cleanPath(path).split(u'/', Qt::SkipEmptyParts);
    bool complete = path.startsWith(u'/');
    for (const QString& part : parts) {
        if (!complete)
            break;
        Populate(item);
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (item->child(i)->text(0) == part)
                next = item->child(i);
        if (!next) {
            complete = false;
            break;
        }
        item->setExpanded(true);
        item = next;
    }
    setCurrentItem(item);
    scrollToItem(item);
    return complete;
}

QString CFolderTree::SelectedPath() const {
    return PathOf(currentItem());
}

void CFolderTree::OnCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    if (previous)
        SetItemIcon(previous, false);
    if (current)
        SetItemIcon(current, true);
    if (current && m_onSelect)
        m_onSelect(PathOf(current));
}
