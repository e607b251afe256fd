#pragma once

// The extended progress bar: the bar, the percentage (or the caller's text) inside it and,
// with statistics on, the remaining time at the right and the elapsed (or total) time at the
// left. It paints from two prepared pictures, one filled and one empty, and repaints only when
// the filled edge moves by at least a pixel.

#include "ui/toolkit/SystemColours.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

class CProgressCtrl : public QWidget {
public:
    explicit CProgressCtrl(QWidget* parent = nullptr);

    void SetRange(int lower, int upper);
    // The platform's packed form: lower bound in the low 16 bits, upper in the high ones.
    void SetRange16(std::uint32_t packed);
    void GetRange(int& lower, int& upper) const;
    int GetPos() const { return m_pos; }
    int SetPos(int pos);   // returns the previous position
    int SetStep(int step); // returns the previous step
    int StepIt() { return SetPos(m_pos + m_step); }
    int OffsetPos(int delta) { return SetPos(m_pos + delta); }
    void Restart();

    Colour SetBarColour(Colour colour);
    Colour SetBackgroundColour(Colour colour);
    Colour SetTextColour(Colour colour);
    void ShowText(bool show);
    void SetText(const QString& text);
    // gradient: glass-style pictures; statistics: times beside the percentage; totalTime: the
    // left text shows the estimated total instead of the elapsed time.
    void SetStyle(bool gradient, bool statistics, bool totalTime);
    void SetTextShadow(bool on) {
        m_shadow = on;
        update();
    }
    // Takes the style from the settings group PROGRESS_CTRL_EX_CFG (Gradient, ShowStats,
    // ShowTotalTime), as the program's progress screens do.
    void ApplySettings();

    // Remaining, elapsed and total time in milliseconds; 0xFFFFFFFF where unknown.
    void EstimateTimes(std::uint32_t& remaining, std::uint32_t& elapsed,
                       std::uint32_t& total) const;
    // The texts the next paint shows.
    QString BarText() const;
    QString LeftText() const;
    QString RightText() const;
    // A vertical bar: the filled part grows from the bottom.
    void SetVertical(bool vertical);
    bool IsVertical() const { return m_vertical; }
    // The filled width (the filled height of a vertical bar) in pixels for the current size and
    // position, and the part of the control it covers.
    int FilledWidth() const;
    QRect FilledRect() const;
    // How many repaints position changes have asked for (the bar stays still otherwise).
    int RepaintRequests() const { return m_repaintRequests; }

    // The millisecond clock, monotonic by default (tests replace it).
    void SetClock(std::function<std::uint32_t()> clock);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double Fraction() const;
    void BuildPictures();
    QColor Resolve(Colour colour, Colour systemValue) const;

    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
    int m_step = 1;
    bool m_gradient = true;
    bool m_vertical = false;
    bool m_stats = true;
    bool m_totalTime = false;
    bool m_showText = true;
    bool m_shadow = true;
    QString m_text;
    Colour m_barColour = 0x80FF00;
    Colour m_background = 0xF0F0F0;
    Colour m_textColour = 0xFFFFFF;
    Colour m_shadowColour = 0;
    Colour m_statsShadowColour = 0;
    std::uint32_t m_start = 0;
    int m_filled = -1;
    bool m_rebuild = true;
    QImage m_filledPicture;
    QImage m_emptyPicture;
    int m_repaintRequests = 0;
    std::function<std::uint32_t()> m_clock;
};
