#pragma once

// The logger as code outside the program sees it (the skin libraries receive the program's
// logger as this interface). Plain types only: the libraries link nothing of the program.

#include <cstdint>

class CLogSink {
public:
    virtual ~CLogSink() = default;
    // Formats printf-style (UTF-8) and writes one record at `level` (one bit of
    // 1 emrg, 2 alrt, 4 crit, 8 err!, 16 warn, 32 note, 64 info, 128 dbug).
    virtual void Log(std::uint32_t level, const char* format, ...)
        __attribute__((format(printf, 3, 4))) = 0;
};
