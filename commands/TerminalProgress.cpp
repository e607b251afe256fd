#include "commands/TerminalProgress.h"

#include <unistd.h>

namespace {
constexpr int kBarWidth = 30;
}

CTerminalProgress::CTerminalProgress(std::FILE* stream)
    : m_stream(stream), m_enabled(::isatty(::fileno(stream)) == 1) {}

CTerminalProgress::~CTerminalProgress() {
    Finish();
}

void CTerminalProgress::Show(const QString& label, long done, long total) {
    if (!m_enabled || total <= 0)
        return;
    const int filled = int(kBarWidth * std::min(done, total) / total);
    const QString line = QStringLiteral("%1 [%2%3] %4/%5")
                             .arg(label, -14)
                             .arg(QString(filled, u'#'), QString(kBarWidth - filled, u'-'))
                             .arg(done)
                             .arg(total);
    if (line == m_lastLine)
        return;
    m_lastLine = line;
    std::fprintf(m_stream, "\r%s\033[K", line.toLocal8Bit().constData());
    std::fflush(m_stream);
    m_open = true;
}

void CTerminalProgress::Finish() {
    if (m_open) {
        std::fputc('\n', m_stream);
        std::fflush(m_stream);
    }
    m_open = false;
    m_lastLine.clear();
}
