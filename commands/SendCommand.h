#pragma once

// "quillmark send --to ADDRS [--subject S] [--body B] [--account NAME] FILE": sends FILE by
// e-mail through the same message code as the send screen. Without --account the first
// account listed is used, as when the screen's chooser is cancelled. Exit status 0 sent (or
// queued by a queue-only store), 1 failed, 2 bad usage or an unknown account.

#include <QStringList>
#include <QTextStream>

int RunSendCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunSendCommand(const QStringList& args);

inline constexpr const char* kSendCommandSynopsis =
    "send --to ADDRS [--subject S] [--body B] [--account NAME] FILE";
inline constexpr const char* kSendCommandSummary = QT_TRANSLATE_NOOP(
    "CommandLine",
    "e-mail FILE as an attachment (ADDRS separated by spaces or ';'; see 'account list')");
