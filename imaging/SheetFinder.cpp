#include "imaging/VisionModule.h"

#include "imaging/MatView.h"
#include "imaging/SheetSides.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int kWorkSide = 512;
// A sheet covers at least this share of the picture, and not all of it.
constexpr double kMinShare = 0.08;
constexpr double kMaxShare = 0.985;
// Share of the sheet's outline that must lie on edges seen in the picture.
constexpr double kMinEdgeSupport = 0.45;
// ... and that much more than a line a little inside it (kInsideOffset of the width).
constexpr double kMinEdgeContrast = 0.25;
constexpr double kInsideOffset = 0.012;

struct CCandidate {
    std::vector<cv::Point2f> corners; // top-down working picture
    double area = 0;
    double support = 0; // edges on the outline less those just inside it
};

double AngleAt(cv::Point2f prev, cv::Point2f at, cv::Point2f next) {
    const cv::Point2f a = prev - at;
    const cv::Point2f b = next - at;
    const double c = (a.x * b.x + a.y * b.y) / (std::hypot(a.x, a.y) * std::hypot(b.x, b.y));
    return std::acos(std::clamp(c, -1.0, 1.0)) * 180.0 / CV_PI;
}

double Length(cv::Point2f a, cv::Point2f b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Document shape: convex, corners between 40 and 140 degrees, opposite sides not wildly
// different (perspective shortens one of them), no side shorter than a tenth of the picture,
// and no side lying along the picture's border (that is where the photo ends, not a sheet).
bool IsPlausible(const std::vector<cv::Point2f>& q, cv::Size size) {
    if (q.size() != 4 || !cv::isContourConvex(q))
        return false;
    const double minSide = 0.1 * std::min(size.width, size.height);
    double sides[4];
    for (int i = 0; i < 4; ++i) {
        const double angle = AngleAt(q[(i + 3) % 4], q[i], q[(i + 1) % 4]);
        if (angle < 40 || angle > 140)
            return false;
        sides[i] = Length(q[i], q[(i + 1) % 4]);
        if (sides[i] < minSide)
            return false;
    }
    for (int i = 0; i < 2; ++i)
        if (std::min(sides[i], sides[i + 2]) < 0.4 * std::max(sides[i], sides[i + 2]))
            return false;
    const float margin = 2.5f;
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f a = q[i];
        const cv::Point2f b = q[(i + 1) % 4];
        const bool left = a.x < margin && b.x < margin;
        const bool top = a.y < margin && b.y < margin;
        const bool right =
            a.x > float(size.width - 1) - margin && b.x > float(size.width - 1) - margin;
        const bool bottom =
            a.y > float(size.height - 1) - margin && b.y > float(size.height - 1) - margin;
        if (left || top || right || bottom)
            return false;
    }
    return true;
}

// Share of points along the outline (corners' surroundings left out) that lie on an edge,
// with the outline moved `inward` pixels toward its middle.
double EdgeShare(const std::vector<cv::Point2f>& q, const cv::Mat& edges, double inward) {
    cv::Point2f middle(0, 0);
    for (const cv::Point2f& p : q)
        middle += p * 0.25f;
    int on = 0;
    int total = 0;
    for (int i = 0; i < 4; ++i) {
        cv::Point2f a = q[std::size_t(i)];
        cv::Point2f b = q[std::size_t((i + 1) % 4)];
        const double len = Length(a, b);
        cv::Point2f normal(float(-(b.y - a.y) / len), float((b.x - a.x) / len));
        if (normal.dot(middle - a) < 0)
            normal = -normal;
        a += normal * float(inward);
        b += normal * float(inward);
        const int steps = std::max(2, int(len));
        for (int s = 0; s <= steps; ++s) {
            const double t = double(s) / steps;
            if (t < 0.05 || t > 0.95)
                continue;
            const int x = int(std::lround(a.x + (b.x - a.x) * t));
            const int y = int(std::lround(a.y + (b.y - a.y) * t));
            if (x < 0 || y < 0 || x >= edges.cols || y >= edges.rows)
                continue;
            ++total;
            on += edges.at<uchar>(y, x) != 0;
        }
    }
    return total ? double(on) / total : 0;
}

// The outline's four corners: the convex hull simplified until four points remain.
bool Quadrilateral(const std::vector<cv::Point>& contour, std::vector<cv::Point2f>* quad) {
    std::vector<cv::Point> hull;
    cv::convexHull(contour, hull);
    const double perimeter = cv::arcLength(hull, true);
    // Tolerances from 1 % to 8 % of the perimeter in steps of 0.5 %.
    for (int step = 0; step <= 14; ++step) {
        const double share = 0.01 + 0.005 * step;
        std::vector<cv::Point> approx;
        cv::approxPolyDP(hull, approx, share * perimeter, true);
        if (approx.size() < 4)
            return false;
        if (approx.size() == 4) {
            quad->assign(approx.begin(), approx.end());
            return true;
        }
    }
    return false;
}

void Collect(const cv::Mat& mask, const cv::Mat& edges, std::vector<CCandidate>* out) {
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(mask, contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
    const double pictureArea = double(mask.cols) * mask.rows;
    for (const auto& contour : contours) {
        const double area = cv::contourArea(contour);
        if (area < kMinShare * pictureArea)
            continue;
        CCandidate candidate;
        if (!Quadrilateral(contour, &candidate.corners) ||
            !IsPlausible(candidate.corners, mask.size()))
            continue;
        candidate.area = cv::contourArea(candidate.corners);
        // A blob that fills its outline poorly is clutter, not a sheet.
        if (candidate.area > kMaxShare * pictureArea || area < 0.85 * candidate.area)
            continue;
        const double on = EdgeShare(candidate.corners, edges, 0);
        // On a patterned desk any line crosses edges; a sheet's side has more of them on it
        // than just inside it, where the paper's margin is.
        const double inside = EdgeShare(candidate.corners, edges, kInsideOffset * mask.cols);
        candidate.support = on - inside;
        if (on >= kMinEdgeSupport && candidate.support >= kMinEdgeContrast)
            out->push_back(std::move(candidate));
    }
}

// Grey level of picture pixel (x, y) read straight from the view (nearest pixel).
double GreyAt(const CMatView& view, double x, double y) {
    const cv::Mat& m = view.Mat();
    const int col = std::clamp(int(std::lround(x)), 0, m.cols - 1);
    const int row = std::clamp(int(std::lround(view.MatY(y))), 0, m.rows - 1);
    const uchar* p = m.ptr<uchar>(row) + std::size_t(col) * m.channels();
    return 0.114 * p[0] + 0.587 * p[1] + 0.299 * p[2];
}

// The corners placed on the full-size picture: along each side, at many points, the place of
// the strongest change of grey across the side (within `reach` pixels), a line fitted through
// them that ignores stray points (a letter or a check of the desk near the edge), and the
// corners taken where neighbouring lines cross. A corner that would move further than
// `reach` keeps its place.
void RefineAtFullSize(std::array<cv::Point2f, 4>& q, const CMatView& view, double reach) {
    const int range = int(std::ceil(reach));
    std::array<cv::Vec4f, 4> lines;
    std::array<bool, 4> fitted = {};
    std::vector<double> profile(std::size_t(2 * range + 1));
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f a = q[std::size_t(i)];
        const cv::Point2f b = q[std::size_t((i + 1) % 4)];
        const double len = Length(a, b);
        if (len < 8)
            continue;
        const cv::Point2f dir((b.x - a.x) / float(len), (b.y - a.y) / float(len));
        const cv::Point2f normal(-dir.y, dir.x);
        std::vector<cv::Point2f> found;
        constexpr int kSamples = 80;
        for (int s = 0; s <= kSamples; ++s) {
            const double t = 0.08 + 0.84 * s / kSamples;
            const cv::Point2f base = a + (b - a) * float(t);
            for (int k = -range; k <= range; ++k) {
                const cv::Point2f p = base + normal * float(k);
                const int at = k + range;
                profile[std::size_t(at)] = GreyAt(view, p.x, p.y);
            }
            double best = 0;
            int bestAt = 0;
            for (int k = 1; k + 1 < int(profile.size()); ++k) {
                // Edges near the rough side count more than a rule or a letter further in.
                const double off = double(k - range) / (0.5 * reach);
                const double d =
                    std::abs(profile[std::size_t(k) + 1] - profile[std::size_t(k) - 1]) *
                    std::exp(-0.5 * off * off);
                if (d > best) {
                    best = d;
                    bestAt = k;
                }
            }
            if (best < 12)
                continue; // no clear edge here
            found.push_back(base + normal * float(bestAt - range));
        }
        if (found.size() < kSamples / 3)
            continue;
        cv::fitLine(found, lines[std::size_t(i)], cv::DIST_HUBER, 0, 0.01, 0.01);
        fitted[std::size_t(i)] = true;
    }
    for (int i = 0; i < 4; ++i) {
        const std::size_t before = std::size_t((i + 3) % 4);
        const std::size_t after = std::size_t(i);
        if (!fitted[before] || !fitted[after])
            continue;
        const cv::Vec4f& l1 = lines[before];
        const cv::Vec4f& l2 = lines[after];
        const double det = double(l1[0]) * -l2[1] + double(l1[1]) * l2[0];
        if (std::abs(det) < 1e-6)
            continue;
        const double dx = l2[2] - l1[2];
        const double dy = l2[3] - l1[3];
        const double t = (dx * -l2[1] + dy * l2[0]) / det;
        const cv::Point2f corner(float(l1[2] + l1[0] * t), float(l1[3] + l1[1] * t));
        if (Length(corner, q[std::size_t(i)]) <= reach)
            q[std::size_t(i)] = corner;
    }
}

std::optional<CPageCorners> FindInView(const CMatView& view) {
    if (!view.IsValid())
        return std::nullopt;
    const cv::Mat& full = view.Mat();
    const double reduce = std::min(1.0, double(kWorkSide) / std::max(full.cols, full.rows));
    const cv::Size workSize(std::max(1, int(std::lround(full.cols * reduce))),
                            std::max(1, int(std::lround(full.rows * reduce))));
    if (workSize.width < 16 || workSize.height < 16)
        return std::nullopt;
    cv::Mat small;
    cv::resize(full, small, workSize, 0, 0, cv::INTER_AREA);
    if (view.BottomUp())
        cv::flip(small, small, 0);

    cv::Mat grey;
    cv::cvtColor(small, grey, small.channels() == 4 ? cv::COLOR_BGRA2GRAY : cv::COLOR_BGR2GRAY);
    // Paper is bright and colourless: the darkest channel separates it from most desks.
    std::vector<cv::Mat> channels;
    cv::split(small, channels);
    cv::Mat paper = cv::min(cv::min(channels[0], channels[1]), channels[2]);

    cv::Mat smooth;
    cv::GaussianBlur(grey, smooth, cv::Size(5, 5), 0);
    cv::Mat support;
    cv::Canny(smooth, support, 20, 50);
    cv::dilate(support, support, cv::Mat(), cv::Point(-1, -1), 1);

    std::vector<CCandidate> candidates;
    const cv::Mat closeKernel = cv::getStructuringElement(cv::MORPH_RECT, cv::Size(5, 5));
    for (const auto& [low, high] : {std::pair(30, 90), std::pair(60, 160), std::pair(10, 40)}) {
        cv::Mat edges;
        cv::Canny(smooth, edges, low, high);
        cv::morphologyEx(edges, edges, cv::MORPH_CLOSE, closeKernel);
        Collect(edges, support, &candidates);
    }
    const int wide = std::max(7, (std::min(workSize.width, workSize.height) / 20) | 1);
    const cv::Mat wideKernel = cv::getStructuringElement(cv::MORPH_RECT, cv::Size(wide, wide));
    for (const cv::Mat* source : {&paper, &grey}) {
        cv::Mat blurred;
        cv::Mat mask;
        cv::medianBlur(*source, blurred, 7);
        cv::threshold(blurred, mask, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
        cv::Mat cleaned;
        cv::morphologyEx(mask, cleaned, cv::MORPH_OPEN, closeKernel);
        cv::morphologyEx(cleaned, cleaned, cv::MORPH_CLOSE, closeKernel);
        Collect(cleaned, support, &candidates);
        // A fine pattern on the desk (checks, weave) leaves bright pieces that join the sheet;
        // an opening wider than the pattern removes them and keeps the sheet, whose cut
        // corners the refinement below restores from its sides.
        cv::morphologyEx(mask, cleaned, cv::MORPH_OPEN, wideKernel);
        Collect(cleaned, support, &candidates);
    }
    if (candidates.empty())
        return std::nullopt;
    // The largest sheet wins; of the outlines found for it (an edge trace, a bright blob that
    // may take in a bit of desk), the one whose sides lie best on edges. Outlines overlapping
    // by three quarters of their union are taken as the same sheet.
    const auto largest =
        std::max_element(candidates.begin(), candidates.end(),
                         [](const CCandidate& a, const CCandidate& b) { return a.area < b.area; });
    const CCandidate* best = &*largest;
    for (const CCandidate& c : candidates) {
        std::vector<cv::Point2f> common;
        const double overlap = cv::intersectConvexConvex(c.corners, largest->corners, common);
        const bool sameSheet = overlap > 0.75 * (c.area + largest->area - overlap);
        if (sameSheet && c.support > best->support)
            best = &c;
    }
    std::vector<cv::Point2f> q = best->corners;
    RefineSides(q, smooth);

    const double sx = double(full.cols) / workSize.width;
    const double sy = double(full.rows) / workSize.height;
    std::array<cv::Point2f, 4> fullSize;
    for (std::size_t i = 0; i < 4; ++i)
        fullSize[i] =
            cv::Point2f(float((q[i].x + 0.5) * sx - 0.5), float((q[i].y + 0.5) * sy - 0.5));
    // A wide search first (the small copy may have put a corner a few of its pixels off),
    // then a narrow one around the lines found, which leaves stray edges out.
    const double scale = std::max(sx, sy);
    RefineAtFullSize(fullSize, view, std::max(4.0, 8.0 * scale));
    RefineAtFullSize(fullSize, view, std::max(3.0, 1.5 * scale));
    std::array<QPointF, 4> points;
    for (std::size_t i = 0; i < 4; ++i)
        points[i] = QPointF(fullSize[i].x, fullSize[i].y);
    return CPageCorners::FromUnordered(points).ClampedTo(full.cols, full.rows);
}

} // namespace

std::optional<CPageCorners> vision::FindSheet(const CBitmap& picture) {
    return FindInView(CMatView::Of(picture));
}
