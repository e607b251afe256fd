#pragma once

// Where the PDF builder reports a library error. The screens show it as a question box; a
// headless caller may keep the text. Told once, at the first error, from inside the library
// call that failed; later errors of the same document are silent.

#include <QString>

#include <cstdint>

// Picture of the question box that shows a library error.
inline constexpr int kLibraryErrorPicture = 11007;

struct CPdfLibraryError {
    QString body;    // "Out of memory, could not complete operation. ..."
    QString caption; // "Error"
    QString heading; // "Critical error"
    int picture = kLibraryErrorPicture;
    // The library's numbers: never shown to the user, kept for the command line and tests.
    unsigned long errorNumber = 0;
    unsigned long detailNumber = 0;
};

class CPdfErrorSink {
public:
    virtual ~CPdfErrorSink() = default;
    virtual void ShowLibraryError(const CPdfLibraryError& error) = 0;
};
