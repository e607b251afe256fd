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
    if (m_popup) {
        m_popup->removeEventFilter(this);
        delete m_popup;
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

bool CPathBox::IsDroppedDown() const {
    return m_popup && m_popup->isVisible();
}

void CPathBox::DropDown() {
    QWidget* host = window();
    if (!m_popup) {
        m_popup = new CFolderTree(m_icons, host);
        m_popup->setFrameShape(QFrame::Box);
        m_popup->Init();
        m_popup->installEventFilter(this);
        m_popup->SetActivationListener([this](const QString& path) { Choose(path); });
    }
    const QPoint topLeft = mapTo(host, QPoint(0, height()));
    m_popup->setGeometry(topLeft.x(), topLeft.y(), width(), host->height() - topLeft.y());
    m_popup->SelectPath(Path());
    m_popup->raise();
    m_popup->show();
    m_popup->setFocus();
}

void CPathBox::CloseUp() {
    if (!IsDroppedDown())
        return;
    m_popup->hide();
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
    if (watched == m_popup && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            CloseUp();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Choose(m_popup->SelectedPath());
            return true;
        }
    }
    if (watched == m_popup && event->type() == QEvent::FocusOut) {
        // Leaving the popup for another control of the screen closes it, as a drop-down does.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::MouseFocusReason)
            m_popup->hide();
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
