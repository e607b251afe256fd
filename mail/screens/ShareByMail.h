#pragma once

// The Share action: opens the send screen over `owner` for the file at `path`, prefilled with
// the last address used, "Emailing: <file name>" as subject and the program's one-line footer
// as body. Does nothing for a file that does not exist. True when the mail was sent (or
// queued by a queue-only store).

#include <QString>

class CScreen;

bool ShareFileByMail(CScreen* owner, const QString& path);
