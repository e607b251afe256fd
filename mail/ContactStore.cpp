#include "mail/ContactStore.h"

#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// The value of a property with vCard escapes undone.
QString Unescape(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const QChar n = value[++i];
            out += (n == 'n' || n == 'N') ? QChar('\n') : n;
        } else {
            out += value[i];
        }
    }
    return out;
}

// Splits on unescaped ";" (the parts of N).
QStringList SplitParts(const QString& value) {
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            current += value[i];
            current += value[++i];
        } else if (value[i] == ';') {
            parts << Unescape(current);
            current.clear();
        } else {
            current += value[i];
        }
    }
    parts << Unescape(current);
    return parts;
}

} // namespace

QString CContactStore::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/contacts";
}

std::vector<CContact> CContactStore::Parse(const QByteArray& text) {
    // Unfold: a line starting with a space or tab continues the previous one.
    QStringList lines;
    for (QString line : QString::fromUtf8(text).split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if ((line.startsWith(' ') || line.startsWith('\t')) && !lines.isEmpty())
            lines.last() += line.mid(1);
        else
            lines << line;
    }
    std::vector<CContact> contacts;
    CContact card;
    bool inCard = false;
    int emails = 0;
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        // "item1.EMAIL;TYPE=work" -> EMAIL
        QString name = line.left(colon).section(';', 0, 0).toUpper();
        name = name.section('.', -1);
        const QString value = line.mid(colon + 1);
        if (name == "BEGIN" && value.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0) {
            card = CContact();
            inCard = true;
            emails = 0;
        } else if (!inCard) {
            continue;
        } else if (name == "END") {
            contacts.push_back(card);
            inCard = false;
        } else if (name == "FN") {
            card.displayName = Unescape(value).trimmed();
        } else if (name == "N") {
            const QStringList parts = SplitParts(value);
            card.secondName = parts.value(0).trimmed();
            card.firstName = parts.value(1).trimmed();
        } else if (name == "EMAIL" && emails < 3) {
            // Slots by position: an empty EMAIL keeps its slot, as an address book's second
            // address stays the second when the first is cleared.
            card.email[emails++] = Unescape(value).trimmed();
        } else if (name == "ORG") {
            card.organisation = SplitParts(value).value(0).trimmed();
        } else if (name == "NOTE") {
            card.note = Unescape(value);
        }
    }
    return contacts;
}

std::vector<CContact> CContactStore::Load() const {
    std::vector<CContact> contacts;
    if (m_folder.isEmpty())
        return contacts;
    QStringList files;
    QDirIterator it(m_folder, {"*.vcf", "*.VCF", "*.vcard"}, QDir::Files,
                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext())
        files << it.next();
    std::sort(files.begin(), files.end());
    for (const QString& path : files) {
        QFile file(path);
        // An address book card is small; anything huge is not one.
        if (file.size() > 4 * 1024 * 1024 || !file.open(QIODevice::ReadOnly))
            continue;
        for (CContact& c : Parse(file.readAll()))
            contacts.push_back(std::move(c));
    }
    return contacts;
}
