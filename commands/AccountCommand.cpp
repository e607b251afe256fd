#include "commands/AccountCommand.h"

#include "commands/CommandLine.h"
#include "mail/AccountStore.h"
#include "mail/ContactStore.h"
#include "mail/PasswordSource.h"
#include "text/Catalogue.h"

#include <QFileInfo>

#include <optional>

namespace {

// A value as a terminal may show it: control characters (a line break stored by hand, an
// escape sequence) are written as escapes instead of acting on the terminal.
QString Printable(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
                 c.category() == QChar::Separator_Paragraph)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            out += c;
    }
    return out;
}

// With no encryption a user name means the password crosses the network readable by anyone
// on the way.
bool SendsPasswordInClear(const CMailAccount& a) {
    return a.transport == EMailTransport::Smtp && a.security == EMailSecurity::None &&
           !a.user.isEmpty();
}

QString Describe(const CMailAccount& a) {
    switch (a.transport) {
    case EMailTransport::Sync: return TranslateText("AccountCommand", "queue only (Outbox)");
    case EMailTransport::Desktop: return TranslateText("AccountCommand", "desktop mail program");
    case EMailTransport::Smtp: break;
    }
    QString text =
        TranslateText("AccountCommand", "%1 via %2:%3 %4")
            .arg(a.from, a.host, QString::number(a.EffectivePort()), SecurityName(a.security));
    if (!a.user.isEmpty()) {
        if (!a.passwordCommand.isEmpty())
            text += TranslateText("AccountCommand", ", user %1, password from command").arg(a.user);
        else if (!a.passwordFile.isEmpty())
            text += TranslateText("AccountCommand", ", user %1, password from file %2")
                        .arg(a.user, a.passwordFile);
        else
            text += TranslateText("AccountCommand", ", user %1, password from secret store")
                        .arg(a.user);
    }
    if (SendsPasswordInClear(a))
        text += TranslateText("AccountCommand", " (sent unencrypted)");
    if (!a.caFile.isEmpty())
        text += TranslateText("AccountCommand", ", trusts %1").arg(a.caFile);
    return text;
}

int Add(const QStringList& args, QTextStream& err) {
    if (args.size() < 2 || args[1].startsWith("--")) {
        err << CommandUsageText("account") << Qt::endl;
        return 2;
    }
    CMailAccount account;
    account.name = args[1];
    bool sync = false, desktop = false, smtpOption = false;
    for (qsizetype i = 2; i < args.size(); ++i) {
        QString option = args[i];
        std::optional<QString> inlineValue;
        if (option.startsWith("--") && option.contains('=')) {
            inlineValue = option.section('=', 1);
            option = option.section('=', 0, 0);
        }
        auto value = [&]() -> std::optional<QString> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size())
                return args[++i];
            err << "quillmark account: "
                << TranslateText("AccountCommand", "%1 needs a value").arg(option) << Qt::endl;
            return std::nullopt;
        };
        if (option == "--sync") {
            sync = true;
        } else if (option == "--desktop") {
            desktop = true;
        } else if (option == "--password" || option == "--pass") {
            err << "quillmark account: "
                << TranslateText("AccountCommand",
                                 "a password never goes on the command line (others can read it "
                                 "there); use --password-command, --password-file or the "
                                 "desktop's secret store")
                << Qt::endl;
            return 2;
        } else if (option == "--from" || option == "--host" || option == "--port" ||
                   option == "--security" || option == "--user" || option == "--password-command" ||
                   option == "--password-file" || option == "--ca-file") {
            const auto v = value();
            if (!v)
                return 2;
            smtpOption = true;
            if (option == "--from") {
                account.from = *v;
            } else if (option == "--host") {
                account.host = *v;
            } else if (option == "--port") {
                bool ok = false;
                account.port = v->toInt(&ok);
                if (!ok || account.port < 1 || account.port > 65535) {
                    err << "quillmark account: "
                        << TranslateText("AccountCommand", "--port takes 1 to 65535, not '%1'")
                               .arg(*v)
                        << Qt::endl;
                    return 2;
                }
            } else if (option == "--security") {
                if (!ParseSecurity(*v, &account.security)) {
                    err << "quillmark account: "
                        << TranslateText("AccountCommand",
                                         "--security takes none, starttls or tls, not '%1'")
                               .arg(*v)
                        << Qt::endl;
                    return 2;
                }
            } else if (option == "--user") {
                account.user = *v;
            } else if (option == "--password-command") {
                account.passwordCommand = *v;
            } else if (option == "--password-file") {
                account.passwordFile = QFileInfo(*v).absoluteFilePath();
            } else {
                account.caFile = QFileInfo(*v).absoluteFilePath();
            }
        } else {
            err << "quillmark account: "
                << TranslateText("AccountCommand", "unknown option '%1'").arg(args[i]) << '\n'
                << CommandUsageText("account") << Qt::endl;
            return 2;
        }
    }
    if (int(sync) + int(desktop) + int(smtpOption) > 1) {
        err << "quillmark account: "
            << TranslateText("AccountCommand",
                             "--sync, --desktop and the SMTP options exclude each other")
            << Qt::endl;
        return 2;
    }
    if (!account.passwordCommand.isEmpty() && !account.passwordFile.isEmpty()) {
        err << "quillmark account: "
            << TranslateText("AccountCommand",
                             "give --password-command or --password-file, not both")
            << Qt::endl;
        return 2;
    }
    if ((!account.passwordCommand.isEmpty() || !account.passwordFile.isEmpty()) &&
        account.user.isEmpty()) {
        err << "quillmark account: " << TranslateText("AccountCommand", "a password needs a --user")
            << Qt::endl;
        return 2;
    }
    QString why;
    if (!account.passwordFile.isEmpty() &&
        !CPasswordSource::IsPrivateFile(account.passwordFile, &why)) {
        err << "quillmark account: " << why << Qt::endl;
        return 2;
    }
    if (!account.caFile.isEmpty() && !QFileInfo(account.caFile).isFile()) {
        err << "quillmark account: "
            << (QFileInfo(account.caFile).isDir()
                    ? TranslateText("AccountCommand",
                                    "the certificate file %1 is a folder, not a file")
                    : TranslateText("AccountCommand", "the certificate file %1 does not exist"))
                   .arg(account.caFile)
            << Qt::endl;
        return 2;
    }
    account.transport = sync      ? EMailTransport::Sync
                        : desktop ? EMailTransport::Desktop
                                  : EMailTransport::Smtp;
    bool notWritten = false;
    if (!CAccountStore().Add(account, &why, &notWritten)) {
        err << "quillmark account: " << why << Qt::endl;
        return notWritten ? 1 : 2;
    }
    if (SendsPasswordInClear(account))
        err << "quillmark account: "
            << TranslateText("AccountCommand",
                             "warning: with --security none the password of %1 goes to %2 "
                             "unencrypted, readable on the way; use --security starttls or tls "
                             "unless the server runs on this machine")
                   .arg(account.user, account.host)
            << Qt::endl;
    return 0;
}

} // namespace

int RunAccountCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString verb = args.value(0);
    CAccountStore store;
    if (verb == "add")
        return Add(args, err);
    if (verb == "list" && args.size() == 1) {
        for (const CMailAccount& a : store.Accounts())
            out << Printable(a.name) << "\t" << Printable(Describe(a)) << Qt::endl;
        return 0;
    }
    if (verb == "remove" && args.size() == 2) {
        const int removed = store.Remove(args[1]);
        if (removed < 0) {
            err << "quillmark account: "
                << TranslateText("AccountCommand", "the registry file could not be written")
                << Qt::endl;
            return 1;
        }
        if (removed == 0) {
            err << "quillmark account: "
                << TranslateText("AccountCommand",
                                 "no account named '%1' (see 'quillmark account list')")
                       .arg(args[1])
                << Qt::endl;
            return 2;
        }
        return 0;
    }
    if (verb == "contacts" && args.size() <= 2) {
        if (args.size() == 1) {
            out << Printable(store.ContactsFolder(CContactStore::DefaultFolder())) << Qt::endl;
            return 0;
        }
        if (!store.SetContactsFolder(QFileInfo(args[1]).absoluteFilePath())) {
            err << "quillmark account: "
                << TranslateText("AccountCommand", "the registry file could not be written")
                << Qt::endl;
            return 1;
        }
        return 0;
    }
    err << CommandUsageText("account") << Qt::endl;
    return 2;
}

int RunAccountCommand(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunAccountCommand(args, out, err);
}
