#include "pdf/SmallerPdfCopy.h"

#include "imaging/JpegReducedDecoder.h"
#include "imaging/JpegWriter.h"
#include "pdf/PictureQuality.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <unistd.h>
#include <vector>
#include <zlib.h>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}
bool IsDelimiter(char c) {
    return std::strchr("()<>[]{}/%", c) != nullptr;
}

// Past the string that starts at `at` ("(" with nesting and escapes); -1 when unterminated.
qsizetype SkipLiteralString(const QByteArray& text, qsizetype at) {
    int depth = 0;
    for (qsizetype i = at; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\')
            ++i;
        else if (c == '(')
            ++depth;
        else if (c == ')' && --depth == 0)
            return i + 1;
    }
    return -1;
}

// Past the dictionary that starts at `at` ("<<"); -1 when it does not close.
qsizetype SkipDictionary(const QByteArray& text, qsizetype at) {
    int depth = 0;
    for (qsizetype i = at; i < text.size();) {
        if (text[i] == '(') {
            i = SkipLiteralString(text, i);
            if (i < 0)
                return -1;
        } else if (text.mid(i, 2) == "<<") {
            ++depth;
            i += 2;
        } else if (text.mid(i, 2) == ">>") {
            i += 2;
            if (--depth == 0)
                return i;
        } else {
            ++i;
        }
    }
    return -1;
}

struct CMatrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    // This matrix applied before `outer` (the operator cm's rule).
    CMatrix Then(const CMatrix& o) const {
        return {a * o.a + b * o.c, a * o.b + b * o.d,       c * o.a + d * o.c,
                c * o.b + d * o.d, e * o.a + f * o.c + o.e, e * o.b + f * o.d + o.f};
    }
};

struct CObject {
    int gen = 0;
    qint64 offset = 0;
    qint64 end = 0; // where the next object (or the table) starts
    QByteArray dict;
    qint64 dataStart = -1; // a stream's data
    qint64 dataLength = -1;
    int lengthObject = 0; // the object holding the length, when it is indirect
};

struct CPicture {
    int id = 0;
    double placedWidth = 0; // points, the largest place it takes on any page
    double placedHeight = 0;
    QByteArray newDict;
    QByteArray newData;
};

class CPdfReader {
public:
    explicit CPdfReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    bool Parse();
    const QByteArray& Bytes() const { return m_bytes; }
    const std::map<int, CObject>& Objects() const { return m_objects; }
    qint64 TableOffset() const { return m_table; }
    qint64 EntriesOffset() const { return m_entries; }
    qint64 FirstObject() const { return m_firstObject; }
    int Size() const { return m_size; }
    const QByteArray& Trailer() const { return m_trailer; }

    // The dictionary a value names: itself when it is one, the object's for "N G R".
    QByteArray Resolve(const QByteArray& value) const;
    // The text of /key's value in a dictionary: a dictionary, an array, a reference or a
    // single token; empty when absent.
    static QByteArray Value(const QByteArray& dict, const QByteArray& key);
    static int Reference(const QByteArray& value);
    QByteArray StreamData(int id) const;
    std::vector<int> Pages() const;

private:
    bool ParseObject(int id, CObject& object);
    void CollectPages(const QByteArray& node, int depth, std::vector<int>& pages) const;

    QByteArray m_bytes;
    std::map<int, CObject> m_objects;
    QByteArray m_trailer;
    qint64 m_table = 0;
    qint64 m_entries = 0; // the first entry of the table
    qint64 m_firstObject = 0;
    int m_size = 0;
};

bool CPdfReader::Parse() {
    if (!m_bytes.startsWith("%PDF-"))
        return false;
    const qsizetype startxref = m_bytes.lastIndexOf("startxref");
    if (startxref < 0)
        return false;
    bool ok = false;
    m_table = m_bytes.mid(startxref + 9, 32).simplified().split(' ').value(0).toLongLong(&ok);
    if (!ok || m_table <= 0 || m_table >= startxref || m_bytes.mid(m_table, 4) != "xref")
        return false; // a cross-reference stream, or a damaged file
    qsizetype pos = m_table + 4;
    while (pos < m_bytes.size() && IsSpace(m_bytes[pos]))
        ++pos;
    const qsizetype eol = m_bytes.indexOf('\n', pos);
    const QList<QByteArray> head = m_bytes.mid(pos, eol - pos).simplified().split(' ');
    if (head.size() != 2 || head[0] != "0")
        return false;
    m_size = head[1].toInt(&ok);
    if (!ok || m_size <= 1)
        return false;
    pos = eol + 1;
    m_entries = pos;
    std::vector<std::pair<qint64, int>> inUse;
    for (int i = 0; i < m_size; ++i, pos += 20) {
        const QByteArray entry = m_bytes.mid(pos, 20);
        if (entry.size() != 20 || (entry[17] != 'n' && entry[17] != 'f'))
            return false;
        if (entry[17] != 'n')
            continue;
        CObject object;
        object.offset = entry.left(10).toLongLong(&ok);
        if (!ok || object.offset <= 0 || object.offset >= m_table)
            return false;
        object.gen = entry.mid(11, 5).toInt();
        m_objects[i] = object;
        inUse.push_back({object.offset, i});
    }
    if (inUse.empty() || m_bytes.mid(pos, 7) != "trailer")
        return false;
    m_trailer = m_bytes.mid(pos, startxref - pos);
    // Incremental updates and encryption are beyond the plain files the builder writes.
    if (!Value(m_trailer, "Prev").isEmpty() || !Value(m_trailer, "Encrypt").isEmpty() ||
        !Value(m_trailer, "XRefStm").isEmpty())
        return false;
    std::sort(inUse.begin(), inUse.end());
    m_firstObject = inUse.front().first;
    for (std::size_t i = 0; i < inUse.size(); ++i) {
        if (i + 1 < inUse.size() && inUse[i + 1].first == inUse[i].first)
            return false;
        m_objects[inUse[i].second].end = i + 1 < inUse.size() ? inUse[i + 1].first : m_table;
    }
    for (auto& [id, object] : m_objects)
        if (!ParseObject(id, object))
            return false;
    // Indirect lengths are known once every object is read.
    for (auto& [id, object] : m_objects) {
        if (object.dataStart < 0)
            continue;
        const QByteArray length = Value(object.dict, "Length");
        object.lengthObject = Reference(length);
        const QByteArray number = object.lengthObject ? Resolve(length).trimmed() : length;
        object.dataLength = number.toLongLong(&ok);
        if (!ok || object.dataLength < 0 || object.dataStart + object.dataLength > object.end)
            return false;
    }
    return true;
}

bool CPdfReader::ParseObject(int id, CObject& object) {
    static const QRegularExpression header(QStringLiteral("^(\\d+)\\s+(\\d+)\\s+obj"));
    const QByteArray text = m_bytes.mid(object.offset, object.end - object.offset);
    const auto match = header.match(QString::fromLatin1(text.left(40)));
    if (!match.hasMatch() || match.captured(1).toInt() != id)
        return false;
    qsizetype pos = match.capturedEnd();
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    if (text.mid(pos, 2) != "<<") {
        // A number, an array, a string: everything up to endobj.
        const qsizetype end = text.indexOf("endobj", pos);
        if (end < 0)
            return false;
        object.dict = text.mid(pos, end - pos);
        return true;
    }
    const qsizetype dictEnd = SkipDictionary(text, pos);
    if (dictEnd < 0)
        return false;
    object.dict = text.mid(pos, dictEnd - pos);
    qsizetype after = dictEnd;
    while (after < text.size() && IsSpace(text[after]))
        ++after;
    if (text.mid(after, 6) == "stream") {
        after += 6;
        if (text.mid(after, 2) == "\r\n")
            after += 2;
        else if (after < text.size() && text[after] == '\n')
            ++after;
        else
            return false;
        object.dataStart = object.offset + after;
    }
    return true;
}

QByteArray CPdfReader::Value(const QByteArray& dict, const QByteArray& key) {
    const QByteArray name = '/' + key;
    qsizetype at = 0;
    for (;;) {
        at = dict.indexOf(name, at);
        if (at < 0)
            return {};
        const qsizetype next = at + name.size();
        if (next >= dict.size() || IsSpace(dict[next]) || IsDelimiter(dict[next]))
            break;
        at = next;
    }
    qsizetype p = at + name.size();
    while (p < dict.size() && IsSpace(dict[p]))
        ++p;
    if (dict.mid(p, 2) == "<<") {
        const qsizetype end = SkipDictionary(dict, p);
        return end < 0 ? QByteArray() : dict.mid(p, end - p);
    }
    if (p < dict.size() && dict[p] == '[') {
        const qsizetype end = dict.indexOf(']', p);
        return end < 0 ? QByteArray() : dict.mid(p, end + 1 - p);
    }
    static const QRegularExpression reference(QStringLiteral("^(\\d+)\\s+(\\d+)\\s+R"));
    const auto match = reference.match(QString::fromLatin1(dict.mid(p, 32)));
    if (match.hasMatch())
        return dict.mid(p, match.capturedEnd());
    qsizetype e = p + 1;
    while (e < dict.size() && !IsSpace(dict[e]) && !IsDelimiter(dict[e]))
        ++e;
    return dict.mid(p, e - p);
}

int CPdfReader::Reference(const QByteArray& value) {
    static const QRegularExpression reference(QStringLiteral("^(\\d+)\\s+\\d+\\s+R$"));
    const auto match = reference.match(QString::fromLatin1(value.trimmed()));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QByteArray CPdfReader::Resolve(const QByteArray& value) const {
    const int id = Reference(value);
    if (!id)
        return value;
    const auto it = m_objects.find(id);
    return it == m_objects.end() ? QByteArray() : it->second.dict;
}

QByteArray Inflate(const QByteArray& data) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return {};
    QByteArray out;
    char buffer[65536];
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = uInt(data.size());
    int ret = Z_OK;
    while (ret == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        ret = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, qsizetype(sizeof buffer - z.avail_out));
    }
    inflateEnd(&z);
    return ret == Z_STREAM_END ? out : QByteArray();
}

QByteArray CPdfReader::StreamData(int id) const {
    const auto it = m_objects.find(id);
    if (it == m_objects.end() || it->second.dataStart < 0)
        return {};
    QByteArray raw = m_bytes.mid(it->second.dataStart, it->second.dataLength);
    const QByteArray filter = Value(it->second.dict, "Filter");
    if (filter.isEmpty())
        return raw;
    if (filter.contains("FlateDecode") && !filter.contains("Decode /") &&
        !filter.contains("Decode/"))
        return Inflate(raw);
    return {};
}

void CPdfReader::CollectPages(const QByteArray& node, int depth, std::vector<int>& pages) const {
    if (depth > 32)
        return;
    static const QRegularExpression reference(QStringLiteral("(\\d+)\\s+\\d+\\s+R"));
    auto it = reference.globalMatch(QString::fromLatin1(Value(node, "Kids")));
    while (it.hasNext()) {
        const int kid = it.next().captured(1).toInt();
        const auto object = m_objects.find(kid);
        if (object == m_objects.end())
            continue;
        if (Value(object->second.dict, "Type") == "/Pages")
            CollectPages(object->second.dict, depth + 1, pages);
        else
            pages.push_back(kid);
    }
}

std::vector<int> CPdfReader::Pages() const {
    std::vector<int> pages;
    const QByteArray root = Resolve(Value(m_trailer, "Root"));
    CollectPages(Resolve(Value(root, "Pages")), 0, pages);
    return pages;
}

// Follows the content stream's graphics state far enough to know where each named picture
// is drawn: q, Q, cm and Do. Strings, arrays and dictionaries are skipped whole.
void PlacePictures(const QByteArray& content, const std::map<QByteArray, int>& names,
                   std::map<int, CPicture>& pictures) {
    std::vector<CMatrix> stack;
    CMatrix ctm;
    std::vector<double> numbers;
    QByteArray lastName;
    for (qsizetype i = 0; i < content.size();) {
        const char c = content[i];
        if (IsSpace(c)) {
            ++i;
        } else if (c == '%') {
            const qsizetype eol = content.indexOf('\n', i);
            i = eol < 0 ? content.size() : eol + 1;
        } else if (c == '(') {
            i = SkipLiteralString(content, i);
            if (i < 0)
                return;
            numbers.clear();
        } else if (content.mid(i, 2) == "<<") {
            i = SkipDictionary(content, i);
            if (i < 0)
                return;
            numbers.clear();
        } else if (c == '<') {
            const qsizetype end = content.indexOf('>', i);
            if (end < 0)
                return;
            i = end + 1;
            numbers.clear();
        } else if (c == '[' || c == ']' || c == '{' || c == '}' || c == '>' || c == ')') {
            ++i;
            numbers.clear();
        } else {
            qsizetype e = i + 1;
            while (e < content.size() && !IsSpace(content[e]) && !IsDelimiter(content[e]))
                ++e;
            const QByteArray token = content.mid(i, e - i);
            i = e;
            if (c == '/') {
                lastName = token.mid(1);
                continue;
            }
            bool isNumber = false;
            const double value = token.toDouble(&isNumber);
            if (isNumber) {
                numbers.push_back(value);
                continue;
            }
            if (token == "q") {
                stack.push_back(ctm);
            } else if (token == "Q") {
                if (!stack.empty()) {
                    ctm = stack.back();
                    stack.pop_back();
                }
            } else if (token == "cm" && numbers.size() >= 6) {
                const std::size_t n = numbers.size();
                const CMatrix m{numbers[n - 6], numbers[n - 5], numbers[n - 4],
                                numbers[n - 3], numbers[n - 2], numbers[n - 1]};
                ctm = m.Then(ctm);
            } else if (token == "Do") {
                const auto name = names.find(lastName);
                const auto picture =
                    name == names.end() ? pictures.end() : pictures.find(name->second);
                if (picture != pictures.end()) {
                    picture->second.placedWidth =
                        std::max(picture->second.placedWidth, std::hypot(ctm.a, ctm.b));
                    picture->second.placedHeight =
                        std::max(picture->second.placedHeight, std::hypot(ctm.c, ctm.d));
                }
            } else if (token == "BI") {
                return; // inline pictures: the builder writes none, and their data is binary
            }
            numbers.clear();
        }
    }
}

// The XObject names of a page's resources and the objects they stand for.
std::map<QByteArray, int> PictureNames(const CPdfReader& pdf, const QByteArray& page) {
    std::map<QByteArray, int> names;
    const QByteArray resources = pdf.Resolve(CPdfReader::Value(page, "Resources"));
    const QByteArray xobjects = pdf.Resolve(CPdfReader::Value(resources, "XObject"));
    static const QRegularExpression entry(
        QStringLiteral("/([^\\s/<>\\[\\]()]+)\\s+(\\d+)\\s+\\d+\\s+R"));
    auto it = entry.globalMatch(QString::fromLatin1(xobjects));
    while (it.hasNext()) {
        const auto match = it.next();
        names[match.captured(1).toLatin1()] = match.captured(2).toInt();
    }
    return names;
}

QByteArray PageContent(const CPdfReader& pdf, const QByteArray& page) {
    static const QRegularExpression reference(QStringLiteral("(\\d+)\\s+\\d+\\s+R"));
    QByteArray content;
    auto it = reference.globalMatch(QString::fromLatin1(CPdfReader::Value(page, "Contents")));
    while (it.hasNext())
        content += pdf.StreamData(it.next().captured(1).toInt()) + '\n';
    return content;
}

// A JPEG picture stored plainly: 8-bit RGB or grey with nothing but the DCT filter.
bool IsPlainJpegPicture(const QByteArray& dict) {
    static const QRegularExpression dct(QStringLiteral("^\\[?\\s*/DCTDecode\\s*\\]?$"));
    const QByteArray colourSpace = CPdfReader::Value(dict, "ColorSpace");
    return CPdfReader::Value(dict, "Subtype") == "/Image" &&
           dct.match(QString::fromLatin1(CPdfReader::Value(dict, "Filter"))).hasMatch() &&
           (colourSpace == "/DeviceRGB" || colourSpace == "/DeviceGray") &&
           CPdfReader::Value(dict, "BitsPerComponent") == "8" &&
           CPdfReader::Value(dict, "Decode").isEmpty() &&
           CPdfReader::Value(dict, "DecodeParms").isEmpty();
}

QByteArray ReplaceNumber(const QByteArray& dict, const char* key, qint64 value) {
    // Possessive, so that a reference ("12 0 R") is never taken for the number 1.
    const QRegularExpression number(
        QStringLiteral("/%1(\\s+)\\d++(?!\\s+\\d+\\s+R)").arg(QLatin1String(key)));
    const QString text = QString::fromLatin1(dict).replace(
        number, QStringLiteral("/%1\\1%2").arg(QLatin1String(key)).arg(value));
    return text.toLatin1();
}

// The picture stored again at about the e-mail quality's resolution for its place; false when
// it cannot be decoded or would not get smaller.
bool Reduce(const CPdfReader& pdf, CPicture& picture) {
    const CObject& object = pdf.Objects().at(picture.id);
    const int width = CPdfReader::Value(object.dict, "Width").toInt();
    const int height = CPdfReader::Value(object.dict, "Height").toInt();
    if (width <= 0 || height <= 0 || picture.placedWidth <= 0 || picture.placedHeight <= 0)
        return false;
    const double scale =
        std::min(1.0, std::max(picture.placedWidth * kEmailPixelsPerInch / 72.0 / width,
                               picture.placedHeight * kEmailPixelsPerInch / 72.0 / height));
    const QSize size(std::max(1, int(std::lround(width * scale))),
                     std::max(1, int(std::lround(height * scale))));
    const QByteArray& bytes = pdf.Bytes();
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData() + object.dataStart);
    QImage image = DecodeJpegReduced(data, object.dataLength, size);
    if (image.isNull())
        return false;
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_RGB888);
    picture.newData = EncodeJpegRgb(image.width(), image.height(), kEmailJpegQuality,
                                    image.constBits(), std::size_t(image.bytesPerLine()));
    if (picture.newData.isEmpty() || picture.newData.size() >= object.dataLength)
        return false;
    QByteArray dict = ReplaceNumber(object.dict, "Width", image.width());
    dict = ReplaceNumber(dict, "Height", image.height());
    dict.replace("/DeviceGray", "/DeviceRGB");
    if (!object.lengthObject)
        dict = ReplaceNumber(dict, "Length", picture.newData.size());
    picture.newDict = dict;
    return true;
}

bool WriteAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, std::size_t(std::min<qint64>(size, 1 << 20)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// The file again with the smaller pictures, each object where the new sizes put it, and a
// new cross-reference table over them.
bool WriteCopy(int fd, const CPdfReader& pdf, const std::map<int, CPicture>& reduced) {
    const QByteArray& bytes = pdf.Bytes();
    std::map<int, QByteArray> lengths; // indirect length objects that change
    for (const auto& [id, picture] : reduced)
        if (const int length = pdf.Objects().at(id).lengthObject)
            lengths[length] = QByteArray::number(length) + ' ' +
                              QByteArray::number(pdf.Objects().at(length).gen) + " obj\n" +
                              QByteArray::number(picture.newData.size()) + "\nendobj\n";
    std::vector<std::pair<qint64, int>> order;
    for (const auto& [id, object] : pdf.Objects())
        order.push_back({object.offset, id});
    std::sort(order.begin(), order.end());

    std::map<int, qint64> offsets;
    qint64 at = pdf.FirstObject();
    if (!WriteAll(fd, bytes.constData(), at))
        return false;
    for (const auto& [offset, id] : order) {
        const CObject& object = pdf.Objects().at(id);
        offsets[id] = at;
        QByteArray piece;
        if (const auto picture = reduced.find(id); picture != reduced.end()) {
            const qint64 dictAt = bytes.indexOf(object.dict, object.offset);
            const qint64 dataEnd = object.dataStart + object.dataLength;
            piece = bytes.mid(object.offset, dictAt - object.offset) + picture->second.newDict +
                    bytes.mid(dictAt + object.dict.size(),
                              object.dataStart - dictAt - object.dict.size()) +
                    picture->second.newData + bytes.mid(dataEnd, object.end - dataEnd);
        } else if (const auto length = lengths.find(id); length != lengths.end()) {
            piece = length->second;
        } else {
            if (!WriteAll(fd, bytes.constData() + object.offset, object.end - object.offset))
                return false;
            at += object.end - object.offset;
            continue;
        }
        if (!WriteAll(fd, piece.constData(), piece.size()))
            return false;
        at += piece.size();
    }
    QByteArray table = "xref\n0 " + QByteArray::number(pdf.Size()) + '\n';
    for (int i = 0; i < pdf.Size(); ++i) {
        const auto offset = offsets.find(i);
        if (offset == offsets.end()) {
            table += bytes.mid(pdf.EntriesOffset() + qint64(i) * 20, 20); // a free entry as it was
            continue;
        }
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010lld %05d n\r\n",
                      static_cast<long long>(offset->second), pdf.Objects().at(i).gen);
        table += QByteArray(entry, 20);
    }
    table += pdf.Trailer() + "startxref\n" + QByteArray::number(at) + "\n%%EOF\n";
    return WriteAll(fd, table.constData(), table.size());
}

} // namespace

CSmallerCopyResult MakeSmallerPdfCopy(const QString& source, const QString& target,
                                      CSmallerCopyDelegate& delegate) {
    CSmallerCopyResult result;
    QByteArray bytes;
    {
        const platform::CRegularFile opened = platform::OpenRegularFile(source);
        QFile file;
        if (!opened.Opened()) {
            result.failure = ESmallerCopyFailure::Unreadable;
            result.detail = opened.notAFile ? QStringLiteral("not a file")
                                            : QString::fromLocal8Bit(std::strerror(opened.error));
            return result;
        }
        if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(opened.fd);
            result.failure = ESmallerCopyFailure::Unreadable;
            result.detail = file.errorString();
            return result;
        }
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            result.failure = ESmallerCopyFailure::Unreadable;
            result.detail = file.errorString();
            return result;
        }
    }
    result.sourceBytes = bytes.size();
    CPdfReader pdf(std::move(bytes));
    if (!pdf.Parse()) {
        result.failure = ESmallerCopyFailure::NotOurPdf;
        return result;
    }

    std::map<int, CPicture> pictures;
    for (const auto& [id, object] : pdf.Objects())
        if (object.dataStart >= 0 && IsPlainJpegPicture(object.dict))
            pictures[id].id = id;
    result.pictures = int(pictures.size());
    for (const int page : pdf.Pages()) {
        const QByteArray dict = pdf.Objects().at(page).dict;
        PlacePictures(PageContent(pdf, dict), PictureNames(pdf, dict), pictures);
    }

    std::map<int, CPicture> reduced;
    int index = 0;
    for (auto& [id, picture] : pictures) {
        if (delegate.IsCancelled()) {
            result.failure = ESmallerCopyFailure::Cancelled;
            return result;
        }
        delegate.OnPicture(++index, result.pictures);
        if (Reduce(pdf, picture))
            reduced[id] = std::move(picture);
    }
    result.reduced = int(reduced.size());
    if (reduced.empty()) {
        result.failure = ESmallerCopyFailure::NothingToReduce;
        return result;
    }
    if (delegate.IsCancelled()) {
        result.failure = ESmallerCopyFailure::Cancelled;
        return result;
    }
    QString error;
    qint64 written = 0;
    const bool ok = platform::ReplaceFileAtomically(
        target,
        [&](int fd) {
            if (!WriteCopy(fd, pdf, reduced))
                return false;
            written = ::lseek(fd, 0, SEEK_CUR);
            return true;
        },
        &error);
    if (!ok) {
        result.failure = ESmallerCopyFailure::WriteFailed;
        result.detail = error.isEmpty() ? QString::fromLocal8Bit(std::strerror(errno)) : error;
        return result;
    }
    result.copyBytes = written;
    return result;
}
