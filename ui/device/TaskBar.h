#pragma once

// The band at the top of the device screen: the current screen's title and the clock.

#include <QWidget>

class CTaskBar : public QWidget {
public:
    explicit CTaskBar(QWidget* parent);
    void SetTitle(const QString& title);
    QString Title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
};
