#pragma once

// A file error as the framework reports it: what went wrong and with which file. The screen
// that catches it shows Message() and stays open.

#include <QString>

struct CFileError {
    enum class Cause { None, AccessDenied, DiskFull };

    Cause cause = Cause::None;
    QString fileName;

    // "Access to %1 was denied." or "Disk full while accessing %1." with the file name.
    QString Message() const;
    explicit operator bool() const { return cause != Cause::None; }
};
