#pragma once

// The process-wide log: time-stamped records appended to a file, filtered by a facility
// mask and a level mask. Both masks are 0 after OpenLog, so nothing is written unless
// diagnostics are switched on (EnableDiagnosticLog). Every record opens, appends, flushes
// and closes the file; every failure is silent.

#include "skin/api/LogSink.h"

#include <QString>

#include <cstdarg>
#include <cstdint>

inline constexpr std::uint32_t kLogFacilityProgram = 1;

enum LogLevel : std::uint32_t {
    kLogEmergency = 1,
    kLogAlert = 2,
    kLogCritical = 4,
    kLogError = 8,
    kLogWarning = 16,
    kLogNote = 32,
    kLogInfo = 64,
    kLogDebug = 128,
};

class CLog : public CLogSink {
public:
    ~CLog() override = default;
    void Log(std::uint32_t level, const char* format, ...) override
        __attribute__((format(printf, 3, 4)));

    QString path;
    std::uint32_t facilityMask = 0;
    std::uint32_t levelMask = 0;
};

// Creates the logger when there is none, sets its path and clears both masks.
void OpenLog(const QString& path);
// Destroys the logger; later records are dropped.
void CloseLog();
// The process logger, or null when closed.
CLog* ProcessLog();

// Writes one record when the log is open and both masks let it through. The message is
// formatted printf-style (UTF-8) and cut to 2047 characters.
void WriteRecord(CLog* log, std::uint32_t facility, std::uint32_t level, const char* format,
                 va_list args);
// The same for an already formatted message.
void WriteRecordText(CLog* log, std::uint32_t facility, std::uint32_t level,
                     const QString& message);

// A record of the program (facility 1) through the process logger.
void LogRecord(std::uint32_t level, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Lets every record of the program through (--log, QUILLMARK_LOG): facility 1, all levels.
void EnableDiagnosticLog();

// The tag of a level: "note" for 32, "????" for anything that is not exactly one known bit.
const char* LogLevelTag(std::uint32_t level);

// The record line without its line end: "[note @ 2026-12-07 04:05:06]: x=5".
QString FormatLogRecord(std::uint32_t level, int year, int month, int day, int hour, int minute,
                        int second, const QString& message);
