#pragma once

// Writes one e-mail as a MIME message (GMime): UTF-8 subject and plain-text body, one file
// attached in base64 under its file name (never its folders) with its size. Every GMime
// failure is turned into a false result here and nowhere else.

#include <QString>
#include <QStringList>

#include <cstdint>

struct CMimeContent {
    QString from;
    QStringList to;
    QStringList cc;
    QString subject; // no Subject header when empty
    QString body;    // no text part when empty
    QString attachmentPath;
    std::int64_t attachmentSize = 0;
};

class CMimeWriter {
public:
    // Writes the message to `path` (created with owner-only permissions). On failure the file
    // is removed and `error` says why.
    static bool Write(const CMimeContent& content, const QString& path, QString* error);
};
