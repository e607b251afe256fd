#pragma once

// The preview of the main screen: one page drawn large (fitted into the control), its page
// number at the bottom right and the picture's size at the top right ("2592 x 1944 (5MP)").
// A tap, Enter or Space activates it (the main screen opens the editor). Assistive tools read
// it as a picture described by its page ("Page 3 of 7, 2592 x 1944").

#include <QWidget>

#include <functional>

class CPage;

class CStaticThumb : public QWidget {
public:
    explicit CStaticThumb(QWidget* parent = nullptr);

    // Shows `page` labelled with `number` (0: no label) and repaints at once; `count`, the
    // number of pages, only completes what assistive tools read ("Page 3 of 7").
    void SetPage(CPage* page, int number, int count);
    void SetNumber(int number);
    // No page and no number.
    void ClearPage();
    CPage* Page() const { return m_page; }
    int Number() const { return m_number; }

    // Called on a tap or Enter.
    void SetOnActivate(std::function<void()> onActivate) { m_onActivate = std::move(onActivate); }
    void Activate();

    // What the last paint drew (tests and screenshots).
    const QImage& BackBuffer() const { return m_backBuffer; }

    // "2MP", "3.2MP" or "5MP" when the larger side is that of a camera resolution (1600, 2048,
    // 2592); empty for a square picture and any other size.
    static QString ResolutionLabel(int width, int height);
    // "%d x %d (%s)" with the label, or "%d x %d" without one.
    static QString SizeText(int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Describe();

    CPage* m_page = nullptr;
    int m_number = 0;
    int m_count = 0;
    bool m_pressed = false;
    std::function<void()> m_onActivate;
    QImage m_backBuffer;
};
