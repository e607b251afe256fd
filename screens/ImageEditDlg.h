#pragma once

// The image editor screen: one page picture in a view that covers the screen, with the
// soft keys "Tools" (zoom, crop, turn and mirror) and "Action" (Ok, Cancel, Undo). Ok writes
// the picture and puts it in place of the page file in one step (keeping the old file as
// ".bak" when asked); Cancel leaves the page file alone and asks first when something was
// changed.

#include "imaging/Enhance.h"
#include "ui/toolkit/Dialog.h"
#include "ui/toolkit/QuestionBox.h"

#include <QString>

#include <cstdint>
#include <functional>

class CImageView;

class CImageEditDlg : public CDialog {
public:
    // backupEditFile: accepting keeps the old page file as page + ".bak".
    explicit CImageEditDlg(CScreen* owner = nullptr, bool backupEditFile = false);
    ~CImageEditDlg() override;

    // Shows the page file; false (empty view, the screen still opens) when it cannot be read.
    bool LoadPicture(const QString& pagePath);

    CImageView* View() const { return m_view; }
    // Changes made minus changes taken back.
    int ModificationCount() const { return m_modificationCount; }
    // A turn, mirror or crop is running.
    bool IsBusy() const { return m_busy; }

protected:
    void OnInitDialog() override;
    void Layout() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void Zoom(int percent);
    void Turn(int angle);
    void Mirror(bool mirrorX, bool mirrorY);
    void Crop();
    // Opens the corner handles on the found sheet and straightens on OK.
    void Straighten();
    void ApplyLook(ELook look);
    void UpdateLookItems();
    void Undo();
    void Accept();
    void UpdateUndoItem();
    // The busy frame around an operation: wait cursor, soft keys off, the screen repainted.
    bool RunBusy(const std::function<bool()>& operation);
    int ShowBox(CQuestionBox::EKind kind, std::uint16_t caption, std::uint16_t heading,
                const QString& body, std::uint32_t picture);

    CImageView* m_view;
    int m_modificationCount = 0;
    bool m_backup;
    bool m_busy = false;
};
