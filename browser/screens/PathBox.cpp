#include "browser/screens/PathBox.h"

#include "browser/screens/FolderTree.h"
#include "resources/ids/StringIds.h"
#include "text/Strings.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

CPathBox::CPathBox(CIconProvider& icons, QWidget* parent) : QWidget(parent), m_icons(icons) {
    m_text = new QLineEdit(this);
    m_text->setReadOnly(true);
    m_text->setFocusPolicy(Qt::NoFocus);
    m_text->installEventFilter(this);
    m_text->setAccessibleName(LoadFormatted(ids::IDS_BROWSER_CURRENT_FOLDER));
    m_arrow = new QToolButton(this);
    m_arrow->setArrowType(Qt::DownArrow);
    m_arrow->setFocusPolicy(Qt::NoFocus);
    m_arrow->setAccessibleName(LoadFormatted(ids::IDS_BROWSER_CHOOSE_FOLDER));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_arrow);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(nullptr);
    setAccessibleName(LoadFormatted(ids::IDS_BROWSER_CURRENT_FOLDER));
    connect(m_arrow, &QToolButton::clicked, this,
            [this] { IsDroppedDown() ? CloseUp() : DropDown(); });
}

CPathBox::~CPathBox() {
    if (CFolderTree* popup = m_popup.data()) {
        popup->removeEventFilter(this);
        delete popup;
    }
}

CFolderTree* CPathBox::PopupTree() const {
    return m_popup;
}

void CPathBox::SetPath(const QString& path) {
    m_text->setText(path);
    m_text->setCursorPosition(0);
    setAccessibleDescription(path);
}

QString CPathBox::Path() const {
    return m_text->text();
}

// The popup belongs to the window and may be destroyed with it before the path box: each use
// reads the guarded pointer once and checks it.
bool CPathBox::IsDroppedDown() const {
    const CFolderTree* popup = m_popup.data();
    return popup && popup->isVisible();
}

void CPathBox::DropDown() {
    QWidget* host = window();
    CFolderTree* popup = m_popup.data();
    if (!popup) {
        popup = new CFolderTree(m_icons, host);
        popup->setFrameShape(QFrame::Box);
        popup->Init();
        popup->installEventFilter(this);
        popup->SetActivationListener([this](const QString& path) { Choose(path); });
        m_popup = popup;
    }
    const QPoint topLeft = mapTo(host, QPoint(0, height()));
    popup->setGeometry(topLeft.x(), topLeft.y(), width(), host->height() - topLeft.y());
    popup->SelectPath(Path());
    popup->raise();
    popup->show();
    popup->setFocus();
}

void CPathBox::CloseUp() {
    CFolderTree* popup = m_popup.data();
    if (!popup || !popup->isVisible())
        return;
    popup->hide();
    setFocus();
}

void CPathBox::Choose(const QString& path) {
    CloseUp();
    SetPath(path);
    if (m_onChanged)
        m_onChanged(path);
}

bool CPathBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text && event->type() == QEvent::MouseButtonPress) {
        IsDroppedDown() ? CloseUp() : DropDown();
        return true;
    }
    CFolderTree* popup = m_popup.data();
    if (popup && watched == popup && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            CloseUp();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Choose(popup->SelectedPath());
            return true;
        }
    }
    if (popup && watched == popup && event->type() == QEvent::FocusOut) {
        // Leaving the popup for another control of the screen closes it, as a drop-down does.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::MouseFocusReason)
            popup->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void CPathBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
        key == Qt::Key_F4 || (key == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))) {
        DropDown();
        return;
    }
    QWidget::keyPressEvent(event);
}
