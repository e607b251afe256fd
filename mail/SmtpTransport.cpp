#include "mail/SmtpTransport.h"

#include "app/Log.h"
#include "mail/CurlLibrary.h"
#include "text/Catalogue.h"

#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#include <cctype>

namespace {

size_t ReadBody(char* buffer, size_t size, size_t count, void* user) {
    auto* file = static_cast<QFile*>(user);
    const size_t room = size * count;
    const qint64 n = file->read(buffer, qint64(room));
    return n < 0 ? CURL_READFUNC_ABORT : size_t(n);
}

// Keeps the server's last refusal (a reply of code 400 or more) from libcurl's protocol trace.
// Only what the server sent is looked at, never what was sent to it.
int KeepRefusal(CURL*, curl_infotype type, char* data, size_t size, void* user) {
    if (type != CURLINFO_HEADER_IN)
        return 0;
    auto* refusal = static_cast<QByteArray*>(user);
    for (const QByteArray& line : QByteArray(data, qsizetype(size)).split('\n')) {
        const QByteArray reply = line.trimmed();
        if (reply.size() >= 3 && reply[0] >= '4' && reply[0] <= '5' &&
            std::isdigit(static_cast<unsigned char>(reply[1])) &&
            std::isdigit(static_cast<unsigned char>(reply[2])))
            *refusal = reply.left(300);
    }
    return 0;
}

QString Printable(const QByteArray& text) {
    QString out = QString::fromUtf8(text);
    for (QChar& c : out)
        if (!c.isPrint())
            c = QLatin1Char(' ');
    return out.simplified();
}

QByteArray Bracketed(const QString& address) {
    return "<" + address.trimmed().toUtf8() + ">";
}

} // namespace

bool CSmtpTransport::Submit(const CMailAccount& account, const QByteArray& password,
                            const CSmtpEnvelope& envelope, const QString& messagePath,
                            QString* error, QString* serverReply) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QFile file(messagePath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(
            TranslateText("SmtpTransport", "cannot read the queued message %1").arg(messagePath));

    QString missing;
    const CCurlLibrary* lib = CCurlLibrary::Load(&missing);
    CURL* curl = lib ? lib->curl_easy_init() : nullptr;
    if (!curl) {
        QString why = TranslateText("SmtpTransport", "the mail library could not start");
        if (!lib)
            why += QStringLiteral(": ") + missing;
        LogRecord(kLogError, "mail: %s", why.toUtf8().constData());
        return fail(why);
    }

    const bool tls = account.security == EMailSecurity::Tls;
    QUrl url;
    url.setScheme(tls ? "smtps" : "smtp");
    url.setHost(account.host.trimmed());
    url.setPort(account.EffectivePort());
    // The domain the client names itself with in EHLO.
    url.setPath(QStringLiteral("/localhost"));
    const QByteArray urlText = url.toEncoded();
    const QByteArray from = Bracketed(envelope.from);
    const QByteArray user = account.user.toUtf8();
    const QByteArray caFile = QFile::encodeName(account.caFile);

    curl_slist* recipients = nullptr;
    for (const QString& r : envelope.recipients)
        recipients = lib->curl_slist_append(recipients, Bracketed(r).constData());

    if (serverReply)
        serverReply->clear();
    QByteArray refusal;
    lib->curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, KeepRefusal);
    lib->curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &refusal);
    lib->curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    char detail[CURL_ERROR_SIZE] = {};
    lib->curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, detail);
    lib->curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    lib->curl_easy_setopt(curl, CURLOPT_URL, urlText.constData());
    lib->curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    lib->curl_easy_setopt(curl, CURLOPT_USE_SSL,
                          account.security == EMailSecurity::None ? long(CURLUSESSL_NONE)
                                                                  : long(CURLUSESSL_ALL));
    lib->curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    lib->curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile.isEmpty())
        lib->curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.constData());
    if (!user.isEmpty()) {
        lib->curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        lib->curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }
    lib->curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
    lib->curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
    lib->curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    lib->curl_easy_setopt(curl, CURLOPT_CRLF, 1L);
    lib->curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadBody);
    lib->curl_easy_setopt(curl, CURLOPT_READDATA, &file);
    lib->curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
    // A server that stops answering ends the send instead of freezing the program.
    lib->curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    lib->curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);

    LogRecord(kLogInfo, "mail: submitting to %s:%d (%s), %d recipient(s)",
              account.host.toUtf8().constData(), account.EffectivePort(),
              SecurityName(account.security).toUtf8().constData(), int(envelope.recipients.size()));
    const CURLcode result = lib->curl_easy_perform(curl);
    long response = 0;
    lib->curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response);
    lib->curl_slist_free_all(recipients);
    lib->curl_easy_cleanup(curl);

    if (result != CURLE_OK) {
        QString why = QString::fromUtf8(detail[0] ? detail : lib->curl_easy_strerror(result));
        if (!refusal.isEmpty()) {
            why += TranslateText("SmtpTransport", " (server answered: %1)").arg(Printable(refusal));
            if (serverReply)
                *serverReply = Printable(refusal);
        } else if (response > 0) {
            why += TranslateText("SmtpTransport", " (server answered %1)").arg(response);
        }
        LogRecord(kLogError, "mail: submission failed: %s", why.toUtf8().constData());
        return fail(why);
    }
    LogRecord(kLogInfo, "mail: submitted");
    return true;
}
