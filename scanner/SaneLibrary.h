#pragma once

// libsane, loaded the first time a scanner is looked for instead of at every start: most runs
// never scan, and linked it cost each of them. The program still compiles against <sane/sane.h>
// and types each entry from the header's own prototype, so a changed signature fails to build.

#include <QString>

#include <sane/sane.h>

// The SANE functions the scanner code uses, named as SANE names them.
struct CSaneLibrary {
    decltype(&::sane_init) sane_init = nullptr;
    decltype(&::sane_exit) sane_exit = nullptr;
    decltype(&::sane_get_devices) sane_get_devices = nullptr;
    decltype(&::sane_open) sane_open = nullptr;
    decltype(&::sane_close) sane_close = nullptr;
    decltype(&::sane_get_option_descriptor) sane_get_option_descriptor = nullptr;
    decltype(&::sane_control_option) sane_control_option = nullptr;
    decltype(&::sane_get_parameters) sane_get_parameters = nullptr;
    decltype(&::sane_start) sane_start = nullptr;
    decltype(&::sane_read) sane_read = nullptr;
    decltype(&::sane_cancel) sane_cancel = nullptr;
    decltype(&::sane_strstatus) sane_strstatus = nullptr;
};

// The library's functions, loaded and resolved on the first call (from any thread) and kept
// for the life of the process; null when the library cannot be loaded or lacks one of them,
// with `why` (may be null) set to the loader's reason, naming the file or the function. The
// scanners are then absent; the reason goes to the log once.
//
// The environment variable QM_SANE_LIBRARY, read once, names another library to load instead
// of libsane.so.1: tests use a name that does not exist, packagers may name a private copy.
const CSaneLibrary* SaneLibrary(QString* why = nullptr);
