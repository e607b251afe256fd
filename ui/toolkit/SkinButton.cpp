#include "ui/toolkit/SkinButton.h"

#include "skin/binding/SkinBinding.h"
#include "ui/device/Opener.h"
#include "ui/device/Screen.h"
#include "ui/toolkit/ToolkitAccessibility.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

CScreen* ScreenOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* screen = dynamic_cast<CScreen*>(w))
            return screen;
    return nullptr;
}

void FillMenu(QMenu* menu, const std::vector<CMenuItem>& items, CScreen* screen) {
    for (const CMenuItem& item : items) {
        if (item.IsSeparator()) {
            menu->addSeparator();
        } else if (!item.children.empty()) {
            FillMenu(menu->addMenu(item.text), item.children, screen);
        } else {
            QAction* action = menu->addAction(item.text);
            const int command = item.command;
            QPointer<CScreen> target = screen;
            QObject::connect(action, &QAction::triggered, menu, [target, command] {
                // An entry chosen by an assistive tool closes the menu as a tap on it would.
                for (QWidget* popup = QApplication::activePopupWidget(); popup && popup->close();
                     popup = QApplication::activePopupWidget()) {
                }
                if (target)
                    target->ChooseMenuItem(command);
            });
        }
    }
}

} // namespace

CSkinButton::CSkinButton(QWidget* parent) : QPushButton(parent) {
    InstallToolkitAccessibility();
    setFlat(true);
    setMouseTracking(true);
    setAutoDefault(false);
    SetDefaultColours(false);
    QObject::connect(this, &QPushButton::clicked, this, [this] { OnClicked(); });
}

CSkinButton::~CSkinButton() {
    m_hoverTimer.stop();
    ReleasePictures();
}

void CSkinButton::ReleasePictures() {
    for (std::int32_t& face : m_faces)
        if (face)
            SkinReleaseImage(std::exchange(face, 0));
    for (std::int32_t& icon : m_icons)
        if (icon)
            SkinReleaseImage(std::exchange(icon, 0));
}

int CSkinButton::SetFaces(std::uint32_t hover, std::uint32_t normal, std::uint32_t disabled,
                          std::uint32_t pressed, bool captionAtBottom, bool flat) {
    const std::uint32_t ids[4] = {hover, normal, disabled, pressed};
    int set = 0;
    for (int i = 0; i < 4; ++i) {
        if (m_faces[i])
            SkinReleaseImage(m_faces[i]);
        m_faces[i] = 0;
        m_faceSizes[i] = {};
        if (!ids[i])
            continue;
        const std::int32_t handle =
            m_transparent ? SkinAddImage(ids[i]) : SkinAddImageOnColour(ids[i], m_faceBackground);
        if (handle > 0) {
            m_faces[i] = handle;
            m_faceSizes[i] = SkinImageSize(handle);
            set = 1;
        }
    }
    m_facesInUse = true;
    m_captionAtBottom = captionAtBottom;
    setFlat(flat);
    updateGeometry();
    update();
    return set;
}

void CSkinButton::SetSkinIcons(std::uint32_t in, std::uint32_t out, std::uint32_t disabled) {
    const std::uint32_t ids[3] = {in, out, disabled};
    for (int i = 0; i < 3; ++i) {
        if (m_icons[i])
            SkinReleaseImage(m_icons[i]);
        m_icons[i] = ids[i] ? std::max(0, SkinAddImage(ids[i])) : 0;
        m_iconSizes[i] = m_icons[i] ? SkinImageSize(m_icons[i]) : QSize();
    }
    m_skinIconsInUse = true;
    update();
}

void CSkinButton::SetPlatformIcons(const QIcon& in, const QIcon& out, const QIcon& disabled,
                                   const QSize& size) {
    m_platformIcons = {in, out, disabled};
    m_platformIconSize = size;
    m_skinIconsInUse = false;
    update();
}

void CSkinButton::SetFlat(bool flat, bool repaint) {
    setFlat(flat);
    if (!flat)
        EndHover();
    if (repaint)
        update();
}

int CSkinButton::SetAlign(int align, bool repaint) {
    if (align < kIconLeft || align > kIconRight)
        return 4;
    m_align = align;
    if (repaint)
        update();
    return 0;
}

void CSkinButton::SetDefaultColours(bool repaint) {
    const Colour face = GetSysColour(COLOR_BTNFACE);
    const Colour text = GetSysColour(COLOR_BTNTEXT);
    m_colours = {face, text, face, text, face, text};
    if (repaint)
        update();
}

void CSkinButton::SetColour(int index, Colour colour, bool repaint) {
    if (index < 0 || index >= int(m_colours.size()))
        return;
    m_colours[index] = colour;
    if (repaint)
        update();
}

void CSkinButton::SetDefaultButton(bool isDefault) {
    m_default = isDefault;
    setDefault(isDefault);
    update();
}

QSize CSkinButton::FaceSize() const {
    for (int i : {kFaceNormal, kFaceHover})
        if (m_faces[i])
            return m_faceSizes[i];
    return {};
}

QSize CSkinButton::sizeHint() const {
    const QSize face = FaceSize();
    if (face.isValid() && !face.isEmpty())
        return face;
    return QSize(ScalePixels(76), ScalePixels(23));
}

bool CSkinButton::IsPressedLook() const {
    bool pressed = isDown() || m_menuOpen;
    if (isCheckable())
        pressed = pressed || isChecked();
    return pressed;
}

int CSkinButton::CurrentFace() const {
    if (!m_facesInUse)
        return -1;
    int face = kFaceNormal;
    if (!isEnabled())
        face = kFaceDisabled;
    else if (IsPressedLook())
        face = kFacePressed;
    else if (m_hovering || hasFocus() || m_default)
        face = kFaceHover;
    return m_faces[face] ? face : kFaceHover;
}

std::int32_t CSkinButton::CurrentIcon() const {
    if (!m_skinIconsInUse)
        return 0;
    int index = 1;
    if (!isEnabled())
        index = 2;
    else if (isCheckable())
        index = IsPressedLook() ? 0 : 1;
    else if (IsPressedLook() || m_hovering)
        index = 0;
    return m_icons[index] ? m_icons[index] : m_icons[0];
}

void CSkinButton::paintEvent(QPaintEvent*) {
    // At the display's own pixels, so pictures and text stay sharp on a dense screen.
    const qreal ratio = devicePixelRatioF();
    QImage buffer(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    buffer.setDevicePixelRatio(ratio);
    buffer.fill(Qt::transparent);
    {
        QPainter dc(&buffer);
        const int s = ScalePixels(1);
        const bool pressed = IsPressedLook();
        const bool focused = hasFocus();
        const bool disabled = !isEnabled();
        const bool inLook = m_hovering || pressed;
        QRect area = rect();

        if (m_facesInUse && CurrentFace() >= 0 && m_faces[CurrentFace()]) {
            const int face = CurrentFace();
            area = QRect(QPoint(0, 0), m_faceSizes[face]);
            SkinDrawImage(dc, m_faces[face], 0, 0);
        } else {
            const bool frame = (!isFlat() && (focused || m_default)) ||
                               (isFlat() && m_drawFlatBorder && (m_hovering || focused));
            if (frame) {
                for (int i = 0; i < s; ++i) {
                    dc.setPen(Qt::black);
                    dc.drawRect(area.adjusted(0, 0, -1, -1));
                    area.adjust(1, 1, -1, -1);
                }
                area.adjust(1, 1, -1, -1);
            }
            dc.fillRect(area, QtColour(inLook ? m_colours[0] : m_colours[2]));
            if (!isFlat()) {
                const QColor light = QtColour(GetSysColour(COLOR_BTNHIGHLIGHT));
                const QColor dark = QtColour(GetSysColour(COLOR_BTNSHADOW));
                dc.setPen(pressed ? dark : light);
                dc.drawLine(area.topLeft(), area.topRight());
                dc.drawLine(area.topLeft(), area.bottomLeft());
                dc.setPen(pressed ? light : dark);
                dc.drawLine(area.bottomLeft(), area.bottomRight());
                dc.drawLine(area.topRight(), area.bottomRight());
            }
        }

        const int shift = (pressed && !isFlat() && !isCheckable()) ? s : 0;
        QRect textArea = area;
        // The icon: a skin picture, or a platform icon placed the same way.
        int iconIndex = 1;
        if (disabled)
            iconIndex = 2;
        else if (isCheckable() ? pressed : (pressed || m_hovering))
            iconIndex = 0;
        const std::int32_t skinIcon = CurrentIcon();
        QIcon platformIcon;
        if (!m_skinIconsInUse) {
            platformIcon = m_platformIcons[iconIndex].isNull() ? m_platformIcons[0]
                                                               : m_platformIcons[iconIndex];
        }
        const QSize is = skinIcon ? SkinImageSize(skinIcon)
                                  : (platformIcon.isNull() ? QSize() : m_platformIconSize);
        if (is.isValid() && !is.isEmpty()) {
            int x = 0, y = 0;
            switch (m_align) {
            case kIconLeft:
                x = area.left() + ScalePixels(3);
                y = area.top() + (area.height() - is.height()) / 2;
                textArea.setLeft(x + is.width());
                break;
            case kIconAbove:
                x = area.left() + (area.width() - is.width()) / 2;
                y = area.top() + ScalePixels(3);
                textArea.setTop(y + is.height());
                break;
            default:
                x = area.right() + 1 - ScalePixels(3) - is.width();
                y = area.top() + (area.height() - is.height()) / 2;
                textArea.setRight(x - 1);
                break;
            }
            if (skinIcon)
                SkinDrawImage(dc, skinIcon, x + shift, y + shift);
            else
                platformIcon.paint(&dc, QRect(QPoint(x + shift, y + shift), is));
        }

        if (!text().isEmpty()) {
            dc.setFont(font());
            const int flags =
                int(Qt::TextWordWrap |
                    (m_captionAtBottom ? (Qt::AlignHCenter | Qt::AlignBottom) : Qt::AlignCenter));
            const QRect r =
                textArea.translated(shift, shift).adjusted(0, 0, 0, m_captionAtBottom ? -s : 0);
            m_lastTextRect = r;
            m_lastTextFlags = flags;
            if (disabled) {
                dc.setPen(QtColour(GetSysColour(COLOR_BTNHIGHLIGHT)));
                dc.drawText(r.translated(s, s), flags, text());
                dc.setPen(QtColour(GetSysColour(COLOR_BTNSHADOW)));
                dc.drawText(r, flags, text());
            } else {
                dc.setPen(QtColour(inLook ? m_colours[1] : m_colours[3]));
                dc.drawText(r, flags, text());
            }
        }

        if (!m_facesInUse && focused && (!isFlat() || m_drawFlatFocus)) {
            QPen pen(Qt::black, 1, Qt::DotLine);
            dc.setPen(pen);
            const int inset = ScalePixels(3);
            dc.drawRect(area.adjusted(inset, inset, -inset - 1, -inset - 1));
        }
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void CSkinButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CSkinButton::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    if (!isFlat() || m_hovering || event->buttons() != Qt::NoButton || !isEnabled())
        return;
    if (m_hoverWhenActive && !window()->isActiveWindow())
        return;
    m_hovering = true;
    update();
    m_hoverTimer.start(kHoverTimerMs, this);
}

void CSkinButton::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_hoverTimer.timerId()) {
        QPushButton::timerEvent(event);
        return;
    }
    if (!rect().contains(mapFromGlobal(QCursor::pos())))
        EndHover();
}

void CSkinButton::EndHover() {
    m_hoverTimer.stop();
    if (m_hovering) {
        m_hovering = false;
        update();
    }
}

void CSkinButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    EndHover();
}

void CSkinButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        EndHover();
}

void CSkinButton::nextCheckState() {
    // A click that opens a menu or a web address does not toggle.
    if (m_menu.empty() && m_webAddress.isEmpty())
        QPushButton::nextCheckState();
}

void CSkinButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double tap counts as a second single press.
    mousePressEvent(event);
}

void CSkinButton::OnClicked() {
    if (!m_webAddress.isEmpty() && m_menu.empty()) {
        OpenWithPlatform(m_webAddress);
    } else if (!m_menu.empty()) {
        QMenu menu(this);
        FillMenu(&menu, m_menu, ScreenOf(this));
        m_menuOpen = true;
        update();
        menu.exec(mapToGlobal(rect().bottomLeft()));
        m_menuOpen = false;
    }
    update();
}
