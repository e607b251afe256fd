#pragma once

// A screen built from a dialog template: its controls are created from the template and
// placed for the screen class (dialog units through MapDialogRectForScreen), buttons are
// skinned buttons that send their identifier as a command, and the menu bar comes from the
// menu tables.

#include "ui/device/DialogTemplate.h"
#include "ui/device/Screen.h"

#include <QRect>

class CSkinButton;

// A text for a button, check box or radio button: "&" shows as itself, not as a shortcut mark.
QString ButtonText(const QString& text);

class CDialog : public CScreen {
public:
    explicit CDialog(int templateId, CScreen* owner = nullptr);

    int TemplateId() const { return m_templateId; }
    void SetMenuBarId(int menuId);
    int MenuBarId() const { return m_menuId; }

    void SetDlgItemText(int id, const QString& text);
    QString GetDlgItemText(int id) const;
    CSkinButton* Button(int id) const;
    void ShowControl(int id, bool show);
    // Places a control in dialog units (kept for display changes) or in pixels.
    void PlaceControl(int id, const QRect& units);
    void PlaceControlPixels(int id, const QRect& pixels);
    // Replaces a custom place holder with the screen's own control.
    void AttachControl(int id, QWidget* control);

    // A text field that raises the soft input panel when it gets the focus. The focus one of
    // these fields gets as the screen opens leaves the panel down, so it does not cover the
    // screen before the user has chosen to type; every later focus raises it, and so does a
    // finger on the field while it has the focus (the keyboard was put away).
    void RaiseInputPanelOnFocus(QWidget* field);
    // How often the panel was raised (for tests).
    int InputPanelRequests() const { return m_panelRequests; }

protected:
    void OnDisplayChange() override;
    // The skin's pictures follow the new density (once for all screens; the rest find them
    // bound already).
    void OnRatioChange() override;
    void resizeEvent(QResizeEvent* event) override;
    // Enter presses the visible default button, as on the device.
    bool OnKeyDown(int key) override;
    // Re-places every control; screens that compute their own layout override it.
    virtual void Layout();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();

    int m_templateId;
    int m_menuId = 0;
    std::map<int, QRect> m_units;
    bool m_panelSuppressed = false;
    int m_panelRequests = 0;
};
