#include "mail/PasswordSource.h"

#include "mail/SecretStore.h"
#include "text/Catalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray FirstLine(const QByteArray& data) {
    QByteArray line = data.left(data.indexOf('\n') < 0 ? data.size() : data.indexOf('\n'));
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

bool FromCommand(const QString& command, QByteArray* password, QString* error) {
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!process.waitForStarted(10000)) {
        *error = TranslateText("PasswordSource", "the password command could not be started");
        return false;
    }
    // A command may ask the user (a key agent's prompt): give it time.
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished(5000);
        *error = TranslateText("PasswordSource", "the password command did not finish");
        return false;
    }
    QByteArray out = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        CPasswordSource::Wipe(out);
        *error = TranslateText("PasswordSource", "the password command failed (exit status %1)")
                     .arg(process.exitCode());
        return false;
    }
    *password = FirstLine(out);
    CPasswordSource::Wipe(out);
    return true;
}

bool FromFile(const QString& path, QByteArray* password, QString* error) {
    if (!CPasswordSource::IsPrivateFile(path, error))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = TranslateText("PasswordSource", "the password file %1 cannot be read").arg(path);
        return false;
    }
    QByteArray data = file.read(qint64(64) * 1024);
    *password = FirstLine(data);
    CPasswordSource::Wipe(data);
    return true;
}

} // namespace

void CPasswordSource::Wipe(QByteArray& password) {
    if (!password.isEmpty())
        password.fill('\0');
    password.clear();
}

bool CPasswordSource::IsPrivateFile(const QString& path, QString* error) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        const int why = errno;
        if (error)
            *error =
                why == ENOENT || why == ENOTDIR
                    ? TranslateText("PasswordSource", "the password file %1 does not exist")
                          .arg(path)
                    : TranslateText("PasswordSource", "the password file %1 cannot be read: %2")
                          .arg(path, QString::fromLocal8Bit(std::strerror(why)));
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        if (error)
            *error =
                S_ISDIR(st.st_mode)
                    ? TranslateText("PasswordSource",
                                    "the password file %1 is a folder, not a file")
                          .arg(path)
                    : TranslateText("PasswordSource", "the password file %1 is not a regular file")
                          .arg(path);
        return false;
    }
    if (st.st_uid != ::getuid() || (st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        if (error)
            *error = TranslateText("PasswordSource",
                                   "the password file %1 must belong to you and be readable "
                                   "by you only (chmod 600)")
                         .arg(path);
        return false;
    }
    return true;
}

bool CPasswordSource::Fetch(const CMailAccount& account, QByteArray* password, QString* error) {
    password->clear();
    if (account.user.isEmpty())
        return true;
    if (!account.passwordCommand.isEmpty())
        return FromCommand(account.passwordCommand, password, error);
    if (!account.passwordFile.isEmpty())
        return FromFile(account.passwordFile, password, error);
    return CSecretStore::Lookup(kSecretService, account.name, password, error);
}
