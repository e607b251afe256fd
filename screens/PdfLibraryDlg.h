#pragma once

// The PDF library: the folder tree, the path box and the PDF files of the current folder,
// with Open and Share for the selected file. Choosing a folder clears the selection, which
// disables Open and Share until a file is chosen.

#include "ui/toolkit/Dialog.h"

#include <cstdint>

class CBrowserPane;
class CFileList;
class CFolderTree;
class CPathBox;

class CPdfLibraryDialog : public CDialog {
public:
    explicit CPdfLibraryDialog(CScreen* owner = nullptr);
    ~CPdfLibraryDialog() override;

    // The folder shown first (the LastSaveFolder setting); a missing folder opens its nearest
    // existing parent.
    void SetInitialFolder(const QString& path) { m_initial = path; }

    QString CurrentFolder() const { return m_folder; }
    QString SelectedFile() const { return m_file; }
    bool AreActionsEnabled() const;
    CFolderTree* Tree() const;
    CFileList* List() const;
    CPathBox* PathBox() const;

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void Layout() override;
    void OnClose() override;

private:
    void OnFolderSelected(const QString& path);
    void OnFileSelected(const QString& path);
    void UpdateActions();
    void Open();
    void Share();

    QString m_initial;
    QString m_folder;
    QString m_file;
    std::int32_t m_picture = 0;
    CBrowserPane* m_pane;
};
