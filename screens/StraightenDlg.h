#pragma once

// The straighten screen of the image editor: the picture with the sheet's four corners as
// handles (CCornerEditor). OK ends it with IDOK and the corners where the user left them;
// Cancel ends it with IDCANCEL and changes nothing.

#include "imaging/PageCorners.h"
#include "ui/toolkit/Dialog.h"

#include <QImage>

class CCornerEditor;

class CStraightenDlg : public CDialog {
public:
    explicit CStraightenDlg(CScreen* owner = nullptr);

    // The picture in picture pixels and the corners the handles start at.
    void SetPicture(const QImage& picture, const CPageCorners& corners);
    CPageCorners Corners() const;
    CCornerEditor* Editor() const { return m_editor; }

protected:
    void OnInitDialog() override;
    void Layout() override;

private:
    CCornerEditor* m_editor;
};
