#include "ui/toolkit/Dialog.h"

#include "platform/Device.h"
#include "skin/binding/SkinBinding.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ResourceTables.h"
#include "ui/toolkit/SkinButton.h"
#include "ui/toolkit/TouchInput.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTextEdit>

QString ButtonText(const QString& text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

CDialog::CDialog(int templateId, CScreen* owner) : CScreen(owner), m_templateId(templateId) {
    CreateControls();
}

void CDialog::CreateControls() {
    const CDialogTemplate* t = FindDialogTemplate(m_templateId);
    if (!t)
        return;
    setWindowTitle(t->caption);
    for (const CControlTemplate& c : t->controls) {
        QWidget* w = nullptr;
        switch (c.kind) {
        case EControlKind::Static: {
            auto* label = new QLabel(c.text, this);
            label->setWordWrap(true);
            label->setAlignment((c.style & kStyleCentre)  ? Qt::AlignCenter
                                : (c.style & kStyleRight) ? (Qt::AlignRight | Qt::AlignVCenter)
                                                          : (Qt::AlignLeft | Qt::AlignVCenter));
            w = label;
            break;
        }
        case EControlKind::Button: {
            auto* button = new CSkinButton(this);
            button->setText(c.text);
            button->SetDefaultButton(c.style & kStyleDefault);
            w = button;
            break;
        }
        case EControlKind::CheckBox:
        case EControlKind::RadioButton: {
            QAbstractButton* b = c.kind == EControlKind::CheckBox
                                     ? static_cast<QAbstractButton*>(new QCheckBox(c.text, this))
                                     : new QRadioButton(c.text, this);
            // The style's indicator is drawn for a desktop monitor; size it for the device.
            const int box = ScalePixels(13);
            b->setStyleSheet(QStringLiteral("QCheckBox::indicator, QRadioButton::indicator "
                                            "{ width: %1px; height: %1px; }")
                                 .arg(box));
            w = b;
            break;
        }
        case EControlKind::Edit: w = new QLineEdit(c.text, this); break;
        case EControlKind::ReadOnlyText: {
            auto* edit = new QTextEdit(this);
            edit->setReadOnly(true);
            edit->setFrameStyle(QFrame::NoFrame);
            edit->setPlainText(c.text);
            w = edit;
            break;
        }
        case EControlKind::Custom: w = new QWidget(this); break;
        }
        if (c.kind != EControlKind::Button)
            ApplyFont(GetFontCode(kFontDialog), w);
        AddControl(c.id, w);
        PlaceControl(c.id, c.units);
        w->setVisible(!(c.style & kStyleHidden));
    }
}

void CDialog::SetMenuBarId(int menuId) {
    m_menuId = menuId;
    if (const CMenuTemplate* menu = FindMenuTemplate(menuId))
        SetMenuBar(*menu);
    else
        RemoveMenuBar();
}

void CDialog::SetDlgItemText(int id, const QString& text) {
    QWidget* w = Control(id);
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(ButtonText(text));
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else if (auto* area = qobject_cast<QTextEdit*>(w))
        area->setPlainText(text);
}

QString CDialog::GetDlgItemText(int id) const {
    QWidget* w = Control(id);
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* area = qobject_cast<QTextEdit*>(w))
        return area->toPlainText();
    return {};
}

CSkinButton* CDialog::Button(int id) const {
    return dynamic_cast<CSkinButton*>(Control(id));
}

void CDialog::ShowControl(int id, bool show) {
    if (QWidget* w = Control(id))
        w->setVisible(show);
}

void CDialog::PlaceControl(int id, const QRect& units) {
    m_units[id] = units;
    if (QWidget* w = Control(id))
        w->setGeometry(MapDialogRectForScreen(units.x(), units.y(), units.width(), units.height()));
}

void CDialog::PlaceControlPixels(int id, const QRect& pixels) {
    m_units.erase(id);
    if (QWidget* w = Control(id))
        w->setGeometry(pixels);
}

void CDialog::AttachControl(int id, QWidget* control) {
    QWidget* old = Control(id);
    control->setParent(this);
    if (old) {
        control->setGeometry(old->geometry());
        // The place holder's own flag: isVisible() is false until the screen is shown.
        control->setVisible(!old->isHidden());
        old->deleteLater();
    }
    AddControl(id, control);
}

namespace {

// Marks the fields that raise the input panel (the mark goes with the field).
const char kRaisesInputPanel[] = "qmRaisesInputPanel";

} // namespace

void CDialog::RaiseInputPanelOnFocus(QWidget* field) {
    if (field->property(kRaisesInputPanel).toBool())
        return;
    field->setProperty(kRaisesInputPanel, true);
    // The platform's input method (the phone shell's on-screen keyboard) serves the field.
    field->setAttribute(Qt::WA_InputMethodEnabled, true);
    field->installEventFilter(this);
    // A text area takes its taps on its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(field)) {
        area->viewport()->setProperty(kRaisesInputPanel, true);
        area->viewport()->installEventFilter(this);
    }
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched->property(kRaisesInputPanel).toBool()) {
        if (!m_panelSuppressed) {
            m_panelSuppressed = true;
        } else {
            ++m_panelRequests;
            QGuiApplication::inputMethod()->show();
        }
    } else if (event->type() == QEvent::MouseButtonRelease &&
               watched->property(kRaisesInputPanel).toBool()) {
        // A finger on a field that has the focus already wants the keyboard back after it
        // was put away.
        auto* field = static_cast<QWidget*>(watched);
        const auto* area = qobject_cast<QAbstractScrollArea*>(field->parentWidget());
        const bool focused =
            field->hasFocus() || (area && area->viewport() == field && area->hasFocus());
        if (focused && IsFromTouch(static_cast<QMouseEvent*>(event)) &&
            field->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            m_panelSuppressed = true;
            ++m_panelRequests;
            QGuiApplication::inputMethod()->show();
        }
    }
    return CScreen::eventFilter(watched, event);
}

void CDialog::Layout() {
    for (const auto& [id, units] : m_units)
        if (QWidget* w = Control(id))
            w->setGeometry(
                MapDialogRectForScreen(units.x(), units.y(), units.width(), units.height()));
}

void CDialog::OnDisplayChange() {
    Layout();
}

void CDialog::OnRatioChange() {
    FollowSkinRatio(platform::DeviceScreenRatio());
}

bool CDialog::OnKeyDown(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    for (const auto& [id, control] : Controls()) {
        auto* button = dynamic_cast<CSkinButton*>(control);
        if (button && button->isDefault() && button->isVisible() && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

void CDialog::resizeEvent(QResizeEvent* event) {
    CScreen::resizeEvent(event);
    Layout();
}
