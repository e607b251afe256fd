#pragma once

// A general progress screen: a step label over a progress bar, an optional second label and
// bar, a status text and Cancel. Shown modelessly over its owner while the work runs on the
// user-interface thread; SetPosition and applied step texts let the screen handle its pending
// events, so Cancel and repaints get through. Cancel only sets a flag the work asks for.

#include "ui/toolkit/Dialog.h"

#include <cstdint>
#include <functional>

class CProgressCtrl;

class CProgressDialog : public CDialog {
public:
    explicit CProgressDialog(CScreen* owner = nullptr);
    ~CProgressDialog() override;

    void SetHeader(const QString& title, const QString& subtitle, std::uint32_t picture);
    void EnableCancel(bool enable);
    void SetSecondBarShown(bool shown);
    void SetStatusEnabled(bool enabled) { m_statusEnabled = enabled; }

    // Bar range 0..upper, position 0, `text` in the bar (empty: the percentage).
    void SetRange(int upper, const QString& text);
    // Position current * 100 / total, at most 100; then handles pending events.
    void SetPosition(int current, int total);
    // Applied only when more than 50 ms passed since the last applied step text.
    void SetStepText(const QString& text);
    void SetStatusText(const QString& text);
    bool IsCancelled() const { return m_cancelled; }

    CProgressCtrl* Bar() const { return m_bar; }
    QString StepText() const;
    QString StatusText() const;
    // The millisecond clock of the 50 ms rule (a monotonic one; tests replace it).
    void SetClock(std::function<std::int64_t()> clock) { m_clock = std::move(clock); }

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void Layout() override;
    void OnCancel() override { m_cancelled = true; }

private:
    void Pump();

    QString m_title;
    QString m_subtitle;
    std::uint32_t m_pictureId = 0;
    std::int32_t m_picture = 0;
    bool m_cancelled = false;
    bool m_secondBar = false;
    bool m_statusEnabled = true;
    std::int64_t m_lastBar = 0;
    std::int64_t m_lastStep = 0;
    bool m_stepApplied = false;
    CProgressCtrl* m_bar;
    CProgressCtrl* m_second;
    std::function<std::int64_t()> m_clock;
};
