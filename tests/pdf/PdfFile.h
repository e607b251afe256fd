#pragma once

// A small reader for the PDF files the builder writes, enough to check them: it finds every
// object through the cross-reference table (so a wrong offset fails the load), reads
// dictionaries as text and streams as bytes, and inflates Flate streams.

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>

#include <map>
#include <vector>

struct CPdfObjectText {
    int id = 0;
    qint64 offset = 0;
    QByteArray dict;      // everything between "obj" and "stream"/"endobj"
    QByteArray rawStream; // the stream's bytes as stored
    bool hasStream = false;
};

class CPdfFile {
public:
    // False (and Error() says why) when the file is not a well-formed libharu PDF.
    bool Load(const QString& path);
    const QString& Error() const { return m_error; }

    const QByteArray& Bytes() const { return m_bytes; }
    const std::map<int, CPdfObjectText>& Objects() const { return m_objects; }
    // Object numbers in the order they appear in the file.
    const std::vector<int>& FileOrder() const { return m_fileOrder; }
    int XrefEntryCount() const { return m_xrefCount; }

    // The page objects in page order (the Kids of the page tree).
    QList<int> Pages() const;
    QRectF MediaBox(int page) const;
    // The page's content stream, inflated.
    QByteArray Content(int page) const;
    // The image XObjects the page's resources name.
    QList<int> Images(int page) const;
    // A stream's data, inflated when its filter is FlateDecode.
    QByteArray StreamData(int id) const;

    // The text after /key in a dictionary, up to the next key or the end: "595", "[0 0 1 1]",
    // "12 0 R", "/DCTDecode".
    static QByteArray Value(const QByteArray& dict, const QByteArray& key);
    // The dictionary of an object, or of the object a "N 0 R" value points to.
    QByteArray Resolve(const QByteArray& value) const;
    int IntValue(const QByteArray& dict, const QByteArray& key) const;

private:
    bool ParseObject(int id, qint64 offset);

    QByteArray m_bytes;
    std::map<int, CPdfObjectText> m_objects;
    std::vector<int> m_fileOrder;
    int m_xrefCount = 0;
    QString m_error;
};

// Inflates zlib data; empty on error.
QByteArray Inflate(const QByteArray& data);

// The numbers before each occurrence of `op` in a content stream, e.g. the six of "cm".
QList<QList<double>> OperandsOf(const QByteArray& content, const QByteArray& op);
