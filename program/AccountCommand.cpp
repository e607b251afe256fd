#include "program/AccountCommand.h"

#include "mail/AccountStore.h"
#include "mail/ContactStore.h"
#include "mail/PasswordSource.h"

#include <QFileInfo>

#include <optional>

namespace {

const char kUsage[] =
    "usage: quillmark account add NAME --from ADDR --host HOST [--port N]\n"
    "                         [--security none|starttls|tls] [--user USER]\n"
    "                         [--password-command CMD | --password-file FILE] [--ca-file FILE]\n"
    "       quillmark account add NAME --sync | --desktop\n"
    "       quillmark account list | remove NAME | contacts [FOLDER]";

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
    case EMailTransport::Sync: return QStringLiteral("queue only (Outbox)");
    case EMailTransport::Desktop: return QStringLiteral("desktop mail program");
    case EMailTransport::Smtp: break;
    }
    QString text = QStringLiteral("%1 via %2:%3 %4")
                       .arg(a.from, a.host)
                       .arg(a.EffectivePort())
                       .arg(SecurityName(a.security));
    if (!a.user.isEmpty()) {
        text += QStringLiteral(", user %1, password from ").arg(a.user);
        if (!a.passwordCommand.isEmpty())
            text += QStringLiteral("command");
        else if (!a.passwordFile.isEmpty())
            text += QStringLiteral("file %1").arg(a.passwordFile);
        else
            text += QStringLiteral("secret store");
    }
    if (SendsPasswordInClear(a))
        text += QStringLiteral(" (sent unencrypted)");
    if (!a.caFile.isEmpty())
        text += QStringLiteral(", trusts %1").arg(a.caFile);
    return text;
}

int Add(const QStringList& args, QTextStream& err) {
    if (args.size() < 2 || args[1].startsWith("--")) {
        err << kUsage << Qt::endl;
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
            err << "quillmark account: " << option << " needs a value" << Qt::endl;
            return std::nullopt;
        };
        if (option == "--sync") {
            sync = true;
        } else if (option == "--desktop") {
            desktop = true;
        } else if (option == "--password" || option == "--pass") {
            err << "quillmark account: a password never goes on the command line (others can "
                   "read it there); use --password-command, --password-file or the desktop's "
                   "secret store"
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
                    err << "quillmark account: --port takes 1 to 65535, not '" << *v << "'"
                        << Qt::endl;
                    return 2;
                }
            } else if (option == "--security") {
                if (!ParseSecurity(*v, &account.security)) {
                    err << "quillmark account: --security takes none, starttls or tls, not '" << *v
                        << "'" << Qt::endl;
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
            err << "quillmark account: unknown option '" << args[i] << "'\n" << kUsage << Qt::endl;
            return 2;
        }
    }
    if (int(sync) + int(desktop) + int(smtpOption) > 1) {
        err << "quillmark account: --sync, --desktop and the SMTP options exclude each other"
            << Qt::endl;
        return 2;
    }
    if (!account.passwordCommand.isEmpty() && !account.passwordFile.isEmpty()) {
        err << "quillmark account: give --password-command or --password-file, not both"
            << Qt::endl;
        return 2;
    }
    if ((!account.passwordCommand.isEmpty() || !account.passwordFile.isEmpty()) &&
        account.user.isEmpty()) {
        err << "quillmark account: a password needs a --user" << Qt::endl;
        return 2;
    }
    QString why;
    if (!account.passwordFile.isEmpty() &&
        !CPasswordSource::IsPrivateFile(account.passwordFile, &why)) {
        err << "quillmark account: " << why << Qt::endl;
        return 2;
    }
    if (!account.caFile.isEmpty() && !QFileInfo(account.caFile).isFile()) {
        err << "quillmark account: the certificate file " << account.caFile
            << (QFileInfo(account.caFile).isDir() ? " is a folder, not a file" : " does not exist")
            << Qt::endl;
        return 2;
    }
    account.transport = sync      ? EMailTransport::Sync
                        : desktop ? EMailTransport::Desktop
                                  : EMailTransport::Smtp;
    if (!CAccountStore().Add(account, &why)) {
        err << "quillmark account: " << why << Qt::endl;
        return why.contains("registry file") ? 1 : 2;
    }
    if (SendsPasswordInClear(account))
        err << "quillmark account: warning: with --security none the password of " << account.user
            << " goes to " << account.host
            << " unencrypted, readable on the way; use --security starttls or tls unless the "
               "server runs on this machine"
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
            err << "quillmark account: the registry file could not be written" << Qt::endl;
            return 1;
        }
        if (removed == 0) {
            err << "quillmark account: no account named '" << args[1]
                << "' (see 'quillmark account list')" << Qt::endl;
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
            err << "quillmark account: the registry file could not be written" << Qt::endl;
            return 1;
        }
        return 0;
    }
    err << kUsage << Qt::endl;
    return 2;
}

int RunAccountCommand(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunAccountCommand(args, out, err);
}
