#pragma once

// The file list of the browser in report view: Name, Size, Date, Attributes and Type. A tap on
// a column header sorts by it with the column's own comparison; a second tap reverses the
// order. The owner hears when a file is selected and when one is activated (double tap or
// Enter). A finger flicks the list; rows are big enough for it on a phone.

#include <QStringList>
#include <QTreeWidget>

#include <functional>

class CIconProvider;

class CFileList : public QTreeWidget {
public:
    using CFileListener = std::function<void(const QString& path)>;

    // The icon provider belongs to the screen and must outlive the list.
    explicit CFileList(CIconProvider& icons, QWidget* parent = nullptr);

    // Creates the columns.
    void Init();
    // Fills the list with the files of `folder` matching one of `filters` ("*.*" when empty).
    void ShowFolder(const QString& folder, const QStringList& filters = {});
    // Lists dot files too (applies from the next ShowFolder).
    void SetShowHidden(bool show) { m_showHidden = show; }

    QString CurrentFolder() const { return m_folder; }
    const QStringList& Filters() const { return m_filters; }
    // The selected file's full path, empty when none is selected.
    QString GetSelectedPath() const;
    // Selects the file with this name in the list; false when it is not listed.
    bool SelectFile(const QString& name);

    // Called when the selection changes to a file (with its path) or to nothing (empty path).
    void SetSelectionListener(CFileListener listener) { m_onSelect = std::move(listener); }
    void SetActivationListener(CFileListener listener) { m_onActivate = std::move(listener); }

    // The height of one row (the same for every row) and the height that shows `rows` whole
    // rows under the column titles.
    int RowHeight() const;
    int HeightForRows(int rows) const;

    // Widens the size, date and attribute columns to their widest text; the name and type
    // columns are elided instead (the name in the middle, so its extension shows).
    void FitColumns();

private:
    CIconProvider& m_icons;
    QString m_folder;
    QStringList m_filters;
    bool m_showHidden = false;
    CFileListener m_onSelect;
    CFileListener m_onActivate;
};
