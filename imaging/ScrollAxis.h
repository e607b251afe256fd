#pragma once

// The rules of one scroll bar of the editor's view: the visible length (page), the length
// scrolled over (content) and the position, kept within 0 .. content - page.

enum class EScrollCode {
    LineBack,      // line left / up
    LineForward,   // line right / down
    PageBack,      // page left / up
    PageForward,   // page right / down
    ThumbPosition, // the thumb was dropped at a position
    ThumbTrack,    // the thumb is being dragged
    Other,         // ignored
};

class CScrollAxis {
public:
    static constexpr int kLineStep = 10;

    // A new page and content length. When the page holds the whole content nothing scrolls
    // (page and position 0). Otherwise a position is scaled by new page / old page when both
    // pages are positive, and kept within the range.
    void Configure(int page, int content);
    // Where a scroll message leads, within the range; Other stays where it is.
    int PositionFor(EScrollCode code, int trackPosition = 0) const;
    // Moves to `position` within the range and returns the distance moved.
    int MoveTo(int position);

    int Page() const { return m_page; }
    int Content() const { return m_content; }
    int Position() const { return m_position; }
    // content - page while something scrolls, else 0.
    int MaxPosition() const;
    bool Scrolls() const { return m_page > 0; }

private:
    int m_page = 0;
    int m_content = 0;
    int m_position = 0;
};
