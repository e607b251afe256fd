#include "mail/MimeWriter.h"

#include "mail/GMimeLibrary.h"
#include "text/Catalogue.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// Owns a GObject reference for the length of a scope.
template <typename T> struct CRef {
    T* p = nullptr;
    explicit CRef(T* o) : p(o) {}
    ~CRef() {
        if (p)
            g_object_unref(p);
    }
    CRef(const CRef&) = delete;
    CRef& operator=(const CRef&) = delete;
    T* get() const { return p; }
};

QByteArray Utf8(const QString& s) {
    return s.toUtf8();
}

void AddAddresses(const CGMimeLibrary* g, GMimeMessage* message, GMimeAddressType type,
                  const QStringList& addresses) {
    InternetAddressList* list = g->g_mime_message_get_addresses(message, type);
    for (const QString& a : addresses) {
        InternetAddress* ia = g->internet_address_mailbox_new(nullptr, Utf8(a).constData());
        g->internet_address_list_add(list, ia);
        g_object_unref(ia);
    }
}

// Characters a parameter value may carry as they are (RFC 2045's token).
bool IsTokenChar(char c) {
    return c > 0x20 && c < 0x7F && !std::strchr("()<>@,;:\\\"/[]?=", c);
}

// Characters an RFC 2231 value may carry unencoded.
bool IsAttributeChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || std::strchr("!#$&+-.^_`|~", c);
}

// One MIME parameter in a form no header reader can take for anything more: a token as it
// is, other printable ASCII quoted, and anything else (line breaks, control characters,
// quotes, backslashes, non-ASCII) encoded as RFC 2231 says, in pieces that keep header lines
// short. Never a raw line break.
QByteArray EncodeParameter(const QByteArray& name, const QString& value) {
    const QByteArray bytes = value.toUtf8();
    if (!bytes.isEmpty() && std::all_of(bytes.begin(), bytes.end(), IsTokenChar))
        return name + '=' + bytes;
    const bool printable = std::all_of(bytes.begin(), bytes.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
    });
    if (printable && bytes.size() <= 60)
        return name + "=\"" + bytes + '"';
    QList<QByteArray> pieces{QByteArray()};
    for (char c : bytes) {
        const QByteArray unit =
            IsAttributeChar(c)
                ? QByteArray(1, c)
                : '%' + QByteArray::number(quint8(c), 16).toUpper().rightJustified(2, '0');
        // A character's continuation bytes stay in the piece of its first byte.
        const bool continuation = (quint8(c) & 0xC0) == 0x80;
        if (!continuation && pieces.last().size() + unit.size() > 60)
            pieces << QByteArray();
        pieces.last() += unit;
    }
    if (pieces.size() == 1)
        return name + "*=utf-8''" + pieces.front();
    QByteArray out;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            out += ";\n ";
        out +=
            name + '*' + QByteArray::number(i) + '*' + '=' + (i == 0 ? "utf-8''" : "") + pieces[i];
    }
    return out;
}

// A header value as GMime writes it unchanged: the value, then its parameters, each on a line
// of its own.
QByteArray HeaderValue(const QByteArray& value, const QList<QByteArray>& parameters) {
    QByteArray out = ' ' + value;
    for (const QByteArray& p : parameters)
        out += ";\n " + p;
    return out + '\n';
}

// Replaces the text GMime writes for a header of `object` (the header must exist).
void SetRawHeader(const CGMimeLibrary* g, GMimeObject* object, const char* name,
                  const QByteArray& raw) {
    GMimeHeader* header =
        g->g_mime_header_list_get_header(g->g_mime_object_get_header_list(object), name);
    if (header)
        g->g_mime_header_set_raw_value(header, raw.constData());
}

} // namespace

bool CMimeWriter::Write(const CMimeContent& content, const QString& path, QString* error) {
    auto fail = [&](const QString& why) {
        QFile::remove(path);
        if (error)
            *error = why;
        return false;
    };
    QString missing;
    const CGMimeLibrary* g = CGMimeLibrary::Load(&missing);
    if (!g)
        return fail(TranslateText("SmtpTransport", "the mail library could not start") +
                    QStringLiteral(": ") + missing);

    CRef<GMimeMessage> message(g->g_mime_message_new(TRUE));
    if (!content.from.isEmpty())
        g->g_mime_message_add_mailbox(message.get(), GMIME_ADDRESS_TYPE_FROM, nullptr,
                                      Utf8(content.from).constData());
    AddAddresses(g, message.get(), GMIME_ADDRESS_TYPE_TO, content.to);
    AddAddresses(g, message.get(), GMIME_ADDRESS_TYPE_CC, content.cc);
    if (!content.subject.isEmpty()) {
        // One line: a line break in the subject must not start a header of its own.
        QString subject = content.subject;
        subject.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        g->g_mime_message_set_subject(message.get(), Utf8(subject).constData(), "utf-8");
    }
    GDateTime* now = g_date_time_new_now_local();
    g->g_mime_message_set_date(message.get(), now);
    g_date_time_unref(now);
    const QByteArray domain = content.from.section('@', 1).toUtf8();
    char* id =
        g->g_mime_utils_generate_message_id(domain.isEmpty() ? "localhost" : domain.constData());
    g->g_mime_message_set_message_id(message.get(), id);
    g_free(id);

    CRef<GMimeMultipart> mixed(g->g_mime_multipart_new_with_subtype("mixed"));
    if (!content.body.isEmpty()) {
        CRef<GMimeTextPart> text(g->g_mime_text_part_new_with_subtype("plain"));
        g->g_mime_text_part_set_text(text.get(), Utf8(content.body).constData());
        g->g_mime_part_set_content_encoding(&text.get()->parent_object,
                                            GMIME_CONTENT_ENCODING_QUOTEDPRINTABLE);
        g->g_mime_multipart_add(mixed.get(), &text.get()->parent_object.parent_object);
    }

    GError* gerror = nullptr;
    GMimeStream* file = g->g_mime_stream_fs_open(
        QFile::encodeName(content.attachmentPath).constData(), O_RDONLY, 0, &gerror);
    if (!file) {
        const QString why = QStringLiteral("cannot read %1: %2")
                                .arg(content.attachmentPath,
                                     QString::fromUtf8(gerror ? gerror->message : "unknown error"));
        g_clear_error(&gerror);
        return fail(why);
    }
    CRef<GMimeStream> fileRef(file);
    CRef<GMimeDataWrapper> data(
        g->g_mime_data_wrapper_new_with_stream(file, GMIME_CONTENT_ENCODING_DEFAULT));
    const QString fileName = QFileInfo(content.attachmentPath).fileName();
    const bool isPdf = fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    CRef<GMimePart> attachment(isPdf ? g->g_mime_part_new_with_type("application", "pdf")
                                     : g->g_mime_part_new_with_type("application", "octet-stream"));
    g->g_mime_part_set_content(attachment.get(), data.get());
    g->g_mime_part_set_content_encoding(attachment.get(), GMIME_CONTENT_ENCODING_BASE64);
    // GMime writes an ASCII name as it is, line breaks included: the two headers that carry
    // the name are written here, after every other change to the part.
    g->g_mime_object_set_disposition(&attachment.get()->parent_object,
                                     GMIME_DISPOSITION_ATTACHMENT);
    SetRawHeader(g, &attachment.get()->parent_object, "Content-Type",
                 HeaderValue(isPdf ? "application/pdf" : "application/octet-stream",
                             {EncodeParameter("name", fileName)}));
    SetRawHeader(g, &attachment.get()->parent_object, "Content-Disposition",
                 HeaderValue(GMIME_DISPOSITION_ATTACHMENT,
                             {EncodeParameter("filename", fileName),
                              "size=" + QByteArray::number(qlonglong(content.attachmentSize))}));
    g->g_mime_multipart_add(mixed.get(), &attachment.get()->parent_object);
    g->g_mime_message_set_mime_part(message.get(), &mixed.get()->parent_object);

    GMimeStream* out = g->g_mime_stream_fs_open(QFile::encodeName(path).constData(),
                                                O_WRONLY | O_CREAT | O_TRUNC, 0600, &gerror);
    if (!out) {
        const QString why = QStringLiteral("cannot write the message %1: %2")
                                .arg(path, QString::fromUtf8(gerror ? gerror->message : "?"));
        g_clear_error(&gerror);
        return fail(why);
    }
    CRef<GMimeStream> outRef(out);
    const gint64 written =
        g->g_mime_object_write_to_stream(&message.get()->parent_object, nullptr, out);
    const bool flushed = g->g_mime_stream_flush(out) == 0;
    const bool closed = g->g_mime_stream_close(out) == 0;
    // The file stream reports a short read of the attachment only as a shorter message.
    const bool readWhole = g->g_mime_stream_length(file) == content.attachmentSize;
    if (written < 0 || !flushed || !closed || !readWhole)
        return fail(QStringLiteral("the message could not be written to %1").arg(path));
    return true;
}
