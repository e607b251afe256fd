#pragma once

// The owner-drawn push button of every screen: four skin faces for its states (hover or
// focus or default, normal, disabled, pressed), an optional skin icon, and its caption. It can
// track the pointer for a hover look (flat buttons), carry a drop-down menu or a web address,
// or act as a check box. Flat and checked are QPushButton's own states (isFlat, isCheckable,
// isChecked, toggled), so code that knows only QAbstractButton reads them right.

#include "ui/device/MenuTemplate.h"
#include "ui/toolkit/SystemColours.h"

#include <QBasicTimer>
#include <QIcon>
#include <QPushButton>
#include <QSize>

#include <array>
#include <cstdint>
#include <vector>

class CSkinButton : public QPushButton {
public:
    enum EAlign { kIconLeft = 0, kIconAbove = 1, kIconRight = 2 };
    enum EFace { kFaceHover = 0, kFaceNormal = 1, kFaceDisabled = 2, kFacePressed = 3 };

    explicit CSkinButton(QWidget* parent = nullptr);
    ~CSkinButton() override;

    // Registers the faces (0 leaves one out: drawing falls back to the hover face) on the face
    // background, or as they are for a transparent button. Returns 1 when a face was set.
    int SetFaces(std::uint32_t hover, std::uint32_t normal, std::uint32_t disabled,
                 std::uint32_t pressed, bool captionAtBottom, bool flat);
    void SetSkinIcons(std::uint32_t in, std::uint32_t out, std::uint32_t disabled);
    // Platform icons instead of skin pictures (skin icons are turned off); `size` in pixels.
    void SetPlatformIcons(const QIcon& in, const QIcon& out, const QIcon& disabled,
                          const QSize& size);
    // QPushButton's flat state; a button that stops being flat stops hovering.
    void SetFlat(bool flat, bool repaint = true);
    // 0 icon left, 1 above, 2 right of the text; anything else is refused with 4.
    int SetAlign(int align, bool repaint = true);
    void SetDefaultColours(bool repaint = true);
    // Colours by index: 0 background in, 1 text in, 2 background out, 3 text out, 4 focus
    // background, 5 focus text.
    void SetColour(int index, Colour colour, bool repaint = true);
    void SetFaceBackground(Colour colour) { m_faceBackground = colour; }
    void SetTransparent(bool transparent) { m_transparent = transparent; }
    void SetDrawFlatBorder(bool on) { m_drawFlatBorder = on; }
    void SetDrawFlatFocus(bool on) { m_drawFlatFocus = on; }
    void SetDefaultButton(bool isDefault);
    // A check box: checkable, each click toggles the checked state (setChecked, isChecked).
    void SetCheckBoxMode(bool on) { setCheckable(on); }
    bool IsCheckBoxMode() const { return isCheckable(); }
    // A drop-down menu shown below the button on a click; its commands go to the screen.
    void SetDropDownMenu(std::vector<CMenuItem> items) { m_menu = std::move(items); }
    bool HasDropDownMenu() const { return !m_menu.empty(); }
    // Opened with the desktop's opener on a click (when there is no menu); 260 characters at most.
    void SetWebAddress(const QString& address) { m_webAddress = address.left(260); }
    QString WebAddress() const { return m_webAddress; }
    // Hover only while the top-level window is active (off by default).
    void SetHoverOnlyWhenActive(bool on) { m_hoverWhenActive = on; }

    bool IsHovering() const { return m_hovering; }
    bool UsesFaces() const { return m_facesInUse; }
    int Align() const { return m_align; }
    // Where the last paint put the caption and with which flags (empty before the first paint);
    // the screenshot tour checks that the caption fits there.
    QRect LastTextRect() const { return m_lastTextRect; }
    int LastTextFlags() const { return m_lastTextFlags; }
    Colour FaceBackground() const { return m_faceBackground; }
    std::int32_t FaceHandle(int index) const { return m_faces[index]; }
    QSize FaceSize() const;
    std::int32_t IconHandle(int index) const { return m_icons[index]; }
    // The face the next paint uses (after the fall-back to face 0), or -1 without faces.
    int CurrentFace() const;
    // The icon picture the next paint uses, or 0.
    std::int32_t CurrentIcon() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter and Return press the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void nextCheckState() override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void OnClicked();
    void EndHover();
    bool IsPressedLook() const;
    void ReleasePictures();

    bool m_drawFlatBorder = true;
    bool m_drawFlatFocus = true;
    bool m_default = false;
    bool m_hovering = false;
    bool m_menuOpen = false;
    bool m_hoverWhenActive = false;
    bool m_transparent = false;
    bool m_facesInUse = false;
    bool m_captionAtBottom = false;
    QRect m_lastTextRect;
    int m_lastTextFlags = 0;
    bool m_skinIconsInUse = true;
    int m_align = kIconLeft;
    std::array<Colour, 6> m_colours{};
    Colour m_faceBackground = 0xFFFFFF;
    std::array<std::int32_t, 4> m_faces{};
    std::array<QSize, 4> m_faceSizes{};
    std::array<std::int32_t, 3> m_icons{}; // in, out, disabled
    std::array<QSize, 3> m_iconSizes{};
    std::array<QIcon, 3> m_platformIcons;
    QSize m_platformIconSize;
    std::vector<CMenuItem> m_menu;
    QString m_webAddress;
    QBasicTimer m_hoverTimer;
};

// Standard button kinds of SetupStandardButton.
enum EButtonKind : int {
    kButtonNext = 7,
    kButtonBack = 8,
    kButtonOk = 9,
    kButtonYes = 10,
    kButtonNo = 11,
    kButtonYesToAll = 12,
    kButtonNoToAll = 13,
    kButtonCancel = 14,
    kButtonClose = 15,
    kButtonPlain = 23,
};

// Configures `button` as one of the standard buttons; returns the result of SetFaces, 0 for
// kinds that are not standard (the button is left as it was).
int SetupStandardButton(CSkinButton* button, EButtonKind kind, bool noCaption = false);

// The hover timer's period.
inline constexpr int kHoverTimerMs = 50;
