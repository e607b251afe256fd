#pragma once

// A full-screen page of the device: the stand-in for a dialog of the handheld's framework.
// A screen is created by its caller, run modally with DoModal (which returns its result code
// once EndDialog is called) or shown modelessly, and deleted by its caller. Commands from
// buttons, soft keys and menus arrive by identifier through one dispatch table per screen.
//
// Painting goes into an off-screen image (the screen's device context) that is then copied to
// the window, so drawing code always has a 32-bit pixel surface to draw on.

#include "ui/device/MenuTemplate.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <map>
#include <set>

class QEventLoop;
class QTimer;

// Result codes and commands shared by every screen.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

class CScreen : public QWidget {
public:
    explicit CScreen(CScreen* owner = nullptr);
    ~CScreen() override;

    CScreen* Owner() const { return m_owner; }
    void SetOwner(CScreen* owner) { m_owner = owner; }

    // Runs the screen on top of the device window's stack until EndDialog; returns the code.
    int DoModal();
    // Shows the screen on top of the stack without waiting; it stays until DestroyScreen.
    void ShowModeless();
    // Takes a modeless screen off the stack (a modal one ends through EndDialog instead).
    void DestroyScreen();
    void EndDialog(int result);
    bool IsRunning() const { return m_onStack; }
    // Running modally: DoModal waits in its loop for EndDialog.
    bool IsModal() const { return m_loop != nullptr; }
    int Result() const { return m_result; }

    // Commands. SendCommand dispatches at once and returns whether a handler took it;
    // PostCommand queues it behind the pending events.
    bool SendCommand(int command);
    void PostCommand(int command);
    void OnCommandId(int command, std::function<void()> handler);
    // A disabled command is refused from its button and its soft key; it does not grey menu
    // entries, whose handlers check their own preconditions.
    void EnableCommand(int command, bool enable);
    bool IsCommandEnabled(int command) const;
    // A menu entry chosen by the user: dispatched (queued) even when the command is disabled,
    // unless the entry itself is greyed with EnableMenuItem.
    void ChooseMenuItem(int command);
    // Greys or restores the menu entries that send `command` (Undo of the editor).
    void EnableMenuItem(int command, bool enable);
    bool IsMenuItemEnabled(int command) const;
    // Shows a tick beside the menu entries that send `command` (the editor's current look).
    void CheckMenuItem(int command, bool checked);
    bool IsMenuItemChecked(int command) const { return m_checkedMenuItems.contains(command); }

    // Private window messages between screens (the frame command of the start-up window).
    void PostMessage(unsigned message, qintptr wParam = 0, qintptr lParam = 0);

    // The soft-key bar shown while this screen is on top.
    void SetMenuBar(const CMenuTemplate& menu);
    void RemoveMenuBar();
    const CMenuTemplate* MenuBar() const { return m_hasMenuBar ? &m_menu : nullptr; }
    // Disables a soft key as a whole, also one that opens a menu (the main screen's "Tools"
    // while an import runs). A key without a menu is also disabled with its command.
    void EnableSoftKey(bool left, bool enable);
    bool IsSoftKeyEnabled(bool left) const { return !m_softKeyDisabled[left ? 0 : 1]; }

    // Pictures the screen paints itself, described for assistive tools (rectangle in the
    // screen's coordinates); the same identifier replaces a description, an empty one removes it.
    struct CPictureInfo {
        QRect rect;
        QString description;
    };
    void SetPictureDescription(int id, const QRect& rect, const QString& description);
    const std::map<int, CPictureInfo>& PictureDescriptions() const { return m_pictures; }

    // Timers by identifier: a repeating one, or a one-shot.
    void SetTimer(int id, int milliseconds);
    void SetSingleShotTimer(int id, int milliseconds);
    void KillTimer(int id);
    bool HasTimer(int id) const;

    // Controls by identifier (the dialog's child windows). A button sends its identifier as a
    // command when clicked; a check box or radio button whenever it becomes checked (a check
    // box also when it is cleared), by whatever means.
    void AddControl(int id, QWidget* control);
    QWidget* Control(int id) const;
    template <typename T> T* ControlAs(int id) const { return dynamic_cast<T*>(Control(id)); }
    const std::map<int, QWidget*>& Controls() const { return m_controls; }

    // Whether the first paint has happened.
    bool HasPainted() const { return m_painted; }
    // The last painted content of the screen (its device context), for tests and screenshots.
    const QImage& PaintBuffer() const { return m_buffer; }

protected:
    // Called once, when the screen first goes on the stack, before it is painted.
    virtual void OnInitDialog() {}
    // Draws the screen's own content (controls draw themselves on top).
    virtual void OnPaint(QPainter& painter);
    // Runs once after the first paint has reached the screen.
    virtual void OnFirstPaint() {}
    virtual void OnTimer(int id);
    virtual void OnMessage(unsigned message, qintptr wParam, qintptr lParam);
    // Table handlers come first; IDOK and IDCANCEL end the screen unless a handler takes them.
    virtual bool OnCommand(int command);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // The device was turned or resized; the screen already has its new size.
    virtual void OnDisplayChange() {}
    // The window went to a display of another density (platform::DeviceScreenRatio tells
    // it); whatever was made at the display's pixels is made again. The screen repaints.
    virtual void OnRatioChange() {}
    // Key presses before normal handling; true consumes the key.
    virtual bool OnKeyDown(int key);
    // The screen leaves the stack (end of modal run or DestroyScreen).
    virtual void OnClose() {}

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab go through the screen's controls top to bottom, left to right.
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class CDeviceWindow;
    void PutOnStack();
    void TakeOffStack();
    void NotifyDisplayChange() { OnDisplayChange(); }
    void NotifyRatioChange() {
        OnRatioChange();
        update();
    }

    CScreen* m_owner;
    QEventLoop* m_loop = nullptr;
    int m_result = 0;
    bool m_ended = false;
    bool m_onStack = false;
    bool m_initialised = false;
    bool m_painted = false;
    bool m_hasMenuBar = false;
    CMenuTemplate m_menu;
    std::map<int, std::function<void()>> m_handlers;
    std::set<int> m_disabled;
    std::set<int> m_greyedMenuItems;
    std::set<int> m_checkedMenuItems;
    bool m_softKeyDisabled[2] = {false, false};
    std::map<int, CPictureInfo> m_pictures;
    std::map<int, QTimer*> m_timers;
    std::map<int, QWidget*> m_controls;
    QImage m_buffer;
};
