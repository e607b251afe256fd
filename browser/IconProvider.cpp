#include "browser/IconProvider.h"

#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSizes[] = {16, 32, 64};

// Theme names of the base icons.
constexpr const char* kThemeNames[CIconProvider::kBaseCount] = {
    "text-x-generic",   "folder",   "folder-open",   "folder-documents", "folder-music",
    "folder-pictures",  "folder",   "folder-videos", "folder",           "folder",
    "folder-templates", "computer", "computer"};

// Emblem colours of the well-known folders (3-10).
constexpr QRgb kEmblems[] = {0x3068c8, 0x8a3cc0, 0x2e9a48, 0x707070,
                             0xc83030, 0xe08a1c, 0x20989a, 0x8a6038};

using CDraw = void (*)(QPainter& p, int s, QRgb accent);

void DrawPage(QPainter& p, int s, QRgb band) {
    const qreal u = s / 16.0;
    QPainterPath page;
    page.moveTo(3 * u, 1 * u);
    page.lineTo(10 * u, 1 * u);
    page.lineTo(13 * u, 4 * u);
    page.lineTo(13 * u, 15 * u);
    page.lineTo(3 * u, 15 * u);
    page.closeSubpath();
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), std::max(1.0, u)));
    p.setBrush(Qt::white);
    p.drawPath(page);
    if (band)
        p.fillRect(QRectF(4 * u, 9 * u, 8 * u, 4 * u), QColor::fromRgb(band));
}

void DrawFolder(QPainter& p, int s, QRgb emblem, bool open) {
    const qreal u = s / 16.0;
    p.setPen(QPen(QColor(0x9a, 0x74, 0x20), std::max(1.0, u)));
    p.setBrush(QColor(0xe8, 0xb8, 0x40));
    p.drawRect(QRectF(1 * u, 3 * u, 6 * u, 3 * u));
    p.drawRect(QRectF(1 * u, 5 * u, 14 * u, 9 * u));
    if (open) {
        QPainterPath front;
        front.moveTo(3 * u, 8 * u);
        front.lineTo(16 * u - u / 2, 8 * u);
        front.lineTo(14 * u, 14 * u);
        front.lineTo(1 * u, 14 * u);
        front.closeSubpath();
        p.setBrush(QColor(0xf6, 0xd8, 0x78));
        p.drawPath(front);
    }
    if (emblem) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(emblem));
        p.drawEllipse(QRectF(8 * u, 8 * u, 6 * u, 5 * u));
    }
}

void DrawDevice(QPainter& p, int s, bool open) {
    const qreal u = s / 16.0;
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), std::max(1.0, u)));
    p.setBrush(QColor(0x50, 0x50, 0x58));
    p.drawRoundedRect(QRectF(4 * u, 1 * u, 8 * u, 14 * u), u, u);
    p.fillRect(QRectF(5 * u, 3 * u, 6 * u, 9 * u),
               open ? QColor(0x9c, 0xd0, 0xff) : QColor(0xd0, 0xe0, 0xf0));
}

QImage Canvas(int s) {
    QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QIcon DrawnBaseIcon(int index) {
    QIcon icon;
    for (int s : kSizes) {
        QImage image = Canvas(s);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        if (index == CIconProvider::kFile)
            DrawPage(p, s, 0);
        else if (index == CIconProvider::kDevice || index == CIconProvider::kDeviceOpen)
            DrawDevice(p, s, index == CIconProvider::kDeviceOpen);
        else
            DrawFolder(p, s, index >= 3 ? kEmblems[index - 3] : 0,
                       index == CIconProvider::kFolderOpen);
        p.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QIcon DrawnTypeIcon(QRgb band) {
    QIcon icon;
    for (int s : kSizes) {
        QImage image = Canvas(s);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        DrawPage(p, s, band);
        p.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

// A colour band telling the main kinds of file apart when the theme has no icon.
QRgb BandOf(const QMimeType& type) {
    const QString name = type.name();
    if (name == QLatin1String("application/pdf"))
        return 0xc83030;
    if (name.startsWith(QLatin1String("image/")))
        return 0x2e9a48;
    if (name.startsWith(QLatin1String("audio/")))
        return 0x8a3cc0;
    if (name.startsWith(QLatin1String("video/")))
        return 0xe08a1c;
    if (name.startsWith(QLatin1String("text/")))
        return 0x3068c8;
    return 0;
}

QIcon ThemeIcon(const QString& name) {
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : QIcon();
}

} // namespace

CIconProvider::CIconProvider(CWellKnownFolders folders) : m_folders(std::move(folders)) {
    for (int i = 0; i < kBaseCount; ++i) {
        QIcon icon = ThemeIcon(QString::fromLatin1(kThemeNames[i]));
        m_icons.push_back(icon.isNull() ? DrawnBaseIcon(i) : icon);
    }
}

int CIconProvider::Append(const QIcon& icon) {
    m_icons.push_back(icon);
    return int(m_icons.size()) - 1;
}

const QIcon& CIconProvider::Icon(int index) const {
    return m_icons[index >= 0 && index < Count() ? index : kFile];
}

int CIconProvider::FolderIcon(const QString& path, bool open) const {
    static constexpr int kByFolder[CWellKnownFolders::kCount] = {
        kProgramFiles, kWindows,    kMyMusic,  kAppData,
        kMyDocuments,  kMyPictures, kMyVideos, kTemplates};
    const int known = m_folders.Find(path);
    if (known >= 0)
        return kByFolder[known];
    return open ? kFolderOpen : kFolder;
}

int CIconProvider::FileIcon(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QFileInfo target(info.symLinkTarget());
        if (!target.exists())
            return kFile;
        return ShortcutIcon(target.isDir() ? FolderIcon(target.absoluteFilePath(), false)
                                           : TypeIcon(target.absoluteFilePath()));
    }
    return TypeIcon(path);
}

int CIconProvider::TypeIcon(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0)
        return kFile;
    const QString extension = name.mid(dot).toLower();
    if (auto it = m_byExtension.find(extension); it != m_byExtension.end())
        return it->second;

    static const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    QIcon icon = ThemeIcon(type.iconName());
    if (icon.isNull())
        icon = ThemeIcon(type.genericIconName());
    int index = kFile;
    if (!icon.isNull())
        index = Append(icon);
    else if (const QRgb band = BandOf(type))
        index = Append(DrawnTypeIcon(band));
    m_byExtension[extension] = index;
    return index;
}

int CIconProvider::ShortcutIcon(int target) {
    if (auto it = m_shortcuts.find(target); it != m_shortcuts.end())
        return it->second;
    QIcon icon;
    for (int s : kSizes) {
        QImage image = Icon(target).pixmap(s, s).toImage().convertToFormat(
            QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            image = Canvas(s);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal u = s / 16.0;
        const QRectF box(0, 9 * u, 7 * u, 7 * u);
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), std::max(1.0, u / 2)));
        p.setBrush(Qt::white);
        p.drawRect(box);
        QPainterPath arrow;
        arrow.moveTo(1.5 * u, 14.5 * u);
        arrow.lineTo(5 * u, 11 * u);
        p.setPen(QPen(QColor(0x10, 0x40, 0xa0), std::max(1.0, u)));
        p.drawPath(arrow);
        p.drawLine(QPointF(5 * u, 11 * u), QPointF(3 * u, 11 * u));
        p.drawLine(QPointF(5 * u, 11 * u), QPointF(5 * u, 13 * u));
        p.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    const int index = Append(icon);
    m_shortcuts[target] = index;
    return index;
}
