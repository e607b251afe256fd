#pragma once

// A one-line progress bar on the terminal ("Adding pages [#####-----]  12/50"), redrawn in
// place; silent when the stream is not a terminal.

#include <QString>

#include <cstdio>

class CTerminalProgress {
public:
    explicit CTerminalProgress(std::FILE* stream);
    ~CTerminalProgress();

    bool Enabled() const { return m_enabled; }
    // Shows `label` with done of total; redraws only when the bar or the count changes.
    void Show(const QString& label, long done, long total);
    // Ends the line, so that messages start on a fresh one.
    void Finish();

private:
    std::FILE* m_stream;
    bool m_enabled;
    bool m_open = false;
    QString m_lastLine;
};
