#include "tests/pdf/PdfFile.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <zlib.h>

QByteArray Inflate(const QByteArray& data) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return {};
    QByteArray out;
    char buf[65536];
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = uInt(data.size());
    int ret = Z_OK;
    while (ret == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buf);
        z.avail_out = sizeof buf;
        ret = inflate(&z, Z_NO_FLUSH);
        out.append(buf, qsizetype(sizeof buf - z.avail_out));
    }
    inflateEnd(&z);
    return ret == Z_STREAM_END ? out : QByteArray();
}

QList<QList<double>> OperandsOf(const QByteArray& content, const QByteArray& op) {
    QList<QList<double>> result;
    const QList<QByteArray> tokens = content.simplified().split(' ');
    QList<double> numbers;
    for (const QByteArray& t : tokens) {
        bool ok = false;
        const double v = t.toDouble(&ok);
        if (ok) {
            numbers.append(v);
            continue;
        }
        if (t == op)
            result.append(numbers);
        numbers.clear();
    }
    return result;
}

bool CPdfFile::Load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        m_error = "cannot open " + path;
        return false;
    }
    m_bytes = f.readAll();
    const qsizetype sx = m_bytes.lastIndexOf("startxref\n");
    if (sx < 0 || !m_bytes.endsWith("%%EOF\n")) {
        m_error = "no startxref / %%EOF at the end";
        return false;
    }
    const qint64 xrefAt = m_bytes.mid(sx + 10).split('\n').value(0).toLongLong();
    if (m_bytes.mid(xrefAt, 5) != "xref\n") {
        m_error = "startxref does not point at the table";
        return false;
    }
    qsizetype pos = xrefAt + 5;
    const qsizetype eol = m_bytes.indexOf('\n', pos);
    const QList<QByteArray> head = m_bytes.mid(pos, eol - pos).split(' ');
    const int first = head.value(0).toInt();
    m_xrefCount = head.value(1).toInt();
    pos = eol + 1;
    std::vector<std::pair<qint64, int>> inUse;
    for (int i = 0; i < m_xrefCount; ++i, pos += 20) {
        const QByteArray entry = m_bytes.mid(pos, 20);
        if (entry.size() != 20 || !entry.endsWith("\r\n")) {
            m_error = "bad xref entry";
            return false;
        }
        if (entry[17] == 'n')
            inUse.push_back({entry.left(10).toLongLong(), first + i});
    }
    if (m_bytes.mid(pos, 8) != "trailer\n") {
        m_error = "no trailer after the table";
        return false;
    }
    std::sort(inUse.begin(), inUse.end());
    for (const auto& [offset, id] : inUse)
        m_fileOrder.push_back(id);
    // Stream lengths may be indirect; read every dictionary first.
    for (const auto& [offset, id] : inUse)
        if (!ParseObject(id, offset))
            return false;
    for (auto& [id, obj] : m_objects) {
        if (!obj.hasStream)
            continue;
        const qsizetype start = m_bytes.indexOf("stream", obj.offset) + 6;
        const qsizetype data = start + (m_bytes.at(start) == '\r' ? 2 : 1);
        const QByteArray lengthValue = Value(obj.dict, "Length");
        int length = lengthValue.endsWith("R") ? Resolve(lengthValue).trimmed().toInt()
                                               : lengthValue.toInt();
        obj.rawStream = m_bytes.mid(data, length);
        if (m_bytes.mid(data + length, 10) != "\nendstream") {
            m_error = QString("stream %1 does not end at its length").arg(id);
            return false;
        }
    }
    return true;
}

bool CPdfFile::ParseObject(int id, qint64 offset) {
    const QByteArray start = QByteArray::number(id) + " 0 obj\n";
    if (m_bytes.mid(offset, start.size()) != start) {
        m_error = QString("xref offset of object %1 is wrong").arg(id);
        return false;
    }
    const qsizetype body = offset + start.size();
    const qsizetype end = m_bytes.indexOf("\nendobj\n", body);
    const qsizetype stream = m_bytes.indexOf("\nstream", body);
    CPdfObjectText obj;
    obj.id = id;
    obj.offset = offset;
    obj.hasStream = stream >= 0 && stream < end;
    obj.dict = m_bytes.mid(body, (obj.hasStream ? stream : end) - body);
    if (obj.hasStream) {
        // The stream may contain "\nendobj\n" by chance; endobj is after endstream.
        obj.offset = stream;
    }
    m_objects[id] = obj;
    return true;
}

QByteArray CPdfFile::Value(const QByteArray& dict, const QByteArray& key) {
    const QByteArray k = "/" + key;
    qsizetype at = -1;
    for (qsizetype from = 0;;) {
        at = dict.indexOf(k, from);
        if (at < 0)
            return {};
        const char next = at + k.size() < dict.size() ? dict.at(at + k.size()) : ' ';
        if (!QChar::isLetterOrNumber(uchar(next)))
            break;
        from = at + 1;
    }
    qsizetype p = at + k.size();
    while (p < dict.size() && (dict[p] == ' ' || dict[p] == '\n' || dict[p] == '\r'))
        ++p;
    qsizetype e = p;
    if (dict.mid(p, 2) == "<<") {
        int depth = 0;
        for (; e < dict.size(); ++e) {
            if (dict.mid(e, 2) == "<<") {
                ++depth;
                ++e;
            } else if (dict.mid(e, 2) == ">>") {
                ++e;
                if (--depth == 0) {
                    ++e;
                    break;
                }
            }
        }
    } else if (dict[p] == '[') {
        e = dict.indexOf(']', p) + 1;
    } else {
        e = p + (dict[p] == '/' ? 1 : 0);
        while (e < dict.size() && dict[e] != '/' && dict[e] != '>' && dict[e] != '\n')
            ++e;
    }
    return dict.mid(p, e - p).trimmed();
}

QByteArray CPdfFile::Resolve(const QByteArray& value) const {
    static const QRegularExpression ref("^(\\d+) 0 R$");
    const auto m = ref.match(QString::fromLatin1(value.trimmed()));
    if (!m.hasMatch())
        return value;
    const auto it = m_objects.find(m.captured(1).toInt());
    return it == m_objects.end() ? QByteArray() : it->second.dict;
}

int CPdfFile::IntValue(const QByteArray& dict, const QByteArray& key) const {
    return Resolve(Value(dict, key)).trimmed().toInt();
}

QList<int> CPdfFile::Pages() const {
    QList<int> pages;
    for (const auto& [id, obj] : m_objects) {
        if (Value(obj.dict, "Type") != "/Catalog")
            continue;
        const QByteArray root = Resolve(Value(obj.dict, "Pages"));
        const QByteArray kids = Value(root, "Kids");
        static const QRegularExpression ref("(\\d+) 0 R");
        auto it = ref.globalMatch(QString::fromLatin1(kids));
        while (it.hasNext())
            pages.append(it.next().captured(1).toInt());
    }
    return pages;
}

QRectF CPdfFile::MediaBox(int page) const {
    const QByteArray box = Value(m_objects.at(page).dict, "MediaBox");
    const QList<QByteArray> n = box.mid(1, box.size() - 2).simplified().split(' ');
    if (n.size() != 4)
        return {};
    return QRectF(QPointF(n[0].toDouble(), n[1].toDouble()),
                  QPointF(n[2].toDouble(), n[3].toDouble()));
}

QByteArray CPdfFile::Content(int page) const {
    const QByteArray ref = Value(m_objects.at(page).dict, "Contents");
    return StreamData(ref.split(' ').value(0).toInt());
}

QList<int> CPdfFile::Images(int page) const {
    const QByteArray resources = Resolve(Value(m_objects.at(page).dict, "Resources"));
    const QByteArray xobjects = Resolve(Value(resources, "XObject"));
    QList<int> images;
    static const QRegularExpression ref("(\\d+) 0 R");
    auto it = ref.globalMatch(QString::fromLatin1(xobjects));
    while (it.hasNext())
        images.append(it.next().captured(1).toInt());
    return images;
}

QByteArray CPdfFile::StreamData(int id) const {
    const auto it = m_objects.find(id);
    if (it == m_objects.end())
        return {};
    const CPdfObjectText& obj = it->second;
    if (Value(obj.dict, "Filter").contains("FlateDecode"))
        return Inflate(obj.rawStream);
    return obj.rawStream;
}
