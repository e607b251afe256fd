#include "imaging/VisionModule.h"

#include "imaging/MatView.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// The lighting is estimated on a copy of about this many pixels on its long side.
constexpr int kLightingSide = 320;

// Smoothing of `values` where `weight` is 1, spread over the places where it is 0: the
// weighted mean around each pixel (normalised convolution). Where too little weight lies
// within reach, `fallback` stays.
cv::Mat FillFromWeighted(const cv::Mat& values, const cv::Mat& weight, double sigma,
                         const cv::Mat& fallback) {
    cv::Mat weighted, spread;
    cv::multiply(values, weight, weighted);
    cv::GaussianBlur(weighted, weighted, cv::Size(0, 0), sigma);
    cv::GaussianBlur(weight, spread, cv::Size(0, 0), sigma);
    cv::Mat filled = fallback.clone();
    const int channels = values.channels();
    for (int y = 0; y < values.rows; ++y) {
        const float* w = weighted.ptr<float>(y);
        const float* s = spread.ptr<float>(y);
        float* out = filled.ptr<float>(y);
        for (int x = 0; x < values.cols * channels; ++x)
            if (s[x] > 0.02f)
                out[x] = w[x] / s[x];
    }
    return filled;
}

// A quadratic surface in x and y fitted to each channel of `values` (32-bit floats) by least
// squares, refitted twice without the points that lie far below it (dark areas).
cv::Mat SmoothSurface(const cv::Mat& values) {
    std::vector<cv::Mat> channels;
    cv::split(values, channels);
    const int step = std::max(1, std::max(values.cols, values.rows) / 80);
    for (cv::Mat& channel : channels) {
        std::vector<cv::Point> points;
        for (int y = 0; y < channel.rows; y += step)
            for (int x = 0; x < channel.cols; x += step)
                points.emplace_back(x, y);
        const double sx = 1.0 / std::max(1, channel.cols);
        const double sy = 1.0 / std::max(1, channel.rows);
        auto terms = [&](cv::Point p, double* t) {
            const double x = p.x * sx, y = p.y * sy;
            t[0] = 1;
            t[1] = x;
            t[2] = y;
            t[3] = x * x;
            t[4] = x * y;
            t[5] = y * y;
        };
        cv::Mat coefficients = cv::Mat::zeros(6, 1, CV_64F);
        std::vector<char> use(points.size(), 1);
        for (int round = 0; round < 3; ++round) {
            cv::Mat a(0, 6, CV_64F), b(0, 1, CV_64F);
            for (std::size_t i = 0; i < points.size(); ++i) {
                if (!use[i])
                    continue;
                cv::Mat row(1, 6, CV_64F);
                terms(points[i], row.ptr<double>());
                a.push_back(row);
                b.push_back(double(channel.at<float>(points[i])));
            }
            if (a.rows < 6 || !cv::solve(a, b, coefficients, cv::DECOMP_SVD))
                break;
            for (std::size_t i = 0; i < points.size(); ++i) {
                double t[6];
                terms(points[i], t);
                double fit = 0;
                for (int k = 0; k < 6; ++k)
                    fit += t[k] * coefficients.at<double>(k);
                use[i] = char(channel.at<float>(points[i]) >= 0.75 * fit);
            }
        }
        for (int y = 0; y < channel.rows; ++y) {
            float* row = channel.ptr<float>(y);
            for (int x = 0; x < channel.cols; ++x) {
                double t[6];
                terms(cv::Point(x, y), t);
                double fit = 0;
                for (int k = 0; k < 6; ++k)
                    fit += t[k] * coefficients.at<double>(k);
                row[x] = float(std::clamp(fit, 1.0, 255.0));
            }
        }
    }
    cv::Mat surface;
    cv::merge(channels, surface);
    return surface;
}

// The paper's brightness around each pixel, at full size: the dark marks (text, lines) are
// removed by a maximum filter on the small copy, which is then smoothed and scaled back up.
// Works per channel, so a colour picture gives the paper's colour.
cv::Mat Lighting(const cv::Mat& picture) {
    const double scale =
        std::min(1.0, double(kLightingSide) / std::max(picture.cols, picture.rows));
    const cv::Size smallSize(std::max(1, int(std::lround(picture.cols * scale))),
                             std::max(1, int(std::lround(picture.rows * scale))));
    cv::Mat small;
    cv::resize(picture, small, smallSize, 0, 0, cv::INTER_AREA);
    // Wide enough to take out a headline or a filled box of a few lines' height.
    const int side = std::max(3, (std::max(smallSize.width, smallSize.height) / 16) | 1);
    const cv::Mat kernel = cv::getStructuringElement(cv::MORPH_RECT, cv::Size(side, side));
    cv::Mat paper;
    cv::dilate(small, paper, kernel);
    // A dark area wider than that (a large filled box, a photo) survives the filter and would
    // pass for dim paper: divided by itself it turned white, leaving only its outline. The
    // light over a sheet changes smoothly, so a gently curved surface fitted to the filtered
    // copy tells the paper from such areas, which lie far below it; the lighting there is
    // spread in from the paper around them, and taken from the surface where none is near.
    cv::Mat paperF;
    paper.convertTo(paperF, CV_32F);
    const cv::Mat surface = SmoothSurface(paperF);
    cv::Mat ratio;
    cv::divide(paperF, cv::max(surface, 1.0), ratio);
    cv::Mat weight;
    cv::threshold(ratio, weight, 0.75, 1.0, cv::THRESH_BINARY);
    cv::Mat far = FillFromWeighted(paperF, weight, 2.0 * side, surface);
    cv::Mat filled = FillFromWeighted(paperF, weight, side / 2.0, far);
    // Paper keeps its own level; only what is no paper takes the filled one.
    cv::Mat lightingF = filled;
    paperF.copyTo(lightingF, weight > 0.5);
    lightingF.convertTo(small, small.type());
    cv::GaussianBlur(small, small, cv::Size(0, 0), side / 2.0);
    cv::max(small, cv::Scalar::all(1), small); // no division by zero
    cv::Mat lighting;
    cv::resize(small, lighting, picture.size(), 0, 0, cv::INTER_LINEAR);
    return lighting;
}

cv::Mat GreyOf(const cv::Mat& picture) {
    cv::Mat grey;
    cv::cvtColor(picture, grey, picture.channels() == 4 ? cv::COLOR_BGRA2GRAY : cv::COLOR_BGR2GRAY);
    return grey;
}

// Each pixel divided by the lighting: paper becomes 255 wherever it lies.
cv::Mat Flattened(const cv::Mat& picture) {
    cv::Mat flat;
    cv::divide(picture, Lighting(picture), flat, 255.0);
    return flat;
}

// Levels: `black` and below become 0, `white` and above 255, a gentle curve between that
// darkens the middle tones (ink gets stronger, paper stays clean).
cv::Mat LevelsTable(int black, int white, double gamma) {
    cv::Mat table(1, 256, CV_8U);
    for (int v = 0; v < 256; ++v) {
        const double t = std::clamp(double(v - black) / double(white - black), 0.0, 1.0);
        table.at<uchar>(v) = cv::saturate_cast<uchar>(255.0 * std::pow(t, gamma));
    }
    return table;
}

// The darkest level that more than 0.5 % of the pixels reach: the ink's level, so that
// faint pencil and dark print both stretch to a full range.
int InkLevel(const cv::Mat& grey) {
    int histogram[256] = {};
    for (int y = 0; y < grey.rows; y += 2) {
        const uchar* row = grey.ptr<uchar>(y);
        for (int x = 0; x < grey.cols; x += 2)
            ++histogram[row[x]];
    }
    const long total = long((grey.rows + 1) / 2) * ((grey.cols + 1) / 2);
    long seen = 0;
    for (int v = 0; v < 256; ++v) {
        seen += histogram[v];
        if (seen * 200 > total)
            return v;
    }
    return 0;
}

cv::Mat GreyLook(const cv::Mat& picture) {
    cv::Mat flat = Flattened(GreyOf(picture));
    const int black = std::min(InkLevel(flat), 160);
    cv::LUT(flat, LevelsTable(black / 2, 235, 1.2), flat);
    return flat;
}

cv::Mat BlackAndWhiteLook(const cv::Mat& picture) {
    cv::Mat flat = Flattened(GreyOf(picture));
    // Dividing by dim light magnifies the sensor's noise; smoothed first, it does not turn
    // into black specks on the paper.
    cv::GaussianBlur(flat, flat, cv::Size(3, 3), 0);
    // The neighbourhood is about 1/30 of the page: a few letters wide.
    const int block = std::max(15, (std::min(flat.cols, flat.rows) / 30) | 1);
    cv::Mat local;
    cv::adaptiveThreshold(flat, local, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY, block,
                          30);
    // Large dark areas (a filled box, a photo's shadows) stay black instead of turning hollow.
    cv::Mat global;
    cv::threshold(flat, global, 110, 255, cv::THRESH_BINARY);
    cv::Mat bw;
    cv::bitwise_and(local, global, bw);
    return bw;
}

cv::Mat ColourDocumentLook(const cv::Mat& picture) {
    cv::Mat flat = Flattened(picture);
    cv::LUT(flat, LevelsTable(25, 225, 1.35), flat);
    return flat;
}

// Writes a one-channel result into every colour channel of the target (and 255 into the
// unused fourth byte of a device bitmap).
void WriteGrey(const cv::Mat& grey, cv::Mat& target) {
    cv::cvtColor(grey, target, target.channels() == 4 ? cv::COLOR_GRAY2BGRA : cv::COLOR_GRAY2BGR);
}

} // namespace

BitmapHandle vision::Enhance(const CBitmap& picture, ELook look) {
    const CMatView source = CMatView::Of(picture);
    if (!source.IsValid())
        return nullptr;
    BitmapHandle result = CMatView::CreateLike(picture, picture.Width(), picture.Height());
    if (!result)
        return nullptr;
    const CMatView target = CMatView::Of(*result);
    if (!target.IsValid() || target.Mat().channels() != source.Mat().channels())
        return nullptr;
    cv::Mat out = target.Mat(); // shares the result's pixels
    // Row order does not matter below: every step is the same upside down.
    switch (look) {
    case ELook::Original: source.Mat().copyTo(out); break;
    case ELook::Grey: WriteGrey(GreyLook(source.Mat()), out); break;
    case ELook::BlackAndWhite: WriteGrey(BlackAndWhiteLook(source.Mat()), out); break;
    case ELook::ColourDocument: ColourDocumentLook(source.Mat()).copyTo(out); break;
    }
    if (out.data != target.Mat().data)
        return nullptr;
    return result;
}
