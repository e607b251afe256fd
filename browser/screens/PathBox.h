#pragma once

// The path box: shows the current folder's path; a tap on it or on its arrow (or Enter, Space,
// Alt+Down or F4 while it has the focus) drops down a folder tree of its own under it, as wide
// as the box and down to the bottom of its window. Choosing a folder there sets the text,
// closes the popup and tells the owner; Escape closes it without a change.

#include <QPointer>
#include <QWidget>

#include <functional>

class CFolderTree;
class CIconProvider;
class QLineEdit;
class QToolButton;

class CPathBox : public QWidget {
public:
    using CPathListener = std::function<void(const QString& path)>;

    // The icon provider belongs to the screen and must outlive the box.
    explicit CPathBox(CIconProvider& icons, QWidget* parent = nullptr);
    // The popup lives in the window, not in the box: it goes with the box.
    ~CPathBox() override;

    void SetPath(const QString& path);
    QString Path() const;

    // Called when a folder was chosen in the popup.
    void SetChangedListener(CPathListener listener) { m_onChanged = std::move(listener); }

    void DropDown();
    void CloseUp();
    bool IsDroppedDown() const;
    // The popup tree, null before the first drop-down.
    CFolderTree* PopupTree() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Choose(const QString& path);

    CIconProvider& m_icons;
    QLineEdit* m_text;
    QToolButton* m_arrow;
    QPointer<CFolderTree> m_popup;
    CPathListener m_onChanged;
};
