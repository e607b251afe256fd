#include "imaging/SheetSides.h"

#include <opencv2/imgproc.hpp>

#include <cmath>

namespace {

// Points seen along each side, from a tenth to nine tenths of it, both ends included.
constexpr int kSideSteps = 40;

double Length(cv::Point2f a, cv::Point2f b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

void RefineSides(std::vector<cv::Point2f>& q, const cv::Mat& grey) {
    cv::Mat gx;
    cv::Mat gy;
    cv::Sobel(grey, gx, CV_32F, 1, 0, 3);
    cv::Sobel(grey, gy, CV_32F, 0, 1, 3);
    struct CLine {
        cv::Point2f point;
        cv::Point2f dir;
    };
    CLine lines[4];
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f a = q[i];
        const cv::Point2f b = q[(i + 1) % 4];
        const double len = Length(a, b);
        const cv::Point2f dir(float((b.x - a.x) / len), float((b.y - a.y) / len));
        const cv::Point2f normal(-dir.y, dir.x);
        // Only a change of grey moves the side.
        double best = 0;
        double bestScore = 0;
        for (int halfSteps = -6; halfSteps <= 6; ++halfSteps) {
            const double offset = 0.5 * halfSteps;
            double score = 0;
            for (int s = 0; s <= kSideSteps; ++s) {
                const double t = 0.1 + 0.8 * s / kSideSteps;
                const cv::Point2f p = a + (b - a) * float(t) + normal * float(offset);
                const int x = int(std::lround(p.x));
                const int y = int(std::lround(p.y));
                if (x < 0 || y < 0 || x >= grey.cols || y >= grey.rows)
                    continue;
                score += std::abs(gx.at<float>(y, x) * normal.x + gy.at<float>(y, x) * normal.y);
            }
            if (score > bestScore) {
                bestScore = score;
                best = offset;
            }
        }
        lines[i] = {a + normal * float(best), dir};
    }
    for (int i = 0; i < 4; ++i) {
        const CLine& l1 = lines[(i + 3) % 4];
        const CLine& l2 = lines[i];
        const double det = l1.dir.x * (-l2.dir.y) - l1.dir.y * (-l2.dir.x);
        if (std::abs(det) < 1e-6)
            continue;
        const cv::Point2f d = l2.point - l1.point;
        const double t = (d.x * (-l2.dir.y) - d.y * (-l2.dir.x)) / det;
        const cv::Point2f corner = l1.point + l1.dir * float(t);
        if (Length(corner, q[i]) < 6)
            q[i] = corner;
    }
}
