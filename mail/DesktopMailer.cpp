#include "mail/DesktopMailer.h"

#include "text/Catalogue.h"

#include <QProcess>

QString CDesktopMailer::Command() {
    const QString custom = qEnvironmentVariable("QUILLMARK_MAILER");
    return custom.isEmpty() ? QStringLiteral("xdg-email") : custom;
}

bool CDesktopMailer::Compose(const QStringList& to, const QStringList& cc, const QString& subject,
                             const QString& body, const QString& attachmentPath, QString* error) {
    QStringList args;
    for (const QString& c : cc)
        args << "--cc" << c;
    if (!subject.isEmpty())
        args << "--subject" << subject;
    if (!body.isEmpty())
        args << "--body" << body;
    args << "--attach" << attachmentPath;
    // Addresses come last; "--" would be taken as an address by xdg-email, so none is
    // allowed to look like an option.
    for (const QString& t : to) {
        if (t.startsWith('-')) {
            *error = TranslateText("DesktopMailer", "'%1' is not an e-mail address").arg(t);
            return false;
        }
        args << t;
    }
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(Command(), args);
    if (!process.waitForStarted(10000)) {
        *error = TranslateText("DesktopMailer", "%1 could not be started").arg(Command());
        return false;
    }
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *error = TranslateText("DesktopMailer", "%1 failed (exit status %2)")
                     .arg(Command())
                     .arg(process.exitCode());
        return false;
    }
    return true;
}
