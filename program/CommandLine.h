#pragma once

// The program's command line: global options, then an optional command with its own
// arguments ("quillmark [OPTIONS] [COMMAND [ARGS...]]"), or pictures to open as pages
// ("quillmark [OPTIONS] [--] [PICTURE...]").

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

struct CCommandLine {
    bool help = false;
    bool version = false;
    bool log = false;       // --log or QUILLMARK_LOG: every log record is written
    QSize screen{480, 640}; // --screen WxH: the emulated device screen
    bool landscape = false; // --landscape: start with the device turned
    QString screenshots;    // --screenshots DIR: headless tour writing one PNG per screen
    QString command;        // "settings", "pdf", ... or empty for the program's screens
    QStringList arguments;  // what follows the command
    QStringList pictures;   // pictures to add as pages, in the order given (no command)
};

// Parses argv (without the program name). On a usage error returns nothing and fills `error`.
std::optional<CCommandLine> ParseCommandLine(const QStringList& args, QString* error);

// The text of --help.
QString UsageText();

// A command run from the terminal: its arguments, returns the exit status
// (0 success, 1 failure, 2 bad usage).
struct CCliCommand {
    const char* name;
    const char* synopsis;
    const char* summary;
    std::function<int(const QStringList& args)> run;
};

// Every command the program knows, in the order --help lists them.
const std::vector<CCliCommand>& CliCommands();
