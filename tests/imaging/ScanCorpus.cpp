#include "tests/imaging/ScanCorpus.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <random>

namespace imagingtest {

namespace {

int Clamp8(double v) {
    return std::clamp(int(std::lround(v)), 0, 255);
}

// One letter-like glyph in a cell of width w and height h at (x, baseline).
void DrawGlyph(QPainterPath& path, std::mt19937& random, double x, double baseline, double w,
               double h) {
    const int shape = int(random() % 5);
    const double stroke = std::max(1.0, h * 0.14);
    switch (shape) {
    case 0: // stem
        path.addRect(x + w * 0.4, baseline - h, stroke, h);
        break;
    case 1: // bowl
        path.addEllipse(QPointF(x + w / 2, baseline - h * 0.35), w * 0.4, h * 0.35);
        path.addEllipse(QPointF(x + w / 2, baseline - h * 0.35), w * 0.4 - stroke,
                        h * 0.35 - stroke);
        break;
    case 2: // stem and bowl
        path.addRect(x + w * 0.1, baseline - h, stroke, h);
        path.addEllipse(QPointF(x + w / 2, baseline - h * 0.3), w * 0.35, h * 0.3);
        path.addEllipse(QPointF(x + w / 2, baseline - h * 0.3), w * 0.35 - stroke,
                        h * 0.3 - stroke);
        break;
    case 3: // arch
        path.addRect(x + w * 0.1, baseline - h * 0.6, stroke, h * 0.6);
        path.addRect(x + w * 0.1, baseline - h * 0.6, w * 0.7, stroke);
        path.addRect(x + w * 0.8 - stroke, baseline - h * 0.6, stroke, h * 0.6);
        break;
    default: // cross
        path.addRect(x + w * 0.45, baseline - h * 0.8, stroke, h * 0.8);
        path.addRect(x + w * 0.15, baseline - h * 0.55, w * 0.65, stroke);
        break;
    }
}

QRgb DeskColour(int kind, int x, int y, std::mt19937& random) {
    const int n = int(random() % 21) - 10;
    switch (kind) {
    case 0: { // wood: brown with grain
        const double grain =
            25 * std::sin(y * 0.09 + 3 * std::sin(x * 0.013)) + 10 * std::sin(y * 0.41 + x * 0.002);
        return qRgb(Clamp8(150 + grain + n), Clamp8(95 + grain * 0.7 + n), Clamp8(55 + n));
    }
    case 1: { // blue and beige tablecloth
        const bool a = (x / 36) % 2 == 0;
        const bool b = (y / 36) % 2 == 0;
        const int level = a && b ? 0 : (a || b ? 1 : 2);
        static const int r[] = {200, 110, 40};
        static const int g[] = {190, 120, 60};
        static const int bl[] = {160, 170, 140};
        return qRgb(Clamp8(r[level] + n), Clamp8(g[level] + n), Clamp8(bl[level] + n));
    }
    case 2: // dark desk with speckles
        return random() % 50 == 0 ? qRgb(140, 140, 140)
                                  : qRgb(Clamp8(45 + n), Clamp8(45 + n), Clamp8(50 + n));
    case 3: { // grey carpet: blotches
        const double blot =
            20 * std::sin(x * 0.05) * std::sin(y * 0.07) + 15 * std::sin((x + y) * 0.021);
        return qRgb(Clamp8(120 + blot + 2 * n), Clamp8(115 + blot + 2 * n),
                    Clamp8(105 + blot + 2 * n));
    }
    default: { // green fabric with a diagonal weave
        const double weave = ((x + y) % 8 < 3 ? 25 : 0) + ((x - y + 4096) % 12 < 2 ? -20 : 0);
        return qRgb(Clamp8(40 + n), Clamp8(120 + weave + n), Clamp8(70 + n));
    }
    }
}

} // namespace

QImage DrawPage(QSize size, unsigned seed) {
    std::mt19937 random(seed);
    QImage page(size, QImage::Format_RGB32);
    page.fill(qRgb(250, 250, 247));
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    const double margin = w * 0.09;
    const double line = std::max(8.0, h / 38);
    // Heading in dark blue, a coloured box, a rule.
    QPainterPath heading;
    double x = margin;
    for (int i = 0; i < 12 && x < w * 0.6; ++i, x += line * 1.1)
        DrawGlyph(heading, random, x, margin + line * 1.6, line, line * 1.6);
    painter.fillPath(heading, QColor(20, 30, 110));
    painter.fillRect(QRectF(w - margin - w * 0.22, margin, w * 0.22, line * 2.2),
                     QColor(200, 40, 40));
    painter.fillRect(QRectF(margin, margin + line * 2.4, w - 2 * margin, std::max(1.5, line / 6)),
                     QColor(30, 30, 30));
    // Body text: lines of words.
    QPainterPath text;
    for (int row = 0;; ++row) {
        const double y = margin + line * 4.5 + row * line * 1.5;
        if (y >= h - margin)
            break;
        if (random() % 9 == 0)
            continue; // paragraph gap
        x = margin;
        const double end = w - margin - (random() % 4 == 0 ? w * 0.3 : 0);
        while (x < end - line) {
            const int letters = 2 + int(random() % 7);
            for (int i = 0; i < letters && x < end - line * 0.6; ++i, x += line * 0.6)
                DrawGlyph(text, random, x, y, line * 0.55, line * 0.75);
            x += line * 0.6;
        }
    }
    painter.fillPath(text, QColor(25, 25, 25));
    // A table rule at the bottom.
    painter.setPen(QPen(QColor(60, 60, 60), std::max(1.0, line / 8)));
    painter.drawLine(QPointF(margin, h - margin * 0.8), QPointF(w - margin, h - margin * 0.8));
    return page;
}

QImage DrawDesk(QSize size, int kind, unsigned seed) {
    std::mt19937 random(seed);
    QImage desk(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(desk.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] = DeskColour(kind % 5, x, y, random);
    }
    return desk;
}

void LightAndNoise(QImage& photo, unsigned seed, double strength) {
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 4.0 * strength);
    const double w = photo.width();
    const double h = photo.height();
    const double gx = (int(seed % 3) - 1) * 0.18 * strength;
    const double gy = (int(seed / 3 % 3) - 1) * 0.15 * strength;
    const QPointF dark(seed % 2 ? w : 0, seed % 4 < 2 ? h : 0);
    const double reach = std::hypot(w, h);
    for (int y = 0; y < photo.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const double d = std::hypot(x - dark.x(), y - dark.y()) / reach;
            const double light = (0.92 + gx * (x / w - 0.5) + gy * (y / h - 0.5)) *
                                 (1.0 - 0.25 * strength * std::max(0.0, 0.6 - d));
            const double n = noise(random);
            row[x] = qRgb(Clamp8(qRed(row[x]) * light + n), Clamp8(qGreen(row[x]) * light + n),
                          Clamp8(qBlue(row[x]) * light + n));
        }
    }
}

CScanCase MakeScanCase(int index, int photoLongSide) {
    static const QSizeF aspects[] = {
        {1.0, 1.414}, {1.0, 1.294}, {1.0, 2.2}, {1.6, 1.0}, {1.0, 1.1}};
    static const char* desks[] = {"wood", "tablecloth", "dark desk", "carpet", "fabric"};
    std::mt19937 random(1000u + unsigned(index) * 7919u);
    auto uniform = [&random](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    const bool portraitPhoto = index % 2 == 0;
    const int shortSide = photoLongSide * 3 / 4;
    const QSize photoSize =
        portraitPhoto ? QSize(shortSide, photoLongSide) : QSize(photoLongSide, shortSide);
    const QSizeF aspect = aspects[(index / 5 + index) % 5];
    const int kind = index % 5;

    CScanCase c;
    const double pageScale = 900.0 / std::max(aspect.width(), aspect.height());
    c.page = DrawPage(QSize(int(aspect.width() * pageScale), int(aspect.height() * pageScale)),
                      unsigned(index) + 1);

    // The page's outline in the photo: a rectangle of a sensible size, foreshortened at one
    // side (perspective), turned and moved, kept inside the photo.
    const double angle = uniform(-25, 25) * M_PI / 180;
    const double share = uniform(0.5, 0.8);
    const double fit =
        std::min(photoSize.width() / aspect.width(), photoSize.height() / aspect.height()) * share;
    const double pw = aspect.width() * fit / 2;
    const double ph = aspect.height() * fit / 2;
    const double shrink = uniform(0.72, 0.95); // the far side looks shorter
    const int farSide = int(random() % 4);
    QPointF q[4] = {{-pw, -ph}, {pw, -ph}, {pw, ph}, {-pw, ph}};
    for (int i = 0; i < 4; ++i) {
        const bool far = (farSide == 0 && i < 2) || (farSide == 1 && i >= 2) ||
                         (farSide == 2 && (i == 0 || i == 3)) ||
                         (farSide == 3 && (i == 1 || i == 2));
        if (!far)
            continue;
        if (farSide < 2)
            q[i].setX(q[i].x() * shrink);
        else
            q[i].setY(q[i].y() * shrink);
    }
    QPolygonF outline;
    for (QPointF p : q)
        outline << QPointF(p.x() * std::cos(angle) - p.y() * std::sin(angle),
                           p.x() * std::sin(angle) + p.y() * std::cos(angle));
    const QRectF bounds = outline.boundingRect();
    const double slackX = photoSize.width() - bounds.width();
    const double slackY = photoSize.height() - bounds.height();
    const QPointF shift(-bounds.left() + slackX * uniform(0.2, 0.8),
                        -bounds.top() + slackY * uniform(0.2, 0.8));
    outline.translate(shift);

    c.photo = DrawDesk(photoSize, kind, unsigned(index) * 31u + 5u);
    QTransform transform;
    const QPolygonF pageRect(QRectF(QPointF(0, 0), QSizeF(c.page.size())));
    QTransform::quadToQuad(QPolygonF({pageRect[0], pageRect[1], pageRect[2], pageRect[3]}), outline,
                           transform);
    {
        QPainter painter(&c.photo);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(transform);
        painter.drawImage(QPointF(0, 0), c.page);
    }
    LightAndNoise(c.photo, unsigned(index) + 3u);
    // Outline points are pixel edges; corners are pixel centres.
    const QPointF half(0.5, 0.5);
    c.corners =
        CPageCorners(outline[0] - half, outline[1] - half, outline[2] - half, outline[3] - half);
    c.name = QStringLiteral("case %1: %2, page %3x%4, %5 degrees, far side %6 at %7")
                 .arg(index)
                 .arg(desks[kind])
                 .arg(c.page.width())
                 .arg(c.page.height())
                 .arg(angle * 180 / M_PI, 0, 'f', 1)
                 .arg(farSide)
                 .arg(shrink, 0, 'f', 2);
    return c;
}

double MeanGreyError(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 255;
    const QImage ca = a.convertToFormat(QImage::Format_RGB32);
    const QImage cb = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < ca.height(); ++y) {
        const QRgb* ra = reinterpret_cast<const QRgb*>(ca.constScanLine(y));
        const QRgb* rb = reinterpret_cast<const QRgb*>(cb.constScanLine(y));
        for (int x = 0; x < ca.width(); ++x)
            sum += std::abs(qGray(ra[x]) - qGray(rb[x]));
    }
    return sum / (double(ca.width()) * ca.height());
}

} // namespace imagingtest
