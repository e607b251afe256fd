#pragma once

// The folder tree of the browser: the device root "/" (shown with the device name) and its
// folders, each folder enumerated the first time it is expanded, children sorted by name
// without regard to case. The selected folder shows its open icon; the owner hears of every
// change of the selected folder.

#include <QTreeWidget>

#include <functional>

class CIconProvider;

class CFolderTree : public QTreeWidget {
public:
    using CFolderListener = std::function<void(const QString& path)>;

    // The icon provider belongs to the screen and must outlive the tree.
    explicit CFolderTree(CIconProvider& icons, QWidget* parent = nullptr);

    // Fills the root and its first level, expands and selects the root.
    void Init();
    // Expands the branches on the way and selects the folder; when part of the path does not
    // exist, the deepest existing folder is selected and false is returned.
    bool SelectPath(const QString& path);
    // The selected folder's path, empty without a selection.
    QString SelectedPath() const;
    // Dot folders are left out unless shown (set before Init).
    void SetShowHidden(bool show) { m_showHidden = show; }

    // Called when the selected folder changes, with its path.
    void SetSelectionListener(CFolderListener listener) { m_onSelect = std::move(listener); }
    // Called when a folder is activated (Enter, double tap) or tapped, with its path.
    void SetActivationListener(CFolderListener listener) { m_onActivate = std::move(listener); }

    static QString PathOf(const QTreeWidgetItem* item);

private:
    void Populate(QTreeWidgetItem* item);
    QTreeWidgetItem* AddFolder(QTreeWidgetItem* parent, const QString& path, const QString& text);
    void OnCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void SetItemIcon(QTreeWidgetItem* item, bool open);

    CIconProvider& m_icons;
    bool m_showHidden = false;
    CFolderListener m_onSelect;
    CFolderListener m_onActivate;
};
