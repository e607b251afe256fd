#include "mail/MimeWriter.h"

#include "tests/support/TempHome.h"

#include <QFile>

#include <gmime/gmime.h>

#include <fcntl.h>

#include <memory>

namespace {

// The attachment part of a written message as GMime reads it back.
struct CParsedAttachment {
    bool found = false;
    QString fileName;           // decoded Content-Disposition filename
    QString typeName;           // decoded Content-Type name
    QStringList headers;        // names of the part's headers, in order
    QString size;               // the size parameter
    QByteArray rawHeaders;      // the part's header block as written
    int partCount = 0;          // leaf parts of the message
    QStringList messageHeaders; // names of the top-level headers
};

CParsedAttachment Parse(const QString& path) {
    CParsedAttachment result;
    g_mime_init();
    GError* error = nullptr;
    GMimeStream* stream =
        g_mime_stream_fs_open(QFile::encodeName(path).constData(), O_RDONLY, 0, &error);
    g_clear_error(&error);
    if (!stream)
        return result;
    GMimeParser* parser = g_mime_parser_new_with_stream(stream);
    GMimeMessage* message = g_mime_parser_construct_message(parser, nullptr);
    if (message) {
        GMimeHeaderList* top = g_mime_object_get_header_list(GMIME_OBJECT(message));
        for (int i = 0; i < g_mime_header_list_get_count(top); ++i)
            result.messageHeaders << g_mime_header_get_name(
                g_mime_header_list_get_header_at(top, i));
        GMimePartIter* iter = g_mime_part_iter_new(GMIME_OBJECT(message));
        do {
            GMimeObject* object = g_mime_part_iter_get_current(iter);
            if (!object || !GMIME_IS_PART(object))
                continue;
            ++result.partCount;
            if (!g_mime_part_is_attachment(GMIME_PART(object)))
                continue;
            result.found = true;
            result.fileName = QString::fromUtf8(g_mime_part_get_filename(GMIME_PART(object)));
            GMimeContentType* type = g_mime_object_get_content_type(object);
            result.typeName = QString::fromUtf8(g_mime_content_type_get_parameter(type, "name"));
            result.size =
                QString::fromUtf8(g_mime_object_get_content_disposition_parameter(object, "size"));
            GMimeHeaderList* list = g_mime_object_get_header_list(object);
            for (int i = 0; i < g_mime_header_list_get_count(list); ++i)
                result.headers << g_mime_header_get_name(g_mime_header_list_get_header_at(list, i));
            char* raw = g_mime_object_get_headers(object, nullptr);
            result.rawHeaders = raw;
            g_free(raw);
        } while (g_mime_part_iter_next(iter));
        g_mime_part_iter_free(iter);
        g_object_unref(message);
    }
    g_object_unref(parser);
    g_object_unref(stream);
    return result;
}

class MimeWriterTest : public CTempHomeTest {
protected:
    // Writes a message with a file of that name attached and reads it back.
    CParsedAttachment RoundTrip(const QString& fileName) {
        const QString attachment = PathIn(fileName);
        WriteFile(attachment, "%PDF-1.4\n%%EOF\n");
        CMimeContent content;
        content.from = "me@example.org";
        content.to = QStringList{"anna@example.org"};
        content.subject = "Scans";
        content.body = "Here they are.";
        content.attachmentPath = attachment;
        content.attachmentSize = QFile(attachment).size();
        const QString message = PathIn("message.eml");
        QString error;
        EXPECT_TRUE(CMimeWriter::Write(content, message, &error)) << error.toStdString();
        raw = ReadFile(message);
        return Parse(message);
    }
    QByteArray raw;
};

TEST_F(MimeWriterTest, LineBreaksInTheFileNameNeverStartAHeader) {
    const QString names[] = {"lf.pdf\nX-Evil: yes", "cr.pdf\rX-Evil: yes",
                             "crlf.pdf\r\nX-Evil: yes", "tab\tand\x01control.pdf"};
    for (const QString& name : names) {
        const CParsedAttachment a = RoundTrip(name);
        ASSERT_TRUE(a.found) << raw.toStdString();
        EXPECT_EQ(a.headers,
                  QStringList({"Content-Type", "Content-Transfer-Encoding", "Content-Disposition"}))
            << raw.toStdString();
        EXPECT_FALSE(a.messageHeaders.contains("X-Evil"));
        EXPECT_EQ(a.partCount, 2);
        // The name arrives whole: encoded, not cut or dropped.
        EXPECT_EQ(a.fileName, name) << raw.toStdString();
        EXPECT_EQ(a.typeName, name);
        EXPECT_EQ(a.size, "15");
        EXPECT_FALSE(raw.contains("\nX-Evil")) << raw.toStdString();
        EXPECT_FALSE(raw.contains("\rX-Evil"));
    }
}

TEST_F(MimeWriterTest, OddAndLongNamesAreEncodedAndReadBackWhole) {
    const QString names[] = {
        "20261208_1015.pdf",
        "Rechnung März 2026.pdf",
        "quote\"and\\backslash;semi=colon.pdf",
        QString(120, QChar('a')) + QString::fromUtf8("ü") + QString(120, QChar('b')) + ".pdf",
    };
    for (const QString& name : names) {
        const CParsedAttachment a = RoundTrip(name);
        ASSERT_TRUE(a.found);
        EXPECT_EQ(a.fileName, name) << raw.toStdString();
        EXPECT_EQ(a.typeName, name);
        EXPECT_EQ(a.size, "15");
        // Header lines stay within the 998 characters a line of mail may have.
        for (const QByteArray& line : raw.split('\n'))
            EXPECT_LE(line.size(), 998);
    }
    // A plain name stays plain, as every mail program reads it.
    RoundTrip("20261208_1015.pdf");
    EXPECT_TRUE(raw.contains("filename=20261208_1015.pdf")) << raw.toStdString();
}

} // namespace
