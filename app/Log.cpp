#include "app/Log.h"

#include "platform/Diagnostics.h"

#include <QDateTime>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

CLog* g_log = nullptr;
bool g_open = false;

constexpr int kMessageLimit = 2047;

QString FormatMessage(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    char small[1024];
    const int needed = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0)
        return {};
    QString text;
    if (needed < int(sizeof small)) {
        text = QString::fromUtf8(small, needed);
    } else {
        std::vector<char> big(size_t(needed) + 1);
        std::vsnprintf(big.data(), big.size(), format, args);
        text = QString::fromUtf8(big.data(), needed);
    }
    if (text.size() > kMessageLimit) {
        qsizetype cut = kMessageLimit;
        if (text[cut - 1].isHighSurrogate())
            --cut; // never leave half a character
        text.truncate(cut);
    }
    return text;
}

} // namespace

const char* LogLevelTag(std::uint32_t level) {
    switch (level) {
    case 1: return "emrg";
    case 2: return "alrt";
    case 4: return "crit";
    case 8: return "err!";
    case 16: return "warn";
    case 32: return "note";
    case 64: return "info";
    case 128: return "dbug";
    default: return "????";
    }
}

QString FormatLogRecord(std::uint32_t level, int year, int month, int day, int hour, int minute,
                        int second, const QString& message) {
    return QString::asprintf("[%s @ %4d-%02d-%02d %02d:%02d:%02d]: ", LogLevelTag(level), year,
                             month, day, hour, minute, second) +
           message;
}

void CLog::Log(std::uint32_t level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    WriteRecord(g_log, kLogFacilityProgram, level, format, args);
    va_end(args);
}

void OpenLog(const QString& path) {
    if (!g_log)
        g_log = new CLog;
    g_log->path = path;
    g_log->facilityMask = 0;
    g_log->levelMask = 0;
    g_open = true;
    platform::SetDiagnosticSink([](std::uint32_t level, const QString& message) {
        WriteRecordText(g_log, kLogFacilityProgram, level, message);
    });
}

void CloseLog() {
    platform::SetDiagnosticSink(nullptr);
    delete g_log;
    g_log = nullptr;
    g_open = false;
}

CLog* ProcessLog() {
    return g_log;
}

void EnableDiagnosticLog() {
    if (g_log) {
        g_log->facilityMask = kLogFacilityProgram;
        g_log->levelMask = 0xFFFFFFFFu;
    }
}

void WriteRecordText(CLog* log, std::uint32_t facility, std::uint32_t level,
                     const QString& message) {
    if (!g_open || !log)
        return;
    if ((log->facilityMask & facility) == 0 || (log->levelMask & level) == 0)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    const QString line = FormatLogRecord(level, d.year(), d.month(), d.day(), t.hour(), t.minute(),
                                         t.second(), message.left(kMessageLimit)) +
                         "\r\n";
    const QByteArray bytes = line.toLocal8Bit();
    const QByteArray file = log->path.toLocal8Bit();
    const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n <= 0)
            break;
        p += n;
        left -= n;
    }
    ::fsync(fd);
    ::close(fd);
}

void WriteRecord(CLog* log, std::uint32_t facility, std::uint32_t level, const char* format,
                 va_list args) {
    if (!g_open || !log || !format)
        return;
    if ((log->facilityMask & facility) == 0 || (log->levelMask & level) == 0)
        return;
    WriteRecordText(log, facility, level, FormatMessage(format, args));
}

void LogRecord(std::uint32_t level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    WriteRecord(g_log, kLogFacilityProgram, level, format, args);
    va_end(args);
}
