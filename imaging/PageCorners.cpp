#include "imaging/PageCorners.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace {

double Cross(QPointF o, QPointF a, QPointF b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

} // namespace

CPageCorners::CPageCorners(QPointF topLeft, QPointF topRight, QPointF bottomRight,
                           QPointF bottomLeft)
    : m_points{topLeft, topRight, bottomRight, bottomLeft} {}

CPageCorners CPageCorners::Whole(int width, int height) {
    const double right = std::max(0, width - 1);
    const double bottom = std::max(0, height - 1);
    return {QPointF(0, 0), QPointF(right, 0), QPointF(right, bottom), QPointF(0, bottom)};
}

CPageCorners CPageCorners::FromUnordered(const std::array<QPointF, 4>& points) {
    QPointF centre;
    for (const QPointF& p : points)
        centre += p / 4.0;
    std::array<QPointF, 4> sorted = points;
    // With y pointing down, growing angles go clockwise on screen.
    std::sort(sorted.begin(), sorted.end(), [centre](QPointF a, QPointF b) {
        return std::atan2(a.y() - centre.y(), a.x() - centre.x()) <
               std::atan2(b.y() - centre.y(), b.x() - centre.x());
    });
    const auto first = std::min_element(sorted.begin(), sorted.end(), [](QPointF a, QPointF b) {
        return a.x() + a.y() < b.x() + b.y();
    });
    std::rotate(sorted.begin(), first, sorted.end());
    return {sorted[0], sorted[1], sorted[2], sorted[3]};
}

CPageCorners CPageCorners::Scaled(double factor) const {
    CPageCorners scaled = *this;
    for (QPointF& p : scaled.m_points)
        p *= factor;
    return scaled;
}

bool CPageCorners::IsWhole(int width, int height) const {
    return MaxDistance(Whole(width, height)) < 0.5;
}

bool CPageCorners::IsConvex() const {
    int positive = 0;
    int negative = 0;
    for (int i = 0; i < 4; ++i) {
        const double c = Cross(At(i), At(i + 1), At(i + 2));
        positive += c > 1e-9;
        negative += c < -1e-9;
    }
    return (positive == 4 || negative == 4) && Area() > 0;
}

double CPageCorners::Area() const {
    double twice = 0;
    for (int i = 0; i < 4; ++i)
        twice += At(i).x() * At(i + 1).y() - At(i + 1).x() * At(i).y();
    return std::abs(twice) / 2;
}

QSize CPageCorners::StraightenedSize() const {
    const double top = QLineF(TopLeft(), TopRight()).length();
    const double bottom = QLineF(BottomLeft(), BottomRight()).length();
    const double left = QLineF(TopLeft(), BottomLeft()).length();
    const double right = QLineF(TopRight(), BottomRight()).length();
    // Corners are pixel centres: n pixels span n - 1 between the outer centres.
    const int width = int(std::lround(std::max(top, bottom))) + 1;
    const int height = int(std::lround(std::max(left, right))) + 1;
    return {std::max(1, width), std::max(1, height)};
}

CPageCorners CPageCorners::ClampedTo(int width, int height) const {
    CPageCorners clamped = *this;
    for (QPointF& p : clamped.m_points)
        p = QPointF(std::clamp(p.x(), 0.0, double(std::max(0, width - 1))),
                    std::clamp(p.y(), 0.0, double(std::max(0, height - 1))));
    return clamped;
}

double CPageCorners::MaxDistance(const CPageCorners& other) const {
    double worst = 0;
    for (int i = 0; i < 4; ++i)
        worst = std::max(worst, QLineF(At(i), other.At(i)).length());
    return worst;
}
