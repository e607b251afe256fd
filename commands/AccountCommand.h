#pragma once

// "quillmark account add|list|remove|contacts ...": sets up the mail accounts the program
// sends through (never with a password on the command line) and the contacts folder.
// Exit status 0 done, 1 when the registry could not be written, 2 on bad usage.

#include <QStringList>
#include <QTextStream>

int RunAccountCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunAccountCommand(const QStringList& args);

inline constexpr const char* kAccountCommandSynopsis =
    "account add NAME --from ADDR --host HOST [--port N] [--security none|starttls|tls] "
    "[--user USER] [--password-command CMD | --password-file FILE] [--ca-file FILE]\n"
    "  account add NAME --sync | --desktop\n"
    "  account list | remove NAME | contacts [FOLDER]";
inline constexpr const char* kAccountCommandSummary = QT_TRANSLATE_NOOP(
    "CommandLine",
    "set up the e-mail accounts (passwords come from the secret store, a command or a "
    "private file) and the folder of vCard contacts");
