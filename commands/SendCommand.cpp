#include "commands/SendCommand.h"

#include "commands/CommandLine.h"
#include "mail/MailMessage.h"
#include "resources/ids/StringIds.h"
#include "text/Catalogue.h"
#include "text/Strings.h"

#include <optional>

namespace {

// Answers the account question with the account named on the command line.
class CNamedAccountChooser : public IAccountChooser {
public:
    explicit CNamedAccountChooser(const QString& name) : m_name(name) {}
    int ChooseAccount(const QStringList& accounts) override {
        return m_name.isEmpty() ? -1 : int(accounts.indexOf(m_name));
    }

private:
    QString m_name;
};

} // namespace

int RunSendCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    CMailMessage message;
    QString account;
    QStringList files;
    bool haveTo = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString option = args[i];
        std::optional<QString> inlineValue;
        if (option.startsWith("--") && option.contains('=')) {
            inlineValue = option.section('=', 1);
            option = option.section('=', 0, 0);
        }
        QString* target = option == "--to"        ? &message.to
                          : option == "--subject" ? &message.subject
                          : option == "--body"    ? &message.body
                          : option == "--account" ? &account
                                                  : nullptr;
        if (target) {
            if (!inlineValue && i + 1 >= args.size()) {
                err << "quillmark send: "
                    << TranslateText("SendCommand", "%1 needs a value").arg(option) << Qt::endl;
                return 2;
            }
            *target = inlineValue ? *inlineValue : args[++i];
            haveTo = haveTo || target == &message.to;
        } else if (option == "--") {
            files += args.mid(i + 1);
            break;
        } else if (option.startsWith("-") && option.size() > 1) {
            err << "quillmark send: "
                << TranslateText("SendCommand", "unknown option '%1'").arg(args[i]) << '\n'
                << CommandUsageText("send") << Qt::endl;
            return 2;
        } else {
            files << args[i];
        }
    }
    if (!haveTo || files.size() != 1) {
        err << CommandUsageText("send") << Qt::endl;
        return 2;
    }
    if (CMailMessage::SplitAddresses(message.to).isEmpty()) {
        err << "quillmark send: " << TranslateText("SendCommand", "--to names no address")
            << Qt::endl;
        return 2;
    }
    if (!account.isEmpty() && !CMailMessage::AvailableAccounts().contains(account)) {
        err << "quillmark send: "
            << TranslateText("SendCommand", "no account named '%1' (see 'quillmark account list')")
                   .arg(account)
            << Qt::endl;
        return 2;
    }
    message.attachmentPath = files.front();

    CNamedAccountChooser chooser(account);
    if (message.Send(&chooser) != kMailOk) {
        QString reason = message.ErrorDetail();
        if (message.LastError() == EMailError::StoreInvalidValues)
            reason = LoadFormatted(ids::IDS_MAIL_STORE_INVALID_CVALUES);
        else if (message.LastError() == EMailError::StoreMissingEntryId)
            reason = LoadFormatted(ids::IDS_MAIL_STORE_MISSING_ENTRYID) + " (" + reason + ")";
        err << "quillmark send: "
            << TranslateText("SendCommand", "could not send '%1' to '%2': %3")
                   .arg(message.attachmentPath, message.to, reason)
            << Qt::endl;
        if (message.LastError() == EMailError::SubmitFailed)
            err << "quillmark send: "
                << TranslateText("SendCommand", "the message stays in %1")
                       .arg(message.MessagePath())
                << Qt::endl;
        return 1;
    }
    switch (message.Outcome()) {
    case EMailOutcome::Queued:
        out << TranslateText("SendCommand", "queued '%1' to '%2' in the Outbox of %3")
                   .arg(message.attachmentPath, message.to, message.ChosenAccount())
            << Qt::endl;
        break;
    case EMailOutcome::HandedOver:
        out << TranslateText("SendCommand",
                             "handed '%1' for '%2' to the desktop's mail program (not sent yet)")
                   .arg(message.attachmentPath, message.to)
            << Qt::endl;
        break;
    default:
        out << TranslateText("SendCommand", "sent '%1' to '%2' through %3")
                   .arg(message.attachmentPath, message.to, message.ChosenAccount())
            << Qt::endl;
        break;
    }
    return 0;
}

int RunSendCommand(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunSendCommand(args, out, err);
}
