#pragma once

// The folder browser's pane: the path box on top, the folder tree below it, and under the
// tree the files of the selected folder that match the filters. Choosing a folder in the tree
// or in the path box's drop-down shows its files; on a wide pane (landscape) the tree stands
// left of the list instead, and the list never shows fewer than three whole file rows where
// the pane has room for them; the owner hears of the folder and of the
// file chosen. The pane takes the place of the path, tree and list place holders of its
// dialog's template, whose identifiers then stand for its controls. The file and folder picker
// and the PDF library are built on it.

#include "browser/IconProvider.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class CDialog;
class CFileList;
class CFolderTree;
class CPathBox;

class CBrowserPane : public QWidget {
public:
    using CPathListener = std::function<void(const QString& path)>;

    // `treeShare`: the tree's part of the height below the path box, in twentieths (stacked).
    CBrowserPane(CDialog* dialog, int treeShare);

    // The list shows the files matching one of these ("*.*" when empty) from the next folder on.
    void SetFilters(const QStringList& filters) { m_filters = filters; }
    const QStringList& Filters() const { return m_filters; }

    // Creates the list's columns and the tree's first level.
    void Init();
    // Selects the folder, or its nearest existing parent (the root at worst), and gives the
    // tree the focus.
    void Open(const QString& path);
    // Lays the controls out in the pane; a dropped-down path box follows its box.
    void LayOut();
    // Closes the path box's drop-down.
    void CloseUp();

    // A folder was chosen (its files are listed by then).
    void SetFolderListener(CPathListener listener) { m_onFolder = std::move(listener); }
    // The list's selection changed to a file, or to nothing (empty path).
    void SetFileListener(CPathListener listener) { m_onFile = std::move(listener); }
    // A file was activated (double tap or Enter).
    void SetActivationListener(CPathListener listener) { m_onActivate = std::move(listener); }

    CFolderTree* Tree() const { return m_tree; }
    CFileList* List() const { return m_list; }
    CPathBox* PathBox() const { return m_path; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnFolderSelected(const QString& path);

    int m_treeShare;
    QStringList m_filters;
    CIconProvider m_icons;
    CFolderTree* m_tree;
    CFileList* m_list;
    CPathBox* m_path;
    CPathListener m_onFolder;
    CPathListener m_onFile;
    CPathListener m_onActivate;
};
