#pragma once

// The window - every screen, Qt Widgets and the start-up window - is a private library of its
// own, quillmark-window.so, loaded when the program starts without a command: linked, Qt
// Widgets costs every terminal command about 6 ms of its start, and the commands never show a
// screen. The library takes what it shares with the commands (settings, pages, the PDF job,
// ...) from the program itself, which exports it, so there is one copy of each.

#include <QString>

struct CCommandLine;

struct CWindowModule {
    // Makes the application object and runs the screens; returns the exit status.
    int (*run)(int& argc, char** argv, const CCommandLine& line);
};

// The library's one exported function: its table, or null when `programVersion` is not the
// version it was built for.
extern "C" const CWindowModule* QuillmarkWindowModule(const char* programVersion);
inline constexpr char kWindowModuleEntry[] = "QuillmarkWindowModule";
inline constexpr char kWindowModuleFile[] = "quillmark-window.so";

// The library, loaded on the first call; null with `why` set when it cannot be. It is looked
// for beside the program (the build folder), else in the program's private library folder;
// the environment variable QM_WINDOW_MODULE names another file (tests).
const CWindowModule* WindowModule(QString* why);
