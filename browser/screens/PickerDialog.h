#pragma once

// The file and folder picker: a full screen with the path box at the top, the folder tree in
// the middle and the file list below, "Ok" and "Cancel" as buttons and soft keys. In file mode
// "Ok" is enabled exactly while a file is selected, in folder mode while a folder is selected
// (choosing a file in the list takes the folder's selection away).

#include "ui/toolkit/Dialog.h"

#include <QStringList>

#include <cstdint>

class CBrowserPane;
class CFileList;
class CFolderTree;
class CPathBox;

class CPickerDialog : public CDialog {
public:
    enum EMode { kPickFolder = 0, kPickFile = 1 };

    explicit CPickerDialog(int mode, CScreen* owner = nullptr);
    ~CPickerDialog() override;

    void SetTitles(const QString& caption, const QString& heading);
    // The first filter replaces the list ("*.*" without any); more are added.
    void SetFilter(const QString& pattern);
    void AddFilter(const QString& pattern);
    // Defaults to the personal documents folder; a missing folder opens its nearest existing
    // parent.
    void SetInitialFolder(const QString& path);

    // Runs the picker: 1 for "Ok", 2 for "Cancel".
    int Show();
    QString GetSelectedFile() const { return m_file; }
    QString GetSelectedFolder() const { return m_folder; }

    int Mode() const { return m_mode; }
    bool IsOkEnabled() const;
    CFolderTree* Tree() const;
    CFileList* List() const;
    CPathBox* PathBox() const;
    QStringList Filters() const;
    // Builds the controls' contents and selects the initial folder (Show does it; screenshots
    // and tests may call it to look at the picker without running it).
    void Prepare();

protected:
    void OnPaint(QPainter& painter) override;
    void Layout() override;
    void OnClose() override;

private:
    void OnFolderSelected(const QString& path);
    void OnFileSelected(const QString& path);
    void UpdateOk();
    void Confirm();

    int m_mode;
    QString m_caption;
    QString m_heading;
    QString m_initial;
    QString m_file;
    QString m_folder;
    std::int32_t m_picture = 0;
    bool m_prepared = false;
    CBrowserPane* m_pane;
};
