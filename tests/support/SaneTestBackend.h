#pragma once

// SANE's own test backend in a private configuration folder, so that tests scan without a
// scanner and never reach the machine's. It offers test:0 and test:1, each with a flatbed and
// a document feeder that is empty after ten sheets. SANE reads its configuration once per
// process, at its start: call UseSaneTestBackend before anything touches a scanner.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// Writes dll.conf (the test backend only) and test.conf (`lines` added to a picture that
// differs across the sheet) into `folder`.
inline bool WriteSaneTestConfig(const QString& folder, const QStringList& lines = {}) {
    QDir().mkpath(folder);
    QFile dll(folder + QStringLiteral("/dll.conf"));
    QFile test(folder + QStringLiteral("/test.conf"));
    if (!dll.open(QIODevice::WriteOnly) || !test.open(QIODevice::WriteOnly))
        return false;
    dll.write("test\n");
    QStringList all{QStringLiteral("number_of_devices 2"),
                    QStringLiteral("test-picture \"Color pattern\"")};
    all += lines;
    test.write(all.join(u'\n').toUtf8() + '\n');
    return true;
}

// The folder SANE_CONFIG_DIR names for this process (made once, removed at exit).
inline QString UseSaneTestBackend(const QStringList& lines = {}) {
    static QTemporaryDir folder;
    static const bool written = [&] {
        const bool ok = WriteSaneTestConfig(folder.path(), lines);
        qputenv("SANE_CONFIG_DIR", folder.path().toLocal8Bit());
        return ok;
    }();
    (void)written;
    return folder.path();
}
