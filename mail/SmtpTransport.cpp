#include "mail/SmtpTransport.h"

#include "app/Log.h"

#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#include <mutex>

namespace {

void InitCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t ReadBody(char* buffer, size_t size, size_t count, void* user) {
    auto* file = static_cast<QFile*>(user);
    const qint64 n = file->read(buffer, qint64(size * count));
    return n < 0 ? CURL_READFUNC_ABORT : size_t(n);
}

QByteArray Bracketed(const QString& address) {
    return "<" + address.trimmed().toUtf8() + ">";
}

} // namespace

bool CSmtpTransport::Submit(const CMailAccount& account, const QByteArray& password,
                            const CSmtpEnvelope& envelope, const QString& messagePath,
                            QString* error) {
    InitCurl();
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QFile file(messagePath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read the queued message %1").arg(messagePath));

    CURL* curl = curl_easy_init();
    if (!curl)
        return fail(QStringLiteral("the mail library could not start"));

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
        recipients = curl_slist_append(recipients, Bracketed(r).constData());

    char detail[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_URL, urlText.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_USE_SSL,
                     account.security == EMailSecurity::None ? long(CURLUSESSL_NONE)
                                                             : long(CURLUSESSL_ALL));
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.constData());
    if (!user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_CRLF, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadBody);
    curl_easy_setopt(curl, CURLOPT_READDATA, &file);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
    // A server that stops answering ends the send instead of freezing the program.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);

    LogRecord(kLogInfo, "mail: submitting to %s:%d (%s), %d recipient(s)",
              account.host.toUtf8().constData(), account.EffectivePort(),
              SecurityName(account.security).toUtf8().constData(), int(envelope.recipients.size()));
    const CURLcode result = curl_easy_perform(curl);
    long response = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response);
    curl_slist_free_all(recipients);
    curl_easy_cleanup(curl);

    if (result != CURLE_OK) {
        QString why = QString::fromUtf8(detail[0] ? detail : curl_easy_strerror(result));
        if (response > 0)
            why += QStringLiteral(" (server answered %1)").arg(response);
        LogRecord(kLogError, "mail: submission failed: %s", why.toUtf8().constData());
        return fail(why);
    }
    LogRecord(kLogInfo, "mail: submitted");
    return true;
}
