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
    bool log = false;         // --log or QUILLMARK_LOG: every log record is written
    QSize screen{480, 640};   // --screen WxH: the emulated device screen
    bool screenGiven = false; // --screen was given: the window keeps that size
    bool landscape = false;   // --landscape: start with the device turned
    QString screenshots;      // --screenshots DIR: headless tour writing one PNG per screen
    QString command;          // "settings", "pdf", ... or empty for the program's screens
    QStringList arguments;    // what follows the command
    QStringList pictures;     // pictures to add as pages, in the order given (no command)
};

// Parses argv (without the program name). On a usage error returns nothing and fills `error`.
std::optional<CCommandLine> ParseCommandLine(const QStringList& args, QString* error);

// The text of --help.
QString UsageText();

// One option of a command, as its parser knows it and its help shows it.
struct CCliOption {
    const char* names;    // every spelling the parser takes, space-separated: "-o --output"
    const char* synopsis; // as the usage line shows it: "-o OUT.pdf|-", "--fit | --center"
    const char* help;     // one sentence for the help's list of options
    bool required = false;
};

// True when `name` ("--fit", "-o") is one of the spellings of `options`.
bool IsCliOption(const std::vector<CCliOption>& options, const QString& name);
// "pdf -o OUT.pdf|- [--fit | --center] ... OPERANDS": the usage of a command on one line.
QString CliSynopsis(const char* command, const std::vector<CCliOption>& options,
                    const char* operands);
// `text` broken between words into lines of at most `width` columns, its first line starting
// at `firstColumn` (after what the caller wrote), the others after `indent` spaces. Ends with
// a newline.
QString WrapText(const QString& text, int indent, int width = 80, int firstColumn = 0);
// The list of options for --help: each synopsis with its help beside or under it.
QString CliOptionsHelp(const std::vector<CCliOption>& options);

// A command run from the terminal: its arguments, returns the exit status
// (0 success, 1 failure, 2 bad usage).
struct CCliCommand {
    const char* name;
    // The usage lines, without "quillmark "; more than one for commands with verbs.
    std::function<QStringList()> synopsis;
    const char* summary;
    std::function<int(const QStringList& args)> run;
    // What --help prints beyond the usage and summary (empty for nothing more).
    std::function<QString()> details = {};
};

// Every command the program knows, in the order --help lists them.
const std::vector<CCliCommand>& CliCommands();
// The command of that name, or null.
const CCliCommand* FindCliCommand(const QString& name);

// True when the arguments of a command ask for its help: "-h" or "--help" anywhere before a
// "--" that ends the options.
bool AsksForHelp(const QStringList& args);
// What "quillmark COMMAND --help" prints: usage, summary and details.
QString CommandHelpText(const CCliCommand& command);
// The usage lines of a command ("usage: quillmark NAME ..."), in the user's language; the
// one-argument form names the command and has no final newline, for error messages.
QString CommandUsageText(const CCliCommand& command);
QString CommandUsageText(const char* name);
